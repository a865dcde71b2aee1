// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cdlgcalipcnum.h"
#include "ui_cdlgcalipcnum.h"

#include "engine/bitrate.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "pages/pageparts.h"
#include "widgets/controls/ccombobox.h"
#include "widgets/dialogs/cwarndlg.h"
#include "widgets/itemviews/ctableview.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QAccessible>
#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSet>
#include <QStandardItemModel>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace {

constexpr int ColumnWidths[] = {180, 150, 150, 120};

QString RedText(const QString& text)
{
    return QStringLiteral("<font color=red>") + text + QStringLiteral("</font>");
}

// A message counts as shown while the page keeps it up, whether or not the page itself is on
// screen at the moment (the main window hides the page behind the other tab).
bool IsShown(const QLabel* label)
{
    return !label->isHidden();
}

} // namespace

CDlgCalIPCNum::CDlgCalIPCNum(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDlgCalIPCNumClass), m_iLastRow(-1)
{
    ui->setupUi(this);
    CTableView* table = ui->m_pIPCTableView;

    m_pHeaderModel = new QStandardItemModel;
    BuildHeaderModel(*m_pHeaderModel);
    m_pDataModel = new QStandardItemModel(TableRows, ColumnCount);
    m_pProxyModel = new ProxyModelWithHeaderModels;
    m_pProxyModel->setSourceModel(m_pDataModel);
    m_pProxyModel->SetColumnHeaderModel(m_pHeaderModel);
    m_pHeaderView = new HierarchicalHeaderView(Qt::Horizontal, table);
    table->setHeader(m_pHeaderView);
    table->setModel(m_pProxyModel);

    for (int column = 0; column < ColumnCount; ++column)
        table->setColumnWidth(column, ColumnWidths[column]);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setContextMenuPolicy(Qt::CustomContextMenu);

    table->SetCellText(0, IdColumn, tr("+click this add one record"));

    for (QComboBox* combo : {ui->m_pFirstBitRateComboBox, ui->m_pSecondBitRateComboBox}) {
        combo->addItems(BitRateChoices());
        combo->setCurrentIndex(CalDefaultBitRateIndex);
        combo->setEditable(true);
    }

    for (QLabel* label : {ui->m_pFirstBitRateLabel, ui->m_pSecondBitRateLabel,
                          ui->m_pNVRMessageLabel, ui->m_pNumberInfoLabel}) {
        label->setTextFormat(Qt::RichText);
        label->hide();
    }

    // Each combo's check runs before the recalculation its change triggers.
    connect(table, &CTableView::PressedBtn, this, &CDlgCalIPCNum::TableCellClicked);
    connect(ui->m_pFirstBitRateComboBox, &QComboBox::editTextChanged, this,
            &CDlgCalIPCNum::ConfirmFirstBitRateRange);
    connect(ui->m_pSecondBitRateComboBox, &QComboBox::editTextChanged, this,
            &CDlgCalIPCNum::ConfirmSecondBitRateRange);
    connect(ui->m_pFirstBitRateComboBox, &QComboBox::editTextChanged, this,
            &CDlgCalIPCNum::CalIPCNum);
    connect(ui->m_pSecondBitRateComboBox, &QComboBox::editTextChanged, this,
            &CDlgCalIPCNum::CalIPCNum);
    connect(table, &QWidget::customContextMenuRequested, this, &CDlgCalIPCNum::Show_ContextMenu);

    // What a click does on the table, the keyboard does too: activate the add prompt on
    // the current row, delete the selected records.
    auto* add = new QAction(table);
    add->setShortcuts(
        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)});
    add->setShortcutContext(Qt::WidgetShortcut);
    connect(add, &QAction::triggered, this,
            [this] { TableCellClicked(ui->m_pIPCTableView->currentIndex().siblingAtColumn(0)); });
    table->addAction(add);
    auto* remove = new QAction(table);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &CDlgCalIPCNum::DeleteTableRow);
    table->addAction(remove);

    setAccessibleName(tr("IPC Calculate"));
    table->setAccessibleName(tr("Select NVR"));
    ui->m_pFirstBitRateComboBox->setAccessibleName(tr("First Bit Rate"));
    ui->m_pSecondBitRateComboBox->setAccessibleName(tr("Second Bit Rate"));
    SetResult(QString());
    UpdateRecordWidgets();
}

