// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/cdateedit.h"
#include "widgets/calendar/cdatetimeedit.h"
#include "widgets/itemviews/cheaderview.h"
#include "widgets/itemviews/ctabledelegate.h"
#include "widgets/itemviews/ctableview.h"
#include "widgets/itemviews/ctreeviewdelegate.h"
#include "widgets/itemviews/ctreeviewitem.h"
#include "widgets/itemviews/ctreeviewmodel.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QWheelEvent>
#include <QtTest>

namespace {

const QRgb Sentinel = qRgb(255, 0, 255);
const QRgb Separator = qRgb(229, 229, 229);
const QRgb Hover = qRgb(251, 251, 194);
const QRgb White = qRgb(255, 255, 255);

// Like the program's style, draws no item panels (so only the delegate's own backgrounds show)
// and counts the panels asked for, per rectangle.
class PanelStyle : public QProxyStyle
{
public:
    PanelStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelItemViewItem) {
            ++panels[QPair<int, int>(option->rect.x(), option->rect.y())];
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable QHash<QPair<int, int>, int> panels;
};

QPixmap Solid(const QSize& size, QRgb colour)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(colour));
    return pixmap;
}

// Three columns, three rows of texts "r<row>c<column>"; (1, 1) is an armed button cell and
// (1, 2) a button cell whose role is false.
struct Table
{
    Table()
    {
        view.SetHeaderTexts({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        for (int row = 0; row < 3; ++row) {
            view.AppendRow();
            for (int column = 0; column < 3; ++column)
                view.SetCellText(row, column, QStringLiteral("r%1c%2").arg(row).arg(column));
        }
        view.SetCellButton(1, 1, QStringLiteral("Go"));
        view.SetCellButtonFlag(1, 2, false);
        view.resize(500, 400);
    }
    bool Show()
    {
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }
    // (-1, -1) is the empty space below the last row.
    QPoint Centre(const QPoint& cell) const
    {
        if (cell.x() < 0) {
            const QRect last = view.visualRect(view.GetIndex(view.RowCount() - 1, 0));
            return QPoint(last.center().x(), last.bottom() + 40);
        }
        return view.visualRect(view.GetIndex(cell.x(), cell.y())).center();
    }
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < view.RowCount(); ++row)
            texts << view.GetCellText(row, column);
        return texts;
    }

    CTableView view;
};

QList<QPoint> Cells(const QSignalSpy& spy)
{
    QList<QPoint> cells;
    for (const QList<QVariant>& arguments : spy) {
        const QModelIndex index = arguments.at(0).toModelIndex();
        cells << (index.isValid() ? QPoint(index.row(), index.column()) : QPoint(-1, -1));
    }
    return cells;
}

} // namespace

class TestCTableView : public QObject
{
    Q_OBJECT

private slots:
    void mouseSignals_data();
    void mouseSignals();
    void pressedCellFollowsItsRow_data();
    void pressedCellFollowsItsRow();
    void setCellTextGrowsColumns_data();
    void setCellTextGrowsColumns();
    void rowOperations_data();
    void rowOperations();
    void rowOperationsOnAnEmptyTable();
    void appendItemsAddsTopLevelRows();
    void headerTexts();
    void setHeaderChecked_data();
    void setHeaderChecked();
    void buttonAndCheckCells();
    void missingCellsAreLeftAlone();
    void cellWidgetsBelongToTheView();
    void setModelReplacesTheDefaultModel();
    void treeModelHelpersIgnoreOtherModels();
    void settingTheDefaultModelAgainKeepsIt();
    void rowsAre26PixelsHigh();
    void separatorLine_data();
    void separatorLine();
    void buttonCellsGetAPanel();
    void tableBackground_data();
    void tableBackground();
    void indentationStrip_data();
    void indentationStrip();
    void treeDelegateLook_data();
    void treeDelegateLook();
    void comboEditor_data();
    void comboEditor();
    void dateEditors_data();
    void dateEditors();
    void removingThroughTheProxyMovesWidgetsUp_data();
    void removingThroughTheProxyMovesWidgetsUp();
    void wheelOverACellCombo_data();
    void wheelOverACellCombo();
};

