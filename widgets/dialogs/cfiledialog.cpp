// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cfiledialog.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

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
    resize(600, 400);
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
    QStringList result;
    {
        CFileDialog frame(parent);
        auto* fileDialog = new QFileDialog;
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
