// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/cgrouptreemodel.h"
#include "widgets/itemviews/cgrouptreeview.h"

#include <QAbstractItemModelTester>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QWindow>
#include <QtEndian>
#include <QtTest>

namespace {

// Two groups of three streams each, as the result tree holds them.
struct Tree
{
    Tree()
    {
        for (int g = 0; g < 2; ++g) {
            auto* group = new QStandardItem(QStringLiteral("group %1").arg(g));
            for (int s = 0; s < 3; ++s)
                group->appendRow(new QStandardItem(QStringLiteral("stream %1.%2").arg(g).arg(s)));
            model.appendRow(group);
        }
        view.setModel(&model);
        view.resize(300, 400);
    }
    bool Show()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    QModelIndex Group(int g) const { return model.index(g, 0); }
    QModelIndex Stream(int g, int s) const { return model.index(s, 0, Group(g)); }
    QPoint Centre(const QModelIndex& index) const { return view.visualRect(index).center(); }
    QWidget* Viewport() const { return view.viewport(); }
    QStringList Selected() const
    {
        QStringList texts;
        for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
            texts << index.data().toString();
        texts.sort();
        return texts;
    }

    QStandardItemModel model;
    CGroupTreeView view;
};

void SendMove(QWidget* target, const QPoint& at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// Group g holds g % 7 + 1 rows, named "g.r"; a group is named "g". Counts the rows formatted.
void FillGroups(CGroupTreeModel& model, int groups, int* formatted = nullptr)
{
    model.Reset(
        groups, [](int group) { return group % 7 + 1; },
        [formatted](int group, int row, int role) -> QVariant {
            if (role == Qt::UserRole)
                return row < 0;
            if (role != Qt::DisplayRole)
                return QVariant();
            if (formatted && row >= 0)
                ++*formatted;
            return row < 0 ? QString::number(group) : QStringLiteral("%1.%2").arg(group).arg(row);
        });
}

} // namespace

class TestCGroupTreeView : public QObject
{
    Q_OBJECT

private slots:
    void itemsThatMayNotBeDraggedCarryNothing();
    void draggingARowStartsAMoveDrag_data();
    void draggingARowStartsAMoveDrag();
    void shortMovesOrDisabledDragsStartNothing_data();
    void shortMovesOrDisabledDragsStartNothing();
    void shiftClickChangesNothing();
    void shiftNavigationKeysAreIgnored_data();
    void shiftNavigationKeysAreIgnored();
    void clicksReportTheItemOnly_data();
    void clicksReportTheItemOnly();
    void controlClicksStayAmongSiblings();
    void sweptSelectionStaysAmongSiblings();
    void groupModelGivesTheOwnersData();
    void groupModelFormatsOnlyTheRowsOnShow();
    void groupModelResetReplacesEverything();
};

void TestCGroupTreeView::itemsThatMayNotBeDraggedCarryNothing()
{
    Tree tree;
    tree.model.itemFromIndex(tree.Stream(0, 1))->setDragEnabled(false);
    QVERIFY(!tree.view.CreateDragData(tree.Stream(0, 1)));
    QVERIFY(!tree.view.CreateDragData(QModelIndex()));
    // -1 is written byte by byte as the two's complement.
    QCOMPARE(CGroupTreeView::DragPayload(3, -1).toHex(), QByteArray("03000000ffffffff"));
}

void TestCGroupTreeView::draggingARowStartsAMoveDrag_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("stream");

    QTest::newRow("a group") << 1 << -1;
    QTest::newRow("a stream") << 0 << 2;
}

void TestCGroupTreeView::draggingARowStartsAMoveDrag()
{
    QFETCH(int, group);
    QFETCH(int, stream);

    Tree tree;
    tree.view.SetDragEnabled(true);
    QVERIFY(tree.Show());
    const QModelIndex index = stream < 0 ? tree.Group(group) : tree.Stream(group, stream);
    // Through the window system, so that the drag finds the button held.
    QWindow* window = tree.view.window()->windowHandle();
    const QPoint start = tree.Viewport()->mapTo(tree.view.window(), tree.Centre(index));
    QTest::mousePress(window, Qt::LeftButton, {}, start);

    // The drag runs its own loop until the button is released; look at it from inside.
    QByteArray payload;
    bool hadPixmap = false;
    Qt::DropActions actions;
    QTimer::singleShot(0, &tree.view, [&] {
        if (QDrag* drag = tree.view.findChild<QDrag*>()) {
            payload = drag->mimeData()->data(QStringLiteral("Group/Stream"));
            hadPixmap = !drag->pixmap().isNull();
            actions = drag->supportedActions();
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, start);
    });
    QTest::mouseMove(window, start + QPoint(0, QApplication::startDragDistance()));

    QCOMPARE(payload, CGroupTreeView::DragPayload(group, stream));
    QVERIFY(hadPixmap);
    QCOMPARE(actions, Qt::DropActions(Qt::MoveAction));
}

