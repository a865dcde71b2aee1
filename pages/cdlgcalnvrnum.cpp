// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cdlgcalnvrnum.h"
#include "ui_cdlgcalnvrnum.h"

#include "engine/bitrate.h"
#include "engine/calnvrthread.h"
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "pages/pageparts.h"
#include "util/helpers.h"
#include "widgets/dialogs/chasedialog.h"
#include "widgets/dialogs/cwarndlg.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QLatin1String ResultTreeStyle(
    "CGroupTreeView{ border-image:url(:/images/public/TreeView/tree_bg_Data.png) 2 2 2 2;"
    "\t\t\tborder-width:2px 2px 2px 2px; }");
const QLatin1String
    EmptyTreeStyle("CGroupTreeView{ border-image:url(:/images/public/TreeView/tree_bg.png) 2 2 2 2;"
                   "\t\t\t\t\t\t\t\t\t\t\t  border-width:2px 2px 2px 2px; }");

enum Column
{
    IdColumn,
    FirstBitRateColumn,
    SecondBitRateColumn,
    NumberColumn,
    ColumnCount
};

QString RedText(const QString& text)
{
    return QStringLiteral("<font color=red>") + text + QStringLiteral("</font>");
}

// Shown means not hidden by the page: the page itself may be on another tab.
bool IsShown(const QWidget* widget)
{
    return !widget->isHidden();
}

// Counts line up for ids of up to three digits in a fixed-pitch font.
QString CameraLine(int id, int count)
{
    const QString number = QString::number(id);
    const int padding = 24 + std::max(0, 3 - int(number.size()));
    return number + QString(padding, QLatin1Char(' ')) + QString::number(count);
}

QFont CameraLineFont()
{
    QFont font(QStringLiteral("Consolas"), 9);
    // Not installed everywhere; the alignment needs a fixed-pitch face whatever it is.
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

} // namespace

CDlgCalNVRNum::CDlgCalNVRNum(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDlgCalNVRNumClass), m_pHeaderModel(new QStandardItemModel),
      m_pDataModel(new QStandardItemModel(MaxRows, ColumnCount)), m_pProxyModel(nullptr),
      m_pHeaderView(nullptr), m_pGroupModel(nullptr), m_pCountValidator(nullptr),
      m_bFirstBitRateError(false), m_bSecondBitRateError(false), m_iLastRow(-1),
      m_pRetentionEdit(nullptr), m_pHoursEdit(nullptr), m_pRecordedEdit(nullptr),
      m_pStreamsCombo(nullptr), m_pDiskCombo(nullptr), m_pRedundancyCombo(nullptr),
      m_pStorageInformation(nullptr), m_pStorageTotalLabel(nullptr),
      m_resultDiskTB(CalDefaultDiskTB)
{
    ui->setupUi(this);
    BuildStorageInputs();
    BuildHeaderModel(*m_pHeaderModel);

    CTableView* table = ui->m_pIPCTableView;
    m_pProxyModel = new ProxyModelWithHeaderModels(this);
    m_pProxyModel->setSourceModel(m_pDataModel);
    m_pProxyModel->SetColumnHeaderModel(m_pHeaderModel);
    m_pHeaderView = new HierarchicalHeaderView(Qt::Horizontal, table);
    table->setHeader(m_pHeaderView);
    table->setModel(m_pProxyModel);

    const int widths[ColumnCount] = {180, 150, 150, 120};
    for (int column = 0; column < ColumnCount; ++column)
        table->setColumnWidth(column, widths[column]);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, &CDlgCalNVRNum::Show_ContextMenu);
    table->SetCellText(0, IdColumn, AddPrompt());

    // One validator serves every count editor, so records coming and going leave none behind.
    m_pCountValidator = new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(CalCountPattern)), this);

    for (const CalNVRInfo& info : NVRTypeList)
        ui->m_pNVRCombo->addItem(info.name, info.id);
    ui->m_pNVRCombo->setEditable(false);
    NVRTypeComboValueChanged(ui->m_pNVRCombo->currentText());

    m_pGroupModel = new QStandardItemModel(ui->m_pGroupTableResult);
    ui->m_pGroupTableResult->setModel(m_pGroupModel);

    ui->m_pCalNVRNumButton->setEnabled(false);
    ui->m_pIPCTableInfoLabel->hide();
    ui->m_pNVRInformationLabel->hide();
    ui->m_pChannelInformation->hide();
    ui->m_pNumberInfoLabel->hide();

    connect(ui->m_pNVRCombo, &QComboBox::currentIndexChanged, this,
            [this] { NVRTypeComboValueChanged(ui->m_pNVRCombo->currentText()); });
    connect(ui->m_pChannelNumCombo, &QComboBox::currentIndexChanged, this,
            [this] { ChannelNumValueChanged(ui->m_pChannelNumCombo->currentText()); });
    connect(table, &CTableView::PressedBtn, this, &CDlgCalNVRNum::TableCellClicked);
    connect(ui->m_pCalNVRNumButton, &QPushButton::clicked, this, &CDlgCalNVRNum::CalNVRNum);

    // What a click does on the table, the keyboard does too: activate the add prompt on
    // the current row, delete the selected records.
    auto* add = new QAction(table);
    add->setShortcuts(
        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)});
    add->setShortcutContext(Qt::WidgetShortcut);
    connect(add, &QAction::triggered, this, [this] {
        TableCellClicked(ui->m_pIPCTableView->currentIndex().siblingAtColumn(IdColumn));
    });
    table->addAction(add);
    auto* remove = new QAction(table);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &CDlgCalNVRNum::DeleteTableRow);
    table->addAction(remove);
    // Return on the controls beside the table runs the calculation when it is allowed.
    ui->m_pCalNVRNumButton->setDefault(true);

    setAccessibleName(tr("NVR Calculate"));
    table->setAccessibleName(tr("Select IPC"));
    ui->m_pNVRCombo->setAccessibleName(tr("Select NVR Type"));
    ui->m_pChannelNumCombo->setAccessibleName(tr("Disable Channel Number"));
    ui->m_pGroupTableResult->setAccessibleName(tr("NVR groups"));
    ShowResultNumber(ui->m_pResultToolButton, QString(), ResultCaption());
    UpdateRecordWidgets();
}

