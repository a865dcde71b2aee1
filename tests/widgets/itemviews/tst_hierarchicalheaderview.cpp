// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctableview.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

namespace {

const QRgb BorderColour = qRgb(193, 193, 193);
const QRgb Sentinel = qRgb(255, 0, 255);

// Opens the protected painting and sizing, with the base header's answers beside them.
class TestHeader : public HierarchicalHeaderView
{
public:
    explicit TestHeader(QWidget* parent) : HierarchicalHeaderView(Qt::Horizontal, parent) {}
    using HierarchicalHeaderView::paintSection;
    using HierarchicalHeaderView::sectionSizeFromContents;
    QSize BaseSize(int section) const { return QHeaderView::sectionSizeFromContents(section); }
    void BasePaint(QPainter* painter, const QRect& rect, int section) const
    {
        QHeaderView::paintSection(painter, rect, section);
    }
};

QStandardItem* AddChild(QStandardItem* parent, const QString& text)
{
    auto* child = new QStandardItem(text);
    parent->appendColumn({child});
    return child;
}

// Records what the header's viewport repaints.
class PaintRecorder : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

// A table as the pages build it: data behind the proxy, the header model on the proxy, the
// hierarchical header on the table.
struct Table
{
    explicit Table(int columns = 5) : data(3, columns)
    {
        proxy.setSourceModel(&data);
        proxy.SetColumnHeaderModel(&headerModel);
    }
    void Install(const QList<int>& sizes = {80, 80, 200, 100})
    {
        header = new TestHeader(&view);
        view.setHeader(header);
        view.setModel(&proxy);
        view.resize(800, 300);
        for (int i = 0; i < sizes.size(); ++i)
            header->resizeSection(i, sizes.at(i));
    }

    QStandardItemModel headerModel;
    QStandardItemModel data;
    ProxyModelWithHeaderModels proxy;
    CTableView view;
    TestHeader* header = nullptr;
};

// "A", "B" and "P" over "C" and "D": a two-level heading over sections 2 and 3. The parent
// asks for 40 pixels, the leaves for 50, both far above what their texts need.
void BuildTwoLevel(QStandardItemModel& model, bool withParent = true)
{
    const QSize leafHint(10, 50);
    QList<QStandardItem*> leaves;
    for (const char* text : {"A", "B"})
        leaves << new QStandardItem(QString::fromLatin1(text));
    model.setItem(0, 0, leaves.at(0));
    model.setItem(0, 1, leaves.at(1));
    if (withParent) {
        auto* parent = new QStandardItem(QStringLiteral("P"));
        parent->setData(QSize(10, 40), Qt::SizeHintRole);
        model.setItem(0, 2, parent);
        leaves << AddChild(parent, QStringLiteral("C")) << AddChild(parent, QStringLiteral("D"));
    } else {
        leaves << new QStandardItem(QStringLiteral("C")) << new QStandardItem(QStringLiteral("D"));
        model.setItem(0, 2, leaves.at(2));
        model.setItem(0, 3, leaves.at(3));
    }
    for (QStandardItem* leaf : leaves)
        leaf->setData(leafHint, Qt::SizeHintRole);
}

bool IsBorder(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == BorderColour;
}

} // namespace

class TestHierarchicalHeaderView : public QObject
{
    Q_OBJECT

private slots:
    void proxyAnswersHeaderModelRoles_data();
    void proxyAnswersHeaderModelRoles();
    void settingHeaderModelsAnnouncesHeaderChange_data();
    void settingHeaderModelsAnnouncesHeaderChange();
    void proxyRemovalLeavesSourceAlone();
    void proxyRefusesRowsThatDoNotExist_data();
    void proxyRefusesRowsThatDoNotExist();

    void flatHeaderModelGivesOneCellPerSection();
    void twoLevelHeadingSpansItsSections();
    void paintingOneSectionDrawsItsWholeParent();
    void twoLevelSectionHeightAddsTheParentCell();
    void verticalTextCellIsTransposed();
    void sectionsBeyondTheLeavesAreTheBaseHeaders();
    void resizeRepaintsParentCellsInFull_data();
    void resizeRepaintsParentCellsInFull();
    void verticalHeaderStacksLevelsSideBySide();
};