void TestCGroupTreeView::shortMovesOrDisabledDragsStartNothing()
{
    QFETCH(bool, dragEnabled);
    QFETCH(int, distance);

    Tree tree;
    tree.view.SetDragEnabled(dragEnabled);
    QVERIFY(tree.Show());
    QWindow* window = tree.view.window()->windowHandle();
    const QPoint start = tree.Viewport()->mapTo(tree.view.window(), tree.Centre(tree.Stream(0, 0)));
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    bool dragStarted = false;
    QTimer::singleShot(0, &tree.view, [&] {
        dragStarted = tree.view.findChild<QDrag*>() != nullptr;
        if (dragStarted)
            QTest::mouseRelease(window, Qt::LeftButton, {}, start);
    });
    QTest::mouseMove(window, start + QPoint(distance, 0));
    QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(distance, 0));
    QCoreApplication::processEvents();
    QVERIFY(!dragStarted);
}

void TestCGroupTreeView::shortMovesOrDisabledDragsStartNothing_data()
{
    QTest::addColumn<bool>("dragEnabled");
    QTest::addColumn<int>("distance");

    QTest::newRow("a move shorter than the start distance")
        << true << QApplication::startDragDistance() - 1;
    QTest::newRow("dragging switched off") << false << 3 * QApplication::startDragDistance();
}

void TestCGroupTreeView::shiftClickChangesNothing()
{
    Tree tree;
    tree.view.SetMultiSelection(true);
    QVERIFY(tree.Show());
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, {}, tree.Centre(tree.Stream(0, 0)));
    QCOMPARE(tree.Selected(), QStringList{QStringLiteral("stream 0.0")});

    QSignalSpy pressed(&tree.view, &CTableView::PressedBtn);
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      tree.Centre(tree.Stream(0, 2)));
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(tree.Selected(), QStringList{QStringLiteral("stream 0.0")});
    QCOMPARE(tree.view.currentIndex(), tree.Stream(0, 0));
}

void TestCGroupTreeView::shiftNavigationKeysAreIgnored_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("onGroup"); // where the key has an effect without shift

    QTest::newRow("Home") << int(Qt::Key_Home) << false;
    QTest::newRow("End") << int(Qt::Key_End) << false;
    QTest::newRow("Left") << int(Qt::Key_Left) << true;
    QTest::newRow("Up") << int(Qt::Key_Up) << false;
    QTest::newRow("Right") << int(Qt::Key_Right) << true;
    QTest::newRow("Down") << int(Qt::Key_Down) << false;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << false;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << false;
}

void TestCGroupTreeView::shiftNavigationKeysAreIgnored()
{
    QFETCH(int, key);
    QFETCH(bool, onGroup);

    Tree tree;
    tree.view.SetMultiSelection(true);
    QVERIFY(tree.Show());
    const QModelIndex start = onGroup ? tree.Group(0) : tree.Stream(0, 1);
    tree.view.setCurrentIndex(start);
    QTest::keyClick(&tree.view, Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(tree.view.currentIndex(), start);
    QVERIFY(tree.view.isExpanded(tree.Group(0)));
    // Without shift the same key does move (or, for Left and Right, fold) as usual.
    QTest::keyClick(&tree.view, Qt::Key(key));
    QVERIFY(tree.view.currentIndex() != start || !tree.view.isExpanded(tree.Group(0)));
}

void TestCGroupTreeView::clicksReportTheItemOnly_data()
{
    QTest::addColumn<bool>("doubleClick"); // else a right click
    QTest::addColumn<bool>("onItem");

    QTest::newRow("double click on a group") << true << true;
    QTest::newRow("double click on empty space") << true << false;
    QTest::newRow("right click on a stream") << false << true;
    QTest::newRow("right click on empty space") << false << false;
}

void TestCGroupTreeView::clicksReportTheItemOnly()
{
    QFETCH(bool, doubleClick);
    QFETCH(bool, onItem);

    Tree tree;
    QVERIFY(tree.Show());
    const QModelIndex item = doubleClick ? tree.Group(1) : tree.Stream(1, 1);
    const QPoint at = onItem ? tree.Centre(item) : QPoint(10, tree.Viewport()->height() - 5);
    QSignalSpy doubleClicked(&tree.view, &CGroupTreeView::ItemDoubleClicked);
    QSignalSpy rightClicked(&tree.view, &CGroupTreeView::ItemRightClicked);
    if (doubleClick) {
        QTest::mouseDClick(tree.Viewport(), Qt::LeftButton, {}, at);
    } else {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree.Viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree.Viewport(), &event);
    }
    QSignalSpy& reported = doubleClick ? doubleClicked : rightClicked;
    QCOMPARE(reported.count(), onItem ? 1 : 0);
    QCOMPARE(doubleClicked.count() + rightClicked.count(), reported.count());
    if (onItem)
        QCOMPARE(reported.at(0).at(0).value<QModelIndex>(), item);
    // A double click neither folds nor edits.
    QVERIFY(tree.view.isExpanded(tree.Group(1)));
}

