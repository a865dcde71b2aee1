// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/cheaderview.h"
#include "widgets/itemviews/ctableview.h"

#include <QPixmapCache>
#include <QtTest>

namespace {

// A table with the default header and model: columns "Name", "Value" and one row per state.
struct Table
{
    explicit Table(const QList<int>& rowStates)
    {
        view.SetHeaderTexts({QStringLiteral("Name"), QStringLiteral("Value")});
        for (int state : rowStates) {
            const int row = view.AppendRow();
            view.SetCellText(row, 0, QStringLiteral("row %1").arg(row));
            view.SetCellData(row, 0, state, Qt::CheckStateRole);
        }
        header = qobject_cast<CHeaderView*>(view.header());
        view.resize(400, 300);
        view.show();
    }
    void SetHeaderState(int state)
    {
        view.model()->setHeaderData(0, Qt::Horizontal, state, Qt::CheckStateRole);
    }
    QVariant HeaderState() const
    {
        return view.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole);
    }
    QList<int> RowStates() const
    {
        QList<int> states;
        for (int row = 0; row < view.RowCount(); ++row)
            states << view.GetCellData(row, 0, Qt::CheckStateRole).toInt();
        return states;
    }
    // The box is placed while painting.
    void ClickAt(int x)
    {
        header->grab();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    CTableView view;
    CHeaderView* header = nullptr;
};

const int BoxCentre = 3 + 8; // 3 pixels in, 16 wide

} // namespace

class TestCHeaderView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clickingTheBoxSetsEveryRow_data();
    void clickingTheBoxSetsEveryRow();
    void headerFollowsTheRows_data();
    void headerFollowsTheRows();
    void emptyTableShowsCheckedAfterTheNextDataChange();
    void withoutHeaderStateThereIsNoBox();
    void boxFollowsTheOwnersIndentation_data();
    void boxFollowsTheOwnersIndentation();
    void unclickableHeaderIgnoresTheBox();
    void pictureFollowsTheState_data();
    void pictureFollowsTheState();
};

void TestCHeaderView::initTestCase()
{
    QVERIFY(qobject_cast<CHeaderView*>(CTableView().header()));
}

void TestCHeaderView::clickingTheBoxSetsEveryRow_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("headerState");
    QTest::addColumn<int>("expected");

    QTest::newRow("checked header unchecks all rows") << QList<int>{2, 2, 2} << 2 << 0;
    QTest::newRow("partly checked header checks all rows") << QList<int>{2, 0, 1} << 1 << 2;
    QTest::newRow("unchecked header checks all rows") << QList<int>{0, 1, 0} << 0 << 2;
    QTest::newRow("header without rows still toggles") << QList<int>{} << 2 << 0;
}

void TestCHeaderView::clickingTheBoxSetsEveryRow()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, headerState);
    QFETCH(int, expected);
    Table table(rows);
    table.SetHeaderState(headerState);
    table.ClickAt(BoxCentre);
    QCOMPARE(table.HeaderState().toInt(), expected);
    QCOMPARE(table.RowStates(), QList<int>(rows.size(), expected));
}

void TestCHeaderView::headerFollowsTheRows_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("expected");

    QTest::newRow("all rows checked") << QList<int>{2, 2, 2} << 2;
    QTest::newRow("checked and unchecked rows") << QList<int>{2, 0, 2} << 1;
    QTest::newRow("partly checked rows count as unchecked") << QList<int>{1, 1} << 0;
    QTest::newRow("a partly checked row beside a checked one") << QList<int>{1, 2} << 1;
    QTest::newRow("all rows unchecked") << QList<int>{0, 0} << 0;
}

void TestCHeaderView::headerFollowsTheRows()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, expected);
    Table table(QList<int>(rows.size(), 0));
    table.SetHeaderState(Qt::Unchecked);
    for (int row = 0; row < rows.size(); ++row)
        table.view.SetCellData(row, 0, rows.at(row), Qt::CheckStateRole);
    QCOMPARE(table.HeaderState().toInt(), expected);
    // A change in another column is a data change too, and changes nothing.
    table.view.SetCellText(0, 1, QStringLiteral("other"));
    QCOMPARE(table.HeaderState().toInt(), expected);
}

