// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cdlgcalnvrnum.h"
#include "ui_cdlgcalnvrnum.h"

#include "engine/bitrate.h"
#include "engine/calnvrthread.h"
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "pages/cestimatedlg.h"
#include "pages/cstorageinputs.h"
#include "plan/planfile.h"
#include "util/helpers.h"
#include "widgets/itemviews/cgrouptreemodel.h"
#include "widgets/itemviews/crecordtable.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Up to this many cameras the result follows every edit at once; more wait for the button.
constexpr qint64 AutoCalculationCameras = 100000;

const QLatin1String ResultTreeStyle(
    "CGroupTreeView{ border-image:url(:/images/public/TreeView/tree_bg_Data.png) 2 2 2 2;"
    "\t\t\tborder-width:2px 2px 2px 2px; }");
const QLatin1String
    EmptyTreeStyle("CGroupTreeView{ border-image:url(:/images/public/TreeView/tree_bg.png) 2 2 2 2;"
                   "\t\t\t\t\t\t\t\t\t\t\t  border-width:2px 2px 2px 2px; }");

// Counts line up for ids of up to three digits in a fixed-pitch font; a name goes beside its
// type's number, cut short where it would push the count out of the panel.
QString CameraLine(int id, const QString& name, int count)
{
    QString type = QString::number(id);
    if (!name.isEmpty()) {
        constexpr int room = 22;
        type +=
            QLatin1Char(' ') + (name.size() > room ? name.left(room - 1) + QChar(0x2026) : name);
    }
    const int padding = std::max(2, 27 - int(type.size()));
    return type + QString(padding, QLatin1Char(' ')) + GroupedNumber(count);
}

QFont CameraLineFont()
{
    QFont font(QStringLiteral("Consolas"), 9);
    // Not installed everywhere; the alignment needs a fixed-pitch face whatever it is.
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// Moving a widget restyles all that is in it, though the style stays the same (the frame's
// own style sheet goes with it); a combo box would answer by building its popup list, which
// it otherwise builds when first opened.
class HoldComboRestyle : public QObject
{
public:
    explicit HoldComboRestyle(QWidget* within)
    {
        for (QComboBox* combo : within->findChildren<QComboBox*>())
            combo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::StyleChange;
    }
};

} // namespace