void TestCTableView::mouseSignals_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("button");
    QTest::addColumn<QList<QPoint>>("pressed");
    QTest::addColumn<QList<QPoint>>("clicked");
    QTest::addColumn<QList<QPoint>>("released");

    const QPoint plain(0, 0), other(2, 1), armed(1, 1), unarmed(1, 2), below(-1, -1);
    const int left = Qt::LeftButton, right = Qt::RightButton;
    using L = QList<QPoint>;
    QTest::newRow("click on a plain cell") << plain << plain << left << L{plain} << L{} << L{plain};
    QTest::newRow("press on one cell, release on another")
        << plain << other << left << L{plain} << L{} << L{other};
    QTest::newRow("click on an armed button cell")
        << armed << armed << left << L{armed} << L{armed} << L{armed};
    QTest::newRow("press on a button, release elsewhere")
        << armed << plain << left << L{armed} << L{} << L{plain};
    QTest::newRow("press elsewhere, release on a button")
        << plain << armed << left << L{plain} << L{} << L{armed};
    QTest::newRow("button cell whose role is false")
        << unarmed << unarmed << left << L{unarmed} << L{} << L{unarmed};
    QTest::newRow("right click on a button cell")
        << armed << armed << right << L{} << L{} << L{armed};
    QTest::newRow("click below the last row") << below << below << left << L{below} << L{} << L{};
    QTest::newRow("press on a button, release below the rows")
        << armed << below << left << L{armed} << L{} << L{};
}

void TestCTableView::mouseSignals()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(int, button);
    QFETCH(QList<QPoint>, pressed);
    QFETCH(QList<QPoint>, clicked);
    QFETCH(QList<QPoint>, released);
    Table table;
    QVERIFY(table.Show());
    QSignalSpy pressedSpy(&table.view, &CTableView::PressedBtn);
    QSignalSpy clickedSpy(&table.view, &CTableView::ClickedBtn);
    QSignalSpy releasedSpy(&table.view, &CTableView::SignalClickRelease);

    QTest::mousePress(table.view.viewport(), Qt::MouseButton(button), {}, table.Centre(press));
    QCOMPARE(Cells(pressedSpy), pressed);
    QTest::mouseRelease(table.view.viewport(), Qt::MouseButton(button), {}, table.Centre(release));
    QCOMPARE(Cells(pressedSpy), pressed);
    QCOMPARE(Cells(clickedSpy), clicked);
    QCOMPARE(Cells(releasedSpy), released);
}

void TestCTableView::pressedCellFollowsItsRow_data()
{
    QTest::addColumn<bool>("removePressedRow");
    QTest::addColumn<QList<QPoint>>("clicked");

    QTest::newRow("a row inserted above moves the pressed cell") << false << QList<QPoint>{{2, 1}};
    QTest::newRow("the pressed row removed disarms the release") << true << QList<QPoint>{};
}

void TestCTableView::pressedCellFollowsItsRow()
{
    QFETCH(bool, removePressedRow);
    QFETCH(QList<QPoint>, clicked);
    Table table;
    for (int row = 0; row < 3; ++row)
        table.view.SetCellButton(row, 1, QStringLiteral("Go"));
    QVERIFY(table.Show());
    QSignalSpy clickedSpy(&table.view, &CTableView::ClickedBtn);
    QSignalSpy releasedSpy(&table.view, &CTableView::SignalClickRelease);

    QTest::mousePress(table.view.viewport(), Qt::LeftButton, {}, table.Centre({1, 1}));
    if (removePressedRow) {
        table.view.RemoveRowAt(1);
        // The release falls on what was row 2, a button cell too.
        QTest::mouseRelease(table.view.viewport(), Qt::LeftButton, {}, table.Centre({1, 1}));
        QCOMPARE(Cells(releasedSpy), QList<QPoint>{QPoint(1, 1)});
    } else {
        QCOMPARE(table.view.InsertFirstRow(), 0);
        QTest::mouseRelease(table.view.viewport(), Qt::LeftButton, {}, table.Centre({2, 1}));
    }
    QCOMPARE(Cells(clickedSpy), clicked);
}

void TestCTableView::setCellTextGrowsColumns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("stored");

    QTest::newRow("inside the columns") << 1 << 3 << true;
    QTest::newRow("at the column count grows one column") << 3 << 4 << true;
    QTest::newRow("beyond the column count the model refuses") << 5 << 3 << false;
    QTest::newRow("negative column") << -1 << 3 << false;
}

void TestCTableView::setCellTextGrowsColumns()
{
    QFETCH(int, column);
    QFETCH(int, columns);
    QFETCH(bool, stored);
    Table table;
    const QString text = QStringLiteral("written");
    table.view.SetCellText(2, column, text);
    QCOMPARE(table.view.model()->columnCount(), columns);
    QCOMPARE(table.view.GetCellText(2, column), stored ? text : QString());
    QCOMPARE(table.view.GetCellData(2, column, Qt::ToolTipRole).toString(),
             stored ? text : QString());
    // The cells that were there keep their texts.
    QCOMPARE(table.view.GetCellText(2, 0), QStringLiteral("r2c0"));
}