void TestCGroupTreeView::controlClicksStayAmongSiblings()
{
    Tree tree;
    tree.view.SetMultiSelection(true);
    QVERIFY(tree.Show());
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, {}, tree.Centre(tree.Stream(0, 0)));
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree.Centre(tree.Stream(0, 2)));
    QCOMPARE(tree.Selected(), (QStringList{"stream 0.0", "stream 0.2"}));

    // A stream of the other group and a group (a child of the root) are not siblings.
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree.Centre(tree.Stream(1, 0)));
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree.Centre(tree.Group(1)));
    QCOMPARE(tree.Selected(), (QStringList{"stream 0.0", "stream 0.2"}));

    // A plain click starts over, with a new anchor among whose siblings control-clicks work.
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, {},
                      tree.Group(0).isValid() ? tree.Centre(tree.Group(0)) : QPoint());
    QTest::mouseClick(tree.Viewport(), Qt::LeftButton, Qt::ControlModifier,
                      tree.Centre(tree.Group(1)));
    QCOMPARE(tree.Selected(), (QStringList{"group 0", "group 1"}));
}

void TestCGroupTreeView::sweptSelectionStaysAmongSiblings()
{
    Tree tree;
    tree.view.SetMultiSelection(true);
    QVERIFY(tree.Show());
    const QPoint start = tree.Centre(tree.Stream(0, 1));
    QTest::mousePress(tree.Viewport(), Qt::LeftButton, {}, start);
    // Sweeping down over the rest of the group, the next group and into its streams.
    SendMove(tree.Viewport(), tree.Centre(tree.Stream(1, 1)), Qt::LeftButton);
    QTest::mouseRelease(tree.Viewport(), Qt::LeftButton, {}, tree.Centre(tree.Stream(1, 1)));
    QCOMPARE(tree.Selected(), (QStringList{"stream 0.1", "stream 0.2"}));
}

void TestCGroupTreeView::groupModelGivesTheOwnersData()
{
    CGroupTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 1);
    QVERIFY(!model.index(0, 0).isValid());
    FillGroups(model, 10);
    QCOMPARE(model.rowCount(), 10);
    const QModelIndex group = model.index(9, 0);
    QCOMPARE(group.data().toString(), QStringLiteral("9"));
    QCOMPARE(group.data(Qt::EditRole).toString(), QStringLiteral("9"));
    QVERIFY(group.data(Qt::UserRole).toBool());
    QCOMPARE(model.rowCount(group), 3);
    QVERIFY(model.hasChildren(group));
    const QModelIndex row = model.index(2, 0, group);
    QCOMPARE(row.data().toString(), QStringLiteral("9.2"));
    QVERIFY(!row.data(Qt::UserRole).toBool());
    QCOMPARE(row.parent(), group);
    QCOMPARE(model.rowCount(row), 0);
    QVERIFY(!model.hasChildren(row));
    QVERIFY(!model.index(3, 0, group).isValid());
    QVERIFY(!model.index(0, 1, group).isValid());
    QVERIFY(!model.index(0, 0, row).isValid());
    // Read only; rows never have children of their own, groups may.
    QCOMPARE(model.flags(row), Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
    QCOMPARE(model.flags(group), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void TestCGroupTreeView::groupModelFormatsOnlyTheRowsOnShow()
{
    // 20,000 groups with 80,000 rows under them, all expanded in a view of a few dozen rows.
    CGroupTreeModel model;
    int formatted = 0;
    FillGroups(model, 20000, &formatted);
    QCOMPARE(formatted, 0);
    CGroupTreeView view;
    view.setModel(&model);
    view.resize(300, 400);
    view.expandAll();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Laid out and painted now rather than on the next passes of the event loop.
    view.doItemsLayout();
    view.viewport()->repaint();
    QVERIFY(formatted > 0);
    QVERIFY2(formatted < 2000, qPrintable(QString::number(formatted)));
    // Every row is there to be scrolled to.
    const QModelIndex last = model.index(0, 0, model.index(19999, 0));
    QVERIFY(view.isExpanded(last.parent()));
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    QTRY_VERIFY(view.viewport()->rect().contains(view.visualRect(last).center()));
    QCOMPARE(view.indexAt(view.visualRect(last).center()), last);
    QCOMPARE(last.data().toString(), QStringLiteral("19999.0"));
}

void TestCGroupTreeView::groupModelResetReplacesEverything()
{
    CGroupTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    FillGroups(model, 5);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QPersistentModelIndex kept = model.index(1, 0, model.index(4, 0));
    QVERIFY(kept.isValid());
    FillGroups(model, 2);
    QCOMPARE(reset.count(), 1);
    QVERIFY(!kept.isValid());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(1, 0, model.index(1, 0)).data().toString(), QStringLiteral("1.1"));
    model.Reset(0, {}, {});
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(reset.count(), 2);
}

QTEST_MAIN(TestCGroupTreeView)
#include "tst_cgrouptreeview.moc"