void TestHierarchicalHeaderView::proxyAnswersHeaderModelRoles_data()
{
    QTest::addColumn<bool>("horizontalSet");
    QTest::addColumn<bool>("verticalSet");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("answer");

    const int horizontalRole = Qt::UserRole;
    const int verticalRole = Qt::UserRole + 1;
    QTest::newRow("horizontal role with a horizontal model")
        << true << false << horizontalRole << "horizontal";
    QTest::newRow("horizontal role without one goes to the source")
        << false << true << horizontalRole << "source";
    QTest::newRow("vertical role with a vertical model")
        << false << true << verticalRole << "vertical";
    QTest::newRow("vertical role without one goes to the source")
        << true << false << verticalRole << "source";
    QTest::newRow("other roles always go to the source")
        << true << true << int(Qt::UserRole + 2) << "source";
}

void TestHierarchicalHeaderView::proxyAnswersHeaderModelRoles()
{
    QFETCH(bool, horizontalSet);
    QFETCH(bool, verticalSet);
    QFETCH(int, role);
    QFETCH(QString, answer);

    QStandardItemModel source(2, 2);
    source.setData(source.index(0, 0), QStringLiteral("source"), role);
    QStandardItemModel horizontal, vertical;
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    if (horizontalSet)
        proxy.SetColumnHeaderModel(&horizontal);
    if (verticalSet)
        proxy.SetRowHeaderModel(&vertical);

    const QVariant value = proxy.data(proxy.index(0, 0), role);
    if (answer == QLatin1String("source")) {
        QCOMPARE(value.toString(), answer);
        return;
    }
    QObject* expected = answer == QLatin1String("horizontal") ? &horizontal : &vertical;
    QCOMPARE(value.value<QObject*>(), expected);
    // Asked on the invalid index, as the header does.
    QCOMPARE(proxy.data(QModelIndex(), role).value<QObject*>(), expected);
}

void TestHierarchicalHeaderView::settingHeaderModelsAnnouncesHeaderChange_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");

    QTest::newRow("rows and columns") << 3 << 4;
    QTest::newRow("no columns") << 3 << 0;
    QTest::newRow("no rows") << 0 << 4;
}

void TestHierarchicalHeaderView::settingHeaderModelsAnnouncesHeaderChange()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QStandardItemModel source(rows, columns);
    QStandardItemModel headerModel;
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    QSignalSpy changed(&proxy, &QAbstractItemModel::headerDataChanged);

    proxy.SetColumnHeaderModel(&headerModel);
    proxy.SetRowHeaderModel(&headerModel);

    QList<QVariantList> expected;
    if (columns > 0)
        expected << QVariantList{QVariant::fromValue(Qt::Horizontal), 0, columns - 1};
    if (rows > 0)
        expected << QVariantList{QVariant::fromValue(Qt::Vertical), 0, rows - 1};
    QCOMPARE(changed.count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(changed.at(i).at(0).value<Qt::Orientation>(),
                 expected.at(i).at(0).value<Qt::Orientation>());
        QCOMPARE(changed.at(i).at(1).toInt(), expected.at(i).at(1).toInt());
        QCOMPARE(changed.at(i).at(2).toInt(), expected.at(i).at(2).toInt());
    }
}