void TestCTableView::rowOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("texts");

    const QString none;
    QTest::newRow("append a row") << "append" << 0 << 3 << QStringList{"r0c0", "r1c0", "r2c0", ""};
    QTest::newRow("insert a first row")
        << "first" << 0 << 0 << QStringList{"", "r0c0", "r1c0", "r2c0"};
    QTest::newRow("insert at an existing row")
        << "insert" << 1 << 1 << QStringList{"r0c0", "", "r1c0", "r2c0"};
    QTest::newRow("insert at the row count")
        << "insert" << 3 << -1 << QStringList{"r0c0", "r1c0", "r2c0"};
    QTest::newRow("insert at a negative row")
        << "insert" << -1 << -1 << QStringList{"r0c0", "r1c0", "r2c0"};
    QTest::newRow("remove an existing row") << "remove" << 1 << 0 << QStringList{"r0c0", "r2c0"};
    QTest::newRow("remove beyond the rows")
        << "remove" << 3 << 0 << QStringList{"r0c0", "r1c0", "r2c0"};
    QTest::newRow("remove the last row") << "last" << 0 << 0 << QStringList{"r0c0", "r1c0"};
}

void TestCTableView::rowOperations()
{
    QFETCH(QString, operation);
    QFETCH(int, argument);
    QFETCH(int, result);
    QFETCH(QStringList, texts);
    Table table;
    int answer = 0;
    if (operation == QLatin1String("append"))
        answer = table.view.AppendRow();
    else if (operation == QLatin1String("first"))
        answer = table.view.InsertFirstRow();
    else if (operation == QLatin1String("insert"))
        answer = table.view.InsertRowAt(argument);
    else if (operation == QLatin1String("remove"))
        table.view.RemoveRowAt(argument);
    else
        table.view.RemoveLastRow();
    QCOMPARE(answer, result);
    QCOMPARE(table.view.RowCount(), int(texts.size()));
    QCOMPARE(table.Column(0), texts);
}

void TestCTableView::rowOperationsOnAnEmptyTable()
{
    CTableView view;
    view.RemoveLastRow();
    QCOMPARE(view.InsertRowAt(0), -1);
    QCOMPARE(view.AppendRow(), 0);
    QCOMPARE(view.AppendRow(), 1);
    QCOMPARE(view.InsertFirstRow(), 0);
    QCOMPARE(view.RowCount(), 3);
    view.ClearAll();
    QCOMPARE(view.RowCount(), 0);
}

void TestCTableView::appendItemsAddsTopLevelRows()
{
    Table table;
    QVERIFY(!table.view.AppendItems({}));
    QList<CTreeViewItem*> items;
    for (const char* text : {"x", "y"}) {
        auto* item = new CTreeViewItem;
        item->SetData(0, QString::fromLatin1(text), Qt::DisplayRole);
        items << item;
    }
    QVERIFY(table.view.AppendItems(items));
    QCOMPARE(table.Column(0), (QStringList{"r0c0", "r1c0", "r2c0", "x", "y"}));
    QCOMPARE(table.view.GetItem(table.view.GetIndex(4, 2)), items.at(1));
    QVERIFY(!table.view.GetItem(QModelIndex()));
}

void TestCTableView::headerTexts()
{
    CTableView view;
    view.SetColumnCount(2);
    QCOMPARE(view.model()->columnCount(), 2);
    view.SetHeaderText(0, QStringLiteral("x"));
    view.SetHeaderText(1, QStringLiteral("y"));
    view.SetHeaderText(2, QStringLiteral("z"));
    view.SetHeaderText(9, QStringLiteral("refused"));
    QCOMPARE(view.model()->columnCount(), 3);

    // One column is inserted for every text, in front of the ones already there.
    view.SetHeaderTexts({QStringLiteral("A"), QStringLiteral("B")});
    QStringList headers;
    for (int column = 0; column < view.model()->columnCount(); ++column)
        headers << view.model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{"A", "B", "x", "y", "z"}));
}

void TestCTableView::setHeaderChecked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QVariant>("state");
    QTest::addColumn<QString>("shown");

    QTest::newRow("two leading blanks are dropped")
        << "  Name" << 0 << true << QVariant(2) << "Name";
    QTest::newRow("unchecked") << "  Name" << 1 << false << QVariant(0) << "Name";
    QTest::newRow("one blank stays") << " Name" << 0 << true << QVariant(2) << " Name";
    QTest::newRow("plain text stays") << "Name" << 0 << true << QVariant(2) << "Name";
    QTest::newRow("column beyond the count") << "  Name" << 2 << true << QVariant() << QString();
}

