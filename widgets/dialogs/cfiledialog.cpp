// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cfiledialog.h"

#include "widgets/calendar/cuilocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHash>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeDatabase>
#include <QSettings>
#include <QTreeView>

namespace {

// The columns of the toolkit's file system model.
constexpr int SizeColumn = 1;
constexpr int KindColumn = 2;
constexpr int DateColumn = 3;

// The toolkit's model writes sizes and dates in the system's locale and kinds in the default
// one, neither of which need be the program's language; this shows them in the given locale.
class LocalisedFileModel : public QIdentityProxyModel
{
public:
    LocalisedFileModel(const QLocale& locale, QObject* parent)
        : QIdentityProxyModel(parent), m_locale(locale)
    {
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case SizeColumn:
            if (!files->isDir(source))
                return m_locale.formattedDataSize(files->size(source));
            break;
        case KindColumn:
            if (!files->isDir(source))
                return KindOf(files, source);
            // The toolkit's own catalogue lacks these words in some languages.
            return files->fileInfo(source).isRoot()
                       ? QCoreApplication::translate("CFileDialog", "Drive")
                       : QCoreApplication::translate("CFileDialog", "Folder");
        case DateColumn:
            return m_locale.toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            break;
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    QString KindOf(const QFileSystemModel* files, const QModelIndex& source) const
    {
        if (QLocale() == m_locale)
            return files->type(source);
        const QString path = files->filePath(source);
        const auto known = m_kinds.constFind(path);
        if (known != m_kinds.constEnd())
            return *known;
        const QMimeType mime = m_mimes.mimeTypeForFile(files->fileInfo(source));
        // A type's description comes only in the default locale's language: switched for this
        // one call, on the interface thread, and cached so that it happens once a file.
        const QLocale previous;
        QLocale::setDefault(m_locale);
        QString kind = mime.comment();
        QLocale::setDefault(previous);
        if (kind.isEmpty())
            kind = mime.name();
        m_kinds.insert(path, kind);
        return kind;
    }

    QLocale m_locale;
    QMimeDatabase m_mimes;
    mutable QHash<QString, QString> m_kinds;
};

// The toolkit's dialog reads its history, places and column widths from a settings file in
// the user's folder and writes them back when it closes. The program writes only files the
// user names, so the process keeps its user settings nowhere: below /dev/null nothing can be
// created, and nothing is read.
void KeepNoUserSettings()
{
    static const bool redirected = [] {
        const QString nowhere = QStringLiteral("/dev/null");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
        return true;
    }();
    Q_UNUSED(redirected);
}

} // namespace

CFileDialog::CFileDialog(QWidget* parent) : CBaseDialog(parent, false, false, false)
{
    ShowCloseBtn(true);
    setStyleSheet(styleSheet() +
                  QStringLiteral("QListView::item:hover,QFileDialogTreeView::item:hover     {  "
                                 "       background-color:rgb(251,251,194);        "
                                 "color:rgb(0,0,0);    }     "
                                 "QListView::item:selected,QFileDialogTreeView::item:selected    "
                                 "{         background-color:rgb(238,238,238);        "
                                 "color:rgb(0,0,0);    } ") +
                  // The embedded detail view is matched as a plain tree view, whose selected
                  // rows the application sheet covers with its row picture: light grey here.
                  QStringLiteral("QTreeView::item:selected{border-image:none; "
                                 "background-color:rgb(238,238,238); color:rgb(0,0,0);}"));
    resize(720, 440);
}

CFileDialog::~CFileDialog() = default;

QString CFileDialog::StartFolder(const QString& dir)
{
    if (!dir.isEmpty()) {
        const QFileInfo info(QDir::current(), dir);
        if (info.isDir())
            return QDir::cleanPath(info.absoluteFilePath());
        const QFileInfo parent(info.absolutePath());
        if (parent.isDir())
            return QDir::cleanPath(parent.absoluteFilePath());
    }
    return QDir::currentPath();
}

bool CFileDialog::eventFilter(QObject* watched, QEvent* event)
{
    // No frame dialog closes on Escape, but the embedded dialog and its views would reject
    // on it. Popups of the embedded dialog are windows of their own and keep their Escape.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return true;
    }
    return CBaseDialog::eventFilter(watched, event);
}