void CDlgCalIPCNum::keyPressEvent(QKeyEvent* event)
{
    // The page is embedded in the main window: Escape must not close it as a dialog would.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgCalIPCNum::UpdateRecordWidgets()
{
    CTableView* table = ui->m_pIPCTableView;
    // Widgets placed into cells join the focus chain in the order they were created (a
    // record's channel combo is even replaced with its type); the user expects the columns
    // left to right, record after record, then the bit rates beside the table.
    QList<QWidget*> chain{table};
    const QString columns[ColumnCount] = {QString(), tr("NVR Type"), tr("Disable Channel Number"),
                                          tr("Number(tai)")};
    for (int row = 0; row < TableRows; ++row) {
        for (int column : {NVRTypeColumn, DisableChannelColumn, NumberColumn}) {
            QWidget* editor = row <= m_iLastRow ? table->GetCellWidget(row, column) : nullptr;
            // Rows below the records may still carry the name of a record deleted from them.
            NameRecordCell(table, row, column,
                           editor ? tr("%1, record %2").arg(columns[column]).arg(row + 1)
                                  : QString());
            if (editor)
                chain.append(editor);
        }
    }
    chain << ui->m_pFirstBitRateComboBox << ui->m_pSecondBitRateComboBox;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

CDlgCalIPCNum::~CDlgCalIPCNum()
{
    // The table and its cell widgets go first, while the models they show still exist.
    delete ui->m_pIPCTableView;
    delete m_pProxyModel;
    delete m_pDataModel;
    delete m_pHeaderModel;
    delete ui;
}

void CDlgCalIPCNum::BuildHeaderModel(QStandardItemModel& headerModel)
{
    auto* root = new QStandardItem(tr("NVR"));
    for (const QString& title :
         {tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")})
        root->appendColumn({new QStandardItem(title)});
    headerModel.setItem(0, 0, root);
}

void CDlgCalIPCNum::TableCellClicked(const QModelIndex& index)
{
    if (IsShown(ui->m_pNVRMessageLabel) || IsShown(ui->m_pNumberInfoLabel))
        return;
    CTableView* table = ui->m_pIPCTableView;
    const int row = index.row();
    if (!index.isValid() || index.column() != IdColumn ||
        table->GetCellText(row, IdColumn).isEmpty() || table->GetCellWidget(row, NVRTypeColumn))
        return;

    auto* number = new QLineEdit;
    // The validator goes with its editor, so deleted records leave nothing behind.
    number->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QLatin1String(CalCountPattern)), number));
    number->setText(QStringLiteral("5"));
    connect(number, &QLineEdit::textChanged, this, &CDlgCalIPCNum::ConfirmNumber);
    connect(number, &QLineEdit::textChanged, this, &CDlgCalIPCNum::CalIPCNum);
    table->SetCellWidget(row, NumberColumn, number);

    table->SetCellText(row, IdColumn, QString::number(row + 1));

    auto* type = new CComboBox;
    type->SetRow(row);
    for (const CalNVRInfo& info : NVRTypeList)
        type->addItem(info.name, info.id);
    type->setEditable(false);

    // The lowest catalogue entry the records above do not use yet.
    std::vector<int> used;
    for (int r = 0; r <= row; ++r) {
        if (CComboBox* combo = NVRTypeCombo(r))
            used.push_back(combo->currentIndex());
    }
    std::sort(used.begin(), used.end());
    int choice = used.empty() ? 0 : used.back() + 1;
    for (int k = 0; k < static_cast<int>(used.size()); ++k) {
        if (used[k] != k) {
            choice = k;
            break;
        }
    }
    type->setCurrentIndex(choice);

    m_iLastRow = row;
    connect(type, &CComboBox::comboIndexChange, this, &CDlgCalIPCNum::NVRTypeComboValueChanged);
    connect(type, &QComboBox::currentIndexChanged, this, &CDlgCalIPCNum::CalIPCNum);
    table->SetCellWidget(row, NVRTypeColumn, type);

    NVRTypeComboValueChanged(type->currentText(), row);

    if (table->GetCellText(row + 1, IdColumn).isEmpty())
        table->SetCellText(row + 1, IdColumn, tr("+click this add one record"));

    UpdateRecordWidgets();
    CalIPCNum();
}

void CDlgCalIPCNum::NVRTypeComboValueChanged(const QString& text, int iRow)
{
    ui->m_pNVRMessageLabel->hide();

    CalNVRInfo info;
    if (!FindNVRTypeByName(text, info)) {
        ShowMessage(ui->m_pNVRMessageLabel, CalMessage(CalMessages::NVRTypeInvalid));
        SetResult(QStringLiteral("0"));
        return;
    }

    // The channel choice always follows the row's type, even while that type is a duplicate:
    // otherwise repairing the other row would leave this one counting channels its new type
    // cannot disable.
    auto* channels = new CComboBox;
    for (int n = 0; n <= info.maxDisableChannels; ++n)
        channels->addItem(QString::number(n));
    channels->setEditable(false);
    channels->setEnabled(info.maxDisableChannels >= 1);
    connect(channels, &QComboBox::currentIndexChanged, this, &CDlgCalIPCNum::CalIPCNum);
    ui->m_pIPCTableView->SetCellWidget(iRow, DisableChannelColumn, channels);
    UpdateRecordWidgets();

    // All records are compared, not only the changed one: a duplicate left between two other
    // rows would otherwise go unreported and silently lose one row's recorders.
    const QString problem = NVRTypeProblem();
    if (!problem.isEmpty()) {
        ShowMessage(ui->m_pNVRMessageLabel, problem);
        SetResult(QStringLiteral("0"));
    }
}

void CDlgCalIPCNum::ConfirmFirstBitRateRange(const QString& text)
{
    ConfirmBitRateRange(text, ui->m_pFirstBitRateLabel);
}

void CDlgCalIPCNum::ConfirmSecondBitRateRange(const QString& text)
{
    ConfirmBitRateRange(text, ui->m_pSecondBitRateLabel);
}

void CDlgCalIPCNum::ConfirmBitRateRange(const QString& text, QLabel* label)
{
    if (IsValidBitRate(ParseBitRate(text))) {
        label->hide();
        return;
    }
    ShowMessage(label, CalMessage(CalMessages::BitRateInvalid) + QStringLiteral("<br/>") +
                           CalMessage(CalMessages::BitRateRange));
    SetResult(QStringLiteral("0"));
}

void CDlgCalIPCNum::ConfirmNumber(const QString& text)
{
    Q_UNUSED(text)
    // Hidden first, so that a page whose last record was deleted does not keep a message
    // that no editor can clear any more (it would refuse every new record).
    ui->m_pNumberInfoLabel->hide();
    for (int row = 0; row < TableRows; ++row) {
        QLineEdit* number = NumberEdit(row);
        if (!number)
            return;
        if (number->text().isEmpty()) {
            ShowMessage(ui->m_pNumberInfoLabel, CalMessage(CalMessages::NumberBlank));
            SetResult(QStringLiteral("0"));
            return;
        }
    }
}

void CDlgCalIPCNum::CalIPCNum()
{
    for (const QLabel* label : {ui->m_pFirstBitRateLabel, ui->m_pSecondBitRateLabel,
                                ui->m_pNVRMessageLabel, ui->m_pNumberInfoLabel}) {
        if (IsShown(label))
            return;
    }

    std::vector<CalNVRRow> rows;
    for (int row = 0; row < TableRows; ++row) {
        CComboBox* type = NVRTypeCombo(row);
        CalNVRInfo info;
        if (!type || !FindNVRTypeByName(type->currentText(), info))
            continue;
        CalNVRRow record;
        record.id = info.id;
        if (CComboBox* channels = DisableChannelCombo(row))
            record.disabledChannels = channels->currentText().toInt();
        if (QLineEdit* number = NumberEdit(row))
            record.count = CountFromText(number->text());
        rows.push_back(record);
    }
    qint64 total = 0;
    const CalNVRSelection selection = BuildNVRSelection(rows, &total);

    if (!IsTotalWithinLimit(total)) {
        CWarnDlg::ShowWarn(CalMessage(CalMessages::ErrorTitle),
                           CalMessage(CalMessages::TooManyNVRs), this);
        SetResult(QStringLiteral("0"));
        return;
    }

    const int bitRate = ParseBitRate(ui->m_pFirstBitRateComboBox->currentText()) +
                        ParseBitRate(ui->m_pSecondBitRateComboBox->currentText());
    if (!selection.empty() && bitRate > 0)
        SetResult(QString::number(CalIPCCapacity(selection, bitRate)));
    else
        SetResult(QStringLiteral("0"));
}

void CDlgCalIPCNum::Show_ContextMenu(const QPoint& pos)
{
    if (SelectedRecordRows().isEmpty())
        return;
    QMenu menu(ui->m_pIPCTableView);
    QAction* remove = menu.addAction(tr("delete"));
    connect(remove, &QAction::triggered, this, &CDlgCalIPCNum::DeleteTableRow);
    // At the point the table names: the mouse pointer, or the selected row for the menu key.
    menu.exec(ui->m_pIPCTableView->viewport()->mapToGlobal(pos));
}

void CDlgCalIPCNum::DeleteTableRow()
{
    QList<int> rows = SelectedRecordRows();
    if (rows.isEmpty())
        return;
    // From the bottom up, so the rows still to remove keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        ui->m_pIPCTableView->model()->removeRows(row, 1);
    RefreshTable();
    CalIPCNum();
}

void CDlgCalIPCNum::RefreshTable()
{
    CTableView* table = ui->m_pIPCTableView;
    // With every record still in place (nothing was removed) the prompt stays where it is.
    int prompt = m_iLastRow + 1;
    for (int row = 0; row <= m_iLastRow; ++row) {
        CComboBox* type = NVRTypeCombo(row);
        if (!type) {
            prompt = row;
            break;
        }
        type->SetRow(row);
    }

    for (int row = prompt; row <= m_iLastRow; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            if (!table->GetCellText(row, column).isEmpty())
                table->SetCellText(row, column, QString());
        }
    }
    table->SetCellText(m_iLastRow + 1, IdColumn, QString());
    table->SetCellText(prompt, IdColumn, tr("+click this add one record"));
    m_iLastRow = prompt - 1;
    UpdateRecordWidgets();

    ConfirmNumber(QString());

    const QString problem = NVRTypeProblem();
    if (problem.isEmpty())
        ui->m_pNVRMessageLabel->hide();
    else
        ShowMessage(ui->m_pNVRMessageLabel, problem);
}