void TestCTableView::setHeaderChecked()
{
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(bool, on);
    QFETCH(QVariant, state);
    QFETCH(QString, shown);
    CTableView view;
    view.SetHeaderTexts({text, text});
    view.SetHeaderChecked(column, on);
    QAbstractItemModel* model = view.model();
    QCOMPARE(model->columnCount(), 2);
    QCOMPARE(model->headerData(column, Qt::Horizontal, Qt::CheckStateRole), state);
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), shown);
}

void TestCTableView::buttonAndCheckCells()
{
    Table table;
    CTableView& view = table.view;
    QCOMPARE(view.GetCellData(1, 2, Qt::DecorationRole), QVariant(0));
    // A button cell in a new column grows the table; a check state never does.
    view.SetCellButton(0, 3, QStringLiteral("More"));
    QCOMPARE(view.model()->columnCount(), 4);
    QCOMPARE(view.GetCellText(0, 3), QStringLiteral("More"));
    view.SetCellCheckState(0, 4, true);
    QCOMPARE(view.model()->columnCount(), 4);
    view.SetCellCheckState(2, 0, true);
    QCOMPARE(view.GetCellData(2, 0, Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void TestCTableView::missingCellsAreLeftAlone()
{
    Table table;
    CTableView& view = table.view;
    view.SetCellCheckState(7, 0, true);
    view.SetCellComboItems(0, 7, QStringList{"a"});
    view.SetCellFlags(7, 0, Qt::ItemIsEnabled);
    QVERIFY(!view.SetCellData(7, 0, QStringLiteral("x"), Qt::DisplayRole));
    view.SetCellButton(7, 0, QStringLiteral("Go"));
    QCOMPARE(view.RowCount(), 3);
    QCOMPARE(view.model()->columnCount(), 3);
    QCOMPARE(view.GetCellFlags(7, 0), Qt::NoItemFlags);
    QVERIFY(!view.GetCellData(7, 0, Qt::CheckStateRole).isValid());
    QVERIFY(!view.GetCellWidget(7, 0));
    QVERIFY(view.GetCellText(0, 7).isEmpty());
}

void TestCTableView::cellWidgetsBelongToTheView()
{
    Table table;
    QVERIFY(table.Show());
    QPointer<QLineEdit> first = new QLineEdit;
    table.view.SetCellWidget(0, 1, first);
    QCOMPARE(table.view.GetCellWidget(0, 1), first.data());
    QVERIFY(table.view.isAncestorOf(first));

    // Replacing the widget of a cell disposes of the old one.
    auto* second = new QLineEdit;
    table.view.SetCellWidget(0, 1, second);
    QCOMPARE(table.view.GetCellWidget(0, 1), second);
    QTRY_VERIFY(first.isNull());

    // A widget for a cell that does not exist stays with the caller.
    QLineEdit stray;
    table.view.SetCellWidget(9, 0, &stray);
    table.view.SetExistingCellWidget(0, 3, &stray);
    QVERIFY(!stray.parent());
    QCOMPARE(table.view.model()->columnCount(), 3);

    // SetCellWidget grows the columns; SetExistingCellWidget does not.
    auto* grown = new QLineEdit;
    table.view.SetCellWidget(0, 3, grown);
    QCOMPARE(table.view.model()->columnCount(), 4);
    QCOMPARE(table.view.GetCellWidget(0, 3), grown);
}

void TestCTableView::setModelReplacesTheDefaultModel()
{
    CTableView view;
    QPointer<QAbstractItemModel> defaultModel = view.model();
    QSignalSpy current(&view, &CTableView::currentItemChanged);
    view.AppendRow();
    view.SetColumnCount(1);
    view.setCurrentIndex(view.GetIndex(0, 0));
    QCOMPARE(current.count(), 1);

    QStandardItemModel model;
    auto* group = new QStandardItem(QStringLiteral("group"));
    group->appendRow(new QStandardItem(QStringLiteral("child")));
    model.appendRow(group);
    model.appendRow(new QStandardItem(QStringLiteral("second")));
    view.setModel(&model);
    QVERIFY(defaultModel.isNull());
    QCOMPARE(view.header()->model(), &model);
    QVERIFY(view.isExpanded(model.index(0, 0)));

    // The relay keeps working on the new selection model.
    view.setCurrentIndex(model.index(1, 0));
    QCOMPARE(current.count(), 2);
    QCOMPARE(current.at(1).at(0).toModelIndex(), model.index(1, 0));
    QCOMPARE(view.GetCellText(1, 0), QStringLiteral("second"));
}

void TestCTableView::treeModelHelpersIgnoreOtherModels()
{
    CTableView view;
    QStandardItemModel model(2, 2);
    model.setData(model.index(0, 0), QStringLiteral("kept"));
    view.setModel(&model);
    QVERIFY(!view.GetItem(model.index(0, 0)));
    QCOMPARE(view.GetCellFlags(0, 0), Qt::NoItemFlags);
    view.SetCellFlags(0, 0, Qt::NoItemFlags);
    view.ClearAll();
    auto* item = new CTreeViewItem;
    QVERIFY(!view.AppendItems({item}));
    delete item;
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEnabled);
    view.SetCellComboItems(1, 1, QStringList{"a"});
    QCOMPARE(view.GetCellData(1, 1, CTableView::ComboItemsRole).toStringList(), QStringList{"a"});
    QCOMPARE(view.GetCellText(0, 0), QStringLiteral("kept"));
}

void TestCTableView::settingTheDefaultModelAgainKeepsIt()
{
    CTableView view;
    QPointer<QAbstractItemModel> defaultModel = view.model();
    view.setModel(defaultModel);
    QVERIFY(!defaultModel.isNull());
    QCOMPARE(view.model(), defaultModel.data());
    QCOMPARE(view.AppendRow(), 0);
}

void TestCTableView::rowsAre26PixelsHigh()
{
    Table table;
    table.view.SetCellText(1, 0, QStringLiteral("three\nline\ntext"));
    table.view.setItemDelegateForRow(2, new CTreeViewDelegate(&table.view, &table.view));
    QVERIFY(table.Show());
    for (int row = 0; row < 3; ++row)
        QCOMPARE(table.view.visualRect(table.view.GetIndex(row, 0)).height(), 26);
}

void TestCTableView::separatorLine_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("line on") << true;
    QTest::newRow("line off") << false;
}

void TestCTableView::separatorLine()
{
    QFETCH(bool, on);
    Table table;
    PanelStyle style;
    table.view.setStyle(&style);
    table.view.SetDrawRowLine(on);
    QVERIFY(table.Show());
    const QImage image = table.view.viewport()->grab().toImage();
    const int right = table.view.viewport()->width() - 1;
    for (int row = 0; row < 3; ++row) {
        const int bottom = table.view.visualRect(table.view.GetIndex(row, 0)).bottom();
        QCOMPARE(image.pixel(2, bottom) == Separator, on);
        QCOMPARE(image.pixel(right, bottom) == Separator, on);
        QCOMPARE(image.pixel(right / 2, bottom) == Separator, on);
        QVERIFY(image.pixel(1, bottom) != Separator);
        QVERIFY(image.pixel(right / 2, bottom - 1) != Separator);
    }
}

void TestCTableView::buttonCellsGetAPanel()
{
    Table table;
    PanelStyle style;
    table.view.setStyle(&style);
    QVERIFY(table.Show());
    style.panels.clear();
    table.view.viewport()->grab();
    auto panelsAt = [&](int row, int column) {
        const QRect rect = table.view.visualRect(table.view.GetIndex(row, column));
        return style.panels.value(QPair<int, int>(rect.x(), rect.y()));
    };
    // The delegate's own panel comes on top of the one the base drawing asks for.
    QCOMPARE(panelsAt(0, 1), 1);
    QCOMPARE(panelsAt(1, 0), 1);
    QCOMPARE(panelsAt(1, 1), 2);
    QCOMPARE(panelsAt(1, 2), 2);
}

void TestCTableView::tableBackground_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QRgb>("colour");

    const int enabled = QStyle::State_Enabled;
    const QRgb picture = qRgb(10, 20, 30);
    QTest::newRow("plain cell is white") << enabled << White;
    QTest::newRow("hovered cell") << (enabled | QStyle::State_MouseOver) << Hover;
    QTest::newRow("selected cell shows the selection picture")
        << (enabled | QStyle::State_Selected) << picture;
    QTest::newRow("selected and hovered shows the picture")
        << (enabled | QStyle::State_Selected | QStyle::State_MouseOver) << picture;
    QTest::newRow("disabled cell gets no background") << int(QStyle::State_None) << Sentinel;
    QTest::newRow("disabled selected cell gets none either")
        << int(QStyle::State_Selected) << Sentinel;
}