CDlgCalNVRNum::~CDlgCalNVRNum()
{
    // The views let go of the models as these are destroyed; the proxy goes first.
    delete m_pProxyModel;
    delete m_pDataModel;
    delete m_pHeaderModel;
    delete ui;
}

void CDlgCalNVRNum::BuildStorageInputs()
{
    // The frame was laid out with room around its two choices; the storage inputs take it,
    // so that the window's least size still shows everything.
    QGridLayout* grid = ui->gridLayout_2;
    for (QSpacerItem* spacer :
         {ui->verticalSpacer, ui->verticalSpacer_2, ui->verticalSpacer_3, ui->verticalSpacer_4}) {
        grid->removeItem(spacer);
        delete spacer;
    }
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    ui->gridLayout_4->setContentsMargins(9, 5, 9, 5);
    ui->m_pNVRFrame->setMaximumHeight(QWIDGETSIZE_MAX);
    QWidget* frame = ui->m_pNVRFrame;
    int row = grid->rowCount();

    auto addRow = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, frame);
        label->setBuddy(field);
        // As wide as the recorder choice above, whatever their texts would ask for: the
        // column beside the table keeps its width.
        field->setMinimumWidth(150);
        field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        field->setAccessibleName(text.chopped(1).trimmed());
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    auto numberEdit = [this, frame](int value) {
        auto* edit = new QLineEdit(QString::number(value), frame);
        // Digits only, as many as the largest value has; the range is checked with a message.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
        connect(edit, &QLineEdit::textChanged, this, &CDlgCalNVRNum::ConfirmStorageInputs);
        return edit;
    };
    auto choice = [frame] {
        auto* combo = new QComboBox(frame);
        combo->setEditable(false);
        return combo;
    };

    const CalStorageInputs defaults;
    m_pRetentionEdit = numberEdit(defaults.retentionDays);
    m_pRetentionEdit->setObjectName(QStringLiteral("m_pRetentionEdit"));
    addRow(tr("Retention (days):"), m_pRetentionEdit);
    m_pHoursEdit = numberEdit(defaults.hoursPerDay);
    m_pHoursEdit->setObjectName(QStringLiteral("m_pHoursEdit"));
    addRow(tr("Recording hours per day:"), m_pHoursEdit);
    m_pRecordedEdit = numberEdit(defaults.recordedPercent);
    m_pRecordedEdit->setObjectName(QStringLiteral("m_pRecordedEdit"));
    m_pRecordedEdit->setToolTip(
        tr("The share of the recording hours actually recorded, e.g. for motion recording"));
    addRow(tr("Recorded share (%):"), m_pRecordedEdit);

    m_pStreamsCombo = choice();
    m_pStreamsCombo->setObjectName(QStringLiteral("m_pStreamsCombo"));
    m_pStreamsCombo->addItem(tr("First stream only"), int(CalStreams::FirstOnly));
    m_pStreamsCombo->addItem(tr("Both streams"), int(CalStreams::Both));
    addRow(tr("Streams recorded:"), m_pStreamsCombo);

    m_pDiskCombo = choice();
    m_pDiskCombo->setObjectName(QStringLiteral("m_pDiskCombo"));
    for (int size : CalDiskSizesTB())
        m_pDiskCombo->addItem(tr("%1 TB").arg(size), size);
    m_pDiskCombo->setCurrentIndex(m_pDiskCombo->findData(defaults.diskTB));
    addRow(tr("Disk size:"), m_pDiskCombo);

    m_pRedundancyCombo = choice();
    m_pRedundancyCombo->setObjectName(QStringLiteral("m_pRedundancyCombo"));
    m_pRedundancyCombo->addItem(tr("None"), int(CalRedundancy::None));
    m_pRedundancyCombo->addItem(tr("Mirrored"), int(CalRedundancy::Mirrored));
    m_pRedundancyCombo->addItem(tr("One parity disk"), int(CalRedundancy::SingleParity));
    m_pRedundancyCombo->addItem(tr("Two parity disks"), int(CalRedundancy::DoubleParity));
    addRow(tr("Redundancy:"), m_pRedundancyCombo);

    // Connected once all are filled: filling a box announces its first choice.
    for (QComboBox* combo : {m_pStreamsCombo, m_pDiskCombo, m_pRedundancyCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &CDlgCalNVRNum::ConfirmStorageInputs);

    m_pStorageInformation = new QLabel(frame);
    m_pStorageInformation->setObjectName(QStringLiteral("m_pStorageInformation"));
    m_pStorageInformation->setWordWrap(true);
    m_pStorageInformation->hide();
    grid->addWidget(m_pStorageInformation, row, 0, 1, 2);

    // The site's storage, under the recorder total.
    m_pStorageTotalLabel = new QLabel(ui->m_pResult);
    m_pStorageTotalLabel->setObjectName(QStringLiteral("m_pStorageTotalLabel"));
    m_pStorageTotalLabel->setAlignment(Qt::AlignCenter);
    m_pStorageTotalLabel->setWordWrap(true);
    m_pStorageTotalLabel->hide();
    ui->verticalLayout_2->insertWidget(ui->verticalLayout_2->indexOf(ui->m_pGroupTableResult),
                                       m_pStorageTotalLabel);
}

