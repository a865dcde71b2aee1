// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctreeview.h"

#include <QAbstractItemModelTester>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QtTest>

namespace {

// "2,0,-": child states in order, "-" for a child without a check state.
QList<QStandardItem*> Children(const QString& states)
{
    QList<QStandardItem*> children;
    int n = 0;
    for (const QString& state : states.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        auto* child = new QStandardItem(QStringLiteral("child %1").arg(n++));
        if (state != QLatin1String("-"))
            child->setData(state.toInt(), Qt::CheckStateRole);
        children << child;
    }
    return children;
}

QString State(const QModelIndex& index)
{
    const QVariant state = index.data(Qt::CheckStateRole);
    return state.isValid() ? QString::number(state.toInt()) : QStringLiteral("-");
}

QString ChildStates(const QAbstractItemModel& model, const QModelIndex& parent)
{
    QStringList states;
    for (int row = 0; row < model.rowCount(parent); ++row)
        states << State(model.index(row, 0, parent));
    return states.join(QLatin1Char(','));
}

// One group with children beside a second group that must never change.
struct Groups
{
    Groups(int groupState, const QString& childStates)
    {
        auto* group = new QStandardItem(QStringLiteral("group"));
        if (groupState >= 0)
            group->setData(groupState, Qt::CheckStateRole);
        group->appendRows(Children(childStates));
        model.appendRow(group);
        auto* other = new QStandardItem(QStringLiteral("other"));
        other->setData(int(Qt::Unchecked), Qt::CheckStateRole);
        other->appendRows(Children(QStringLiteral("0,0")));
        model.appendRow(other);
        view.setModel(&model);
    }
    QModelIndex Group() const { return model.index(0, 0); }
    QModelIndex Other() const { return model.index(1, 0); }

    QStandardItemModel model;
    CTreeView view;
};

} // namespace

class TestCTreeView : public QObject
{
    Q_OBJECT

private slots:
    void checkPropagation_data();
    void checkPropagation();
    void defaultModelPropagatesToo();
    void replacedModelIsNoLongerFollowed();
    void deeperTreesPropagateThroughEveryLevel();
    void stripAtTheRightEndToggles_data();
    void stripAtTheRightEndToggles();
    void branchesOnlyWhenAsked();
};

void TestCTreeView::checkPropagation_data()
{
    QTest::addColumn<int>("groupState");
    QTest::addColumn<QString>("childStates");
    QTest::addColumn<int>("changedChild"); // -1: the group itself
    QTest::addColumn<int>("newState");
    QTest::addColumn<QString>("expectedGroup");
    QTest::addColumn<QString>("expectedChildren");

    QTest::newRow("checking the last unchecked child checks a partly checked group")
        << 1 << "2,2,0" << 2 << 2 << "2"
        << "2,2,2";
    QTest::newRow("unchecking one child makes a checked group partly checked")
        << 2 << "2,2,2" << 0 << 0 << "1"
        << "0,2,2";
    QTest::newRow("unchecking the last checked child unchecks the group")
        << 1 << "0,2,0" << 1 << 0 << "0"
        << "0,0,0";
    QTest::newRow("checking one child makes an unchecked group partly checked")
        << 0 << "0,0" << 0 << 2 << "1"
        << "2,0";
    QTest::newRow("a partly checked sibling keeps the group partly checked")
        << 0 << "1,0" << 1 << 2 << "1"
        << "1,2";
    QTest::newRow("checking a group checks every child") << 0 << "0,1,0" << -1 << 2 << "2"
                                                         << "2,2,2";
    QTest::newRow("unchecking a group unchecks every child") << 2 << "2,2" << -1 << 0 << "0"
                                                             << "0,0";
    QTest::newRow("a partly checked group leaves its children alone")
        << 0 << "2,0" << -1 << 1 << "1"
        << "2,0";
    QTest::newRow("children without a check state are left alone") << 0 << "0,-,0" << -1 << 2 << "2"
                                                                   << "2,-,2";
    QTest::newRow("children without a check state do not count for the group")
        << 0 << "0,-" << 0 << 2 << "2"
        << "2,-";
    QTest::newRow("a group without a check state gets none") << -1 << "0,0" << 0 << 2 << "-"
                                                             << "2,0";
    QTest::newRow("a partly checked child leaves its group as it was")
        << 0 << "0,0" << 0 << 1 << "0"
        << "1,0";
}

