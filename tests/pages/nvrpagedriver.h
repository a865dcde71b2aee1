// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTS_NVRPAGEDRIVER_H
#define TESTS_NVRPAGEDRIVER_H

// Drives the "NVR Calculate" page the way a user does and reads what the user sees.
#include "pages/cdlgcalnvrnum.h"

#include "tests/support/modal.h"
#include "widgets/dialogs/chasedialog.h"
#include "widgets/dialogs/cwarndlg.h"
#include "widgets/itemviews/cgrouptreeview.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>

inline const QString Prompt = QStringLiteral("+click this add one record");
inline const QString ColumnLine =
    QStringLiteral("IPC Type") + QString(47, QLatin1Char(' ')) + QStringLiteral("IPC Count(tai)");
inline const QString ResultTreeStyle = QStringLiteral(
    "CGroupTreeView{ border-image:url(:/images/public/TreeView/tree_bg_Data.png) 2 2 2 2;"
    "\t\t\tborder-width:2px 2px 2px 2px; }");
inline const QString EmptyTreeStyle =
    QStringLiteral("CGroupTreeView{ border-image:url(:/images/public/TreeView/tree_bg.png) 2 2 2 2;"
                   "\t\t\t\t\t\t\t\t\t\t\t  border-width:2px 2px 2px 2px; }");

struct Record
{
    QString first;
    QString second;
    QString count;
};
using Records = QList<Record>;

// One expected result line: how many recorders, and (type, cameras) on each.
struct Line
{
    int recorders;
    QList<QPair<int, int>> cameras;
};
using Lines = QList<Line>;

// The texts a user reads in the result tree: a group line, the column line, the camera lines.
inline QStringList Block(const Line& line)
{
    // Counts read with their digits grouped, as the page writes them in English.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QStringList texts{QStringLiteral("NVR Count(tai):") + english.toString(line.recorders),
                      ColumnLine};
    for (const auto& camera : line.cameras) {
        const QString id = QString::number(camera.first);
        const int spaces = 24 + (id.size() == 1 ? 2 : id.size() == 2 ? 1 : 0);
        texts << id + QString(spaces, QLatin1Char(' ')) + english.toString(camera.second);
    }
    return texts;
}

// Lines with the same recorder count may come in either order; compare them sorted.
inline QList<QStringList> Sorted(QList<QStringList> blocks)
{
    std::sort(blocks.begin(), blocks.end(), [](const QStringList& a, const QStringList& b) {
        return a.join(QLatin1Char('\n')) < b.join(QLatin1Char('\n'));
    });
    return blocks;
}

inline QList<QStringList> Blocks(const Lines& lines)
{
    QList<QStringList> blocks;
    for (const Line& line : lines)
        blocks << Block(line);
    return blocks;
}

// What the progress or message dialog showed while it was up.
struct ModalSeen
{
    int dialogs = 0;
    bool chase = false;
    bool movieRunning = false;
    bool buttonsHidden = false;
    QString title;
    QString text;
    QString redText;
};

inline QString RedFragments(const QTextDocument* document)
{
    QString red;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().foreground().color() == QColor(Qt::red))
                red += fragment.text();
        }
    }
    return red;
}

inline void Note(QWidget* modal, ModalSeen* seen)
{
    ++seen->dialogs;
    if (auto* chase = qobject_cast<ChaseDialog*>(modal)) {
        seen->chase = true;
        seen->title = chase->GetTitleText();
        // The title is a label too; the picture is the one with a movie.
        for (const QLabel* label : chase->findChildren<QLabel*>()) {
            if (label->movie())
                seen->movieRunning = label->movie()->state() == QMovie::Running;
        }
        const auto buttons = chase->findChildren<QPushButton*>();
        seen->buttonsHidden = std::none_of(buttons.begin(), buttons.end(), [](QPushButton* b) {
            return b->isVisible() && b->objectName() != QLatin1String("m_pCloseBtn");
        });
        return;
    }
    if (auto* warn = qobject_cast<CWarnDlg*>(modal)) {
        seen->title = warn->GetTitleText();
        const auto* browser = warn->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"));
        seen->text = browser->toPlainText();
        seen->redText = RedFragments(browser->document());
        QTest::keyClick(warn, Qt::Key_Return);
    }
}

// The page as a user sees it: found by the names of its parts.
class PageDriver
{
public:
    // A page of its own is shown at its designer size; a page in the main window is left
    // where the window put it.
    explicit PageDriver(CDlgCalNVRNum* page) : m_page(page)
    {
        if (!m_page->parentWidget()) {
            m_page->resize(909, 664);
            m_page->show();
        }
    }

    bool Exposed() { return QTest::qWaitForWindowExposed(m_page); }

    // Any part as it shows once the result has followed the last edit, as it does within a
    // frame.
    template <class T> T* Child(const char* name) const
    {
        m_page->SettleResult();
        return m_page->findChild<T*>(QString::fromLatin1(name));
    }
    CTableView* Table() const { return Child<CTableView>("m_pIPCTableView"); }
    QPushButton* Button() const { return Child<QPushButton>("m_pCalNVRNumButton"); }
    QLabel* Label(const char* name) const { return Child<QLabel>(name); }
    QString Result() const { return Child<QToolButton>("m_pResultToolButton")->text(); }
    CGroupTreeView* Tree() const { return Child<CGroupTreeView>("m_pGroupTableResult"); }
    QComboBox* Recorder() const { return Child<QComboBox>("m_pNVRCombo"); }
    QComboBox* Channels() const { return Child<QComboBox>("m_pChannelNumCombo"); }