CalStorageInputs CDlgCalNVRNum::StorageInputs(bool* valid) const
{
    CalStorageInputs inputs;
    inputs.retentionDays = m_pRetentionEdit->text().toInt();
    inputs.hoursPerDay = m_pHoursEdit->text().toInt();
    inputs.recordedPercent = m_pRecordedEdit->text().toInt();
    // No choice at all reads as a value out of range.
    auto chosen = [](const QComboBox* combo) {
        return combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
    };
    inputs.streams = CalStreams(chosen(m_pStreamsCombo));
    inputs.diskTB = chosen(m_pDiskCombo);
    inputs.redundancy = CalRedundancy(chosen(m_pRedundancyCombo));
    if (valid)
        *valid = CheckStorageInputs(inputs) == CalStorageInput::None;
    return inputs;
}

void CDlgCalNVRNum::SetStorageInputs(const CalStorageInputs& inputs)
{
    m_pRetentionEdit->setText(QString::number(inputs.retentionDays));
    m_pHoursEdit->setText(QString::number(inputs.hoursPerDay));
    m_pRecordedEdit->setText(QString::number(inputs.recordedPercent));
    m_pStreamsCombo->setCurrentIndex(m_pStreamsCombo->findData(int(inputs.streams)));
    m_pDiskCombo->setCurrentIndex(m_pDiskCombo->findData(inputs.diskTB));
    m_pRedundancyCombo->setCurrentIndex(m_pRedundancyCombo->findData(int(inputs.redundancy)));
}

QList<QPair<QString, QString>> CDlgCalNVRNum::StorageInputTexts() const
{
    QList<QPair<QString, QString>> texts;
    for (QWidget* field :
         {static_cast<QWidget*>(m_pRetentionEdit), static_cast<QWidget*>(m_pHoursEdit),
          static_cast<QWidget*>(m_pRecordedEdit), static_cast<QWidget*>(m_pStreamsCombo),
          static_cast<QWidget*>(m_pDiskCombo), static_cast<QWidget*>(m_pRedundancyCombo)}) {
        auto* edit = qobject_cast<QLineEdit*>(field);
        auto* combo = qobject_cast<QComboBox*>(field);
        texts.append({field->accessibleName(), edit ? edit->text() : combo->currentText()});
    }
    return texts;
}