CDlgCalNVRNum::CDlgCalNVRNum(QWidget* parent)
    : CCalculatorPage(parent), ui(new Ui::CDlgCalNVRNumClass), m_pRecords(nullptr),
      m_pStorage(nullptr), m_pGroupModel(nullptr), m_pCountValidator(nullptr),
      m_bFirstBitRateError(false), m_bSecondBitRateError(false), m_pStorageTotalLabel(nullptr),
      m_pRequestLabel(nullptr), m_resultDiskTB(CalDefaultDiskTB)
{
    ui->setupUi(this);

    // All settings show from the initial window size on; below it they scroll rather than
    // squeeze the result, and the field with the focus is scrolled into view. Moved there
    // first, while the frame holds least: a move restyles every widget in it.
    auto* settings = new QScrollArea(this);
    settings->setObjectName(QStringLiteral("m_pSettingsScroll"));
    settings->setFrameShape(QFrame::NoFrame);
    settings->setFocusPolicy(Qt::NoFocus);
    settings->setWidgetResizable(true);
    settings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settings->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // The column keeps its width; the settings give up the scroll bar's.
    settings->setMinimumWidth(ui->m_pNVRFrame->minimumWidth());
    ui->m_pNVRFrame->setMinimumWidth(ui->m_pNVRFrame->minimumWidth() -
                                     settings->verticalScrollBar()->sizeHint().width());
    // Short of room, the tree gives up only a few rows before the settings start to scroll.
    ui->m_pGroupTableResult->setMinimumHeight(150);
    const int at = ui->verticalLayout->indexOf(ui->m_pNVRFrame);
    ui->verticalLayout->removeWidget(ui->m_pNVRFrame);
    {
        const HoldComboRestyle hold(ui->m_pNVRFrame);
        settings->setWidget(ui->m_pNVRFrame);
    }
    ui->verticalLayout->insertWidget(at, settings);

    // The frame was laid out with room around its two choices; the storage inputs take it,
    // so that the window's least size still shows everything.
    QGridLayout* grid = ui->gridLayout_2;
    for (QSpacerItem* spacer :
         {ui->verticalSpacer, ui->verticalSpacer_2, ui->verticalSpacer_3, ui->verticalSpacer_4}) {
        grid->removeItem(spacer);
        delete spacer;
    }
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    ui->gridLayout_4->setContentsMargins(9, 5, 9, 5);
    ui->m_pNVRFrame->setMaximumHeight(QWIDGETSIZE_MAX);
    // The plan's own models are one click from the model choice.
    auto* modelRow = new QHBoxLayout;
    modelRow->setContentsMargins(0, 0, 0, 0);
    modelRow->setSpacing(4);
    grid->removeWidget(ui->m_pNVRCombo);
    // No stretch: a stretching row would make the fixed-width settings panel grow.
    modelRow->addWidget(ui->m_pNVRCombo);
    m_pModelsButton = new QToolButton(ui->m_pNVRFrame);
    m_pModelsButton->setObjectName(QStringLiteral("m_pModelsButton"));
    m_pModelsButton->setText(QStringLiteral("\u2026"));
    m_pModelsButton->setToolTip(tr("Recorder models: add your own, with their disk bays"));
    m_pModelsButton->setAccessibleName(tr("Recorder Models"));
    m_pModelsButton->setFocusPolicy(Qt::StrongFocus);
    connect(m_pModelsButton, &QToolButton::clicked, this, &CDlgCalNVRNum::ModelsRequested);
    modelRow->addWidget(m_pModelsButton);
    grid->addLayout(modelRow, 1, 1);
    m_pStorage = new CStorageInputs(grid, ui->m_pNVRFrame, this);
    connect(m_pStorage, &CStorageInputs::Changed, this, &CDlgCalNVRNum::StorageInputsChanged);

    // The site's storage, under the recorder total.
    m_pStorageTotalLabel = new QLabel(ui->m_pResult);
    m_pStorageTotalLabel->setObjectName(QStringLiteral("m_pStorageTotalLabel"));
    m_pStorageTotalLabel->setAlignment(Qt::AlignCenter);
    m_pStorageTotalLabel->setWordWrap(true);
    m_pStorageTotalLabel->hide();
    ui->verticalLayout_2->insertWidget(ui->verticalLayout_2->indexOf(ui->m_pGroupTableResult),
                                       m_pStorageTotalLabel);
    // Why the records give no result, where the result would be.
    m_pRequestLabel = new QLabel(ui->m_pResult);
    m_pRequestLabel->setObjectName(QStringLiteral("m_pRequestInformation"));
    m_pRequestLabel->setWordWrap(true);
    m_pRequestLabel->hide();
    ui->verticalLayout_2->insertWidget(ui->verticalLayout_2->indexOf(m_pStorageTotalLabel),
                                       m_pRequestLabel);
    m_pBusyTimer = new QTimer(this);
    m_pBusyTimer->setSingleShot(true);
    m_pBusyTimer->setInterval(500);
    connect(m_pBusyTimer, &QTimer::timeout, this, [this] {
        m_pRequestLabel->setText(tr("Calculating..."));
        m_pRequestLabel->show();
    });

    // One validator serves every count editor, so records coming and going leave none behind.
    m_pCountValidator = new QRegularExpressionValidator(
        QRegularExpression(QString::fromLatin1(CalCountPattern)), this);

    CRecordTable::Columns columns;
    columns.count = ColumnCount;
    columns.editors = {NameColumn, FirstBitRateColumn, SecondBitRateColumn, NumberColumn};
    columns.names = {QString(), tr("Name"), tr("First Bit Rate"), tr("Second Bit Rate"),
                     tr("Number(tai)")};
    // Together no wider than the table at the window's least size, which shows no scroll bar.
    columns.widths = {145, 105, 120, 120, 80};
    columns.keyColumn = FirstBitRateColumn;
    m_pRecords = new CRecordTable(
        ui->m_pIPCTableView, MaxRows, columns, tr("+click this add one record"),
        [this](QStandardItemModel& model) { BuildHeaderModel(model); },
        [this](int row) { MakeRecordEditors(row); }, [this] { return AddBlocked(); }, this);
    connect(m_pRecords, &CRecordTable::RecordAdded, this, [this] {
        ui->m_pCalNVRNumButton->setEnabled(CalculateAllowed());
        NoteChange();
    });
    connect(m_pRecords, &CRecordTable::Refreshed, this, &CDlgCalNVRNum::RecordsRefreshed);

    FillModelChoice(ui->m_pNVRCombo, m_models);
    ui->m_pNVRCombo->setEditable(false);
    NVRTypeComboValueChanged(ui->m_pNVRCombo->currentText());

    m_pGroupModel = new CGroupTreeModel(ui->m_pGroupTableResult);
    ui->m_pGroupTableResult->setModel(m_pGroupModel);

    ui->m_pCalNVRNumButton->setEnabled(false);
    ui->m_pIPCTableInfoLabel->hide();
    ui->m_pNVRInformationLabel->hide();
    ui->m_pChannelInformation->hide();
    ui->m_pNumberInfoLabel->hide();

    connect(ui->m_pNVRCombo, &QComboBox::currentIndexChanged, this, [this] {
        NVRTypeComboValueChanged(ui->m_pNVRCombo->currentText());
        NoteChange();
    });
    connect(ui->m_pChannelNumCombo, &QComboBox::currentIndexChanged, this, [this] {
        ChannelNumValueChanged(ui->m_pChannelNumCombo->currentText());
        NoteChange();
    });
    connect(ui->m_pCalNVRNumButton, &QPushButton::clicked, this, &CDlgCalNVRNum::CalNVRNum);
    // Return on the controls beside the table runs the calculation when it is allowed.
    ui->m_pCalNVRNumButton->setDefault(true);

    setAccessibleName(tr("NVR Calculate"));
    ui->m_pIPCTableView->setAccessibleName(tr("Select IPC"));
    ui->m_pNVRCombo->setAccessibleName(tr("Select NVR Type"));
    ui->m_pChannelNumCombo->setAccessibleName(tr("Disable Channel Number"));
    ui->m_pGroupTableResult->setAccessibleName(tr("NVR groups"));
    ShowResultNumber(ui->m_pResultToolButton, QString(), ResultCaption());
    m_pRecords->SetTrailingWidgets(
        QList<QWidget*>{ui->m_pNVRCombo, m_pModelsButton, ui->m_pChannelNumCombo}
        << m_pStorage->Editors() << ui->m_pCalNVRNumButton);
    m_pRecords->UpdateRecordWidgets();
}

CDlgCalNVRNum::~CDlgCalNVRNum()
{
    // A thread object must not go while its thread runs.
    if (m_pRunning)
        m_pRunning->wait();
    // The table and its cell widgets go first, while the models they show still exist.
    delete m_pRecords;
    delete ui;
}

PlanCamera CDlgCalNVRNum::RecordCamera(int row) const
{
    if (!m_pRecords->HasEditors(row))
        return m_waiting.value(row);
    PlanCamera camera;
    if (auto* name = qobject_cast<QLineEdit*>(m_pRecords->Editor(row, NameColumn))) {
        camera.name = name->text();
        camera.unitPrice = EditorPrice(name);
    }
    if (auto* first = qobject_cast<QComboBox*>(m_pRecords->Editor(row, FirstBitRateColumn))) {
        camera.firstBitRate = first->currentText();
        camera.firstEstimate = BoxEstimate(first);
    }
    if (auto* second = qobject_cast<QComboBox*>(m_pRecords->Editor(row, SecondBitRateColumn))) {
        camera.secondBitRate = second->currentText();
        camera.secondEstimate = BoxEstimate(second);
    }
    if (auto* count = qobject_cast<QLineEdit*>(m_pRecords->Editor(row, NumberColumn)))
        camera.count =
            count->text().trimmed().isEmpty() ? PlanBlankCount : CountFromText(count->text());
    return camera;
}

