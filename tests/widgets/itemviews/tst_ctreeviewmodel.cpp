// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctreeviewitem.h"
#include "widgets/itemviews/ctreeviewmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

namespace {

// Counts its own destruction, to see which items a removal really deletes.
class CountedItem : public CTreeViewItem
{
public:
    explicit CountedItem(int* deletions) : m_pDeletions(deletions) {}
    ~CountedItem() override { ++*m_pDeletions; }

private:
    int* m_pDeletions;
};

} // namespace

class TestCTreeViewModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roleFolding_data();
    void roleFolding();
    void setDataAnnouncesEvenEqualValues();
    void headerData_data();
    void headerData();
    void setHeaderData_data();
    void setHeaderData();
    void onlyColumnZeroHasChildren();
    void insertRows_data();
    void insertRows();
    void removeRows_data();
    void removeRows();
    void removingARowDeletesItsDescendants();
    void insertColumnsShiftsCellsAndHeaders_data();
    void insertColumnsShiftsCellsAndHeaders();
    void insertColumnsRefused_data();
    void insertColumnsRefused();
    void removingTheLastColumnRemovesAllRows();
    void insertItem_data();
    void insertItem();
    void insertItemExpandsInTheView();
    void insertItemsKeepsListOrder();
    void insertItemsRefused_data();
    void insertItemsRefused();
    void clearKeepsColumns();
    void flags();

private:
    // Three columns, rows "a", "b", "c" with one child "b0" under "b".
    void Fill();

    CTreeViewModel* m_pModel = nullptr;
};

void TestCTreeViewModel::init()
{
    m_pModel = new CTreeViewModel;
    new QAbstractItemModelTester(m_pModel, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 m_pModel);
}

void TestCTreeViewModel::cleanup()
{
    delete m_pModel;
    m_pModel = nullptr;
}

void TestCTreeViewModel::Fill()
{
    QVERIFY(m_pModel->insertColumns(0, 3));
    QVERIFY(m_pModel->insertRows(0, 3));
    const QStringList texts{"a", "b", "c"};
    for (int row = 0; row < 3; ++row)
        QVERIFY(m_pModel->setData(m_pModel->index(row, 0), texts.at(row)));
    const QModelIndex b = m_pModel->index(1, 0);
    QVERIFY(m_pModel->insertRows(0, 1, b));
    QVERIFY(m_pModel->setData(m_pModel->index(0, 0, b), QStringLiteral("b0")));
}

void TestCTreeViewModel::roleFolding_data()
{
    QTest::addColumn<int>("writeRole");
    QTest::addColumn<int>("readRole");
    QTest::addColumn<bool>("visible");

    QTest::newRow("edit role reads back as display")
        << int(Qt::EditRole) << int(Qt::DisplayRole) << true;
    QTest::newRow("display role reads back as edit")
        << int(Qt::DisplayRole) << int(Qt::EditRole) << true;
    QTest::newRow("tool tip kept under its own role")
        << int(Qt::ToolTipRole) << int(Qt::ToolTipRole) << true;
    QTest::newRow("tool tip is not display")
        << int(Qt::ToolTipRole) << int(Qt::DisplayRole) << false;
    QTest::newRow("display is not tool tip") << int(Qt::EditRole) << int(Qt::ToolTipRole) << false;
    QTest::newRow("custom role kept") << int(Qt::UserRole + 100) << int(Qt::UserRole + 100) << true;
    QTest::newRow("custom role is not display")
        << int(Qt::UserRole + 100) << int(Qt::DisplayRole) << false;
}

void TestCTreeViewModel::roleFolding()
{
    QFETCH(int, writeRole);
    QFETCH(int, readRole);
    QFETCH(bool, visible);
    Fill();
    const QModelIndex cell = m_pModel->index(2, 2);
    QVERIFY(m_pModel->setData(cell, QStringLiteral("value"), writeRole));
    QCOMPARE(m_pModel->data(cell, readRole).isValid(), visible);
    if (visible)
        QCOMPARE(m_pModel->data(cell, readRole).toString(), QStringLiteral("value"));
    // Neighbouring cells of the row keep their own data.
    QVERIFY(!m_pModel->data(m_pModel->index(2, 1), readRole).isValid());
}