void TestCTableView::tableBackground()
{
    QFETCH(int, state);
    QFETCH(QRgb, colour);
    QPixmapCache::insert(QStringLiteral(":images/public/TreeView/ViewMidItem.png"),
                         Solid(QSize(4, 25), qRgb(10, 20, 30)));
    Table table;
    PanelStyle style;
    table.view.setStyle(&style);
    CTableDelegate delegate(&table.view);
    QImage image(200, 26, QImage::Format_RGB32);
    image.fill(Sentinel);
    QStyleOptionViewItem option;
    option.initFrom(&table.view);
    option.widget = &table.view;
    option.rect = QRect(0, 0, 200, 26);
    option.state = QStyle::State(state);
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, table.view.GetIndex(0, 1));
    }
    QCOMPARE(image.pixel(190, 2), colour);
    QPixmapCache::clear();
}

void TestCTableView::indentationStrip_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("showDecorationSelected");
    QTest::addColumn<int>("column");
    QTest::addColumn<QRgb>("strip");
    QTest::addColumn<QRgb>("arrow");
    QTest::addColumn<QRgb>("cell");

    const int enabled = QStyle::State_Enabled;
    const QRgb down = qRgb(0, 0, 200), rightArrow = qRgb(0, 200, 0);
    QTest::newRow("closed row") << enabled << true << 0 << White << rightArrow << White;
    QTest::newRow("open row") << (enabled | int(QStyle::State_Open)) << true << 0 << White << down
                              << White;
    QTest::newRow("hovered row") << (enabled | int(QStyle::State_MouseOver)) << true << 0 << Hover
                                 << rightArrow << Hover;
    QTest::newRow("disabled row keeps only the arrow")
        << int(QStyle::State_None) << true << 0 << Sentinel << rightArrow << Sentinel;
    QTest::newRow("without decoration selection")
        << enabled << false << 0 << Sentinel << Sentinel << White;
    QTest::newRow("not the first column") << enabled << true << 1 << Sentinel << Sentinel << White;
}