void TestHierarchicalHeaderView::proxyRemovalLeavesSourceAlone()
{
    QStandardItemModel source(4, 1);
    for (int row = 0; row < 4; ++row)
        source.setData(source.index(row, 0), QString::number(row));
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    QSignalSpy aboutToBeRemoved(&proxy, &QAbstractItemModel::rowsAboutToBeRemoved);
    QSignalSpy removed(&proxy, &QAbstractItemModel::rowsRemoved);
    QSignalSpy sourceRemoved(&source, &QAbstractItemModel::rowsRemoved);

    QVERIFY(proxy.removeRows(1, 2));
    QCOMPARE(aboutToBeRemoved.count(), 1);
    QCOMPARE(removed.count(), 1);
    QVERIFY(!removed.at(0).at(0).toModelIndex().isValid());
    QCOMPARE(removed.at(0).at(1).toInt(), 1);
    QCOMPARE(removed.at(0).at(2).toInt(), 2);
    QCOMPARE(sourceRemoved.count(), 0);
    QCOMPARE(source.rowCount(), 4);
    QCOMPARE(proxy.rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        QCOMPARE(proxy.index(row, 0).data().toString(), QString::number(row));
}

void TestHierarchicalHeaderView::proxyRefusesRowsThatDoNotExist_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("childParent");

    QTest::newRow("past the last row") << 3 << 2 << false;
    QTest::newRow("negative row") << -1 << 1 << false;
    QTest::newRow("nothing to remove") << 0 << 0 << false;
    QTest::newRow("under a row") << 0 << 1 << true;
}

void TestHierarchicalHeaderView::proxyRefusesRowsThatDoNotExist()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, childParent);
    QStandardItemModel source(4, 1);
    source.setItem(0, 0, new QStandardItem(QStringLiteral("parent")));
    source.item(0)->appendRow(new QStandardItem(QStringLiteral("child")));
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&source);
    QSignalSpy aboutToBeRemoved(&proxy, &QAbstractItemModel::rowsAboutToBeRemoved);
    const QModelIndex parent = childParent ? proxy.index(0, 0) : QModelIndex();
    QVERIFY(!proxy.removeRows(row, count, parent));
    QCOMPARE(aboutToBeRemoved.count(), 0);
}

void TestHierarchicalHeaderView::flatHeaderModelGivesOneCellPerSection()
{
    Table table(4);
    BuildTwoLevel(table.headerModel, false);
    table.Install({80, 90, 100});
    const QImage image = table.header->grab().toImage();
    const int bottom = image.height() - 1;
    for (int section = 0; section < 4; ++section) {
        QCOMPARE(table.header->sectionSizeFromContents(section).height(), 50);
        const int left = table.header->sectionViewportPosition(section);
        // Each cell takes its whole section: its left edge runs from top to bottom, and no
        // edge crosses the section above the bottom line.
        for (int y = 0; y < bottom; ++y) {
            QVERIFY2(IsBorder(image, left, y),
                     qPrintable(QStringLiteral("%1,%2").arg(left).arg(y)));
            QVERIFY(!IsBorder(image, left + 2, y));
        }
        QVERIFY(IsBorder(image, left + 2, bottom));
    }
}

void TestHierarchicalHeaderView::twoLevelHeadingSpansItsSections()
{
    Table table;
    BuildTwoLevel(table.headerModel);
    table.Install();
    const QImage image = table.header->grab().toImage();
    const int left2 = table.header->sectionViewportPosition(2);
    const int left3 = table.header->sectionViewportPosition(3);
    const int right3 = left3 + table.header->sectionSize(3) - 1;
    QCOMPARE(left3, left2 + 200);
    const int parentBottom = 39; // the parent's 40-pixel cell
    const int bottom = image.height() - 1;

    // The parent cell: its left edge at section 2 from the top, its bottom edge across both
    // sections; no edge of its own at section 3.
    for (int y = 0; y <= parentBottom; ++y)
        QVERIFY(IsBorder(image, left2, y));
    for (int x = left2; x <= right3; ++x)
        QVERIFY2(IsBorder(image, x, parentBottom), qPrintable(QString::number(x)));
    for (int y = 0; y < parentBottom; ++y)
        QVERIFY2(!IsBorder(image, left3, y), qPrintable(QString::number(y)));
    // The leaves take the rest of the section height below it.
    for (int y = parentBottom + 1; y <= bottom; ++y) {
        QVERIFY(IsBorder(image, left2, y));
        QVERIFY(IsBorder(image, left3, y));
    }
    QVERIFY(!IsBorder(image, left2 + 2, parentBottom + 5));
    // A top-level leaf next to it is one cell of the full height.
    const int left1 = table.header->sectionViewportPosition(1);
    QVERIFY(!IsBorder(image, left1 + 2, parentBottom));
}