void TestCTreeViewModel::setDataAnnouncesEvenEqualValues()
{
    Fill();
    QSignalSpy changed(m_pModel, &QAbstractItemModel::dataChanged);
    const QModelIndex cell = m_pModel->index(0, 1);
    QVERIFY(m_pModel->setData(cell, QStringLiteral("x")));
    QVERIFY(m_pModel->setData(cell, QStringLiteral("x")));
    QVERIFY(m_pModel->setData(cell, QStringLiteral("y")));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), cell);
    QCOMPARE(changed.at(0).at(1).toModelIndex(), cell);
    QCOMPARE(m_pModel->data(cell).toString(), QStringLiteral("y"));
}

void TestCTreeViewModel::headerData_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const QVariant alignment(int(Qt::AlignLeft | Qt::AlignVCenter));
    QTest::newRow("alignment of a column")
        << 1 << int(Qt::Horizontal) << int(Qt::TextAlignmentRole) << alignment;
    QTest::newRow("alignment beyond the columns")
        << 9 << int(Qt::Horizontal) << int(Qt::TextAlignmentRole) << alignment;
    QTest::newRow("alignment of a vertical section")
        << 0 << int(Qt::Vertical) << int(Qt::TextAlignmentRole) << alignment;
    QTest::newRow("horizontal text")
        << 1 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Second"));
    QTest::newRow("horizontal check state")
        << 2 << int(Qt::Horizontal) << int(Qt::CheckStateRole) << QVariant(int(Qt::Checked));
    QTest::newRow("unset check state")
        << 0 << int(Qt::Horizontal) << int(Qt::CheckStateRole) << QVariant();
    QTest::newRow("text beyond the columns")
        << 3 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("vertical text") << 1 << int(Qt::Vertical) << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("other role") << 1 << int(Qt::Horizontal) << int(Qt::ToolTipRole) << QVariant();
}

void TestCTreeViewModel::headerData()
{
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    Fill();
    QVERIFY(m_pModel->setHeaderData(0, Qt::Horizontal, QStringLiteral("First")));
    QVERIFY(m_pModel->setHeaderData(1, Qt::Horizontal, QStringLiteral("Second")));
    QVERIFY(m_pModel->setHeaderData(2, Qt::Horizontal, int(Qt::Checked), Qt::CheckStateRole));
    QCOMPARE(m_pModel->headerData(section, Qt::Orientation(orientation), role), expected);
}

void TestCTreeViewModel::setHeaderData_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("readRole");

    QTest::newRow("check state") << 1 << int(Qt::CheckStateRole) << true << int(Qt::CheckStateRole);
    QTest::newRow("display role sets the text")
        << 1 << int(Qt::DisplayRole) << true << int(Qt::DisplayRole);
    QTest::newRow("edit role sets the text")
        << 2 << int(Qt::EditRole) << true << int(Qt::DisplayRole);
    QTest::newRow("tool-tip role sets the text")
        << 0 << int(Qt::ToolTipRole) << true << int(Qt::DisplayRole);
    QTest::newRow("negative section")
        << -1 << int(Qt::DisplayRole) << false << int(Qt::DisplayRole);
    QTest::newRow("one beyond the columns")
        << 3 << int(Qt::DisplayRole) << false << int(Qt::DisplayRole);
    QTest::newRow("check state beyond the columns")
        << 3 << int(Qt::CheckStateRole) << false << int(Qt::CheckStateRole);
}

void TestCTreeViewModel::setHeaderData()
{
    QFETCH(int, section);
    QFETCH(int, role);
    QFETCH(bool, accepted);
    QFETCH(int, readRole);
    Fill();
    QSignalSpy changed(m_pModel, &QAbstractItemModel::headerDataChanged);
    QCOMPARE(m_pModel->setHeaderData(section, Qt::Horizontal, 2, role), accepted);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    if (!accepted)
        return;
    QCOMPARE(changed.at(0).at(1).toInt(), section);
    QCOMPARE(changed.at(0).at(2).toInt(), section);
    QCOMPARE(m_pModel->headerData(section, Qt::Horizontal, readRole).toInt(), 2);
    // The text and the check state are separate lists.
    const int otherRole = readRole == Qt::CheckStateRole ? Qt::DisplayRole : Qt::CheckStateRole;
    QVERIFY(!m_pModel->headerData(section, Qt::Horizontal, otherRole).isValid());
}