void TestCTableView::indentationStrip()
{
    QFETCH(int, state);
    QFETCH(bool, showDecorationSelected);
    QFETCH(int, column);
    QFETCH(QRgb, strip);
    QFETCH(QRgb, arrow);
    QFETCH(QRgb, cell);
    QPixmapCache::insert(QStringLiteral(":images/button/down-arrow.png"),
                         Solid(QSize(6, 6), qRgb(0, 0, 200)));
    QPixmapCache::insert(QStringLiteral(":images/button/config_right-arrow.png"),
                         Solid(QSize(6, 6), qRgb(0, 200, 0)));
    Table table;
    PanelStyle style;
    table.view.setStyle(&style);
    CTableDelegate delegate(&table.view);
    QImage image(200, 26, QImage::Format_RGB32);
    image.fill(Sentinel);
    QStyleOptionViewItem option;
    option.initFrom(&table.view);
    option.widget = &table.view;
    option.rect = QRect(40, 0, 160, 26); // an indented cell
    option.state = QStyle::State(state);
    option.showDecorationSelected = showDecorationSelected;
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, table.view.GetIndex(0, column));
    }
    // The arrow box is 16 wide from 12 pixels left of the strip's right edge.
    const QPoint arrowCentre(39 - 12 + 8, 13);
    QCOMPARE(image.pixel(2, 2), strip);
    QCOMPARE(image.pixel(arrowCentre), arrow);
    QCOMPARE(image.pixel(150, 2), cell);
    QPixmapCache::clear();
}

void TestCTableView::treeDelegateLook_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("state");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QRgb>("arrow");
    QTest::addColumn<QRgb>("besideArrow");

    const QRgb normal = qRgb(1, 1, 100), first = qRgb(1, 100, 1), up = qRgb(100, 1, 1),
               down = qRgb(200, 1, 1), hover = qRgb(1, 200, 200);
    const int enabled = QStyle::State_Enabled;
    QTest::newRow("closed group row") << "group" << enabled << normal << up << normal;
    QTest::newRow("open group row")
        << "group" << (enabled | int(QStyle::State_Open)) << normal << down << normal;
    QTest::newRow("hovered group row")
        << "group" << (enabled | int(QStyle::State_MouseOver)) << normal << up << hover;
    QTest::newRow("first child row") << "first" << enabled << first << first << first;
    QTest::newRow("later child row") << "later" << enabled << Sentinel << Sentinel << Sentinel;
}