std::optional<QString> CDlgCalNVRNum::RecordText(int row, int column) const
{
    if (QWidget* editor = m_pRecords->Editor(row, column)) {
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            return combo->currentText();
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            return edit->text();
    }
    const auto waiting = m_waiting.constFind(row);
    if (waiting == m_waiting.cend() || m_pRecords->HasEditors(row))
        return std::nullopt;
    switch (column) {
    case NameColumn:
        return waiting->name;
    case FirstBitRateColumn:
        return waiting->firstBitRate;
    case SecondBitRateColumn:
        return waiting->secondBitRate;
    case NumberColumn:
        return waiting->count == PlanBlankCount ? QString() : QString::number(waiting->count);
    default:
        return std::nullopt;
    }
}

NvrPageState CDlgCalNVRNum::State() const
{
    NvrPageState state;
    for (int row = 0; row < m_pRecords->RecordCount(); ++row)
        state.cameras.append(RecordCamera(row));
    state.nvrModel = ui->m_pNVRCombo->currentText();
    state.nvrDisabledChannels = ui->m_pChannelNumCombo->currentText().toInt();
    state.storage = m_pStorage->Inputs();
    state.nvrBandwidthReservePercent = m_pStorage->BandwidthReserve();
    return state;
}

void CDlgCalNVRNum::ShowCamera(int row, const PlanCamera& camera)
{
    if (auto* name = qobject_cast<QLineEdit*>(m_pRecords->Editor(row, NameColumn))) {
        if (name->text() != camera.name)
            name->setText(camera.name);
        SetEditorPrice(name, camera.unitPrice);
    }
    auto* first = qobject_cast<QComboBox*>(m_pRecords->Editor(row, FirstBitRateColumn));
    EnterComboText(first, camera.firstBitRate);
    SetBoxEstimate(first, camera.firstEstimate);
    auto* second = qobject_cast<QComboBox*>(m_pRecords->Editor(row, SecondBitRateColumn));
    EnterComboText(second, camera.secondBitRate);
    SetBoxEstimate(second, camera.secondEstimate);
    if (auto* count = qobject_cast<QLineEdit*>(m_pRecords->Editor(row, NumberColumn))) {
        const QString text =
            camera.count == PlanBlankCount ? QString() : QString::number(camera.count);
        if (count->text() != text)
            count->setText(text);
    }
}

void CDlgCalNVRNum::SetState(const NvrPageState& state)
{
    const bool outer = !m_bSettingState;
    m_bSettingState = true;
    const int records = int(std::min<qsizetype>(state.cameras.size(), MaxRows));
    m_pRecords->Truncate(records);
    m_waiting.removeIf([records](const auto& waiting) { return waiting.key() >= records; });
    // The rows on show get their editors now, the others while the program is idle.
    if (m_pRecords->RecordCount() < records)
        m_pRecords->AddRecords(records - m_pRecords->RecordCount(), CRecordTable::Editors::OnShow);
    // A record its editors would show otherwise (texts longer than they take) leaves that to
    // them: the page's state is what they show.
    const auto showable = [](const PlanCamera& camera) {
        return camera.name.size() <= PlanMaxNameChars &&
               camera.firstBitRate.size() <= PlanFormat::MaxTextChars &&
               camera.secondBitRate.size() <= PlanFormat::MaxTextChars &&
               (camera.count >= 0 || camera.count == PlanBlankCount);
    };
    for (int row = 0; row < records; ++row) {
        const PlanCamera& camera = state.cameras.at(row);
        if (!m_pRecords->HasEditors(row)) {
            if (showable(camera)) {
                m_waiting.insert(row, camera);
                continue;
            }
            m_pRecords->MakeEditors();
        }
        ShowCamera(row, camera);
    }
    // The checks see the waiting records too.
    ConfirmBitRateColumn(FirstBitRateColumn, m_bFirstBitRateError);
    ConfirmBitRateColumn(SecondBitRateColumn, m_bSecondBitRateError);
    ConfirmNumber(QString());
    const int model = ui->m_pNVRCombo->findText(state.nvrModel);
    if (model >= 0)
        ui->m_pNVRCombo->setCurrentIndex(model);
    const int channels =
        ui->m_pChannelNumCombo->findText(QString::number(state.nvrDisabledChannels));
    if (channels >= 0)
        ui->m_pChannelNumCombo->setCurrentIndex(channels);
    m_pStorage->SetInputs(state.storage);
    m_pStorage->SetBandwidthReserve(state.nvrBandwidthReservePercent);
    if (outer) {
        m_bSettingState = false;
        NoteChange();
    }
}

void CDlgCalNVRNum::Reset()
{
    NvrPageState start;
    start.nvrModel = ui->m_pNVRCombo->itemText(0);
    m_bSettingState = true;
    SetState(start);
    ui->m_pCalNVRNumButton->setEnabled(false);
    m_bSettingState = false;
    NoteChange();
}

void CDlgCalNVRNum::SetModels(const CalModelList& own)
{
    m_models = own;
    FillModelChoice(ui->m_pNVRCombo, m_models);
    // An edited model may offer other channels to disable; the choice keeps its number if it can.
    const QString disabled = ui->m_pChannelNumCombo->currentText();
    NVRTypeComboValueChanged(ui->m_pNVRCombo->currentText());
    const int channels = ui->m_pChannelNumCombo->findText(disabled);
    if (channels >= 0) {
        const QSignalBlocker blocker(ui->m_pChannelNumCombo);
        ui->m_pChannelNumCombo->setCurrentIndex(channels);
    }
    NoteChange();
}