void TestCTreeViewModel::onlyColumnZeroHasChildren()
{
    Fill();
    QVERIFY(!m_pModel->setData(QModelIndex(), QStringLiteral("x")));
    QCOMPARE(m_pModel->columnCount(m_pModel->index(0, 0, m_pModel->index(1, 0))), 3);
    QCOMPARE(m_pModel->rowCount(m_pModel->index(1, 0)), 1);
    QCOMPARE(m_pModel->rowCount(m_pModel->index(1, 1)), 0);
    QVERIFY(!m_pModel->index(0, 0, m_pModel->index(1, 1)).isValid());
    const QModelIndex child = m_pModel->index(0, 2, m_pModel->index(1, 0));
    QVERIFY(child.isValid());
    QCOMPARE(m_pModel->parent(child), m_pModel->index(1, 0));
    QVERIFY(!m_pModel->parent(m_pModel->index(1, 0)).isValid());
}

void TestCTreeViewModel::insertRows_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("at the front") << 0 << 2 << true << QStringList{"", "", "a", "b", "c"};
    QTest::newRow("in the middle") << 1 << 1 << true << QStringList{"a", "", "b", "c"};
    QTest::newRow("after the last row") << 3 << 1 << true << QStringList{"a", "b", "c", ""};
    QTest::newRow("beyond the last row") << 4 << 1 << false << QStringList{"a", "b", "c"};
    QTest::newRow("negative position") << -1 << 1 << false << QStringList{"a", "b", "c"};
    QTest::newRow("no rows") << 1 << 0 << false << QStringList{"a", "b", "c"};
}

void TestCTreeViewModel::insertRows()
{
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(bool, accepted);
    QFETCH(QStringList, texts);
    Fill();
    QSignalSpy inserted(m_pModel, &QAbstractItemModel::rowsInserted);
    QCOMPARE(m_pModel->insertRows(position, count), accepted);
    QCOMPARE(inserted.count(), accepted ? 1 : 0);
    QStringList actual;
    for (int row = 0; row < m_pModel->rowCount(); ++row)
        actual << m_pModel->index(row, 0).data().toString();
    QCOMPARE(actual, texts);
    // "b" keeps its child wherever it moved.
    const QModelIndex b = m_pModel->index(int(texts.indexOf("b")), 0);
    QCOMPARE(m_pModel->index(0, 0, b).data().toString(), QStringLiteral("b0"));
}

void TestCTreeViewModel::removeRows_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("first row") << 0 << 1 << true << QStringList{"b", "c"};
    QTest::newRow("last two rows") << 1 << 2 << true << QStringList{"a"};
    QTest::newRow("all rows") << 0 << 3 << true << QStringList{};
    QTest::newRow("past the end") << 2 << 2 << false << QStringList{"a", "b", "c"};
    QTest::newRow("negative position") << -1 << 1 << false << QStringList{"a", "b", "c"};
    QTest::newRow("zero count") << 0 << 0 << false << QStringList{"a", "b", "c"};
    QTest::newRow("negative count") << 0 << -1 << false << QStringList{"a", "b", "c"};
}

void TestCTreeViewModel::removeRows()
{
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(bool, accepted);
    QFETCH(QStringList, texts);
    Fill();
    QSignalSpy removed(m_pModel, &QAbstractItemModel::rowsRemoved);
    QCOMPARE(m_pModel->removeRows(position, count), accepted);
    QCOMPARE(removed.count(), accepted ? 1 : 0);
    QStringList actual;
    for (int row = 0; row < m_pModel->rowCount(); ++row)
        actual << m_pModel->index(row, 0).data().toString();
    QCOMPARE(actual, texts);
}

void TestCTreeViewModel::removingARowDeletesItsDescendants()
{
    QVERIFY(m_pModel->insertColumns(0, 1));
    int deletions = 0;
    auto* group = new CountedItem(&deletions);
    group->AppendChild(new CountedItem(&deletions));
    group->AppendChild(new CountedItem(&deletions));
    group->Child(1)->AppendChild(new CountedItem(&deletions));
    auto* other = new CountedItem(&deletions);
    QVERIFY(m_pModel->InsertItems(0, {group, other}));
    QCOMPARE(m_pModel->rowCount(m_pModel->index(0, 0)), 2);

    QVERIFY(m_pModel->removeRows(0, 1));
    QCOMPARE(deletions, 4);
    QCOMPARE(m_pModel->rowCount(), 1);
    QCOMPARE(m_pModel->GetItem(m_pModel->index(0, 0)), static_cast<CTreeViewItem*>(other));
}