void TestCTableView::treeDelegateLook()
{
    QFETCH(QString, row);
    QFETCH(int, state);
    QFETCH(QRgb, background);
    QFETCH(QRgb, arrow);
    QFETCH(QRgb, besideArrow);
    const QString tree = QStringLiteral(":images/public/TreeView/");
    QPixmapCache::insert(tree + QStringLiteral("TreeNormal.png"),
                         Solid(QSize(20, 20), qRgb(1, 1, 100)));
    QPixmapCache::insert(tree + QStringLiteral("TreeSelect.png"),
                         Solid(QSize(20, 20), qRgb(1, 100, 1)));
    QPixmapCache::insert(tree + QStringLiteral("TreeArrowUp.png"),
                         Solid(QSize(10, 8), qRgb(100, 1, 1)));
    QPixmapCache::insert(tree + QStringLiteral("TreeArrowDown.png"),
                         Solid(QSize(10, 8), qRgb(200, 1, 1)));
    QPixmapCache::insert(tree + QStringLiteral("TreeArrowHover.png"),
                         Solid(QSize(14, 12), qRgb(1, 200, 200)));

    QStandardItemModel model;
    auto* group = new QStandardItem(QStringLiteral("G"));
    group->appendRow(new QStandardItem(QStringLiteral("c0")));
    group->appendRow(new QStandardItem(QStringLiteral("c1")));
    model.appendRow(group);
    const QModelIndex index = row == QLatin1String("group") ? model.index(0, 0)
                              : row == QLatin1String("first")
                                  ? model.index(0, 0, model.index(0, 0))
                                  : model.index(1, 0, model.index(0, 0));
    CTableView view;
    PanelStyle style;
    view.setStyle(&style);
    CTreeViewDelegate delegate(&view);
    QImage image(300, 26, QImage::Format_RGB32);
    image.fill(Sentinel);
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.rect = QRect(0, 0, 300, 26);
    option.state = QStyle::State(state);
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, index);
    }
    // The arrow sits 4 pixels from the right, centred: x 286..295, y 9..16; the hover
    // picture at the same place reaches to x 299, y 20.
    QCOMPARE(image.pixel(150, 2), background);
    QCOMPARE(image.pixel(290, 12), arrow);
    QCOMPARE(image.pixel(298, 19), besideArrow);
    QPixmapCache::clear();
}

void TestCTableView::comboEditor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("current");

    QTest::newRow("text among the choices") << "b" << QStringList{"a", "b", "c"} << 1;
    QTest::newRow("missing text becomes the last choice")
        << "zz" << QStringList{"a", "b", "c", "zz"} << 3;
    QTest::newRow("the look-up is case-sensitive") << "B" << QStringList{"a", "b", "c", "B"} << 3;
}

void TestCTableView::comboEditor()
{
    QFETCH(QString, text);
    QFETCH(QStringList, choices);
    QFETCH(int, current);
    Table table;
    QVERIFY(table.Show());
    table.view.SetCellText(0, 1, text);
    table.view.SetCellComboItems(0, 1, QStringList{"a", "b", "c"});
    const QModelIndex cell = table.view.GetIndex(0, 1);
    table.view.edit(cell);
    auto* combo = qobject_cast<QComboBox*>(table.view.indexWidget(cell));
    QVERIFY(combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, choices);
    QCOMPARE(combo->currentIndex(), current);
    QCOMPARE(table.view.GetCellData(0, 1, CTableView::ComboItemsRole).toStringList(), choices);
    QCOMPARE(combo->size(), table.view.visualRect(cell).size());

    combo->setCurrentIndex(2);
    QTest::keyClick(combo, Qt::Key_Return);
    QTRY_COMPARE(table.view.GetCellText(0, 1), QStringLiteral("c"));
    QCOMPARE(table.view.GetCellData(0, 1, CTableView::ComboIndexRole).toInt(), 2);
    QTRY_VERIFY(!table.view.indexWidget(cell));
}

void TestCTableView::dateEditors_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("dateOnlyEditor");
    QTest::addColumn<QVariant>("stored");

    const QDate before(2024, 3, 5), after(2025, 12, 31);
    const QTime time(14, 30);
    QTest::newRow("date-time cell")
        << int(CTableView::DateTimeRole) << QVariant(QDateTime(before, time)) << false
        << QVariant(QDateTime(after, time));
    QTest::newRow("date-time cell holding a date")
        << int(CTableView::DateTimeRole) << QVariant(before) << false
        << QVariant(QDateTime(after, QTime(0, 0)));
    QTest::newRow("date cell") << int(CTableView::DateRole) << QVariant(before) << true
                               << QVariant(after);
}

