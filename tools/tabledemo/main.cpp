// SPDX-License-Identifier: GPL-3.0-or-later
// Shows an input table as the calculator pages build it: a two-level header over a data model
// behind the header proxy, widgets in the cells and the add prompt below the records. Clicking
// the prompt adds a record. At start one row is selected and the pointer rests on another, so
// a screenshot shows both looks.

#include "widgets/itemviews/ctableview.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

const QString Prompt = QStringLiteral("+click this add one record");

QStandardItem* AddChild(QStandardItem* parent, const QString& text)
{
    auto* child = new QStandardItem(text);
    parent->appendColumn({child});
    return child;
}

QComboBox* BitRateCombo()
{
    auto* combo = new QComboBox;
    combo->addItems({"0", "32", "64", "128", "256", "512", "1024(1M)", "2048(2M)", "4096(4M)",
                     "8192(8M)", "16384(16M)"});
    combo->setEditable(true);
    combo->setCurrentIndex(6);
    return combo;
}

void AddRecord(CTableView* table, int row)
{
    auto* count = new QLineEdit(QStringLiteral("5"));
    count->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[1-9]\\d{0,5}|(1000000)|(0)")), count));
    table->SetCellWidget(row, 3, count);
    table->SetCellText(row, 0, QString::number(row + 1));
    table->SetCellWidget(row, 1, BitRateCombo());
    table->SetCellWidget(row, 2, BitRateCombo());
    if (table->GetCellText(row + 1, 0).isEmpty())
        table->SetCellText(row + 1, 0, Prompt);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    QStandardItemModel headerModel;
    auto* root = new QStandardItem(QStringLiteral("IPC"));
    AddChild(root, QStringLiteral("ID"));
    QStandardItem* bitRate = AddChild(root, QStringLiteral("Bit Rate(Kbps)"));
    AddChild(bitRate, QStringLiteral("First Bit Rate"));
    AddChild(bitRate, QStringLiteral("Second Bit Rate"));
    AddChild(root, QStringLiteral("Number(tai)"));
    headerModel.setItem(0, 0, root);

    QStandardItemModel dataModel(12, 4);
    ProxyModelWithHeaderModels proxy;
    proxy.setSourceModel(&dataModel);
    proxy.SetColumnHeaderModel(&headerModel);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Table demo"));
    auto* layout = new QVBoxLayout(&window);
    auto* table = new CTableView(&window);
    table->setObjectName(QStringLiteral("m_pIPCTableView"));
    table->setHeader(new HierarchicalHeaderView(Qt::Horizontal, table));
    table->setModel(&proxy);
    layout->addWidget(table);
    const QList<int> widths{180, 150, 150, 120};
    for (int column = 0; column < widths.size(); ++column)
        table->setColumnWidth(column, widths.at(column));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);

    table->SetCellText(0, 0, Prompt);
    QObject::connect(table, &CTableView::PressedBtn, table, [table](const QModelIndex& index) {
        if (index.column() == 0 && table->GetCellText(index.row(), 0) == Prompt)
            AddRecord(table, index.row());
    });
    for (int row = 0; row < 3; ++row)
        AddRecord(table, row);

    window.resize(720, 420);
    window.move(40, 40);
    window.show();
    table->selectionModel()->select(proxy.index(1, 0), QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    QTimer::singleShot(300, table, [table, &proxy] {
        const QRect cell = table->visualRect(proxy.index(3, 0));
        QCursor::setPos(table->viewport()->mapToGlobal(cell.center()));
    });
    return app.exec();
}