bool CDlgCalNVRNum::CanCalculate() const
{
    return ui->m_pCalNVRNumButton->isEnabled();
}

void CDlgCalNVRNum::NoteChange()
{
    // Nothing to follow while the page is being built.
    if (m_bSettingState || !m_pRequestLabel)
        return;
    // The result follows every change, so that nothing shown, copied or printed pairs these
    // inputs with a result worked out for others.
    Recalculate();
    emit StateChanged();
}

CalStorageInputs CDlgCalNVRNum::StorageInputs(bool* valid) const
{
    return m_pStorage->Inputs(valid);
}

QList<QPair<QString, QString>> CDlgCalNVRNum::StorageInputTexts() const
{
    return m_pStorage->InputTexts();
}

QString CDlgCalNVRNum::ResultTotal() const
{
    // The box groups the digits for reading; the figure itself has none.
    return ui->m_pResultToolButton->text().remove(QRegularExpression(QStringLiteral("\\D")));
}

QWidget* CDlgCalNVRNum::ResultView() const
{
    return ui->m_pGroupTableResult;
}

QStringList CDlgCalNVRNum::LineStorageTexts(std::size_t line) const
{
    const CalStorage& storage = m_lineStorage.at(line);
    QStringList texts;
    if (line < m_lineDaysKept.size()) {
        texts << tr("Each NVR: %1 disks of %2 TB hold %3")
                     .arg(GroupedNumber(storage.disks))
                     .arg(storage.diskTB)
                     .arg(ScreenStorage(storage.kilobits))
              << tr("Keeps: %1").arg(DaysKeptText(m_lineDaysKept[line]));
    } else if (m_resultDiskTB == CalDiskSmallestFits) {
        // Under "smallest that fits" the lines' disk sizes differ, so each says its own.
        texts << tr("Each NVR: %1, disks: %2 of %3 TB")
                     .arg(ScreenStorage(storage.kilobits))
                     .arg(GroupedNumber(storage.disks))
                     .arg(storage.diskTB);
    } else {
        texts << tr("Each NVR: %1, disks: %2")
                     .arg(ScreenStorage(storage.kilobits))
                     .arg(GroupedNumber(storage.disks));
    }
    // On a row of its own, so that it fits the result panel's width.
    const QString bays = BaysText(storage);
    if (!bays.isEmpty())
        texts << bays;
    return texts;
}

QString CDlgCalNVRNum::DaysKeptText(const CalDaysKept& kept)
{
    if (kept.unlimited)
        return tr("for ever, nothing is recorded");
    return kept.days == 1 ? tr("1 day") : tr("%1 days").arg(GroupedNumber(qint64(kept.days)));
}

QString CDlgCalNVRNum::BaysText(const CalStorage& storage) const
{
    switch (storage.fit) {
    case CalBayFit::TooManyDisks:
    case CalBayFit::NoSizeFits:
        return tr("needs %1 disks, the %2 holds %3")
            .arg(GroupedNumber(storage.disks))
            .arg(m_resultModel.name)
            .arg(m_resultModel.bays);
    case CalBayFit::DiskTooLarge:
        return tr("the %1 takes disks of at most %2 TB")
            .arg(m_resultModel.name)
            .arg(m_resultModel.largestDiskTB);
    case CalBayFit::Fits:
    case CalBayFit::Unknown:
        break;
    }
    return QString();
}

QStringList CDlgCalNVRNum::LoadTexts(const CalLineLoad& load) const
{
    QString use = tr("Bandwidth use: %1 %")
                      .arg(BandwidthUsePercent(load.bandwidthUsed, load.bandwidth), 0, 'f', 1);
    // Of the whole bandwidth, so that the share kept free shows as what is left.
    if (load.usableBandwidth < load.bandwidth)
        use += tr(", %1 % kept free").arg(m_resultReserve);
    if (load.limit == CalLineLoad::Channels)
        use += tr(", full: channels");
    else if (load.limit == CalLineLoad::Bandwidth)
        use += tr(", full: bandwidth");
    return {tr("Each NVR: %1 of %2 channels, %3 of %4 kbps")
                .arg(GroupedNumber(load.channelsUsed))
                .arg(GroupedNumber(load.channels))
                .arg(GroupedNumber(load.bandwidthUsed))
                .arg(GroupedNumber(load.bandwidth)),
            use};
}

QString CDlgCalNVRNum::LineLoadText(std::size_t line) const
{
    return line < m_lineLoads.size() ? LoadTexts(m_lineLoads[line]).join(QStringLiteral("; "))
                                     : QString();
}

QString CDlgCalNVRNum::LineBaysText(std::size_t line) const
{
    return line < m_lineStorage.size() && m_siteStorage.ok ? BaysText(m_lineStorage[line])
                                                           : QString();
}

void CDlgCalNVRNum::ShowStorageTotal(bool shown)
{
    if (!shown) {
        m_pStorageTotalLabel->clear();
        m_pStorageTotalLabel->hide();
        return;
    }
    QString text;
    if (m_resultGoal == CalStorageGoal::DaysKept)
        text = tr("Disks: %1 (%2 TB each), holding %3<br/>The shortest kept: %4")
                   .arg(GroupedNumber(m_siteStorage.disks))
                   .arg(m_resultDiskTB)
                   .arg(ScreenStorage(m_siteStorage.kilobits))
                   .arg(DaysKeptText(m_siteDaysKept));
    else if (m_siteStorage.diskTB > 0 || m_siteStorage.disks == 0)
        text = tr("Storage: %1, disks: %2 (%3 TB each)")
                   .arg(ScreenStorage(m_siteStorage.kilobits))
                   .arg(GroupedNumber(m_siteStorage.disks))
                   .arg(m_siteStorage.diskTB > 0 ? m_siteStorage.diskTB : m_resultDiskTB);
    else
        text = tr("Storage: %1, disks: %2 (sizes per line)")
                   .arg(ScreenStorage(m_siteStorage.kilobits))
                   .arg(GroupedNumber(m_siteStorage.disks));
    if (m_siteStorage.linesNotFitting > 0)
        text += QStringLiteral("<br/>") +
                tr("<font color=\"#c00000\">Result lines whose disks do not fit the %1: %2</font>")
                    .arg(m_resultModel.name.toHtmlEscaped())
                    .arg(GroupedNumber(qint64(m_siteStorage.linesNotFitting)));
    m_pStorageTotalLabel->setText(text);
    m_pStorageTotalLabel->show();
}