void TestHierarchicalHeaderView::paintingOneSectionDrawsItsWholeParent()
{
    Table table;
    BuildTwoLevel(table.headerModel);
    table.Install();
    TestHeader* header = table.header;
    QImage image(header->viewport()->size(), QImage::Format_RGB32);
    image.fill(Sentinel);
    const int left2 = header->sectionViewportPosition(2);
    const int left3 = header->sectionViewportPosition(3);
    {
        QPainter painter(&image);
        header->paintSection(&painter, QRect(left3, 0, header->sectionSize(3), image.height()), 3);
    }
    // Section 3 alone paints the parent from section 2's left edge, but only its own leaf.
    QVERIFY(IsBorder(image, left2, 10));
    QVERIFY(IsBorder(image, left2 + 50, 39));
    QCOMPARE(image.pixel(left2 + 50, 45), Sentinel);
    QCOMPARE(image.pixel(left2 - 1, 10), Sentinel);
    QVERIFY(IsBorder(image, left3, 45));
    QVERIFY(image.pixel(left3 + 50, 45) != Sentinel);
}

void TestHierarchicalHeaderView::twoLevelSectionHeightAddsTheParentCell()
{
    Table flat, nested;
    BuildTwoLevel(flat.headerModel, false);
    BuildTwoLevel(nested.headerModel);
    flat.Install();
    nested.Install();
    for (int section = 0; section < 4; ++section) {
        const int extra = section >= 2 ? 40 : 0;
        QCOMPARE(nested.header->sectionSizeFromContents(section).height(),
                 flat.header->sectionSizeFromContents(section).height() + extra);
    }
    QCOMPARE(nested.header->sizeHint().height(), 90);
    QCOMPARE(nested.header->height(), 90);
}

void TestHierarchicalHeaderView::verticalTextCellIsTransposed()
{
    const QString text = QStringLiteral("Vertical heading");
    Table normal(2), turned(2);
    for (Table* table : {&normal, &turned}) {
        table->headerModel.setItem(0, 0, new QStandardItem(QStringLiteral("A")));
        auto* cell = new QStandardItem(text);
        if (table == &turned)
            cell->setData(true, Qt::UserRole);
        table->headerModel.setItem(0, 1, cell);
        table->Install({80, 200});
    }
    QFont bold = turned.header->font();
    bold.setBold(true);
    const QSize textSize = QFontMetrics(bold).size(0, text);
    const QSize normalSize = normal.header->sectionSizeFromContents(1);
    const QSize turnedSize = turned.header->sectionSizeFromContents(1);
    QCOMPARE(turnedSize.height() - normalSize.height(), textSize.width() - textSize.height());
    QCOMPARE(turnedSize.width() - normalSize.width(), textSize.height() - textSize.width());

    // The drawn text runs upwards: its ink is taller than wide.
    const QImage image = turned.header->grab().toImage();
    const int left = turned.header->sectionViewportPosition(1);
    QRect ink;
    for (int x = left + 2; x < left + turned.header->sectionSize(1) - 2; ++x)
        for (int y = 0; y < image.height() - 1; ++y)
            if (qGray(image.pixel(x, y)) < 100)
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isNull());
    QVERIFY2(ink.height() > 2 * ink.width(),
             qPrintable(QStringLiteral("%1x%2").arg(ink.width()).arg(ink.height())));
}

void TestHierarchicalHeaderView::sectionsBeyondTheLeavesAreTheBaseHeaders()
{
    Table withModel;
    BuildTwoLevel(withModel.headerModel);
    withModel.Install();
    Table withoutModel;
    withoutModel.proxy.SetColumnHeaderModel(nullptr);
    withoutModel.Install();

    QCOMPARE(withModel.header->sectionSizeFromContents(4), withModel.header->BaseSize(4));
    QVERIFY(withModel.header->sectionSizeFromContents(3) != withModel.header->BaseSize(3));
    for (int section = 0; section < 5; ++section)
        QCOMPARE(withoutModel.header->sectionSizeFromContents(section),
                 withoutModel.header->BaseSize(section));

    TestHeader* header = withModel.header;
    const QRect rect(header->sectionViewportPosition(4), 0, header->sectionSize(4),
                     header->height());
    QImage ours(header->viewport()->size(), QImage::Format_RGB32);
    QImage base(ours.size(), QImage::Format_RGB32);
    ours.fill(Sentinel);
    base.fill(Sentinel);
    {
        QPainter painter(&ours);
        header->paintSection(&painter, rect, 4);
    }
    {
        QPainter painter(&base);
        header->BasePaint(&painter, rect, 4);
    }
    QCOMPARE(ours, base);
}