QStringList CFileDialog::Run(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter, QString* selectedFilter,
                             QFileDialog::Options options, QFileDialog::FileMode mode,
                             QFileDialog::AcceptMode acceptMode)
{
    KeepNoUserSettings();
    const QLocale locale = CUiLocale::Current().value_or(QLocale());
    QStringList result;
    {
        CFileDialog frame(parent);
        auto* fileDialog = new QFileDialog;
        fileDialog->setLocale(locale);
        fileDialog->setProxyModel(new LocalisedFileModel(locale, fileDialog));
        frame.SetTitleText(caption);
        // The frame is the window; a grip would only resize the embedded part.
        fileDialog->setSizeGripEnabled(false);
        frame.SetContentWidget(fileDialog);

        fileDialog->setDirectory(StartFolder(dir));
        fileDialog->setNameFilter(filter);
        // A platform dialog would open a window of its own instead of sitting in the frame.
        fileDialog->setOptions(options | QFileDialog::DontConfirmOverwrite | QFileDialog::ReadOnly |
                               QFileDialog::DontUseNativeDialog);
        fileDialog->setFileMode(mode);
        fileDialog->setAcceptMode(acceptMode);
        // The toolkit sizes the columns for sample English texts; they follow their contents
        // instead, and the names take the rest.
        if (auto* details = fileDialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
            QHeaderView* header = details->header();
            header->setStretchLastSection(false);
            header->setSectionResizeMode(QHeaderView::ResizeToContents);
            header->setSectionResizeMode(0, QHeaderView::Stretch);
        }

        connect(fileDialog, &QDialog::accepted, &frame, &QDialog::accept);
        connect(fileDialog, &QDialog::rejected, &frame, &QDialog::reject);
        if (selectedFilter && !selectedFilter->isEmpty())
            fileDialog->selectNameFilter(*selectedFilter);

        fileDialog->installEventFilter(&frame);
        const QList<QWidget*> parts = fileDialog->findChildren<QWidget*>();
        for (QWidget* part : parts)
            part->installEventFilter(&frame);
        if (frame.exec() == QDialog::Accepted) {
            if (selectedFilter)
                *selectedFilter = fileDialog->selectedNameFilter();
            result = fileDialog->selectedFiles();
        }
    }
    return result;
}

QString CFileDialog::GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                     const QString& filter, QString* selectedFilter,
                                     QFileDialog::Options options)
{
    return Run(parent, caption, dir, filter, selectedFilter, options, QFileDialog::AnyFile,
               QFileDialog::AcceptSave)
        .value(0);
}

QString CFileDialog::GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                     const QString& filter, QString* selectedFilter,
                                     QFileDialog::Options options)
{
    return Run(parent, caption, dir, filter, selectedFilter, options, QFileDialog::ExistingFile,
               QFileDialog::AcceptOpen)
        .value(0);
}

QStringList CFileDialog::GetOpenFileNames(QWidget* parent, const QString& caption,
                                          const QString& dir, const QString& filter,
                                          QString* selectedFilter, QFileDialog::Options options)
{
    return Run(parent, caption, dir, filter, selectedFilter, options, QFileDialog::ExistingFiles,
               QFileDialog::AcceptOpen);
}

QString CFileDialog::GetExistingDirectory(QWidget* parent, const QString& caption,
                                          const QString& dir, const QString& filter,
                                          QFileDialog::Options options)
{
    // The toolkit has no separate folders-only mode any more; ShowDirsOnly in the options
    // keeps files out of the listing.
    return Run(parent, caption, dir, filter, nullptr, options, QFileDialog::Directory,
               QFileDialog::AcceptOpen)
        .value(0);
}