void TestCTreeView::checkPropagation()
{
    QFETCH(int, groupState);
    QFETCH(QString, childStates);
    QFETCH(int, changedChild);
    QFETCH(int, newState);
    QFETCH(QString, expectedGroup);
    QFETCH(QString, expectedChildren);

    Groups groups(groupState, childStates);
    const QModelIndex changed =
        changedChild < 0 ? groups.Group() : groups.model.index(changedChild, 0, groups.Group());
    QVERIFY(groups.model.setData(changed, newState, Qt::CheckStateRole));

    QCOMPARE(State(groups.Group()), expectedGroup);
    QCOMPARE(ChildStates(groups.model, groups.Group()), expectedChildren);
    QCOMPARE(State(groups.Other()), QStringLiteral("0"));
    QCOMPARE(ChildStates(groups.model, groups.Other()), QStringLiteral("0,0"));
}

void TestCTreeView::defaultModelPropagatesToo()
{
    CTreeView view;
    QAbstractItemModel* model = view.model();
    QAbstractItemModelTester tester(model);
    view.SetHeaderTexts({QStringLiteral("Name")});
    QCOMPARE(view.AppendRow(), 0);
    const QModelIndex group = model->index(0, 0);
    QVERIFY(model->insertRows(0, 2, group));
    for (int row = 0; row < 2; ++row)
        model->setData(model->index(row, 0, group), int(Qt::Unchecked), Qt::CheckStateRole);
    model->setData(group, int(Qt::Unchecked), Qt::CheckStateRole);

    model->setData(model->index(1, 0, group), int(Qt::Checked), Qt::CheckStateRole);
    QCOMPARE(State(group), QStringLiteral("1"));
    model->setData(group, int(Qt::Checked), Qt::CheckStateRole);
    QCOMPARE(ChildStates(*model, group), QStringLiteral("2,2"));
}

void TestCTreeView::replacedModelIsNoLongerFollowed()
{
    Groups groups(0, QStringLiteral("0,0"));
    QStandardItemModel next;
    groups.view.setModel(&next);
    groups.model.setData(groups.Group(), int(Qt::Checked), Qt::CheckStateRole);
    QCOMPARE(ChildStates(groups.model, groups.Group()), QStringLiteral("0,0"));
}