QString CDlgCalNVRNum::StorageTotalText() const
{
    return m_pStorageTotalLabel->isHidden() ? QString() : m_pStorageTotalLabel->text();
}

bool CDlgCalNVRNum::CalculateAllowed() const
{
    return !m_pStorage->HasProblem();
}

void CDlgCalNVRNum::StorageInputsChanged()
{
    if (m_pStorage->HasProblem()) {
        ui->m_pCalNVRNumButton->setEnabled(false);
    } else {
        if (m_pRecords->LastRow() >= 0 && !IsShown(ui->m_pIPCTableInfoLabel) &&
            !IsShown(ui->m_pNumberInfoLabel))
            ui->m_pCalNVRNumButton->setEnabled(true);
    }
    NoteChange();
}

QString CDlgCalNVRNum::ResultCaption() const
{
    return tr("Need NVR Equipment (tai)");
}

void CDlgCalNVRNum::SetResult(const QString& text)
{
    bool number = false;
    const qint64 value = text.toLongLong(&number);
    ShowResultNumber(ui->m_pResultToolButton, number ? GroupedNumber(value) : text,
                     ResultCaption());
}

QString CDlgCalNVRNum::AddBlocked() const
{
    for (const QLabel* label : {ui->m_pIPCTableInfoLabel, ui->m_pNumberInfoLabel}) {
        if (IsShown(label))
            return PlainMessage(label);
    }
    return QString();
}

void CDlgCalNVRNum::MakeRecordEditors(int row)
{
    CTableView* table = ui->m_pIPCTableView;
    // Made in the table's viewport, so that each is styled once rather than again when the
    // table takes it.
    QWidget* cells = table->viewport();
    auto* number = new QLineEdit(cells);
    number->setValidator(m_pCountValidator);
    SayRefusedInput(number);
    number->setText(QStringLiteral("5"));
    connect(number, &QLineEdit::textChanged, this, &CDlgCalNVRNum::ConfirmNumber);
    connect(number, &QLineEdit::textChanged, this, &CDlgCalNVRNum::NoteChange);
    table->SetCellWidget(row, NumberColumn, number);

    auto* name = new QLineEdit(cells);
    name->setMaxLength(PlanMaxNameChars);
    // Control characters can only come with a paste; they are refused there.
    // One pattern for all records: copies share it, compiled once.
    static const QRegularExpression printable(QStringLiteral("[^\\p{Cc}\\p{Cf}]*"));
    name->setValidator(new QRegularExpressionValidator(printable, name));
    SayRefusedInput(
        name,
        tr("A name holds at most %1 characters and no control characters.").arg(PlanMaxNameChars));
    name->setToolTip(tr("What you call this camera type, e.g. \"Dock 4K bullets\" (optional)"));
    connect(name, &QLineEdit::textChanged, this, &CDlgCalNVRNum::NoteChange);
    table->SetCellWidget(row, NameColumn, name);

    auto makeBitRateCombo = [this, cells] {
        auto* combo = new QComboBox(cells);
        combo->addItems(BitRateChoices());
        // Editable through its own line edit: setEditable would build the popup list now,
        // for every record, where it is built when first opened.
        combo->setLineEdit(new QLineEdit(combo));
        // As much as a plan keeps of a typed bit rate.
        combo->lineEdit()->setMaxLength(PlanFormat::MaxTextChars);
        combo->setCurrentIndex(CalDefaultBitRateIndex);
        OfferEstimate(combo, [this, combo] { EstimateRecord(combo); });
        return combo;
    };
    QComboBox* first = makeBitRateCombo();
    connect(first, &QComboBox::editTextChanged, this, &CDlgCalNVRNum::ConfirmFirstBitRateRange);
    connect(first, &QComboBox::editTextChanged, this, &CDlgCalNVRNum::NoteChange);
    table->SetCellWidget(row, FirstBitRateColumn, first);
    QComboBox* second = makeBitRateCombo();
    connect(second, &QComboBox::editTextChanged, this, &CDlgCalNVRNum::ConfirmSecondBitRateRange);
    connect(second, &QComboBox::editTextChanged, this, &CDlgCalNVRNum::NoteChange);
    table->SetCellWidget(row, SecondBitRateColumn, second);

    // A record of an opened plan: its values were the page's all along, so no change to note.
    const auto waiting = m_waiting.constFind(row);
    if (waiting != m_waiting.cend()) {
        const PlanCamera camera = *waiting;
        m_waiting.erase(waiting);
        const bool outer = !m_bSettingState;
        m_bSettingState = true;
        ShowCamera(row, camera);
        if (outer)
            m_bSettingState = false;
    }
}