QString CDlgCalNVRNum::LineStorageText(const CalStorage& storage) const
{
    return tr("Each NVR: %1 TB, disks: %2")
        .arg(StorageTerabytesText(storage.kilobits))
        .arg(storage.disks);
}

void CDlgCalNVRNum::ShowStorageTotal(bool shown)
{
    if (!shown) {
        m_pStorageTotalLabel->clear();
        m_pStorageTotalLabel->hide();
        return;
    }
    m_pStorageTotalLabel->setText(tr("Storage: %1 TB, disks: %2 (%3 TB each)")
                                      .arg(StorageTerabytesText(m_siteStorage.kilobits))
                                      .arg(m_siteStorage.disks)
                                      .arg(m_resultDiskTB));
    m_pStorageTotalLabel->show();
}

void CDlgCalNVRNum::UpdateResultStorage(const CalStorageInputs& inputs)
{
    // Only a result that shows storage, for the cameras it was calculated with: the records
    // may have changed since, and they count only once calculated again.
    if (m_resultLines.empty() || m_lineStorage.size() != m_resultLines.size() ||
        m_resultRates.empty())
        return;
    CalNVRDataRecord record;
    record.usedList = m_resultLines;
    record.storageRates = m_resultRates;
    record.storageInputs = inputs;
    ResultStorage(record);
    if (!record.siteStorage.ok)
        return;
    m_lineStorage = std::move(record.lineStorage);
    m_siteStorage = record.siteStorage;
    m_resultDiskTB = inputs.diskTB;
    QStandardItem* root = m_pGroupModel->invisibleRootItem();
    for (int row = 0; row < root->rowCount() && std::size_t(row) < m_lineStorage.size(); ++row) {
        QStandardItem* first = root->child(row)->child(0);
        if (first && first->data(StorageRowRole).toBool())
            first->setText(LineStorageText(m_lineStorage[std::size_t(row)]));
    }
    ShowStorageTotal(true);
}

QString CDlgCalNVRNum::StorageTotalText() const
{
    return m_pStorageTotalLabel->isHidden() ? QString() : m_pStorageTotalLabel->text();
}

bool CDlgCalNVRNum::CalculateAllowed() const
{
    return !IsShown(m_pStorageInformation);
}

void CDlgCalNVRNum::ConfirmStorageInputs()
{
    QString problem;
    switch (CheckStorageInputs(StorageInputs())) {
    case CalStorageInput::None:
        break;
    case CalStorageInput::RetentionDays:
        problem = tr("The retention must be %1 to %2 days")
                      .arg(CalMinRetentionDays)
                      .arg(CalMaxRetentionDays);
        break;
    case CalStorageInput::HoursPerDay:
        problem = tr("The recording hours must be %1 to %2 a day")
                      .arg(CalMinHoursPerDay)
                      .arg(CalMaxHoursPerDay);
        break;
    case CalStorageInput::RecordedPercent:
        problem = tr("The recorded share must be %1 to %2 percent")
                      .arg(CalMinRecordedPercent)
                      .arg(CalMaxRecordedPercent);
        break;
    case CalStorageInput::Streams:
    case CalStorageInput::DiskSize:
    case CalStorageInput::Redundancy:
        problem = tr("Choose the streams, the disk size and the redundancy");
        break;
    }
    if (!problem.isEmpty()) {
        ShowLabelMessage(m_pStorageInformation, problem);
        ui->m_pCalNVRNumButton->setEnabled(false);
        return;
    }
    m_pStorageInformation->hide();
    // The result on show follows the inputs at once: a report must not print new inputs
    // beside storage worked out for old ones.
    UpdateResultStorage(StorageInputs());
    if (m_iLastRow >= 0 && !IsShown(ui->m_pIPCTableInfoLabel) && !IsShown(ui->m_pNumberInfoLabel))
        ui->m_pCalNVRNumButton->setEnabled(true);
}

QString CDlgCalNVRNum::AddPrompt() const
{
    return tr("+click this add one record");
}

QString CDlgCalNVRNum::ResultCaption() const
{
    return tr("Need NVR Equipment (tai)");
}

void CDlgCalNVRNum::SetResult(const QString& text)
{
    ShowResultNumber(ui->m_pResultToolButton, text, ResultCaption());
}

void CDlgCalNVRNum::ShowLabelMessage(QLabel* label, const QString& text)
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