void TestCTreeView::deeperTreesPropagateThroughEveryLevel()
{
    QStandardItemModel model;
    auto* top = new QStandardItem(QStringLiteral("site"));
    top->setData(int(Qt::Unchecked), Qt::CheckStateRole);
    auto* first = new QStandardItem(QStringLiteral("recorder 1"));
    first->setData(int(Qt::Unchecked), Qt::CheckStateRole);
    first->appendRows(Children(QStringLiteral("0,0")));
    auto* second = new QStandardItem(QStringLiteral("recorder 2"));
    second->setData(int(Qt::Unchecked), Qt::CheckStateRole);
    second->appendRows(Children(QStringLiteral("0")));
    top->appendRow(first);
    top->appendRow(second);
    model.appendRow(top);
    CTreeView view;
    view.setModel(&model);

    const QModelIndex site = model.index(0, 0);
    const QModelIndex recorder1 = model.index(0, 0, site);
    const QModelIndex recorder2 = model.index(1, 0, site);
    auto check = [&model](const QModelIndex& index, int state) {
        model.setData(index, state, Qt::CheckStateRole);
    };

    check(model.index(0, 0, recorder1), Qt::Checked);
    QCOMPARE(State(recorder1), QStringLiteral("1"));
    QCOMPARE(State(site), QStringLiteral("1"));

    check(model.index(1, 0, recorder1), Qt::Checked);
    QCOMPARE(State(recorder1), QStringLiteral("2"));
    QCOMPARE(State(site), QStringLiteral("1"));

    check(model.index(0, 0, recorder2), Qt::Checked);
    QCOMPARE(State(recorder2), QStringLiteral("2"));
    QCOMPARE(State(site), QStringLiteral("2"));

    check(model.index(0, 0, recorder1), Qt::Unchecked);
    QCOMPARE(State(recorder1), QStringLiteral("1"));
    QCOMPARE(State(site), QStringLiteral("1"));

    check(site, Qt::Unchecked);
    QCOMPARE(ChildStates(model, site), QStringLiteral("0,0"));
    QCOMPARE(ChildStates(model, recorder1), QStringLiteral("0,0"));
    QCOMPARE(ChildStates(model, recorder2), QStringLiteral("0"));

    check(recorder2, Qt::Checked);
    QCOMPARE(ChildStates(model, recorder2), QStringLiteral("2"));
    QCOMPARE(State(site), QStringLiteral("1"));
}

void TestCTreeView::stripAtTheRightEndToggles_data()
{
    QTest::addColumn<int>("fromRight"); // pixels left of the row's right edge
    QTest::addColumn<bool>("toggles");

    QTest::newRow("26 pixels in: first pixel of the strip") << 26 << true;
    QTest::newRow("middle of the strip") << 14 << true;
    QTest::newRow("3 pixels in: last pixel of the strip") << 3 << true;
    QTest::newRow("27 pixels in: just left of the strip") << 27 << false;
    QTest::newRow("2 pixels in: right of the strip") << 2 << false;
    QTest::newRow("far left in the row") << 200 << false;
}

void TestCTreeView::stripAtTheRightEndToggles()
{
    QFETCH(int, fromRight);
    QFETCH(bool, toggles);

    Groups groups(-1, QStringLiteral("-,-"));
    groups.view.resize(400, 300);
    groups.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&groups.view));
    const QModelIndex group = groups.Group();
    QVERIFY(groups.view.isExpanded(group));

    const QRect row = groups.view.visualRect(group);
    const QPoint at(row.x() + row.width() - fromRight, row.center().y());
    QTest::mouseClick(groups.view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(groups.view.currentIndex(), group);
    QCOMPARE(groups.view.isExpanded(group), !toggles);

    // The same place toggles back, or again leaves the row alone.
    QTest::mouseClick(groups.view.viewport(), Qt::LeftButton, {}, at);
    QVERIFY(groups.view.isExpanded(group));
}

void TestCTreeView::branchesOnlyWhenAsked()
{
    Groups groups(-1, QStringLiteral("-"));
    // The table delegate paints its own arrow over the indentation; a plain delegate leaves
    // the branch area to the view.
    QStyledItemDelegate plain;
    groups.view.setItemDelegate(&plain);
    groups.view.resize(300, 200);
    groups.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&groups.view));
    // A row that is not current, above its separator line.
    const QRect row = groups.view.visualRect(groups.Other());
    const QRect branch(0, row.y(), row.x(), row.height() - 1);
    QVERIFY(!branch.isEmpty());

    auto branchColours = [&] {
        const QImage image = groups.view.viewport()->grab().toImage();
        QSet<QRgb> colours;
        for (int y = branch.top(); y <= branch.bottom(); ++y)
            for (int x = branch.left(); x <= branch.right(); ++x)
                colours.insert(image.pixel(x, y));
        return colours.size();
    };
    QCOMPARE(branchColours(), 1);
    groups.view.SetDrawBranches(true);
    QVERIFY2(branchColours() > 1, "the branch indicator should be drawn");
}

QTEST_MAIN(TestCTreeView)
#include "tst_ctreeview.moc"
