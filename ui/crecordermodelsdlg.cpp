// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/crecordermodelsdlg.h"

#include "engine/validation.h"
#include "pages/pageparts.h"
#include "plan/catalogue.h"
#include "widgets/controls/cpushbutton.h"
#include "widgets/controls/ctooltip.h"
#include "widgets/dialogs/cfiledialog.h"
#include "widgets/dialogs/cwarndlg.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

enum Column
{
    NameColumn,
    BandwidthColumn,
    ChannelsColumn,
    DisabledColumn,
    BaysColumn,
    DiskColumn,
    SourceColumn,
    ColumnCount
};

// The program's "M": 1 Mbps is 1024 kbps, as every bit rate the pages take.
constexpr int Kbps = 1;
constexpr int Mbps = 1024;

// As many digits as the largest value of each field has; larger values get the range message.
constexpr int BandwidthDigits = 9;
constexpr int ChannelDigits = 4;
constexpr int DiskDigits = 3;

const QColor BuiltInText(128, 128, 128);

QString Break()
{
    return QStringLiteral("<br/>");
}

} // namespace

CRecorderModelsDlg::CRecorderModelsDlg(const CalModelList& models, const QStringList& inUse,
                                       QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_startFolder(QDir::homePath())
{
    SetTitleText(tr("Recorder Models"));
    ShowCloseBtn(true);
    SetEscapeRejects(true);

    auto* content = new QWidget(this);
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(10, 8, 10, 4);
    layout->setSpacing(10);

    m_pModel = new QStandardItemModel(0, ColumnCount, this);
    const QStringList headers = {
        tr("Model"),     tr("Bandwidth (kbps)"),  tr("Channels"), tr("May be disabled"),
        tr("Disk bays"), tr("Largest disk (TB)"), tr("Source")};
    for (int column = 0; column < ColumnCount; ++column)
        m_pModel->setHeaderData(column, Qt::Horizontal, headers.at(column));
    m_pModel->setHeaderData(DisabledColumn, Qt::Horizontal, tr("Channels that may be disabled"),
                            Qt::ToolTipRole);

    m_pTable = new CTableView(content);
    m_pTable->setObjectName(QStringLiteral("m_pModelTable"));
    m_pTable->setAccessibleName(tr("Recorder models"));
    m_pTable->setModel(m_pModel);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setUniformRowHeights(true);
    m_pTable->header()->setStretchLastSection(false);
    m_pTable->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    // Right-aligned figures keep clear of the next column's text.
    m_pTable->setStyleSheet(QStringLiteral("QTreeView::item { padding: 0px 6px; }"));
    m_pTable->installEventFilter(this);
    layout->addWidget(m_pTable, 1);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    auto button = [&](const QString& text, const char* name, const QString& tip) {
        auto* b = new CPushButton(text, content);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setMinimumSize(100, 24);
        buttons->addWidget(b);
        return b;
    };
    m_pAddBtn = button(tr("Add..."), "m_pAddBtn", tr("Define a new recorder model for the plan"));
    m_pCopyBtn = button(tr("Copy..."), "m_pCopyBtn",
                        tr("Make a new model of the plan's own from the selected one"));
    m_pEditBtn = button(tr("Edit..."), "m_pEditBtn",
                        tr("Change the selected model (only the plan's own; Return)"));
    m_pRemoveBtn = button(tr("Remove"), "m_pRemoveBtn",
                          tr("Remove the selected model (only the plan's own; Delete)"));
    buttons->addSpacing(16);
    m_pImportBtn = button(tr("Import..."), "m_pImportBtn",
                          tr("Add the models of a catalogue file (JSON or CSV)"));
    m_pExportBtn = button(tr("Export..."), "m_pExportBtn",
                          tr("Save the plan's own models to a catalogue file (JSON or CSV)"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    SetContentWidget(content);

    connect(m_pAddBtn, &QPushButton::clicked, this, &CRecorderModelsDlg::AddModel);
    connect(m_pCopyBtn, &QPushButton::clicked, this, &CRecorderModelsDlg::CopyModel);
    connect(m_pEditBtn, &QPushButton::clicked, this, &CRecorderModelsDlg::EditModel);
    connect(m_pRemoveBtn, &QPushButton::clicked, this, &CRecorderModelsDlg::RemoveModel);
    connect(m_pImportBtn, &QPushButton::clicked, this, &CRecorderModelsDlg::ImportModels);
    connect(m_pExportBtn, &QPushButton::clicked, this, &CRecorderModelsDlg::ExportModels);
    connect(m_pTable, &QAbstractItemView::doubleClicked, this, [this] {
        if (SelectedOwn() >= 0)
            EditModel();
    });
    connect(m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CRecorderModelsDlg::UpdateButtons);

    for (const CalNVRInfo& model : NVRTypeList)
        AppendRow(model, true);
    m_builtInRows = int(NVRTypeList.size());
    for (const CalNVRInfo& model : models) {
        m_own.push_back({model, model.name, inUse.contains(model.name)});
        AppendRow(model, false);
    }

    // The planner comes for the own models: start at the first of them.
    SelectRow(m_own.empty() ? 0 : m_builtInRows);
    m_pTable->setFocus();
    UpdateButtons();
    resize(860, 560);
}

CRecorderModelsDlg::~CRecorderModelsDlg() = default;

CalModelList CRecorderModelsDlg::Models() const
{
    CalModelList models;
    models.reserve(m_own.size());
    for (const OwnModel& own : m_own) {
        models.push_back(own.model);
        models.back().id = CalFirstOwnModelId + int(models.size() - 1);
        models.back().usableChannels = 0;
    }
    return models;
}

QHash<QString, QString> CRecorderModelsDlg::Renamed() const
{
    // Compared with the name each model came with, so renaming it back is no renaming and a
    // removed model leaves nothing behind.
    QHash<QString, QString> renamed;
    for (const OwnModel& own : m_own) {
        if (!own.givenName.isEmpty() && own.givenName != own.model.name)
            renamed.insert(own.givenName, own.model.name);
    }
    return renamed;
}

void CRecorderModelsDlg::SetWhereUsed(const QHash<QString, QString>& where)
{
    m_whereUsed = where;
}

void CRecorderModelsDlg::SetStartFolder(const QString& folder)
{
    m_startFolder = folder;
}

QString CRecorderModelsDlg::CopyName(const QString& name) const
{
    const CalModelList own = Models();
    const auto make = [](const QString& base, int n) {
        return n == 1 ? tr("%1 copy").arg(base) : tr("%1 copy %2").arg(base, QString::number(n));
    };
    // One more candidate than there are models always finds a free name.
    const int candidates = m_builtInRows + int(m_own.size()) + 1;
    for (int n = 1; n <= candidates; ++n) {
        QString base = name;
        QString candidate = make(base, n);
        while (candidate.size() > CalMaxModelNameChars && !base.isEmpty()) {
            base.chop(1);
            candidate = make(base.trimmed(), n);
        }
        if (IsWellFormedModelName(candidate) && !ModelNameTaken(candidate, own))
            return candidate;
    }
    return make(name, 1);
}

QList<QStandardItem*> CRecorderModelsDlg::RowItems(const CalNVRInfo& model, bool builtIn) const
{
    // Unknown is a dash on screen and a word for a screen reader.
    const auto optional = [](int value) {
        return value > 0 ? QString::number(value) : QString(QChar(0x2013));
    };
    const QStringList texts = {model.name,
                               GroupedNumber(model.bandwidth),
                               GroupedNumber(model.ipChannels),
                               GroupedNumber(model.maxDisableChannels),
                               optional(model.bays),
                               optional(model.largestDiskTB),
                               builtIn ? tr("Built-in") : tr("This plan")};
    QList<QStandardItem*> items;
    for (int column = 0; column < ColumnCount; ++column) {
        auto* item = new QStandardItem(texts.at(column));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (builtIn)
            item->setForeground(BuiltInText);
        if (column >= BandwidthColumn && column <= DiskColumn)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    if (model.bays <= 0)
        items.at(BaysColumn)->setData(tr("unknown"), Qt::AccessibleTextRole);
    if (model.largestDiskTB <= 0)
        items.at(DiskColumn)->setData(tr("unknown"), Qt::AccessibleTextRole);
    return items;
}

void CRecorderModelsDlg::AppendRow(const CalNVRInfo& model, bool builtIn)
{
    m_pModel->appendRow(RowItems(model, builtIn));
}

void CRecorderModelsDlg::ShowOwnRow(int own)
{
    // Replaced cell by cell, so that the row keeps its place and its selection.
    const int row = m_builtInRows + own;
    const QList<QStandardItem*> items = RowItems(m_own[std::size_t(own)].model, false);
    for (int column = 0; column < ColumnCount; ++column)
        m_pModel->setItem(row, column, items.at(column));
}

int CRecorderModelsDlg::SelectedRow() const
{
    const QModelIndexList rows = m_pTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int CRecorderModelsDlg::SelectedOwn() const
{
    const int row = SelectedRow();
    return row >= m_builtInRows ? row - m_builtInRows : -1;
}

void CRecorderModelsDlg::SelectRow(int row)
{
    if (row < 0 || row >= m_pModel->rowCount())
        return;
    const QModelIndex index = m_pModel->index(row, NameColumn);
    m_pTable->setCurrentIndex(index);
    m_pTable->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    m_pTable->scrollTo(index);
}

void CRecorderModelsDlg::UpdateButtons()
{
    const bool own = SelectedOwn() >= 0;
    m_pCopyBtn->setEnabled(SelectedRow() >= 0);
    m_pEditBtn->setEnabled(own);
    m_pRemoveBtn->setEnabled(own);
    m_pExportBtn->setEnabled(!m_own.empty());
}

CalModelList CRecorderModelsDlg::OwnModelsExcept(int except) const
{
    CalModelList others;
    for (std::size_t i = 0; i < m_own.size(); ++i) {
        if (int(i) != except)
            others.push_back(m_own[i].model);
    }
    return others;
}

bool CRecorderModelsDlg::RunEditor(const QString& title, CalNVRInfo& model, int except)
{
    CRecorderModelEditDlg editor(title, model, OwnModelsExcept(except), this);
    if (editor.exec() != QDialog::Accepted)
        return false;
    model = editor.Model();
    return true;
}

bool CRecorderModelsDlg::HasRoomFor(std::size_t more)
{
    if (m_own.size() + more <= std::size_t(CalMaxOwnModels))
        return true;
    Warn(CalMessage(CalMessages::TooManyModels).arg(CalMaxOwnModels));
    return false;
}

void CRecorderModelsDlg::Warn(const QString& text)
{
    CWarnDlg::ShowWarn(CalMessage(CalMessages::ErrorTitle), text, this);
}

void CRecorderModelsDlg::AddModel()
{
    if (!HasRoomFor(1))
        return;
    CalNVRInfo model;
    if (!RunEditor(tr("Add Recorder Model"), model, -1))
        return;
    m_own.push_back({model, QString(), false});
    AppendRow(model, false);
    SelectRow(m_pModel->rowCount() - 1);
    UpdateButtons();
}

void CRecorderModelsDlg::CopyModel()
{
    const int row = SelectedRow();
    if (row < 0 || !HasRoomFor(1))
        return;
    CalNVRInfo model = row < m_builtInRows ? NVRTypeList[std::size_t(row)]
                                           : m_own[std::size_t(row - m_builtInRows)].model;
    model.name = CopyName(model.name);
    if (!RunEditor(tr("Copy Recorder Model"), model, -1))
        return;
    m_own.push_back({model, QString(), false});
    AppendRow(model, false);
    SelectRow(m_pModel->rowCount() - 1);
    UpdateButtons();
}

void CRecorderModelsDlg::EditModel()
{
    const int own = SelectedOwn();
    if (own < 0)
        return;
    CalNVRInfo model = m_own[std::size_t(own)].model;
    if (!RunEditor(tr("Edit Recorder Model"), model, own))
        return;
    m_own[std::size_t(own)].model = model;
    ShowOwnRow(own);
}

void CRecorderModelsDlg::RemoveModel()
{
    const int own = SelectedOwn();
    if (own < 0)
        return;
    const OwnModel& entry = m_own[std::size_t(own)];
    if (entry.inUse) {
        const QString name = entry.model.name.toHtmlEscaped();
        const QString where = m_whereUsed.value(entry.givenName);
        Warn((where.isEmpty() ? tr("\"%1\" cannot be removed: the plan's pages use it.").arg(name)
                              : tr("\"%1\" cannot be removed: it is in use (%2).")
                                    .arg(name, where.toHtmlEscaped())) +
             Break() + tr("Choose another model there first."));
        return;
    }
    const int row = m_builtInRows + own;
    m_own.erase(m_own.begin() + own);
    m_pModel->removeRow(row);
    // The next model takes the removed one's place; after the last, the one above it.
    SelectRow(qMin(row, m_pModel->rowCount() - 1));
    UpdateButtons();
}

bool CRecorderModelsDlg::ImportFrom(const QString& path)
{
    const QString file = QFileInfo(path).fileName().toHtmlEscaped();
    const QString refused = tr("The catalogue \"%1\" could not be imported.").arg(file) + Break();
    const CatalogueReadResult read = ReadCatalogueFile(path);
    if (!read.ok) {
        Warn(refused + read.error.toHtmlEscaped());
        return false;
    }
    if (read.models.empty()) {
        Warn(refused + tr("It holds no recorder models."));
        return false;
    }
    if (m_own.size() + read.models.size() > std::size_t(CalMaxOwnModels)) {
        Warn(refused + CalMessage(CalMessages::TooManyModels).arg(CalMaxOwnModels));
        return false;
    }
    // The file has been checked against the built-in models and itself; the plan's own
    // models are this dialog's to check.
    const CalModelList own = Models();
    for (const CalNVRInfo& model : read.models) {
        const CalModelField field = CheckModel(model, own);
        if (field != CalModelField::None) {
            Warn(refused + ModelFieldMessage(field, model).toHtmlEscaped());
            return false;
        }
    }
    const int first = m_pModel->rowCount();
    for (const CalNVRInfo& model : read.models) {
        m_own.push_back({model, QString(), false});
        AppendRow(model, false);
    }
    SelectRow(first);
    UpdateButtons();
    return true;
}

bool CRecorderModelsDlg::ExportTo(const QString& path)
{
    QString error;
    if (WriteCatalogueFile(path, Models(), &error))
        return true;
    Warn(tr("The recorder models could not be exported to \"%1\".").arg(path.toHtmlEscaped()) +
         Break() + error.toHtmlEscaped());
    return false;
}

void CRecorderModelsDlg::ImportModels()
{
    const QString path = ChooseImportPath();
    if (path.isEmpty())
        return;
    m_startFolder = QFileInfo(path).absolutePath();
    ImportFrom(path);
}

void CRecorderModelsDlg::ExportModels()
{
    if (m_own.empty()) {
        Warn(tr("The plan has no models of its own to export."));
        return;
    }
    const QString json = QLatin1String(CatalogueFormat::JsonSuffix);
    const QString csv = QLatin1String(CatalogueFormat::CsvSuffix);
    const QString filters =
        tr("Catalogues (*.json)") + QStringLiteral(";;") + tr("CSV for spreadsheets (*.csv)");
    QString selected;
    QString path = ChooseExportPath(filters, &selected);
    if (path.isEmpty())
        return;
    // The chooser leaves the suffix to the user; the chosen filter supplies a missing one.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != json && suffix != csv)
        path += QLatin1Char('.') + (selected.contains(QStringLiteral("*.") + csv) ? csv : json);
    m_startFolder = QFileInfo(path).absolutePath();
    // The chooser does not ask before replacing a file; this does, in the program's own box.
    if (QFileInfo::exists(path) &&
        CWarnDlg::ShowConfirm(tr("Confirm"),
                              tr("\"%1\" already exists.<br/>Replace it?")
                                  .arg(QFileInfo(path).fileName().toHtmlEscaped()),
                              this) != 1)
        return;
    ExportTo(path);
}

QString CRecorderModelsDlg::ChooseImportPath()
{
    return CFileDialog::GetOpenFileName(this, tr("Import Recorder Models"), m_startFolder,
                                        tr("Catalogues (*.json *.csv)") + QStringLiteral(";;") +
                                            tr("All files (*)"));
}

QString CRecorderModelsDlg::ChooseExportPath(const QString& filters, QString* selectedFilter)
{
    return CFileDialog::GetSaveFileName(this, tr("Export Recorder Models"), m_startFolder, filters,
                                        selectedFilter);
}

bool CRecorderModelsDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The table's Return would otherwise reach the frame and accept the whole dialog.
    if (watched == m_pTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Delete)
            return CBaseDialog::eventFilter(watched, event);
        const int row = SelectedRow();
        if (row >= 0 && row < m_builtInRows) {
            // Say why nothing happens, at the row, in the program's own tip.
            const QRect cell = m_pTable->visualRect(m_pModel->index(row, NameColumn));
            CToolTip::ShowTip(m_pTable->viewport()->mapToGlobal(cell.center()),
                              tr("Built-in models cannot be changed or removed; Copy makes a "
                                 "model of the plan's own from one."),
                              m_pTable->viewport());
        } else if (key == Qt::Key_Delete) {
            RemoveModel();
        } else {
            EditModel();
        }
        return true;
    }
    return CBaseDialog::eventFilter(watched, event);
}

CRecorderModelEditDlg::CRecorderModelEditDlg(const QString& title, const CalNVRInfo& model,
                                             const CalModelList& others, QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_others(others)
{
    SetTitleText(title);
    ShowCloseBtn(true);
    SetEscapeRejects(true);

    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(16, 12, 16, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    int row = 0;
    auto addRow = [&](const QString& text, QWidget* field, QWidget* beside = nullptr) {
        auto* label = new QLabel(text, content);
        label->setBuddy(field);
        field->setAccessibleName(text.chopped(1).trimmed());
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, beside ? 1 : 2);
        if (beside)
            grid->addWidget(beside, row, 2);
        ++row;
    };
    auto numberEdit = [&](const char* name, int digits, int value, bool mayBeUnknown) {
        auto* edit = new QLineEdit(content);
        edit->setObjectName(QLatin1String(name));
        // Digits only; the range is said by the message.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\s*[0-9]{0,%1}\\s*").arg(digits)), edit));
        SayRefusedInput(edit);
        if (mayBeUnknown) {
            edit->setPlaceholderText(tr("unknown"));
            edit->setToolTip(tr("Leave it empty when it is unknown"));
        }
        if (value > 0 || !mayBeUnknown)
            edit->setText(QString::number(value));
        return edit;
    };

    m_pNameEdit = new QLineEdit(model.name, content);
    m_pNameEdit->setObjectName(QStringLiteral("m_pNameEdit"));
    addRow(tr("Name:"), m_pNameEdit);

    // A whole number of Mbps is shown as such, as the built-in models' bandwidths are.
    const bool inMbps = model.bandwidth <= 0 || model.bandwidth % Mbps == 0;
    m_unit = inMbps ? Mbps : Kbps;
    m_pBandwidthEdit =
        numberEdit("m_pBandwidthEdit", BandwidthDigits, model.bandwidth / m_unit, false);
    if (model.bandwidth <= 0)
        m_pBandwidthEdit->clear();
    m_pUnitCombo = new QComboBox(content);
    m_pUnitCombo->setObjectName(QStringLiteral("m_pUnitCombo"));
    m_pUnitCombo->addItem(tr("kbps"), Kbps);
    m_pUnitCombo->addItem(tr("Mbps"), Mbps);
    m_pUnitCombo->setCurrentIndex(m_pUnitCombo->findData(m_unit));
    m_pUnitCombo->setAccessibleName(tr("Bandwidth unit"));
    m_pUnitCombo->setToolTip(tr("1 Mbps is 1024 kbps"));
    m_pUnitCombo->setMinimumWidth(70);
    addRow(tr("Bandwidth:"), m_pBandwidthEdit, m_pUnitCombo);

    m_pChannelsEdit = numberEdit("m_pChannelsEdit", ChannelDigits, model.ipChannels, false);
    if (model.ipChannels <= 0)
        m_pChannelsEdit->clear();
    addRow(tr("Channels:"), m_pChannelsEdit);
    m_pDisabledEdit = numberEdit("m_pDisabledEdit", ChannelDigits, model.maxDisableChannels, false);
    addRow(tr("Channels that may be disabled:"), m_pDisabledEdit);
    m_pBaysEdit = numberEdit("m_pBaysEdit", DiskDigits, model.bays, true);
    addRow(tr("Disk bays:"), m_pBaysEdit);
    m_pDiskEdit = numberEdit("m_pDiskEdit", DiskDigits, model.largestDiskTB, true);
    addRow(tr("Largest disk (TB):"), m_pDiskEdit);

    m_pMessage = new QLabel(content);
    m_pMessage->setObjectName(QStringLiteral("m_pMessage"));
    m_pMessage->setWordWrap(true);
    m_pMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for two lines whether a message is up or not, so the form never jumps.
    m_pMessage->setMinimumHeight(2 * m_pMessage->fontMetrics().lineSpacing() + 4);
    QSizePolicy policy = m_pMessage->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_pMessage->setSizePolicy(policy);
    m_pMessage->hide();
    grid->addWidget(m_pMessage, row, 0, 1, 3);
    SetContentWidget(content);

    for (QLineEdit* edit : {m_pNameEdit, m_pBandwidthEdit, m_pChannelsEdit, m_pDisabledEdit,
                            m_pBaysEdit, m_pDiskEdit}) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (m_bChecking)
                CheckFields();
        });
    }
    connect(m_pUnitCombo, &QComboBox::currentIndexChanged, this,
            &CRecorderModelEditDlg::UnitChanged);

    m_pNameEdit->setFocus();
    m_pNameEdit->selectAll();
    resize(qMax(470, sizeHint().width()), sizeHint().height());
}

CalNVRInfo CRecorderModelEditDlg::Model() const
{
    // Numbers beyond a field's bounds stay beyond them, whatever their size.
    const auto number = [](const QLineEdit* edit, int blank, qint64 factor, int max) {
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            return blank;
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        return ok ? int(qMin(value * factor, qint64(max) + 1)) : -1;
    };
    CalNVRInfo model;
    // Spaces at either end do not belong to a name.
    model.name = m_pNameEdit->text().trimmed();
    model.bandwidth =
        number(m_pBandwidthEdit, -1, m_pUnitCombo->currentData().toInt(), CalMaxModelBandwidth);
    model.ipChannels = number(m_pChannelsEdit, -1, 1, CalMaxModelChannels);
    model.maxDisableChannels = number(m_pDisabledEdit, -1, 1, CalMaxModelChannels);
    model.bays = number(m_pBaysEdit, 0, 1, CalMaxModelBays);
    model.largestDiskTB = number(m_pDiskEdit, 0, 1, CalMaxModelDiskTB);
    return model;
}

QWidget* CRecorderModelEditDlg::CheckFields()
{
    const CalNVRInfo model = Model();
    const CalModelField field = CheckModel(model, m_others);
    QWidget* wrong = nullptr;
    switch (field) {
    case CalModelField::None:
        m_pMessage->hide();
        return nullptr;
    case CalModelField::Name:
        wrong = m_pNameEdit;
        break;
    case CalModelField::Bandwidth:
        wrong = m_pBandwidthEdit;
        break;
    case CalModelField::Channels:
        wrong = m_pChannelsEdit;
        break;
    case CalModelField::MaxDisabledChannels:
        wrong = m_pDisabledEdit;
        break;
    case CalModelField::Bays:
        wrong = m_pBaysEdit;
        break;
    case CalModelField::LargestDisk:
        wrong = m_pDiskEdit;
        break;
    }
    ShowMessageLabel(m_pMessage, ModelFieldMessage(field, model).toHtmlEscaped());
    return wrong;
}

void CRecorderModelEditDlg::accept()
{
    // Every way of accepting (OK, Return, Enter) comes here, so none skips the check.
    m_bChecking = true;
    if (QWidget* wrong = CheckFields()) {
        wrong->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(wrong))
            edit->selectAll();
        return;
    }
    CBaseDialog::accept();
}

void CRecorderModelEditDlg::UnitChanged()
{
    // The same bandwidth in the other unit where it is a whole number there; otherwise the
    // number stays and the unit says what it means, as when the unit is chosen after typing.
    const int unit = m_pUnitCombo->currentData().toInt();
    const QString text = m_pBandwidthEdit->text().trimmed();
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (ok && unit > m_unit && value % (unit / m_unit) == 0)
        m_pBandwidthEdit->setText(QString::number(value / (unit / m_unit)));
    else if (ok && unit < m_unit &&
             QString::number(value * (m_unit / unit)).size() <= BandwidthDigits)
        m_pBandwidthEdit->setText(QString::number(value * (m_unit / unit)));
    m_unit = unit;
    if (m_bChecking)
        CheckFields();
}
