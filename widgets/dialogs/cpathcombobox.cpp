// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cpathcombobox.h"

#include "widgets/dialogs/pathchoosers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace {
const int ArrowStripWidth = 23;
}

// Until a mode is chosen the box opens one existing file: it only reads a path, so it is the
// harmless choice.
CPathComboBox::CPathComboBox(QWidget* parent) : QComboBox(parent), m_iMode(OpenFileMode) {}

CPathComboBox::~CPathComboBox() = default;

void CPathComboBox::SetPathMode(int mode)
{
    m_iMode = mode;
    setToolTip(currentText());
}

QString CPathComboBox::FilterExtension(const QString& filter)
{
    const int star = int(filter.indexOf(QLatin1Char('*')));
    if (star < 0)
        return QString();
    const int start = star + 1;
    // Whichever ends the pattern first: with several filters a blank may come only after the
    // bracket, and the extension must not swallow it.
    int end = int(filter.size());
    for (const QChar stop : {QLatin1Char(' '), QLatin1Char(')'), QLatin1Char(';')}) {
        const int at = int(filter.indexOf(stop, start));
        if (at >= 0 && at < end)
            end = at;
    }
    return filter.mid(start, end - start);
}

void CPathComboBox::ShowOnlyPath(const QString& path)
{
    clear();
    addItem(path);
    setToolTip(path);
}

void CPathComboBox::showPopup()
{
    const QString startFolder = currentText().isEmpty() ? QStringLiteral(".") : currentText();
    switch (m_iMode) {
    case SaveFileMode: {
        QString name =
            PathChoosers::GetSaveFileName(this, m_caption, startFolder, m_filter, nullptr);
        if (name.isNull())
            return;
        const QString extension = FilterExtension(m_filter);
        if (!extension.isEmpty() && !name.endsWith(extension))
            name += extension;
        ShowOnlyPath(name);
        break;
    }
    case OpenFileMode: {
        const QString path = PathChoosers::GetOpenFileName(
            this, m_caption, startFolder, m_filter, nullptr, QFileDialog::DontUseNativeDialog);
        if (path.isNull())
            return;
        ShowOnlyPath(path);
        break;
    }
    case DirectoryMode: {
        if (m_caption.isEmpty())
            m_caption = tr("Select Directory");
        QString path = PathChoosers::GetExistingDirectory(this, m_caption, startFolder, m_filter,
                                                          QFileDialog::ShowDirsOnly);
        if (path.isNull())
            return;
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        ShowOnlyPath(path);
        break;
    }
    case OpenFilesMode: {
        const QStringList paths =
            PathChoosers::GetOpenFileNames(this, m_caption, startFolder, m_filter, nullptr);
        if (paths.isEmpty())
            return;
        clear();
        addItems(paths);
        break;
    }
    default:
        break;
    }
}

void CPathComboBox::mousePressEvent(QMouseEvent* event)
{
    const QRect arrowStrip(width() - ArrowStripWidth, 0, ArrowStripWidth, height());
    if (arrowStrip.contains(event->position().toPoint()))
        QComboBox::mousePressEvent(event);
}

void CPathComboBox::keyPressEvent(QKeyEvent* event)
{
    // Blanks are kept out of a typed path; a non-editable box still opens its chooser on it.
    if (event->key() == Qt::Key_Space && lineEdit())
        return;
    QComboBox::keyPressEvent(event);
}