CComboBox* CDlgCalIPCNum::NVRTypeCombo(int row) const
{
    return qobject_cast<CComboBox*>(ui->m_pIPCTableView->GetCellWidget(row, NVRTypeColumn));
}

CComboBox* CDlgCalIPCNum::DisableChannelCombo(int row) const
{
    return qobject_cast<CComboBox*>(ui->m_pIPCTableView->GetCellWidget(row, DisableChannelColumn));
}

QLineEdit* CDlgCalIPCNum::NumberEdit(int row) const
{
    return qobject_cast<QLineEdit*>(ui->m_pIPCTableView->GetCellWidget(row, NumberColumn));
}

QList<int> CDlgCalIPCNum::SelectedRecordRows() const
{
    QList<int> rows;
    const QItemSelectionModel* selection = ui->m_pIPCTableView->selectionModel();
    if (!selection)
        return rows;
    for (const QModelIndex& index : selection->selectedIndexes()) {
        if (index.column() == IdColumn && NVRTypeCombo(index.row()) && !rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString CDlgCalIPCNum::NVRTypeProblem() const
{
    QSet<QString> seen;
    bool duplicate = false;
    for (int row = 0; row <= m_iLastRow; ++row) {
        CComboBox* type = NVRTypeCombo(row);
        if (!type)
            continue;
        CalNVRInfo info;
        if (!FindNVRTypeByName(type->currentText(), info))
            return CalMessage(CalMessages::NVRTypeInvalid);
        if (seen.contains(info.name))
            duplicate = true;
        seen.insert(info.name);
    }
    return duplicate ? CalMessage(CalMessages::NVRTypeExists) : QString();
}

void CDlgCalIPCNum::ShowMessage(QLabel* label, const QString& text)
{
    const bool announce = label->isHidden() || label->text() != RedText(text);
    label->setText(RedText(text));
    label->show();
    if (announce) {
        // A message appearing beside the table is an alert for a screen reader.
        QAccessibleEvent alert(label, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void CDlgCalIPCNum::SetResult(const QString& text)
{
    ShowResultNumber(ui->m_pResultToolButton, text, tr("Need IPC equipment (tai)"));
}