void CDlgCalNVRNum::keyPressEvent(QKeyEvent* event)
{
    // The page is embedded in the main window: Escape must not close it as a dialog would.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDlgCalNVRNum::UpdateRecordWidgets()
{
    CTableView* table = ui->m_pIPCTableView;
    // Widgets placed into cells join the focus chain in the order they were created; the
    // user expects the columns left to right, record after record, then the controls.
    QList<QWidget*> chain{table};
    const QString columns[ColumnCount] = {QString(), tr("First Bit Rate"), tr("Second Bit Rate"),
                                          tr("Number(tai)")};
    for (int row = 0; row < MaxRows; ++row) {
        for (int column : {FirstBitRateColumn, SecondBitRateColumn, NumberColumn}) {
            QWidget* editor = row <= m_iLastRow ? table->GetCellWidget(row, column) : nullptr;
            // Rows below the records may still carry the name of a record deleted from them.
            NameRecordCell(table, row, column,
                           editor ? tr("%1, record %2").arg(columns[column]).arg(row + 1)
                                  : QString());
            if (editor)
                chain.append(editor);
        }
    }
    chain << ui->m_pNVRCombo << ui->m_pChannelNumCombo << m_pRetentionEdit << m_pHoursEdit
          << m_pRecordedEdit << m_pStreamsCombo << m_pDiskCombo << m_pRedundancyCombo
          << ui->m_pCalNVRNumButton;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

bool CDlgCalNVRNum::IsRecordRow(int row) const
{
    return ui->m_pIPCTableView->GetCellWidget(row, FirstBitRateColumn) != nullptr;
}

void CDlgCalNVRNum::TableCellClicked(const QModelIndex& index)
{
    if (IsShown(ui->m_pIPCTableInfoLabel) || IsShown(ui->m_pNumberInfoLabel))
        return;
    CTableView* table = ui->m_pIPCTableView;
    if (!index.isValid() || index.column() != IdColumn)
        return;
    const int row = index.row();
    if (table->GetCellText(row, IdColumn).isEmpty() || IsRecordRow(row))
        return;

    auto* number = new QLineEdit;
    number->setValidator(m_pCountValidator);
    number->setText(QStringLiteral("5"));
    connect(number, &QLineEdit::textChanged, this, &CDlgCalNVRNum::ConfirmNumber);
    table->SetCellWidget(row, NumberColumn, number);

    table->SetCellText(row, IdColumn, QString::number(row + 1));

    auto makeBitRateCombo = [] {
        auto* combo = new QComboBox;
        combo->addItems(BitRateChoices());
        combo->setEditable(true);
        combo->setCurrentIndex(CalDefaultBitRateIndex);
        return combo;
    };
    QComboBox* first = makeBitRateCombo();
    connect(first, &QComboBox::editTextChanged, this, &CDlgCalNVRNum::ConfirmFirstBitRateRange);
    table->SetCellWidget(row, FirstBitRateColumn, first);
    QComboBox* second = makeBitRateCombo();
    connect(second, &QComboBox::editTextChanged, this, &CDlgCalNVRNum::ConfirmSecondBitRateRange);
    table->SetCellWidget(row, SecondBitRateColumn, second);

    if (table->GetCellText(row + 1, IdColumn).isEmpty())
        table->SetCellText(row + 1, IdColumn, AddPrompt());

    m_iLastRow = row;
    ui->m_pCalNVRNumButton->setEnabled(CalculateAllowed());
    UpdateRecordWidgets();
}

void CDlgCalNVRNum::NVRTypeComboValueChanged(const QString& text)
{
    ui->m_pChannelNumCombo->setEnabled(false);
    CalNVRInfo info;
    if (!FindNVRTypeByName(text, info)) {
        ShowLabelMessage(ui->m_pNVRInformationLabel, CalMessage(CalMessages::NVRTypeInvalid));
        return;
    }
    ui->m_pChannelNumCombo->clear();
    for (int channels = 0; channels <= info.maxDisableChannels; ++channels)
        ui->m_pChannelNumCombo->addItem(QString::number(channels));
    ui->m_pChannelNumCombo->setEditable(false);
    ui->m_pChannelNumCombo->setEnabled(info.maxDisableChannels > 0);
    ui->m_pNVRInformationLabel->hide();
}

bool CDlgCalNVRNum::ConfirmBitRateColumn(int column, bool& errorFlag)
{
    for (int row = 0; row < MaxRows; ++row) {
        auto* combo = qobject_cast<QComboBox*>(ui->m_pIPCTableView->GetCellWidget(row, column));
        if (!combo)
            break;
        if (!IsValidBitRateText(combo->currentText())) {
            ShowLabelMessage(ui->m_pIPCTableInfoLabel,
                             CalMessage(CalMessages::BitRateInvalidRange));
            ui->m_pCalNVRNumButton->setEnabled(false);
            errorFlag = true;
            return false;
        }
        errorFlag = false;
        if (!m_bFirstBitRateError && !m_bSecondBitRateError) {
            ui->m_pIPCTableInfoLabel->hide();
            if (!IsShown(ui->m_pNumberInfoLabel) && CalculateAllowed())
                ui->m_pCalNVRNumButton->setEnabled(true);
        }
    }
    return true;
}

void CDlgCalNVRNum::ConfirmFirstBitRateRange(const QString&)
{
    ConfirmBitRateColumn(FirstBitRateColumn, m_bFirstBitRateError);
}

void CDlgCalNVRNum::ConfirmSecondBitRateRange(const QString&)
{
    ConfirmBitRateColumn(SecondBitRateColumn, m_bSecondBitRateError);
}

void CDlgCalNVRNum::ChannelNumValueChanged(const QString& text)
{
    if (text.toInt() < ui->m_pChannelNumCombo->count())
        ui->m_pChannelInformation->hide();
    else
        ShowLabelMessage(ui->m_pChannelInformation, CalMessage(CalMessages::ChannelInvalid));
}

void CDlgCalNVRNum::ConfirmNumber(const QString&)
{
    for (int row = 0; row < MaxRows; ++row) {
        auto* number =
            qobject_cast<QLineEdit*>(ui->m_pIPCTableView->GetCellWidget(row, NumberColumn));
        if (!number)
            break;
        if (number->text().isEmpty()) {
            ShowLabelMessage(ui->m_pNumberInfoLabel, CalMessage(CalMessages::NumberBlank));
            ui->m_pCalNVRNumButton->setEnabled(false);
            return;
        }
        ui->m_pNumberInfoLabel->hide();
        if (!IsShown(ui->m_pIPCTableInfoLabel) && CalculateAllowed())
            ui->m_pCalNVRNumButton->setEnabled(true);
    }
}

CalNVRThread* CDlgCalNVRNum::CreateWorker()
{
    return new CalNVRThread;
}

void CDlgCalNVRNum::CalNVRNum()
{
    if (IsShown(ui->m_pIPCTableInfoLabel) || IsShown(ui->m_pNVRInformationLabel) ||
        IsShown(ui->m_pChannelInformation) || IsShown(ui->m_pNumberInfoLabel) ||
        IsShown(m_pStorageInformation))
        return;
    bool storageValid = false;
    const CalStorageInputs storage = StorageInputs(&storageValid);
    if (!storageValid)
        return;

    CalNVRInfo nvr;
    if (!FindNVRTypeByName(ui->m_pNVRCombo->currentText(), nvr))
        return;
    const int disabledChannels = ui->m_pChannelNumCombo->currentText().toInt();

    CTableView* table = ui->m_pIPCTableView;
    std::vector<CalIPCInfo> rows;
    // Both streams of each type, by id - 1: storage may count only the first.
    std::vector<CalStorageCamera> rates(MaxRows);
    for (int row = 0; row < MaxRows; ++row) {
        CalIPCInfo info;
        info.id = row + 1;
        for (int column : {FirstBitRateColumn, SecondBitRateColumn}) {
            if (auto* combo = qobject_cast<QComboBox*>(table->GetCellWidget(row, column))) {
                const int kbps = ParseBitRate(combo->currentText());
                info.bitRate += kbps;
                (column == FirstBitRateColumn ? rates[std::size_t(row)].firstKbps
                                              : rates[std::size_t(row)].secondKbps) = kbps;
            }
        }
        if (auto* number = qobject_cast<QLineEdit*>(table->GetCellWidget(row, NumberColumn)))
            info.count = CountFromText(number->text());
        rows.push_back(info);
    }

    std::vector<int> offending;
    switch (CheckNVRRequest(rows, nvr.bandwidth, &offending)) {
    case CalNVRCheck::TooManyIPCs:
        CWarnDlg::ShowWarn(CalMessage(CalMessages::ErrorTitle),
                           CalMessage(CalMessages::TooManyIPCs), this);
        SetResult(QStringLiteral("0"));
        return;
    case CalNVRCheck::BitRateOverBandwidth:
        CWarnDlg::ShowWarn(CalMessage(CalMessages::ErrorTitle),
                           CalMessage(CalMessages::BandwidthPrefix) +
                               QStringLiteral("<font size=12 color=red>") +
                               JoinIPCTypeNumbers(offending) + QStringLiteral("</font>") +
                               CalMessage(CalMessages::BandwidthSuffix),
                           this);
        SetResult(QStringLiteral("0"));
        return;
    case CalNVRCheck::Ok:
        break;
    }

    std::vector<CalIPCInfo> cameras = SelectIPCsToGroup(rows);
    if (cameras.empty()) {
        CalNVRData.groupMap.clear();
        CalNVRData.usedList.clear();
        m_lineStorage.clear();
        m_resultRates.clear();
        m_siteStorage = SiteStorage({}, storage);
        m_resultDiskTB = storage.diskTB;
        SetResult(QStringLiteral("0"));
        ResetGroup(CalNVRData.usedList);
        return;
    }

    CalNVRData.nvrType = nvr.id;
    CalNVRData.disabledChannels = disabledChannels;
    CalNVRData.ipcList = cameras;
    CalNVRData.storageRates = std::move(rates);
    CalNVRData.storageInputs = storage;
    CalNVRData.nvrTotal = -1;

    ChaseDialog dialog(this, QStringLiteral(":/images/Loading.gif"), tr("Calculation..."), false);
    CalNVRThread* worker = CreateWorker();
    // The worker deletes itself once finished; the guard tells when that has happened.
    QPointer<CalNVRThread> running(worker);
    // Set on the GUI thread by the worker's own signal, so it is true exactly when the
    // results are complete. Connected before the dialog so that it is set when the dialog
    // ends by the same signal.
    auto finished = std::make_shared<bool>(false);
    connect(worker, &CalNVRThread::CalSuc, this, [finished] { *finished = true; });
    connect(worker, &CalNVRThread::CalSuc, &dialog, &ChaseDialog::OnImmediatelyStopChase);
    worker->start(QThread::InheritPriority);
    // Whatever else ends the wait, the results are not there yet: keep waiting.
    while (!*finished) {
        bool ended = false;
        const QMetaObject::Connection end =
            connect(&dialog, &QDialog::finished, this, [&ended] { ended = true; });
        dialog.exec();
        disconnect(end);
        if (!ended && !*finished) {
            // The loop was left without the dialog finishing: the application is quitting,
            // and no event loop will run again. Let the worker finish writing CalNVRData
            // before anything is torn down, and leave the unfinished results alone.
            dialog.hide();
            if (running)
                running->wait();
            return;
        }
    }

    m_lineStorage = CalNVRData.lineStorage;
    m_siteStorage = CalNVRData.siteStorage;
    m_resultRates = CalNVRData.storageRates;
    m_resultDiskTB = storage.diskTB;
    ResetGroup(CalNVRData.usedList);
    SetResult(QString::number(CalNVRData.nvrTotal));
}

void CDlgCalNVRNum::ResetGroup(std::vector<CalNVRUsedByUI>& vStruCalNVRusedByUI)
{
    m_pGroupModel->clear();
    // Setting a style sheet repolishes the whole tree, even when it is the one it has.
    const QString style =
        ScaleBorderImageCuts(vStruCalNVRusedByUI.empty() ? EmptyTreeStyle : ResultTreeStyle);
    if (ui->m_pGroupTableResult->styleSheet() != style)
        ui->m_pGroupTableResult->setStyleSheet(style);
    const QFont cameraFont = CameraLineFont();
    const QString countText = tr("NVR Count(tai):");
    const QString columnText =
        tr("IPC Type                                               IPC Count(tai)");
    // Storage belongs to the lines it was worked out for, not to any other result.
    m_resultLines = vStruCalNVRusedByUI;
    const bool storage = !vStruCalNVRusedByUI.empty() &&
                         m_lineStorage.size() == vStruCalNVRusedByUI.size() && m_siteStorage.ok;
    ShowStorageTotal(storage);
    // Built apart from the model and handed over in one insertion: a million cameras can
    // make thousands of lines, and every insertion into the model is announced to the view.
    QList<QStandardItem*> groups;
    groups.reserve(qsizetype(vStruCalNVRusedByUI.size()));
    for (const CalNVRUsedByUI& line : vStruCalNVRusedByUI) {
        auto* group = new QStandardItem(countText + QString::number(line.nvrCount));
        group->setEditable(false);
        group->setData(QString(), Qt::UserRole + 1);

        QList<QStandardItem*> children;
        children.reserve(qsizetype(line.ipcs.size()) + 2);
        if (storage) {
            auto* perRecorder =
                new QStandardItem(LineStorageText(m_lineStorage[std::size_t(groups.size())]));
            perRecorder->setEditable(false);
            perRecorder->setForeground(QColor(40, 97, 155));
            perRecorder->setData(true, CDlgCalNVRNum::StorageRowRole);
            children.append(perRecorder);
        }
        auto* columns = new QStandardItem(columnText);
        columns->setEditable(false);
        children.append(columns);
        for (const CalIPCInfo& camera : line.ipcs) {
            auto* item = new QStandardItem(CameraLine(camera.id, camera.count));
            item->setFont(cameraFont);
            item->setEditable(false);
            children.append(item);
        }
        group->appendRows(children);
        groups.append(group);
    }
    if (!groups.isEmpty())
        m_pGroupModel->invisibleRootItem()->appendRows(groups);
    ui->m_pGroupTableResult->expandAll();
}

void CDlgCalNVRNum::BuildHeaderModel(QStandardItemModel& headerModel)
{
    auto* root = new QStandardItem(tr("IPC"));
    auto* bitRate = new QStandardItem(tr("Bit Rate(Kbps)"));
    bitRate->setChild(0, 0, new QStandardItem(tr("First Bit Rate")));
    bitRate->setChild(0, 1, new QStandardItem(tr("Second Bit Rate")));
    root->setChild(0, 0, new QStandardItem(tr("ID")));
    root->setChild(0, 1, bitRate);
    root->setChild(0, 2, new QStandardItem(tr("Number(tai)")));
    headerModel.setItem(0, 0, root);
}

void CDlgCalNVRNum::Show_ContextMenu(const QPoint& pos)
{
    CTableView* table = ui->m_pIPCTableView;
    const QModelIndexList selected = table->selectionModel()->selectedRows(IdColumn);
    const bool anyRecord =
        std::any_of(selected.begin(), selected.end(),
                    [this](const QModelIndex& index) { return IsRecordRow(index.row()); });
    if (!anyRecord)
        return;
    auto* menu = new QMenu(table);
    QAction* remove = menu->addAction(tr("delete"));
    connect(remove, &QAction::triggered, this, &CDlgCalNVRNum::DeleteTableRow);
    // At the point the table names: the mouse pointer, or the selected row for the menu key.
    menu->exec(table->viewport()->mapToGlobal(pos));
    delete menu;
}

void CDlgCalNVRNum::DeleteTableRow()
{
    CTableView* table = ui->m_pIPCTableView;
    std::vector<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows(IdColumn)) {
        if (IsRecordRow(index.row()))
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        table->model()->removeRow(row);
    RefreshTable();
}

void CDlgCalNVRNum::RefreshTable()
{
    CTableView* table = ui->m_pIPCTableView;
    // Without a removal every record still has its widgets: the prompt row stays.
    int prompt = m_iLastRow + 1;
    for (int row = 0; row <= m_iLastRow; ++row) {
        if (!table->GetCellWidget(row, SecondBitRateColumn)) {
            prompt = row;
            break;
        }
    }
    for (int row = prompt; row <= m_iLastRow; ++row) {
        for (int column = IdColumn; column < ColumnCount; ++column) {
            if (!table->GetCellText(row, column).isEmpty())
                table->SetCellText(row, column, QString());
        }
    }
    // The old prompt goes before the new one is written, which may be the same row.
    table->SetCellText(m_iLastRow + 1, IdColumn, QString());
    table->SetCellText(prompt, IdColumn, AddPrompt());
    m_iLastRow = prompt - 1;

    ConfirmNumber(QString());
    // With no count editor left nothing could hide the message, and it would block adding.
    if (m_iLastRow < 0)
        ui->m_pNumberInfoLabel->hide();

    UpdateRecordWidgets();

    // Each column's flag is recomputed from the records that remain: a flag left over from a
    // deleted record would keep the page locked after the last real error is corrected.
    m_bFirstBitRateError = false;
    m_bSecondBitRateError = false;
    for (int row = 0; row <= m_iLastRow; ++row) {
        for (int column : {FirstBitRateColumn, SecondBitRateColumn}) {
            auto* combo = qobject_cast<QComboBox*>(table->GetCellWidget(row, column));
            if (combo && !IsValidBitRateText(combo->currentText()))
                (column == FirstBitRateColumn ? m_bFirstBitRateError : m_bSecondBitRateError) =
                    true;
        }
    }
    if (m_bFirstBitRateError || m_bSecondBitRateError)
        return;
    ui->m_pIPCTableInfoLabel->hide();
    if (!IsShown(ui->m_pNumberInfoLabel) && CalculateAllowed())
        ui->m_pCalNVRNumButton->setEnabled(true);
}