void CDlgCalNVRNum::EstimateRecord(QComboBox* box)
{
    int row = -1;
    for (int r = 0; r < m_pRecords->RecordCount() && row < 0; ++r) {
        if (m_pRecords->Editor(r, FirstBitRateColumn) == box ||
            m_pRecords->Editor(r, SecondBitRateColumn) == box)
            row = r;
    }
    auto* first = qobject_cast<QComboBox*>(m_pRecords->Editor(row, FirstBitRateColumn));
    auto* second = qobject_cast<QComboBox*>(m_pRecords->Editor(row, SecondBitRateColumn));
    if (!first || !second)
        return;
    CEstimateDlg dialog(BoxEstimate(first), BoxEstimate(second), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // One change for both boxes, so that undo takes the estimate back in one step.
    m_bSettingState = true;
    EnterComboText(first, dialog.BitRateText(0));
    SetBoxEstimate(first, dialog.Settings(0));
    EnterComboText(second, dialog.BitRateText(1));
    SetBoxEstimate(second, dialog.Settings(1));
    m_bSettingState = false;
    NoteChange();
}

void CDlgCalNVRNum::NVRTypeComboValueChanged(const QString& text)
{
    ui->m_pChannelNumCombo->setEnabled(false);
    CalNVRInfo info;
    if (!FindModelByName(m_models, text, info)) {
        ShowMessageLabel(ui->m_pNVRInformationLabel, CalMessage(CalMessages::NVRTypeInvalid));
        return;
    }
    const QSignalBlocker blocker(ui->m_pChannelNumCombo);
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
        const std::optional<QString> text = RecordText(row, column);
        if (!text)
            break;
        if (!IsValidBitRateText(*text)) {
            ShowMessageLabel(ui->m_pIPCTableInfoLabel, CalMessage(BitRateProblem(*text)));
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
        ShowMessageLabel(ui->m_pChannelInformation, CalMessage(CalMessages::ChannelInvalid));
}

void CDlgCalNVRNum::ConfirmNumber(const QString&)
{
    for (int row = 0; row < MaxRows; ++row) {
        const std::optional<QString> number = RecordText(row, NumberColumn);
        if (!number)
            break;
        if (number->trimmed().isEmpty()) {
            ShowMessageLabel(ui->m_pNumberInfoLabel, CalMessage(CalMessages::NumberBlank));
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

struct CDlgCalNVRNum::Request
{
    CalNVRInfo nvr;
    int disabledChannels = 0;
    std::vector<CalIPCInfo> cameras; // those the grouping places
    std::vector<CalStorageCamera> rates;
    CalStorageInputs storage;
    int reserve = 0; // percent of each recorder's bandwidth kept free
    qint64 total = 0;
    QStringList names; // by id - 1
};

bool CDlgCalNVRNum::InputsValid() const
{
    return !IsShown(ui->m_pIPCTableInfoLabel) && !IsShown(ui->m_pNVRInformationLabel) &&
           !IsShown(ui->m_pChannelInformation) && !IsShown(ui->m_pNumberInfoLabel) &&
           !m_pStorage->HasProblem();
}

bool CDlgCalNVRNum::MakeRequest(Request& request)
{
    bool storageValid = false;
    request.storage = StorageInputs(&storageValid);
    if (!InputsValid() || !storageValid ||
        !FindModelByName(m_models, ui->m_pNVRCombo->currentText(), request.nvr)) {
        m_pRequestLabel->hide();
        return false;
    }
    request.disabledChannels = ui->m_pChannelNumCombo->currentText().toInt();
    request.reserve = m_pStorage->BandwidthReserve();

    std::vector<CalIPCInfo> rows;
    // Both streams of each type, by id - 1: storage may count only the first.
    std::vector<CalStorageCamera> rates(MaxRows);
    for (int row = 0; row <= m_pRecords->LastRow(); ++row) {
        CalIPCInfo info;
        info.id = row + 1;
        for (int column : {FirstBitRateColumn, SecondBitRateColumn}) {
            if (const std::optional<QString> text = RecordText(row, column)) {
                const int kbps = ParseBitRate(*text);
                info.bitRate += kbps;
                (column == FirstBitRateColumn ? rates[std::size_t(row)].firstKbps
                                              : rates[std::size_t(row)].secondKbps) = kbps;
            }
        }
        if (const std::optional<QString> number = RecordText(row, NumberColumn))
            info.count = CountFromText(*number);
        request.names << RecordText(row, NameColumn).value_or(QString());
        request.total += info.count;
        rows.push_back(info);
    }

    std::vector<int> offending;
    switch (CheckNVRRequest(rows, request.nvr.bandwidth, &offending, request.reserve)) {
    case CalNVRCheck::TooManyIPCs:
        ShowMessageLabel(m_pRequestLabel, CalMessage(CalMessages::TooManyIPCs));
        return false;
    case CalNVRCheck::BitRateOverBandwidth: {
        QStringList lines;
        for (int id : offending)
            lines << (request.reserve == 0
                          ? CalMessage(CalMessages::BandwidthExceeded)
                                .arg(id)
                                .arg(rows[std::size_t(id - 1)].bitRate)
                                .arg(request.nvr.name)
                                .arg(request.nvr.bandwidth)
                          : CalMessage(CalMessages::UsableBandwidthExceeded)
                                .arg(id)
                                .arg(rows[std::size_t(id - 1)].bitRate)
                                .arg(request.nvr.name)
                                .arg(ReservedBandwidth(request.nvr.bandwidth, request.reserve))
                                .arg(request.reserve));
        ShowMessageLabel(m_pRequestLabel, lines.join(QStringLiteral("<br/>")));
        return false;
    }
    case CalNVRCheck::Ok:
        break;
    }
    m_pRequestLabel->hide();
    request.cameras = SelectIPCsToGroup(rows);
    request.rates = std::move(rates);
    return true;
}

void CDlgCalNVRNum::ShowResult(const CalNVRDataRecord& data, const CalStorageInputs& storage)
{
    m_lineStorage = data.lineStorage;
    m_siteStorage = data.ipcList.empty() ? SiteStorage({}, storage) : data.siteStorage;
    m_resultGoal = storage.goal;
    m_resultDiskTB = storage.diskTB;
    m_resultModel = data.model;
    int smallest = 0;
    for (const CalIPCInfo& info : data.ipcList) {
        if (info.bitRate > 0 && (smallest == 0 || info.bitRate < smallest))
            smallest = info.bitRate;
    }
    m_lineLoads.clear();
    for (const CalNVRUsedByUI& line : data.usedList)
        m_lineLoads.push_back(LineLoad(line, data.model, data.disabledChannels, smallest,
                                       data.bandwidthReservePercent));
    m_resultReserve = data.bandwidthReservePercent;
    m_lineDaysKept = data.lineDaysKept;
    m_siteDaysKept = data.ipcList.empty() ? SiteDaysKept({}, storage, storage.disksPerRecorder)
                                          : data.siteDaysKept;
    ResetGroup(data.usedList);
    SetResult(QString::number(data.nvrTotal));
    m_bResultCurrent = true;
}

void CDlgCalNVRNum::ClearResult()
{
    m_lineStorage.clear();
    m_lineLoads.clear();
    m_lineDaysKept.clear();
    m_siteDaysKept = CalDaysKept{};
    std::vector<CalNVRUsedByUI> none;
    ResetGroup(none);
    SetResult(QString());
}

void CDlgCalNVRNum::Recalculate()
{
    // Whatever runs now was started for inputs that are no longer on show.
    ++m_generation;
    m_pending.reset();
    Request request;
    if (!MakeRequest(request) || m_pRecords->RecordCount() == 0) {
        // Nothing on show may disagree with the inputs: no result until they can be calculated.
        ClearResult();
        m_bResultCurrent = true;
        return;
    }
    if (request.total > AutoCalculationCameras) {
        // The button calculates that many with its wait dialog; typing must not be held up.
        ClearResult();
        m_bResultCurrent = false;
        m_pRequestLabel->setText(tr("Press \"Caculator\" for the result of %1 cameras.")
                                     .arg(GroupedNumber(request.total)));
        m_pRequestLabel->show();
        return;
    }
    auto job = std::make_shared<Calculation>();
    job->generation = m_generation;
    job->names = request.names;
    CalNVRDataRecord& data = job->data;
    data.model = request.nvr;
    data.disabledChannels = request.disabledChannels;
    data.bandwidthReservePercent = request.reserve;
    data.ipcList = request.cameras;
    data.storageRates = request.rates;
    data.storageInputs = request.storage;
    if (data.ipcList.empty()) {
        data.nvrTotal = 0;
        m_resultNames = job->names;
        ShowResult(data, request.storage);
        return;
    }
    // Off the GUI thread, so that typing never waits for it. One runs at a time; of the
    // changes made meanwhile only the last is calculated next.
    m_bResultCurrent = false;
    if (m_pRunning)
        m_pending = job;
    else
        StartCalculation(job);
}

void CDlgCalNVRNum::StartCalculation(const std::shared_ptr<Calculation>& job)
{
    m_running = job;
    m_pRunning = QThread::create([job] { RunNVRCalculation(job->data); });
    // Owned by the page, so that none is left behind however the page ends.
    m_pRunning->setParent(this);
    connect(m_pRunning, &QThread::finished, this, [this, job] {
        if (m_running == job)
            CalculationFinished();
    });
    m_pRunning->start();
    // Said only when it takes long enough to be noticed.
    m_pBusyTimer->start();
}

void CDlgCalNVRNum::CalculationFinished()
{
    m_pBusyTimer->stop();
    m_pRunning->wait();
    // Gone now: no event loop may run again to delete it later.
    delete m_pRunning;
    m_pRunning = nullptr;
    const std::shared_ptr<Calculation> done = std::move(m_running);
    if (done->generation == m_generation) {
        m_pRequestLabel->hide();
        m_resultNames = done->names;
        ShowResult(done->data, done->data.storageInputs);
    }
    std::shared_ptr<Calculation> next = std::move(m_pending);
    if (next)
        StartCalculation(next);
}

void CDlgCalNVRNum::SettleResult()
{
    // The worker's own signal may still be queued: take its result now, and the last change's
    // after it, here.
    while (m_pRunning)
        CalculationFinished();
}

bool CDlgCalNVRNum::EnsureResult()
{
    SettleResult();
    if (!m_bResultCurrent && CanCalculate())
        CalNVRNum();
    return m_bResultCurrent;
}

void CDlgCalNVRNum::CalNVRNum()
{
    // The button's result replaces whatever the background was working out.
    ++m_generation;
    m_pending.reset();
    Request request;
    if (!MakeRequest(request)) {
        ClearResult();
        return;
    }
    const CalStorageInputs storage = request.storage;
    if (request.cameras.empty()) {
        CalNVRData.groupMap.clear();
        CalNVRData.usedList.clear();
        CalNVRData.lineStorage.clear();
        CalNVRData.lineDaysKept.clear();
        CalNVRData.siteDaysKept = CalDaysKept{};
        CalNVRData.model = request.nvr;
        CalNVRData.disabledChannels = request.disabledChannels;
        CalNVRData.bandwidthReservePercent = request.reserve;
        CalNVRData.nvrTotal = 0;
        ShowResult(CalNVRData, storage);
        return;
    }

    CalNVRData.model = request.nvr;
    CalNVRData.disabledChannels = request.disabledChannels;
    CalNVRData.bandwidthReservePercent = request.reserve;
    CalNVRData.ipcList = std::move(request.cameras);
    CalNVRData.storageRates = std::move(request.rates);
    CalNVRData.storageInputs = storage;
    CalNVRData.nvrTotal = -1;
    // The result on show belongs to the calculation under way until it ends.
    ClearResult();
    m_bResultCurrent = false;

    const QStringList names = request.names;
    if (WaitForWorker(this, CreateWorker(), tr("Calculation..."))) {
        m_resultNames = names;
        ShowResult(CalNVRData, storage);
    }
}

void CDlgCalNVRNum::ResetGroup(const std::vector<CalNVRUsedByUI>& vStruCalNVRusedByUI)
{
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

    // A million cameras can make thousands of lines: the model formats only the rows on show,
    // from the result the members hold now (which change only with the next reset). Under each
    // line: its load, its storage, the column captions, then its cameras. Only the number of
    // rows of each part is worked out here.
    struct LineRows
    {
        int loads = 0;
        int storage = 0;
        bool unbuildable = false; // the last storage row says why its disks cannot be built
    };
    auto lineRows = std::make_shared<std::vector<LineRows>>(m_resultLines.size());
    const int loadRows = m_lineLoads.empty() ? 0 : int(LoadTexts(m_lineLoads.front()).size());
    for (std::size_t at = 0; at < m_resultLines.size(); ++at) {
        LineRows& rows = (*lineRows)[at];
        if (at < m_lineLoads.size())
            rows.loads = loadRows;
        if (storage) {
            // As LineStorageTexts gives them: the disks, the days kept when asked, the bays.
            rows.unbuildable = !BaysText(m_lineStorage[at]).isEmpty();
            rows.storage = (at < m_lineDaysKept.size() ? 2 : 1) + (rows.unbuildable ? 1 : 0);
        }
    }
    // The names as they were when the result was shown, whatever is typed since.
    const QStringList names = m_resultNames;
    m_pGroupModel->Reset(
        int(m_resultLines.size()),
        [this, lineRows](int group) {
            const LineRows& rows = (*lineRows)[std::size_t(group)];
            return rows.loads + rows.storage + 1 +
                   int(m_resultLines[std::size_t(group)].ipcs.size());
        },
        [this, lineRows, names, cameraFont, countText, columnText](int group, int row,
                                                                   int role) -> QVariant {
            const std::size_t at = std::size_t(group);
            const CalNVRUsedByUI& line = m_resultLines[at];
            if (row < 0) {
                if (role == Qt::DisplayRole)
                    return countText + GroupedNumber(line.nvrCount);
                return role == Qt::UserRole + 1 ? QVariant(QString()) : QVariant();
            }
            const LineRows& rows = (*lineRows)[at];
            if (row < rows.loads) {
                // Each of the two fits the result panel's width.
                if (role == Qt::DisplayRole)
                    return at < m_lineLoads.size() ? LoadTexts(m_lineLoads[at]).value(row)
                                                   : QString();
                if (role == Qt::ForegroundRole)
                    return QBrush(QColor(40, 97, 155));
                return role == CDlgCalNVRNum::LoadRowRole ? QVariant(true) : QVariant();
            }
            row -= rows.loads;
            if (row < rows.storage) {
                if (role == Qt::DisplayRole)
                    return at < m_lineStorage.size() ? LineStorageTexts(at).value(row) : QString();
                // A line that cannot be built says why on a red row of its own.
                if (role == Qt::ForegroundRole)
                    return QBrush(rows.unbuildable && row + 1 == rows.storage
                                      ? QColor(192, 0, 0)
                                      : QColor(40, 97, 155));
                return role == CDlgCalNVRNum::StorageRowRole ? QVariant(true) : QVariant();
            }
            row -= rows.storage;
            if (row == 0)
                return role == Qt::DisplayRole ? QVariant(columnText) : QVariant();
            const CalIPCInfo& camera = line.ipcs[std::size_t(row - 1)];
            switch (role) {
            case Qt::DisplayRole:
                return CameraLine(camera.id, names.value(camera.id - 1), camera.count);
            case Qt::ToolTipRole: {
                const QString name = names.value(camera.id - 1);
                return name.isEmpty() ? QVariant() : QVariant(name);
            }
            case Qt::FontRole:
                return cameraFont;
            default:
                return QVariant();
            }
        });
    ui->m_pGroupTableResult->expandAll();
}

void CDlgCalNVRNum::BuildHeaderModel(QStandardItemModel& headerModel)
{
    auto* root = new QStandardItem(tr("IPC"));
    auto* bitRate = new QStandardItem(tr("Bit Rate(Kbps)"));
    bitRate->setChild(0, 0, new QStandardItem(tr("First Bit Rate")));
    bitRate->setChild(0, 1, new QStandardItem(tr("Second Bit Rate")));
    root->setChild(0, 0, new QStandardItem(tr("ID")));
    root->setChild(0, 1, new QStandardItem(tr("Name")));
    root->setChild(0, 2, bitRate);
    root->setChild(0, 3, new QStandardItem(tr("Number(tai)")));
    headerModel.setItem(0, 0, root);
}

void CDlgCalNVRNum::DeleteTableRow()
{
    m_pRecords->DeleteSelected();
}

void CDlgCalNVRNum::RefreshTable()
{
    m_pRecords->Refresh();
}

void CDlgCalNVRNum::RecordsRefreshed()
{
    CTableView* table = ui->m_pIPCTableView;
    ConfirmNumber(QString());
    // With no count editor left nothing could hide the message, and it would block adding.
    if (m_pRecords->LastRow() < 0)
        ui->m_pNumberInfoLabel->hide();

    // Each column's flag is recomputed from the records that remain: a flag left over from a
    // deleted record would keep the page locked after the last real error is corrected.
    m_bFirstBitRateError = false;
    m_bSecondBitRateError = false;
    for (int row = 0; row <= m_pRecords->LastRow(); ++row) {
        for (int column : {FirstBitRateColumn, SecondBitRateColumn}) {
            auto* combo = qobject_cast<QComboBox*>(table->GetCellWidget(row, column));
            if (combo && !IsValidBitRateText(combo->currentText()))
                (column == FirstBitRateColumn ? m_bFirstBitRateError : m_bSecondBitRateError) =
                    true;
        }
    }
    if (!m_bFirstBitRateError && !m_bSecondBitRateError) {
        ui->m_pIPCTableInfoLabel->hide();
        if (!IsShown(ui->m_pNumberInfoLabel) && CalculateAllowed())
            ui->m_pCalNVRNumButton->setEnabled(true);
    }
    NoteChange();
}