void TestCTreeViewModel::insertColumnsShiftsCellsAndHeaders_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("childCells");

    QTest::newRow("at the front") << 0 << QStringList{"", "H0", "H1", "H2"}
                                  << QStringList{"", "x0", "x1", "x2"};
    QTest::newRow("in the middle")
        << 2 << QStringList{"H0", "H1", "", "H2"} << QStringList{"x0", "x1", "", "x2"};
    QTest::newRow("at the end") << 3 << QStringList{"H0", "H1", "H2", ""}
                                << QStringList{"x0", "x1", "x2", ""};
}

void TestCTreeViewModel::insertColumnsShiftsCellsAndHeaders()
{
    QFETCH(int, position);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, childCells);
    Fill();
    const QModelIndex b = m_pModel->index(1, 0);
    for (int column = 0; column < 3; ++column) {
        m_pModel->setHeaderData(column, Qt::Horizontal, QStringLiteral("H%1").arg(column));
        m_pModel->setData(m_pModel->index(0, column, b), QStringLiteral("x%1").arg(column));
    }
    QSignalSpy inserted(m_pModel, &QAbstractItemModel::columnsInserted);
    QVERIFY(m_pModel->insertColumns(position, 1));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(m_pModel->columnCount(), 4);
    QStringList actualHeaders, actualCells;
    for (int column = 0; column < 4; ++column) {
        actualHeaders << m_pModel->headerData(column, Qt::Horizontal).toString();
        actualCells << m_pModel->index(0, column, b).data().toString();
    }
    QCOMPARE(actualHeaders, headers);
    QCOMPARE(actualCells, childCells);
}

void TestCTreeViewModel::insertColumnsRefused_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");

    QTest::newRow("negative position") << -1 << 1;
    QTest::newRow("beyond the column count") << 4 << 1;
    QTest::newRow("no columns") << 1 << 0;
}

void TestCTreeViewModel::insertColumnsRefused()
{
    QFETCH(int, position);
    QFETCH(int, count);
    Fill();
    QSignalSpy inserted(m_pModel, &QAbstractItemModel::columnsAboutToBeInserted);
    QVERIFY(!m_pModel->insertColumns(position, count));
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(m_pModel->columnCount(), 3);
}

void TestCTreeViewModel::removingTheLastColumnRemovesAllRows()
{
    Fill();
    m_pModel->setData(m_pModel->index(0, 2), QStringLiteral("last"));
    QVERIFY(m_pModel->removeColumns(0, 2));
    QCOMPARE(m_pModel->columnCount(), 1);
    QCOMPARE(m_pModel->rowCount(), 3);
    QCOMPARE(m_pModel->index(0, 0).data().toString(), QStringLiteral("last"));

    QVERIFY(!m_pModel->removeColumns(0, 2));
    QVERIFY(m_pModel->removeColumns(0, 1));
    QCOMPARE(m_pModel->columnCount(), 0);
    QCOMPARE(m_pModel->rowCount(), 0);
}

void TestCTreeViewModel::insertItem_data()
{
    QTest::addColumn<bool>("underChild");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("top level at the front") << false << 0 << true;
    QTest::newRow("top level after the last row") << false << 3 << true;
    QTest::newRow("top level beyond the last row") << false << 4 << false;
    QTest::newRow("top level negative") << false << -1 << false;
    QTest::newRow("child after the last child") << true << 1 << true;
    QTest::newRow("child beyond the children") << true << 2 << false;
}

void TestCTreeViewModel::insertItem()
{
    QFETCH(bool, underChild);
    QFETCH(int, position);
    QFETCH(bool, accepted);
    Fill();
    const QModelIndex parent = underChild ? m_pModel->index(1, 0) : QModelIndex();
    const int before = m_pModel->rowCount(parent);
    auto* item = new CTreeViewItem;
    item->SetData(1, QStringLiteral("new"), Qt::EditRole);
    QSignalSpy announced(m_pModel, &QAbstractItemModel::rowsAboutToBeInserted);

    QCOMPARE(m_pModel->InsertItem(item, position, parent), accepted);
    QCOMPARE(announced.count(), accepted ? 1 : 0);
    QCOMPARE(m_pModel->rowCount(parent), before + (accepted ? 1 : 0));
    if (!accepted) {
        delete item; // a refused item stays with the caller
        return;
    }
    const QModelIndex inserted = m_pModel->index(position, 1, parent);
    QCOMPARE(inserted.data().toString(), QStringLiteral("new"));
    QCOMPARE(item->Parent(), m_pModel->GetItem(parent));
    QCOMPARE(m_pModel->parent(inserted), parent);
}