void TestCHeaderView::emptyTableShowsCheckedAfterTheNextDataChange()
{
    Table table({0});
    table.SetHeaderState(Qt::Unchecked);
    table.view.RemoveLastRow();
    QCOMPARE(table.HeaderState().toInt(), 0);
    table.header->OnDataChanged(QModelIndex());
    QCOMPARE(table.HeaderState().toInt(), 2);
}

void TestCHeaderView::withoutHeaderStateThereIsNoBox()
{
    Table table({0, 2});
    table.ClickAt(BoxCentre);
    QCOMPARE(table.RowStates(), (QList<int>{0, 2}));
    table.view.SetCellData(0, 0, 2, Qt::CheckStateRole);
    QVERIFY(!table.HeaderState().isValid());
}

void TestCHeaderView::boxFollowsTheOwnersIndentation_data()
{
    QTest::addColumn<int>("indentation");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("toggles");

    QTest::newRow("box centre without indentation") << 0 << BoxCentre << true;
    QTest::newRow("first pixel of the box") << 0 << 3 << true;
    QTest::newRow("left of the box") << 0 << 1 << false;
    QTest::newRow("right of the box, on the text") << 0 << 30 << false;
    QTest::newRow("box centre with indentation 20") << 20 << 20 + BoxCentre << true;
    QTest::newRow("unindented box place with indentation 20") << 20 << BoxCentre << false;
}

void TestCHeaderView::boxFollowsTheOwnersIndentation()
{
    QFETCH(int, indentation);
    QFETCH(int, x);
    QFETCH(bool, toggles);
    Table table({0, 0});
    table.SetHeaderState(Qt::Unchecked);
    table.view.setIndentation(indentation);
    table.ClickAt(x);
    QCOMPARE(table.HeaderState().toInt(), toggles ? 2 : 0);
    QCOMPARE(table.RowStates(), (QList<int>(2, toggles ? 2 : 0)));
}

void TestCHeaderView::unclickableHeaderIgnoresTheBox()
{
    Table table({2, 2});
    table.SetHeaderState(Qt::Checked);
    table.header->setSectionsClickable(false);
    table.ClickAt(BoxCentre);
    QCOMPARE(table.HeaderState().toInt(), 2);
    QCOMPARE(table.RowStates(), (QList<int>{2, 2}));
}

void TestCHeaderView::pictureFollowsTheState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("checked") << 2 << QColor(Qt::red);
    QTest::newRow("partly checked") << 1 << QColor(Qt::green);
    QTest::newRow("unchecked") << 0 << QColor(Qt::blue);
    QTest::newRow("any other state shows partly checked") << 7 << QColor(Qt::green);
}

void TestCHeaderView::pictureFollowsTheState()
{
    QFETCH(int, state);
    QFETCH(QColor, colour);
    // Stand-in pictures under the real names, so the test does not depend on their content.
    const QList<QPair<QString, QColor>> pictures{
        {QStringLiteral(":/images/public/CheckBox/checkbox.png"), Qt::red},
        {QStringLiteral(":/images/public/CheckBox/PartiallyCheckBox.png"), Qt::green},
        {QStringLiteral(":/images/public/CheckBox/uncheckbox.png"), Qt::blue}};
    for (const auto& picture : pictures) {
        QPixmap pixmap(16, 16);
        pixmap.fill(picture.second);
        QPixmapCache::insert(picture.first, pixmap);
    }
    Table table({});
    table.SetHeaderState(state);
    const QImage image = table.header->grab().toImage();
    QCOMPARE(image.pixelColor(BoxCentre, table.header->height() / 2), colour);
    QPixmapCache::clear();
}

QTEST_MAIN(TestCHeaderView)
#include "tst_cheaderview.moc"