void TestCTableView::dateEditors()
{
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(bool, dateOnlyEditor);
    QFETCH(QVariant, stored);
    Table table;
    QVERIFY(table.Show());
    QVERIFY(table.view.SetCellData(2, 2, value, role));
    table.view.SetCellFlags(2, 2, table.view.GetCellFlags(2, 2) | Qt::ItemIsEditable);
    const QModelIndex cell = table.view.GetIndex(2, 2);
    table.view.edit(cell);
    auto* editor = qobject_cast<QDateTimeEdit*>(table.view.indexWidget(cell));
    QVERIFY(editor);
    QVERIFY(qobject_cast<CDateTimeEdit*>(editor));
    QCOMPARE(qobject_cast<CDateEdit*>(editor) != nullptr, dateOnlyEditor);
    QCOMPARE(editor->date(), QDate(2024, 3, 5));

    editor->setDate(QDate(2025, 12, 31));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(table.view.GetCellText(2, 2), QStringLiteral("2025-12-31"));
    QCOMPARE(table.view.GetCellData(2, 2, role), stored);
}

void TestCTableView::removingThroughTheProxyMovesWidgetsUp_data()
{
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QStringList>("widgets");

    QTest::newRow("middle row") << QList<int>{1} << QStringList{"w0", "w2", "w3", "w4", ""};
    QTest::newRow("first row") << QList<int>{0} << QStringList{"w1", "w2", "w3", "w4", ""};
    QTest::newRow("last row") << QList<int>{4} << QStringList{"w0", "w1", "w2", "w3", ""};
    QTest::newRow("two rows, highest first")
        << QList<int>{3, 1} << QStringList{"w0", "w2", "w4", "", ""};
}

void TestCTableView::removingThroughTheProxyMovesWidgetsUp()
{
    QFETCH(QList<int>, removed);
    QFETCH(QStringList, widgets);
    // Built as the pages build their input tables.
    QStandardItemModel headerModel;
    auto* top = new QStandardItem(QStringLiteral("IPC"));
    for (const char* text : {"ID", "Bit Rate", "Number"})
        top->appendColumn({new QStandardItem(QString::fromLatin1(text))});
    headerModel.setItem(0, 0, top);
    QStandardItemModel data(5, 3);
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&data);
    proxy.SetColumnHeaderModel(&headerModel);
    CTableView view;
    view.setHeader(new HierarchicalHeaderView(Qt::Horizontal, &view));
    view.setModel(&proxy);
    view.resize(500, 400);
    QList<QPointer<QLineEdit>> editors;
    for (int row = 0; row < 5; ++row) {
        view.SetCellText(row, 0, QString::number(row + 1));
        editors << new QLineEdit(QStringLiteral("w%1").arg(row));
        view.SetCellWidget(row, 2, editors.last());
    }
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    for (int row : removed)
        QVERIFY(proxy.removeRow(row));

    QCOMPARE(view.RowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(view.GetCellText(row, 0), QString::number(row + 1));
        auto* editor = qobject_cast<QLineEdit*>(view.GetCellWidget(row, 2));
        QCOMPARE(editor ? editor->text() : QString(), widgets.at(row));
        if (editor)
            QTRY_COMPARE(editor->geometry().top(), view.visualRect(proxy.index(row, 2)).top());
    }
    for (int row : removed)
        QTRY_VERIFY(editors.at(row).isNull());
}

void TestCTableView::wheelOverACellCombo_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("closed unfocused combo: the table scrolls") << false << false << true;
    QTest::newRow("editable unfocused combo: the table scrolls") << true << false << true;
    QTest::newRow("the combo being worked with keeps its wheel") << false << true << false;
}

void TestCTableView::wheelOverACellCombo()
{
    QFETCH(bool, editable);
    QFETCH(bool, focused);
    QFETCH(bool, scrolls);

    Table table;
    for (int row = 3; row < 60; ++row)
        table.view.AppendRow();
    table.view.resize(500, 200);
    QVERIFY(table.Show());
    QVERIFY(QTest::qWaitForWindowActive(&table.view));
    auto* combo = new QComboBox;
    combo->addItems(
        {QStringLiteral("1024(1M)"), QStringLiteral("2048(2M)"), QStringLiteral("4096(4M)")});
    combo->setEditable(editable);
    table.view.SetCellWidget(1, 1, combo);
    QCoreApplication::processEvents();
    if (focused) {
        // Gone to with the keyboard, as a user works with it.
        combo->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(combo->hasFocus());
    } else {
        // Focus handed over by the view, as when a wheel passes the cell: still not chosen.
        table.view.setCurrentIndex(table.view.GetIndex(1, 1));
    }

    const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
    QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);

    QCOMPARE(combo->currentIndex(), scrolls ? 0 : 1);
    QCOMPARE(table.view.verticalScrollBar()->value() > 0, scrolls);
}

QTEST_MAIN(TestCTableView)
#include "tst_ctableview.moc"