void TestHierarchicalHeaderView::resizeRepaintsParentCellsInFull_data()
{
    QTest::addColumn<bool>("withParent");
    QTest::newRow("under a parent cell") << true;
    QTest::newRow("flat heading") << false;
}

void TestHierarchicalHeaderView::resizeRepaintsParentCellsInFull()
{
    QFETCH(bool, withParent);
    Table table;
    BuildTwoLevel(table.headerModel, withParent);
    table.Install();
    // A stretched last section would make every resize repaint the whole header.
    table.header->setStretchLastSection(false);
    PaintRecorder recorder;
    table.header->viewport()->installEventFilter(&recorder);
    const QPoint inSection2(table.header->sectionViewportPosition(2) + 5, 5);
    const QPoint inSection3(table.header->sectionViewportPosition(3) + 5, 5);
    table.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    // Let the first full paint pass before watching the resize.
    QTRY_VERIFY(recorder.painted.contains(inSection2));
    recorder.painted = QRegion();

    table.header->resizeSection(3, 140);
    QTRY_VERIFY(recorder.painted.contains(inSection3));
    QCOMPARE(recorder.painted.contains(inSection2), withParent);
    QVERIFY(!recorder.painted.contains(QPoint(table.header->sectionViewportPosition(1) + 5, 5)));
}

void TestHierarchicalHeaderView::verticalHeaderStacksLevelsSideBySide()
{
    // Rows "A" and a parent "P" (60 wide) over rows "C" and "D"; children hang in column 0.
    QStandardItemModel headerModel;
    headerModel.setItem(0, 0, new QStandardItem(QStringLiteral("A")));
    auto* parent = new QStandardItem(QStringLiteral("P"));
    parent->setData(QSize(60, 10), Qt::SizeHintRole);
    parent->appendRow(new QStandardItem(QStringLiteral("C")));
    parent->appendRow(new QStandardItem(QStringLiteral("D")));
    headerModel.setItem(1, 0, parent);
    for (int row = 0; row < 2; ++row) {
        headerModel.item(0)->setData(QSize(70, 10), Qt::SizeHintRole);
        parent->child(row)->setData(QSize(70, 10), Qt::SizeHintRole);
    }
    QStandardItemModel data(3, 2);
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&data);
    proxy.SetRowHeaderModel(&headerModel);
    QTableView view;
    auto* header = new HierarchicalHeaderView(Qt::Vertical, &view);
    view.setVerticalHeader(header);
    view.setModel(&proxy);
    view.resize(400, 300);
    header->setStretchLastSection(false);
    for (int row = 0; row < 3; ++row)
        header->resizeSection(row, 30);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QCOMPARE(header->width(), 130);
    const QImage image = header->grab().toImage();
    const int top1 = header->sectionViewportPosition(1);
    const int top2 = header->sectionViewportPosition(2);
    // The parent takes the first 60 pixels across rows 1 and 2, with no edge between them;
    // the leaves sit beside it and are split by their bottom edges.
    QVERIFY(IsBorder(image, 0, top1 + 5));
    QVERIFY(IsBorder(image, 0, top2 + 5));
    QVERIFY(!IsBorder(image, 30, top2 - 1));
    QVERIFY(IsBorder(image, 30, top2 + 29));
    QVERIFY(IsBorder(image, 60, top1 + 5));
    QVERIFY(IsBorder(image, 100, top2 - 1));
    QVERIFY(IsBorder(image, 0, top1 - 5));
    QVERIFY(!IsBorder(image, 60, top1 - 5));
}

QTEST_MAIN(TestHierarchicalHeaderView)
#include "tst_hierarchicalheaderview.moc"