void TestCTreeViewModel::insertItemExpandsInTheView()
{
    QTreeView view;
    auto* model = new CTreeViewModel(&view);
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 model);
    view.setModel(model);
    QVERIFY(model->insertColumns(0, 1));
    auto* group = new CTreeViewItem;
    group->AppendChild(new CTreeViewItem);
    QVERIFY(model->InsertItem(group, 0));
    QVERIFY(view.isExpanded(model->index(0, 0)));

    auto* collapsed = new CTreeViewItem;
    collapsed->AppendChild(new CTreeViewItem);
    QVERIFY(model->InsertItems(1, {collapsed}));
    QVERIFY(!view.isExpanded(model->index(1, 0)));

    QVERIFY(model->insertRows(0, 1, model->index(1, 0)));
    QVERIFY(model->insertRows(0, 1, model->index(0, 0, model->index(1, 0))));
    QVERIFY(view.isExpanded(model->index(0, 0, model->index(1, 0))));
}

void TestCTreeViewModel::insertItemsKeepsListOrder()
{
    Fill();
    QList<CTreeViewItem*> items;
    for (const char* text : {"x", "y", "z"}) {
        auto* item = new CTreeViewItem;
        item->SetData(0, QString::fromLatin1(text), Qt::DisplayRole);
        items << item;
    }
    QSignalSpy inserted(m_pModel, &QAbstractItemModel::rowsInserted);
    QVERIFY(m_pModel->InsertItems(1, items));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 1);
    QCOMPARE(inserted.at(0).at(2).toInt(), 3);
    QStringList actual;
    for (int row = 0; row < m_pModel->rowCount(); ++row)
        actual << m_pModel->index(row, 0).data().toString();
    QCOMPARE(actual, (QStringList{"a", "x", "y", "z", "b", "c"}));
    for (CTreeViewItem* item : items)
        QCOMPARE(item->Parent(), m_pModel->GetItem(QModelIndex()));
}

void TestCTreeViewModel::insertItemsRefused_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("withNull");

    QTest::newRow("beyond the last row") << 4 << false;
    QTest::newRow("negative position") << -1 << false;
    QTest::newRow("a null item in the list") << 0 << true;
}

void TestCTreeViewModel::insertItemsRefused()
{
    QFETCH(int, position);
    QFETCH(bool, withNull);
    Fill();
    auto* item = new CTreeViewItem;
    QList<CTreeViewItem*> items{item};
    if (withNull)
        items << nullptr;
    QSignalSpy announced(m_pModel, &QAbstractItemModel::rowsAboutToBeInserted);
    QVERIFY(!m_pModel->InsertItems(position, items));
    QVERIFY(!m_pModel->InsertItems(0, {}));
    QCOMPARE(announced.count(), 0);
    QCOMPARE(m_pModel->rowCount(), 3);
    QVERIFY(!item->Parent());
    delete item;
}

void TestCTreeViewModel::clearKeepsColumns()
{
    Fill();
    m_pModel->setHeaderData(1, Qt::Horizontal, QStringLiteral("Kept"));
    QSignalSpy reset(m_pModel, &QAbstractItemModel::modelReset);
    m_pModel->Clear();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(m_pModel->rowCount(), 0);
    QCOMPARE(m_pModel->columnCount(), 3);
    QCOMPARE(m_pModel->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Kept"));
    QVERIFY(m_pModel->insertRows(0, 1));
    QVERIFY(!m_pModel->index(0, 0).data().isValid());
}

void TestCTreeViewModel::flags()
{
    Fill();
    const Qt::ItemFlags itemDefault = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                                      Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
                                      Qt::ItemIsDropEnabled;
    QCOMPARE(m_pModel->flags(m_pModel->index(0, 0)), itemDefault);
    QCOMPARE(m_pModel->flags(m_pModel->index(0, 0, m_pModel->index(1, 0))), itemDefault);
    QCOMPARE(m_pModel->flags(QModelIndex()), Qt::ItemFlags(Qt::ItemIsDropEnabled));
    m_pModel->GetItem(m_pModel->index(2, 0))->SetFlags(Qt::ItemIsEnabled);
    // Flags belong to the row's item, so every column of the row shows them.
    QCOMPARE(m_pModel->flags(m_pModel->index(2, 2)), Qt::ItemFlags(Qt::ItemIsEnabled));
}

QTEST_MAIN(TestCTreeViewModel)
#include "tst_ctreeviewmodel.moc"
