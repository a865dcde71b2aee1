// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplanpages.h"

#include "engine/validation.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "widgets/itemviews/cgrouptreeview.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QToolButton>

namespace {

// Column layout shared by both pages' tables.
constexpr int IdColumn = 0;
constexpr int NvrFirstColumn = 1;
constexpr int NvrSecondColumn = 2;
constexpr int IpcTypeColumn = 1;
constexpr int IpcChannelColumn = 2;
constexpr int NumberColumn = 3;

QString ComboText(QWidget* widget)
{
    auto* combo = qobject_cast<QComboBox*>(widget);
    return combo ? combo->currentText() : QString();
}

QString EditText(QWidget* widget)
{
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? edit->text() : QString();
}

void SelectIndexText(QComboBox* combo, const QString& text)
{
    if (!combo)
        return;
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

void EnterComboText(QComboBox* combo, const QString& text)
{
    if (!combo)
        return;
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    if (combo->isEditable())
        combo->setEditText(text);
}

CPlanPages::CPlanPages(CDlgCalNVRNum* nvrPage, CDlgCalIPCNum* ipcPage)
    : m_pNVRPage(nvrPage), m_pIPCPage(ipcPage)
{
}

CTableView* CPlanPages::NvrTable() const
{
    return m_pNVRPage->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
}

CTableView* CPlanPages::IpcTable() const
{
    return m_pIPCPage->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
}

QComboBox* CPlanPages::NvrCombo(const char* name) const
{
    return m_pNVRPage->findChild<QComboBox*>(QLatin1String(name));
}

QToolButton* CPlanPages::ResultBox(bool nvr) const
{
    QWidget* page = nvr ? static_cast<QWidget*>(m_pNVRPage) : m_pIPCPage;
    return page->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"));
}

int CPlanPages::NvrRecordCount() const
{
    int rows = 0;
    while (rows < CDlgCalNVRNum::MaxRows && NvrTable()->GetCellWidget(rows, NvrFirstColumn))
        ++rows;
    return rows;
}

int CPlanPages::IpcRecordCount() const
{
    int rows = 0;
    while (rows < CDlgCalIPCNum::TableRows && IpcTable()->GetCellWidget(rows, IpcTypeColumn))
        ++rows;
    return rows;
}

QStringList CPlanPages::State() const
{
    QStringList state;
    CTableView* nvr = NvrTable();
    for (int row = 0, n = NvrRecordCount(); row < n; ++row)
        state << ComboText(nvr->GetCellWidget(row, NvrFirstColumn))
              << ComboText(nvr->GetCellWidget(row, NvrSecondColumn))
              << EditText(nvr->GetCellWidget(row, NumberColumn));
    state << QStringLiteral("|") << NvrCombo("m_pNVRCombo")->currentText()
          << NvrCombo("m_pChannelNumCombo")->currentText();
    for (const auto& input : m_pNVRPage->StorageInputTexts())
        state << input.second;
    state << QStringLiteral("|");
    CTableView* ipc = IpcTable();
    for (int row = 0, n = IpcRecordCount(); row < n; ++row)
        state << ComboText(ipc->GetCellWidget(row, IpcTypeColumn))
              << ComboText(ipc->GetCellWidget(row, IpcChannelColumn))
              << EditText(ipc->GetCellWidget(row, NumberColumn));
    state << QStringLiteral("|")
          << m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pFirstBitRateComboBox"))
                 ->currentText()
          << m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pSecondBitRateComboBox"))
                 ->currentText();
    return state;
}

CorvanePlan CPlanPages::Capture(QString* problem) const
{
    CorvanePlan plan;
    QString blank;
    CTableView* nvr = NvrTable();
    for (int row = 0, n = NvrRecordCount(); row < n; ++row) {
        PlanCamera camera;
        camera.firstBitRate = ComboText(nvr->GetCellWidget(row, NvrFirstColumn));
        camera.secondBitRate = ComboText(nvr->GetCellWidget(row, NvrSecondColumn));
        const QString count = EditText(nvr->GetCellWidget(row, NumberColumn));
        if (!IsValidCountText(count) && blank.isEmpty())
            blank = tr("camera record %1").arg(row + 1);
        camera.count = CountFromText(count);
        plan.cameras.append(camera);
    }
    plan.nvrModel = NvrCombo("m_pNVRCombo")->currentText();
    plan.nvrDisabledChannels = NvrCombo("m_pChannelNumCombo")->currentText().toInt();
    bool storageValid = false;
    plan.storage = m_pNVRPage->StorageInputs(&storageValid);

    CTableView* ipc = IpcTable();
    for (int row = 0, n = IpcRecordCount(); row < n; ++row) {
        PlanRecorder recorder;
        recorder.model = ComboText(ipc->GetCellWidget(row, IpcTypeColumn));
        recorder.disabledChannels = ComboText(ipc->GetCellWidget(row, IpcChannelColumn)).toInt();
        const QString count = EditText(ipc->GetCellWidget(row, NumberColumn));
        if (!IsValidCountText(count) && blank.isEmpty())
            blank = tr("recorder record %1").arg(row + 1);
        recorder.count = CountFromText(count);
        plan.recorders.append(recorder);
    }
    plan.ipcFirstBitRate =
        m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pFirstBitRateComboBox"))->currentText();
    plan.ipcSecondBitRate =
        m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pSecondBitRateComboBox"))
            ->currentText();

    if (problem) {
        *problem = CheckPlan(plan);
        // The count editors' own message says it best; it names no record, so add one.
        if (problem->isEmpty() && !blank.isEmpty())
            *problem = tr("The number in %1 is blank or not valid.").arg(blank);
        // The page's own message beside the storage inputs says which one.
        if (problem->isEmpty() && !storageValid)
            *problem = tr("A storage input of \"NVR Calculate\" is not valid.");
    }
    return plan;
}

void CPlanPages::DeleteAllRecords(bool nvr)
{
    CTableView* table = nvr ? NvrTable() : IpcTable();
    const int records = nvr ? NvrRecordCount() : IpcRecordCount();
    if (records == 0)
        return;
    QAbstractItemModel* model = table->model();
    table->selectionModel()->select(
        QItemSelection(model->index(0, 0), model->index(records - 1, model->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (nvr)
        m_pNVRPage->DeleteTableRow();
    else
        m_pIPCPage->DeleteTableRow();
    table->selectionModel()->clearSelection();
}

void CPlanPages::Clear()
{
    DeleteAllRecords(true);
    QComboBox* model = NvrCombo("m_pNVRCombo");
    model->setCurrentIndex(0);
    NvrCombo("m_pChannelNumCombo")->setCurrentIndex(0);
    m_pNVRPage->SetStorageInputs(CalStorageInputs());
    m_pNVRPage->findChild<QPushButton*>(QStringLiteral("m_pCalNVRNumButton"))->setEnabled(false);
    std::vector<CalNVRUsedByUI> none;
    m_pNVRPage->ResetGroup(none);
    ResultBox(true)->setText(QString());

    DeleteAllRecords(false);
    for (const char* name : {"m_pFirstBitRateComboBox", "m_pSecondBitRateComboBox"}) {
        auto* combo = m_pIPCPage->findChild<QComboBox*>(QLatin1String(name));
        EnterComboText(combo, combo->itemText(CalDefaultBitRateIndex));
    }
    ResultBox(false)->setText(QString());
}

bool CPlanPages::Apply(const CorvanePlan& plan)
{
    Clear();

    CTableView* nvr = NvrTable();
    for (int row = 0; row < plan.cameras.size(); ++row) {
        m_pNVRPage->TableCellClicked(nvr->model()->index(row, IdColumn));
        const PlanCamera& camera = plan.cameras[row];
        EnterComboText(qobject_cast<QComboBox*>(nvr->GetCellWidget(row, NvrFirstColumn)),
                       camera.firstBitRate);
        EnterComboText(qobject_cast<QComboBox*>(nvr->GetCellWidget(row, NvrSecondColumn)),
                       camera.secondBitRate);
        if (auto* count = qobject_cast<QLineEdit*>(nvr->GetCellWidget(row, NumberColumn)))
            count->setText(QString::number(camera.count));
    }
    SelectIndexText(NvrCombo("m_pNVRCombo"), plan.nvrModel);
    SelectIndexText(NvrCombo("m_pChannelNumCombo"), QString::number(plan.nvrDisabledChannels));
    m_pNVRPage->SetStorageInputs(plan.storage);

    CTableView* ipc = IpcTable();
    // The page recalculates on every change and warns above 1000000 recorders: each new record
    // arrives with 5, so counts start at 0 and are typed in only once every record exists,
    // keeping every intermediate sum within the plan's own.
    for (int row = 0; row < plan.recorders.size(); ++row) {
        m_pIPCPage->TableCellClicked(ipc->model()->index(row, IdColumn));
        if (auto* count = qobject_cast<QLineEdit*>(ipc->GetCellWidget(row, NumberColumn)))
            count->setText(QStringLiteral("0"));
        const PlanRecorder& recorder = plan.recorders[row];
        SelectIndexText(qobject_cast<QComboBox*>(ipc->GetCellWidget(row, IpcTypeColumn)),
                        recorder.model);
        // The type's change put a new channel box in place.
        SelectIndexText(qobject_cast<QComboBox*>(ipc->GetCellWidget(row, IpcChannelColumn)),
                        QString::number(recorder.disabledChannels));
    }
    for (int row = 0; row < plan.recorders.size(); ++row) {
        if (auto* count = qobject_cast<QLineEdit*>(ipc->GetCellWidget(row, NumberColumn)))
            count->setText(QString::number(plan.recorders[row].count));
    }
    EnterComboText(m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pFirstBitRateComboBox")),
                   plan.ipcFirstBitRate);
    EnterComboText(m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pSecondBitRateComboBox")),
                   plan.ipcSecondBitRate);

    auto* calculate = m_pNVRPage->findChild<QPushButton*>(QStringLiteral("m_pCalNVRNumButton"));
    if (!plan.cameras.isEmpty() && calculate->isEnabled())
        calculate->click();

    return Capture(nullptr) == plan;
}

PlanReportData CPlanPages::ReportData() const
{
    PlanReportData data;
    CTableView* nvr = NvrTable();
    for (int row = 0, n = NvrRecordCount(); row < n; ++row)
        data.nvrRecords.append({QString::number(row + 1),
                                ComboText(nvr->GetCellWidget(row, NvrFirstColumn)),
                                ComboText(nvr->GetCellWidget(row, NvrSecondColumn)),
                                EditText(nvr->GetCellWidget(row, NumberColumn))});
    data.nvrModel = NvrCombo("m_pNVRCombo")->currentText();
    data.nvrDisabledChannels = NvrCombo("m_pChannelNumCombo")->currentText();
    data.nvrTotal = ResultBox(true)->text();
    data.nvrStorageInputs = m_pNVRPage->StorageInputTexts();
    data.nvrStorageTotal = m_pNVRPage->StorageTotalText();
    const std::vector<CalStorage>& lineStorage = m_pNVRPage->ResultLineStorage();
    if (!data.nvrStorageTotal.isEmpty()) {
        data.nvrStorageTB = StorageTerabytesText(m_pNVRPage->ResultSiteStorage().kilobits);
        data.nvrDisks = QString::number(m_pNVRPage->ResultSiteStorage().disks);
    }

    // The tree as it stands: a recorder row ends in its number of recorders, a camera row is
    // "type   count"; the column-title row matches neither.
    static const QRegularExpression trailingNumber(QStringLiteral("(\\d+)\\s*$"));
    static const QRegularExpression cameraLine(QStringLiteral("^\\s*(\\d+)\\s+(\\d+)\\s*$"));
    auto* tree = m_pNVRPage->findChild<CGroupTreeView*>(QStringLiteral("m_pGroupTableResult"));
    const QAbstractItemModel* model = tree ? tree->model() : nullptr;
    for (int group = 0; model && group < model->rowCount(); ++group) {
        const QModelIndex groupIndex = model->index(group, 0);
        const QString groupText = groupIndex.data().toString();
        data.nvrTree.append({0, groupText});
        PlanReportData::NvrLine line;
        line.recorders = trailingNumber.match(groupText).captured(1).toInt();
        for (int child = 0; child < model->rowCount(groupIndex); ++child) {
            const QString text = model->index(child, 0, groupIndex).data().toString();
            data.nvrTree.append({1, text});
            const QRegularExpressionMatch match = cameraLine.match(text);
            if (match.hasMatch())
                line.cameras.append({match.captured(1).toInt(), match.captured(2).toInt()});
        }
        // The page keeps the storage of exactly the lines its tree shows.
        if (!data.nvrStorageTotal.isEmpty() && std::size_t(group) < lineStorage.size()) {
            line.storageTB = StorageTerabytesText(lineStorage[std::size_t(group)].kilobits);
            line.disks = QString::number(lineStorage[std::size_t(group)].disks);
        }
        data.nvrLines.append(line);
    }

    CTableView* ipc = IpcTable();
    for (int row = 0, n = IpcRecordCount(); row < n; ++row)
        data.ipcRecords.append({QString::number(row + 1),
                                ComboText(ipc->GetCellWidget(row, IpcTypeColumn)),
                                ComboText(ipc->GetCellWidget(row, IpcChannelColumn)),
                                EditText(ipc->GetCellWidget(row, NumberColumn))});
    data.ipcFirstBitRate =
        m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pFirstBitRateComboBox"))->currentText();
    data.ipcSecondBitRate =
        m_pIPCPage->findChild<QComboBox*>(QStringLiteral("m_pSecondBitRateComboBox"))
            ->currentText();
    data.ipcResult = ResultBox(false)->text();
    return data;
}