    QComboBox* BitRate(int row, int column) const
    {
        return qobject_cast<QComboBox*>(Table()->GetCellWidget(row, column));
    }
    QLineEdit* Count(int row) const
    {
        return qobject_cast<QLineEdit*>(Table()->GetCellWidget(row, CDlgCalNVRNum::NumberColumn));
    }
    QString Id(int row) const { return Table()->GetCellText(row, 0); }

    QPoint CellCentre(int row, int column) const
    {
        const QModelIndex index = Table()->GetIndex(row, column);
        Table()->scrollTo(index);
        return Table()->visualRect(index).center();
    }
    void Click(int row, int column = 0, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, modifiers, CellCentre(row, column));
    }

    // A bit rate as the user picks it from the list, or types it when it is not there.
    static void SetBitRate(QComboBox* combo, const QString& text)
    {
        const int item = combo->findText(text);
        if (item >= 0) {
            combo->setCurrentIndex(item);
            return;
        }
        Type(combo->lineEdit(), text);
    }
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // Clicks the prompt once per record and fills the new row in.
    void Enter(const Records& records) const
    {
        for (const Record& record : records) {
            const int row = FirstFreeRow();
            Click(row);
            SetBitRate(BitRate(row, CDlgCalNVRNum::FirstBitRateColumn), record.first);
            SetBitRate(BitRate(row, CDlgCalNVRNum::SecondBitRateColumn), record.second);
            Type(Count(row), record.count);
        }
    }
    int FirstFreeRow() const
    {
        int row = 0;
        while (row < CDlgCalNVRNum::MaxRows && BitRate(row, CDlgCalNVRNum::FirstBitRateColumn))
            ++row;
        return row;
    }
    void ChooseRecorder(const QString& name, int disabledChannels = 0) const
    {
        Recorder()->setCurrentIndex(Recorder()->findText(name));
        Channels()->setCurrentIndex(disabledChannels);
    }

    // Presses the button and answers whatever dialog comes up; the progress dialog is left
    // to the worker's signal.
    ModalSeen Calculate() const
    {
        ModalSeen seen;
        auto context = std::make_unique<QObject>();
        WhenModal(context.get(), [&seen](QWidget* modal) { Note(modal, &seen); });
        QTest::mouseClick(Button(), Qt::LeftButton);
        return seen;
    }

    QList<QStringList> TreeBlocks() const
    {
        const QAbstractItemModel* model = Tree()->model();
        QList<QStringList> blocks;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex group = model->index(row, 0);
            QStringList block{group.data().toString()};
            for (int child = 0; child < model->rowCount(group); ++child) {
                const QModelIndex index = model->index(child, 0, group);
                if (!index.data(CDlgCalNVRNum::StorageRowRole).toBool() &&
                    !index.data(CDlgCalNVRNum::LoadRowRole).toBool())
                    block << index.data().toString();
            }
            blocks << block;
        }
        return blocks;
    }
    // The storage rows of each result line (a second one says why its disks do not fit), one
    // line each, in the tree's order; empty for a line without storage.
    QStringList StorageRows() const
    {
        const QAbstractItemModel* model = Tree()->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex group = model->index(row, 0);
            QStringList texts;
            for (int child = 0; child < model->rowCount(group); ++child) {
                const QModelIndex index = model->index(child, 0, group);
                if (index.data(CDlgCalNVRNum::StorageRowRole).toBool())
                    texts << index.data().toString();
            }
            rows << texts.join(QLatin1Char('\n'));
        }
        return rows;
    }
    // Each result line's rows as they look, in the tree's order: "load", "storage" or "row",
    // with the colour the row is written in and "fixed" for a fixed-pitch face.
    QStringList RowLooks() const
    {
        const QAbstractItemModel* model = Tree()->model();
        QStringList lines;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex group = model->index(row, 0);
            QStringList looks;
            for (int child = 0; child < model->rowCount(group); ++child) {
                const QModelIndex index = model->index(child, 0, group);
                QString look = index.data(CDlgCalNVRNum::LoadRowRole).toBool()      ? "load"
                               : index.data(CDlgCalNVRNum::StorageRowRole).toBool() ? "storage"
                                                                                    : "row";
                const QVariant brush = index.data(Qt::ForegroundRole);
                if (brush.isValid())
                    look += QLatin1Char(' ') + brush.value<QBrush>().color().name();
                const QVariant font = index.data(Qt::FontRole);
                if (font.isValid() && font.value<QFont>().fixedPitch())
                    look += QStringLiteral(" fixed");
                looks << look;
            }
            lines << looks.join(QStringLiteral(", "));
        }
        return lines;
    }
    bool TreeFullyExpanded() const
    {
        const QAbstractItemModel* model = Tree()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (!Tree()->isExpanded(model->index(row, 0)))
                return false;
        }
        return true;
    }

    // Right-clicks the row and, when the menu comes, picks "delete" (or only looks).
    QStringList ContextMenu(int row, bool pickDelete) const
    {
        QStringList actions;
        QObject context;
        QTimer::singleShot(0, &context, [&actions, pickDelete] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions())
                actions << action->text();
            if (pickDelete && !menu->actions().isEmpty())
                QTest::mouseClick(menu, Qt::LeftButton, {},
                                  menu->actionGeometry(menu->actions().first()).center());
            else
                menu->close();
        });
        const QPoint at = CellCentre(row, 0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Table()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(Table()->viewport(), &event);
        return actions;
    }

private:
    CDlgCalNVRNum* m_page;
};

Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(Lines)

#endif
