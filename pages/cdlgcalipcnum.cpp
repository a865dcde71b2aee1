// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cdlgcalipcnum.h"
#include "pages/cestimatedlg.h"
#include "ui_cdlgcalipcnum.h"

#include "engine/bitrate.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "plan/planfile.h"
#include "widgets/controls/ccombobox.h"
#include "widgets/itemviews/crecordtable.h"
#include "widgets/itemviews/ctableview.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSet>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QToolButton>
#include <algorithm>
#include <vector>

CDlgCalIPCNum::CDlgCalIPCNum(QWidget* parent)
    : CCalculatorPage(parent), ui(new Ui::CDlgCalIPCNumClass), m_pRecords(nullptr)
{
    ui->setupUi(this);

    CRecordTable::Columns columns;
    columns.count = ColumnCount;
    columns.editors = {NVRTypeColumn, DisableChannelColumn, NumberColumn};
    columns.names = {QString(), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")};
    columns.widths = {180, 150, 150, 120};
    columns.keyColumn = NVRTypeColumn;
    m_pRecords = new CRecordTable(
        ui->m_pIPCTableView, TableRows, columns, tr("+click this add one record"),
        [this](QStandardItemModel& model) { BuildHeaderModel(model); },
        [this](int row) { MakeRecordEditors(row); },
        [this] {
            for (const QLabel* label : {ui->m_pNVRMessageLabel, ui->m_pNumberInfoLabel}) {
                if (IsShown(label))
                    return PlainMessage(label);
            }
            return QString();
        },
        this);
    connect(m_pRecords, &CRecordTable::RecordAdded, this, [this] {
        CalIPCNum();
        NoteChange();
    });
    connect(m_pRecords, &CRecordTable::Refreshed, this, &CDlgCalIPCNum::RecordsRefreshed);
    connect(m_pRecords, &CRecordTable::Deleted, this, &CDlgCalIPCNum::CalIPCNum);

    for (QComboBox* combo : {ui->m_pFirstBitRateComboBox, ui->m_pSecondBitRateComboBox}) {
        combo->addItems(BitRateChoices());
        combo->setCurrentIndex(CalDefaultBitRateIndex);
        combo->setEditable(true);
        // As much as a plan keeps of a typed bit rate.
        combo->lineEdit()->setMaxLength(PlanFormat::MaxTextChars);
        OfferEstimate(combo, [this] { EstimateBitRates(); });
    }

    for (QLabel* label : {ui->m_pFirstBitRateLabel, ui->m_pSecondBitRateLabel,
                          ui->m_pNVRMessageLabel, ui->m_pNumberInfoLabel}) {
        label->setTextFormat(Qt::RichText);
        label->hide();
    }

    // Each combo's check runs before the recalculation its change triggers.
    connect(ui->m_pFirstBitRateComboBox, &QComboBox::editTextChanged, this,
            &CDlgCalIPCNum::ConfirmFirstBitRateRange);
    connect(ui->m_pSecondBitRateComboBox, &QComboBox::editTextChanged, this,
            &CDlgCalIPCNum::ConfirmSecondBitRateRange);
    for (QComboBox* combo : {ui->m_pFirstBitRateComboBox, ui->m_pSecondBitRateComboBox}) {
        connect(combo, &QComboBox::editTextChanged, this, &CDlgCalIPCNum::CalIPCNum);
        connect(combo, &QComboBox::editTextChanged, this, &CDlgCalIPCNum::NoteChange);
    }

    // The share of each recorder's bandwidth kept free, under the bit rates it applies to.
    auto* reserveLabel = new QLabel(tr("Bandwidth kept free (%):"), this);
    m_pReserveEdit = new QLineEdit(QStringLiteral("0"), this);
    m_pReserveEdit->setObjectName(QStringLiteral("m_pBandwidthReserveEdit"));
    m_pReserveEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*[0-9]{0,4}\\s*")), m_pReserveEdit));
    m_pReserveEdit->setToolTip(
        tr("Each recorder takes cameras up to its bandwidth less this share, which is left for "
           "growth and bit-rate peaks"));
    m_pReserveEdit->setAccessibleName(tr("Bandwidth kept free (%)"));
    m_pReserveEdit->setFixedSize(ui->m_pFirstBitRateComboBox->maximumSize());
    SayRefusedInput(m_pReserveEdit);
    reserveLabel->setBuddy(m_pReserveEdit);
    m_pReserveLabel = new QLabel(this);
    m_pReserveLabel->setObjectName(QStringLiteral("m_pReserveInformation"));
    m_pReserveLabel->setTextFormat(Qt::RichText);
    m_pReserveLabel->setWordWrap(true);
    m_pReserveLabel->hide();
    ui->gridLayout_2->addWidget(reserveLabel, 4, 0);
    ui->gridLayout_2->addWidget(m_pReserveEdit, 4, 1);
    ui->gridLayout_2->addWidget(m_pReserveLabel, 5, 0, 1, 2);
    connect(m_pReserveEdit, &QLineEdit::textChanged, this, [this] {
        const QString problem = BandwidthReserveMessage(m_pReserveEdit->text().trimmed().toInt());
        if (problem.isEmpty()) {
            m_pReserveLabel->hide();
        } else {
            ShowMessageLabel(m_pReserveLabel, problem);
            SetResult(QString());
        }
        CalIPCNum();
        NoteChange();
    });

    setAccessibleName(tr("IPC Calculate"));
    ui->m_pIPCTableView->setAccessibleName(tr("Select NVR"));
    ui->m_pFirstBitRateComboBox->setAccessibleName(tr("First Bit Rate"));
    ui->m_pSecondBitRateComboBox->setAccessibleName(tr("Second Bit Rate"));
    SetResult(QString());
    m_pRecords->SetTrailingWidgets(
        {ui->m_pFirstBitRateComboBox, ui->m_pSecondBitRateComboBox, m_pReserveEdit});
    m_pRecords->UpdateRecordWidgets();
}

CDlgCalIPCNum::~CDlgCalIPCNum()
{
    // The table and its cell widgets go first, while the models they show still exist.
    delete m_pRecords;
    delete ui;
}

IpcPageState CDlgCalIPCNum::State() const
{
    IpcPageState state;
    for (int row = 0; row < m_pRecords->RecordCount(); ++row) {
        if (!m_pRecords->HasEditors(row)) {
            state.recorders.append(m_waiting.value(row));
            continue;
        }
        PlanRecorder recorder;
        if (CComboBox* type = NVRTypeCombo(row))
            recorder.model = type->currentText();
        recorder.disabledChannels = DisabledChannels(row);
        if (QLineEdit* number = NumberEdit(row))
            recorder.count =
                number->text().trimmed().isEmpty() ? PlanBlankCount : CountFromText(number->text());
        state.recorders.append(recorder);
    }
    state.ipcFirstBitRate = ui->m_pFirstBitRateComboBox->currentText();
    state.ipcFirstEstimate = BoxEstimate(ui->m_pFirstBitRateComboBox);
    state.ipcSecondEstimate = BoxEstimate(ui->m_pSecondBitRateComboBox);
    state.ipcSecondBitRate = ui->m_pSecondBitRateComboBox->currentText();
    state.ipcBandwidthReservePercent = m_pReserveEdit->text().trimmed().toInt();
    return state;
}

void CDlgCalIPCNum::SetState(const IpcPageState& state)
{
    // The page recalculates on every change and warns above 1000000 recorders: only the state
    // entered in full is calculated, so no passing sum can raise the warning.
    m_bSettingState = true;
    const int records = int(std::min<qsizetype>(state.recorders.size(), TableRows));
    m_pRecords->Truncate(records);
    m_waiting.removeIf([records](const auto& waiting) { return waiting.key() >= records; });
    // The rows on show get their editors now, the others while the program is idle.
    if (m_pRecords->RecordCount() < records)
        m_pRecords->AddRecords(records - m_pRecords->RecordCount(), CRecordTable::Editors::OnShow);
    for (int row = 0; row < records; ++row) {
        const PlanRecorder& recorder = state.recorders.at(row);
        if (!m_pRecords->HasEditors(row)) {
            // A record its editors would show otherwise (a model they do not offer, channels
            // it cannot disable) leaves that to them: the page's state is what they show.
            CalNVRInfo info;
            if (FindModelByName(m_models, recorder.model, info) && info.name == recorder.model &&
                IsValidDisabledChannels(info, recorder.disabledChannels) &&
                (recorder.count >= 0 || recorder.count == PlanBlankCount)) {
                m_waiting.insert(row, recorder);
                continue;
            }
            m_pRecords->MakeEditors();
        }
        ShowRecorder(row, recorder);
    }
    EnterComboText(ui->m_pFirstBitRateComboBox, state.ipcFirstBitRate);
    SetBoxEstimate(ui->m_pFirstBitRateComboBox, state.ipcFirstEstimate);
    EnterComboText(ui->m_pSecondBitRateComboBox, state.ipcSecondBitRate);
    SetBoxEstimate(ui->m_pSecondBitRateComboBox, state.ipcSecondEstimate);
    if (m_pReserveEdit->text().trimmed().toInt() != state.ipcBandwidthReservePercent ||
        m_pReserveEdit->text().trimmed().isEmpty())
        m_pReserveEdit->setText(QString::number(state.ipcBandwidthReservePercent));
    m_bSettingState = false;

    ConfirmNumber(QString());
    ConfirmNVRTypes();
    ConfirmFirstBitRateRange(ui->m_pFirstBitRateComboBox->currentText());
    ConfirmSecondBitRateRange(ui->m_pSecondBitRateComboBox->currentText());
    CalIPCNum();
    emit StateChanged();
}

void CDlgCalIPCNum::ShowRecorder(int row, const PlanRecorder& recorder)
{
    if (CComboBox* type = NVRTypeCombo(row)) {
        const int index = type->findText(recorder.model);
        if (index >= 0)
            type->setCurrentIndex(index);
    }
    // The type's change may have put a new channel box in place.
    if (CComboBox* channels = DisableChannelCombo(row)) {
        const int index = channels->findText(QString::number(recorder.disabledChannels));
        if (index >= 0)
            channels->setCurrentIndex(index);
    }
    if (QLineEdit* number = NumberEdit(row)) {
        const QString text =
            recorder.count == PlanBlankCount ? QString() : QString::number(recorder.count);
        if (number->text() != text)
            number->setText(text);
    }
}

IpcPageState CDlgCalIPCNum::InitialState()
{
    IpcPageState start;
    // The boxes offer BitRateChoices() and start at the default one.
    start.ipcFirstBitRate = start.ipcSecondBitRate = BitRateChoices().at(CalDefaultBitRateIndex);
    return start;
}

void CDlgCalIPCNum::Reset()
{
    SetState(InitialState());
    // Nothing is calculated until the user enters something.
    SetResult(QString());
}

void CDlgCalIPCNum::EstimateBitRates()
{
    CEstimateDlg dialog(BoxEstimate(ui->m_pFirstBitRateComboBox),
                        BoxEstimate(ui->m_pSecondBitRateComboBox), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    IpcPageState state = State();
    state.ipcFirstBitRate = dialog.BitRateText(0);
    state.ipcFirstEstimate = dialog.Settings(0);
    state.ipcSecondBitRate = dialog.BitRateText(1);
    state.ipcSecondEstimate = dialog.Settings(1);
    // Entered as a whole, so that both boxes change in one step.
    SetState(state);
}

void CDlgCalIPCNum::SetModels(const CalModelList& own)
{
    // Records waiting for their editors were checked against the models before these.
    m_pRecords->MakeEditors();
    const IpcPageState before = State();
    m_models = own;
    m_bSettingState = true;
    for (int row = 0; row < m_pRecords->RecordCount(); ++row) {
        if (CComboBox* type = NVRTypeCombo(row)) {
            FillModelChoice(type, m_models);
            // An edited model may offer other channels to disable.
            NVRTypeComboValueChanged(type->currentText(), row);
        }
    }
    m_bSettingState = false;
    // Entered again, so that the channels, the checks and the result follow the models.
    SetState(before);
}

QString CDlgCalIPCNum::ResultTotal() const
{
    // The box groups the digits for reading; the figure itself has none.
    return ui->m_pResultToolButton->text().remove(QRegularExpression(QStringLiteral("\\D")));
}

QWidget* CDlgCalIPCNum::ResultView() const
{
    return ui->m_pResultToolButton;
}

void CDlgCalIPCNum::NoteChange()
{
    if (!m_bSettingState)
        emit StateChanged();
}

void CDlgCalIPCNum::BuildHeaderModel(QStandardItemModel& headerModel)
{
    auto* root = new QStandardItem(tr("NVR"));
    for (const QString& title :
         {tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")})
        root->appendColumn({new QStandardItem(title)});
    headerModel.setItem(0, 0, root);
}

void CDlgCalIPCNum::MakeRecordEditors(int row)
{
    CTableView* table = ui->m_pIPCTableView;
    // Made in the table's viewport, so that each is styled once rather than again when the
    // table takes it.
    auto* number = new QLineEdit(table->viewport());
    // The validator goes with its editor, so deleted records leave nothing behind.
    static const QRegularExpression count{QLatin1String(CalCountPattern)};
    number->setValidator(new QRegularExpressionValidator(count, number));
    SayRefusedInput(number);
    number->setText(QStringLiteral("5"));
    connect(number, &QLineEdit::textChanged, this, &CDlgCalIPCNum::ConfirmNumber);
    connect(number, &QLineEdit::textChanged, this, &CDlgCalIPCNum::CalIPCNum);
    connect(number, &QLineEdit::textChanged, this, &CDlgCalIPCNum::NoteChange);
    table->SetCellWidget(row, NumberColumn, number);

    auto* type = new CComboBox(table->viewport());
    type->SetRow(row);
    FillModelChoice(type, m_models);
    type->setEditable(false);

    // The lowest catalogue entry the records above do not use yet.
    std::vector<int> used;
    for (int r = 0; r < row; ++r) {
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

    connect(type, &CComboBox::comboIndexChange, this, &CDlgCalIPCNum::NVRTypeComboValueChanged);
    connect(type, &QComboBox::currentIndexChanged, this, &CDlgCalIPCNum::CalIPCNum);
    connect(type, &QComboBox::currentIndexChanged, this, &CDlgCalIPCNum::NoteChange);
    table->SetCellWidget(row, NVRTypeColumn, type);

    NVRTypeComboValueChanged(type->currentText(), row);

    // A record of an opened plan: its values were the page's all along, so no change to note;
    // the checks and the result follow them as when the plan was entered.
    const auto waiting = m_waiting.constFind(row);
    if (waiting != m_waiting.cend()) {
        const PlanRecorder recorder = *waiting;
        m_waiting.erase(waiting);
        const bool outer = !m_bSettingState;
        m_bSettingState = true;
        ShowRecorder(row, recorder);
        if (!outer)
            return;
        m_bSettingState = false;
        ConfirmNumber(QString());
        ConfirmNVRTypes();
        CalIPCNum();
    }
}

void CDlgCalIPCNum::NVRTypeComboValueChanged(const QString& text, int iRow)
{
    ui->m_pNVRMessageLabel->hide();

    CalNVRInfo info;
    if (!FindModelByName(m_models, text, info)) {
        ShowMessageLabel(ui->m_pNVRMessageLabel, CalMessage(CalMessages::NVRTypeInvalid));
        SetResult(QString());
        return;
    }

    // The channel choice always follows the row's type, even while that type is a duplicate:
    // otherwise repairing the other row would leave this one counting channels its new type
    // cannot disable. A choice of the same channels is set back to none in place, as a new one
    // would start; the caller recalculates.
    if (CComboBox* same = DisableChannelCombo(iRow);
        same && same->count() == info.maxDisableChannels + 1) {
        const QSignalBlocker quiet(same);
        same->setCurrentIndex(0);
    } else {
        auto* channels = new CComboBox(ui->m_pIPCTableView->viewport());
        for (int n = 0; n <= info.maxDisableChannels; ++n)
            channels->addItem(QString::number(n));
        channels->setEditable(false);
        channels->setEnabled(info.maxDisableChannels >= 1);
        connect(channels, &QComboBox::currentIndexChanged, this, &CDlgCalIPCNum::CalIPCNum);
        connect(channels, &QComboBox::currentIndexChanged, this, &CDlgCalIPCNum::NoteChange);
        ui->m_pIPCTableView->SetCellWidget(iRow, DisableChannelColumn, channels);
        m_pRecords->UpdateRecordWidgets();
    }

    // All records are compared, not only the changed one: a duplicate left between two other
    // rows would otherwise go unreported and silently lose one row's recorders.
    const QString problem = NVRTypeProblem();
    if (!problem.isEmpty()) {
        ShowMessageLabel(ui->m_pNVRMessageLabel, problem);
        SetResult(QString());
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
    if (BitRateProblem(text) == CalMessages::BitRateWhole)
        ShowMessageLabel(label, CalMessage(CalMessages::BitRateWhole));
    else
        ShowMessageLabel(label, CalMessage(CalMessages::BitRateInvalid) + QStringLiteral("<br/>") +
                                    CalMessage(CalMessages::BitRateRange));
    SetResult(QString());
}

void CDlgCalIPCNum::ConfirmNumber(const QString& text)
{
    Q_UNUSED(text)
    // Hidden first, so that a page whose last record was deleted does not keep a message
    // that no editor can clear any more (it would refuse every new record).
    ui->m_pNumberInfoLabel->hide();
    for (int row = 0; row < TableRows; ++row) {
        const std::optional<QString> number = NumberText(row);
        if (!number)
            return;
        if (number->trimmed().isEmpty()) {
            ShowMessageLabel(ui->m_pNumberInfoLabel, CalMessage(CalMessages::NumberBlank));
            SetResult(QString());
            return;
        }
    }
}

void CDlgCalIPCNum::CalIPCNum()
{
    if (m_bSettingState)
        return;
    for (const QLabel* label : {ui->m_pFirstBitRateLabel, ui->m_pSecondBitRateLabel,
                                ui->m_pNVRMessageLabel, ui->m_pNumberInfoLabel, m_pReserveLabel}) {
        if (IsShown(label))
            return;
    }

    std::vector<CalNVRRow> rows;
    for (int row = 0; row < TableRows; ++row) {
        const std::optional<QString> type = TypeText(row);
        CalNVRInfo info;
        if (!type || !FindModelByName(m_models, *type, info))
            continue;
        CalNVRRow record;
        record.id = info.id;
        record.disabledChannels = DisabledChannels(row);
        if (const std::optional<QString> number = NumberText(row))
            record.count = CountFromText(*number);
        rows.push_back(record);
    }
    qint64 total = 0;
    const CalNVRSelection selection = BuildNVRSelection(rows, &total);

    if (!IsTotalWithinLimit(total)) {
        // Beside the table, not in a box that would take the keys still being typed.
        ShowMessageLabel(ui->m_pNumberInfoLabel, CalMessage(CalMessages::TooManyNVRs));
        SetResult(QString());
        return;
    }

    const int bitRate = ParseBitRate(ui->m_pFirstBitRateComboBox->currentText()) +
                        ParseBitRate(ui->m_pSecondBitRateComboBox->currentText());
    if (!selection.empty() && bitRate > 0)
        SetResult(QString::number(CalIPCCapacity(selection, bitRate, m_models,
                                                 m_pReserveEdit->text().trimmed().toInt())));
    else
        SetResult(QStringLiteral("0"));
}

void CDlgCalIPCNum::DeleteTableRow()
{
    m_pRecords->DeleteSelected();
}

void CDlgCalIPCNum::RefreshTable()
{
    m_pRecords->Refresh();
}

void CDlgCalIPCNum::RecordsRefreshed()
{
    for (int row = 0; row <= m_pRecords->LastRow(); ++row) {
        if (CComboBox* type = NVRTypeCombo(row))
            type->SetRow(row);
    }
    ConfirmNumber(QString());
    ConfirmNVRTypes();
    NoteChange();
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

std::optional<QString> CDlgCalIPCNum::TypeText(int row) const
{
    if (m_pRecords->HasEditors(row)) {
        if (CComboBox* type = NVRTypeCombo(row))
            return type->currentText();
        return std::nullopt;
    }
    const auto waiting = m_waiting.constFind(row);
    return waiting == m_waiting.cend() ? std::nullopt : std::optional<QString>(waiting->model);
}

int CDlgCalIPCNum::DisabledChannels(int row) const
{
    if (m_pRecords->HasEditors(row)) {
        CComboBox* channels = DisableChannelCombo(row);
        return channels ? channels->currentText().toInt() : 0;
    }
    return m_waiting.value(row).disabledChannels;
}

std::optional<QString> CDlgCalIPCNum::NumberText(int row) const
{
    if (m_pRecords->HasEditors(row)) {
        if (QLineEdit* number = NumberEdit(row))
            return number->text();
        return std::nullopt;
    }
    const auto waiting = m_waiting.constFind(row);
    if (waiting == m_waiting.cend())
        return std::nullopt;
    return waiting->count == PlanBlankCount ? QString() : QString::number(waiting->count);
}

void CDlgCalIPCNum::ConfirmNVRTypes()
{
    const QString problem = NVRTypeProblem();
    if (problem.isEmpty())
        ui->m_pNVRMessageLabel->hide();
    else
        ShowMessageLabel(ui->m_pNVRMessageLabel, problem);
}

QString CDlgCalIPCNum::NVRTypeProblem() const
{
    QSet<QString> seen;
    bool duplicate = false;
    for (int row = 0; row <= m_pRecords->LastRow(); ++row) {
        const std::optional<QString> type = TypeText(row);
        if (!type)
            continue;
        CalNVRInfo info;
        if (!FindModelByName(m_models, *type, info))
            return CalMessage(CalMessages::NVRTypeInvalid);
        if (seen.contains(info.name))
            duplicate = true;
        seen.insert(info.name);
    }
    return duplicate ? CalMessage(CalMessages::NVRTypeExists) : QString();
}

void CDlgCalIPCNum::SetResult(const QString& text)
{
    bool number = false;
    const qint64 value = text.toLongLong(&number);
    ShowResultNumber(ui->m_pResultToolButton, number ? GroupedNumber(value) : text,
                     tr("Need IPC equipment (tai)"));
}
