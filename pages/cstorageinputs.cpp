// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cstorageinputs.h"

#include "engine/validation.h"
#include "pages/pageparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CStorageInputs::CStorageInputs(QGridLayout* grid, QWidget* frame, QObject* parent) : QObject(parent)
{
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
    auto numberEdit = [this, frame](int value, const char* name) {
        auto* edit = new QLineEdit(QString::number(value), frame);
        edit->setObjectName(QLatin1String(name));
        // Digits only, as many as the largest value has; the range is checked with a message.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\s*[0-9]{0,4}\\s*")), edit));
        SayRefusedInput(edit);
        connect(edit, &QLineEdit::textChanged, this, &CStorageInputs::Confirm);
        return edit;
    };
    auto choice = [frame](const char* name) {
        auto* combo = new QComboBox(frame);
        combo->setObjectName(QLatin1String(name));
        combo->setEditable(false);
        return combo;
    };

    const CalStorageInputs defaults;
    m_pBandwidthReserveEdit = numberEdit(0, "m_pBandwidthReserveEdit");
    m_pBandwidthReserveEdit->setToolTip(
        tr("Each recorder takes cameras up to its bandwidth less this share, which is left for "
           "growth and bit-rate peaks"));
    addRow(tr("Bandwidth kept free (%):"), m_pBandwidthReserveEdit);

    // The label of the retention's row asks what is worked out: the disks a retention needs,
    // or the days given disks keep. Each has its editor, so that both values stay.
    m_pGoalCombo = choice("m_pGoalCombo");
    m_pGoalCombo->addItem(tr("Retention (days):"), int(CalStorageGoal::Disks));
    m_pGoalCombo->addItem(tr("Disks per NVR:"), int(CalStorageGoal::DaysKept));
    m_pGoalCombo->setItemData(0, tr("Work out the disks each recorder needs for the retention"),
                              Qt::ToolTipRole);
    m_pGoalCombo->setItemData(1,
                              tr("Give the disks of each recorder: the result says how many "
                                 "days they keep"),
                              Qt::ToolTipRole);
    m_pGoalCombo->setToolTip(
        tr("Work out the disks for a retention, or the days given disks keep"));
    m_pGoalCombo->setAccessibleName(tr("Storage worked out from"));
    m_pRetentionEdit = numberEdit(defaults.retentionDays, "m_pRetentionEdit");
    m_pRetentionEdit->setAccessibleName(tr("Retention (days)"));
    m_pDisksEdit = numberEdit(defaults.disksPerRecorder, "m_pDisksEdit");
    m_pDisksEdit->setAccessibleName(tr("Disks per NVR"));
    m_pDisksEdit->hide();
    for (QLineEdit* edit : {m_pRetentionEdit, m_pDisksEdit}) {
        edit->setMinimumWidth(150);
        edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        grid->addWidget(edit, row, 1);
    }
    m_pGoalCombo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    grid->addWidget(m_pGoalCombo, row, 0);
    ++row;
    m_pHoursEdit = numberEdit(defaults.hoursPerDay, "m_pHoursEdit");
    addRow(tr("Recording hours per day:"), m_pHoursEdit);
    m_pRecordedEdit = numberEdit(defaults.recordedPercent, "m_pRecordedEdit");
    m_pRecordedEdit->setToolTip(
        tr("The share of the recording hours actually recorded, e.g. for motion recording"));
    addRow(tr("Recorded share (%):"), m_pRecordedEdit);

    m_pStreamsCombo = choice("m_pStreamsCombo");
    m_pStreamsCombo->addItem(tr("First stream only"), int(CalStreams::FirstOnly));
    m_pStreamsCombo->addItem(tr("Both streams"), int(CalStreams::Both));
    addRow(tr("Streams recorded:"), m_pStreamsCombo);

    m_pDiskCombo = choice("m_pDiskCombo");
    for (int size : CalDiskSizesTB())
        m_pDiskCombo->addItem(tr("%1 TB").arg(size), size);
    m_pDiskCombo->addItem(tr("Smallest that fits"), CalDiskSmallestFits);
    m_pDiskCombo->setItemData(m_pDiskCombo->count() - 1,
                              tr("Per result line, the smallest disk size whose disks fit the "
                                 "recorder model's disk bays"),
                              Qt::ToolTipRole);
    m_pDiskCombo->setCurrentIndex(m_pDiskCombo->findData(defaults.diskTB));
    addRow(tr("Disk size:"), m_pDiskCombo);

    m_pRedundancyCombo = choice("m_pRedundancyCombo");
    m_pRedundancyCombo->addItem(tr("None"), int(CalRedundancy::None));
    m_pRedundancyCombo->addItem(tr("Mirrored"), int(CalRedundancy::Mirrored));
    m_pRedundancyCombo->addItem(tr("One parity disk"), int(CalRedundancy::SingleParity));
    m_pRedundancyCombo->addItem(tr("Two parity disks"), int(CalRedundancy::DoubleParity));
    addRow(tr("Redundancy:"), m_pRedundancyCombo);

    m_pSparesEdit = numberEdit(defaults.hotSpares, "m_pSparesEdit");
    m_pSparesEdit->setToolTip(
        tr("Idle disks in each recorder that stand in for a failed one, beside its set"));
    addRow(tr("Hot spares per NVR:"), m_pSparesEdit);
    m_pDiskReserveEdit = numberEdit(defaults.storageReservePercent, "m_pDiskReserveEdit");
    m_pDiskReserveEdit->setToolTip(tr("Space left free on every disk: a disk of 8 TB with 10 % "
                                      "kept free holds 7.2 TB of video"));
    addRow(tr("Disk space kept free (%):"), m_pDiskReserveEdit);

    // Connected once all are filled: filling a box announces its first choice.
    for (QComboBox* combo : {m_pStreamsCombo, m_pDiskCombo, m_pRedundancyCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &CStorageInputs::Confirm);
    connect(m_pGoalCombo, &QComboBox::currentIndexChanged, this, [this] {
        ShowGoal();
        Confirm();
    });

    m_pInformation = new QLabel(frame);
    m_pInformation->setObjectName(QStringLiteral("m_pStorageInformation"));
    m_pInformation->setWordWrap(true);
    m_pInformation->hide();
    grid->addWidget(m_pInformation, row, 0, 1, 2);
}

CalStorageInputs CStorageInputs::Inputs(bool* valid) const
{
    CalStorageInputs inputs;
    inputs.goal = CalStorageGoal(m_pGoalCombo->currentData().toInt());
    inputs.retentionDays = m_pRetentionEdit->text().trimmed().toInt();
    inputs.disksPerRecorder = m_pDisksEdit->text().trimmed().toInt();
    inputs.hotSpares = m_pSparesEdit->text().trimmed().toInt();
    inputs.storageReservePercent = m_pDiskReserveEdit->text().trimmed().toInt();
    inputs.hoursPerDay = m_pHoursEdit->text().trimmed().toInt();
    inputs.recordedPercent = m_pRecordedEdit->text().trimmed().toInt();
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

void CStorageInputs::SetInputs(const CalStorageInputs& inputs)
{
    // A number equal to the one shown is left as typed ("030" stays).
    for (auto [edit, value] : {std::pair{m_pRetentionEdit, inputs.retentionDays},
                               std::pair{m_pDisksEdit, inputs.disksPerRecorder},
                               std::pair{m_pHoursEdit, inputs.hoursPerDay},
                               std::pair{m_pRecordedEdit, inputs.recordedPercent},
                               std::pair{m_pSparesEdit, inputs.hotSpares},
                               std::pair{m_pDiskReserveEdit, inputs.storageReservePercent}}) {
        if (edit->text().trimmed().toInt() != value || edit->text().trimmed().isEmpty())
            edit->setText(QString::number(value));
    }
    m_pGoalCombo->setCurrentIndex(m_pGoalCombo->findData(int(inputs.goal)));
    m_pStreamsCombo->setCurrentIndex(m_pStreamsCombo->findData(int(inputs.streams)));
    m_pDiskCombo->setCurrentIndex(m_pDiskCombo->findData(inputs.diskTB));
    m_pRedundancyCombo->setCurrentIndex(m_pRedundancyCombo->findData(int(inputs.redundancy)));
}

int CStorageInputs::BandwidthReserve(bool* valid) const
{
    const int percent = m_pBandwidthReserveEdit->text().trimmed().toInt();
    if (valid)
        *valid = BandwidthReserveMessage(percent).isEmpty();
    return percent;
}

void CStorageInputs::SetBandwidthReserve(int percent)
{
    if (m_pBandwidthReserveEdit->text().trimmed().toInt() != percent ||
        m_pBandwidthReserveEdit->text().trimmed().isEmpty())
        m_pBandwidthReserveEdit->setText(QString::number(percent));
}

QList<QPair<QString, QString>> CStorageInputs::InputTexts() const
{
    // What was never used is left out, so that a plan without it reads as before.
    const auto used = [](const QLineEdit* edit) { return edit->text().trimmed().toInt() != 0; };
    QList<QPair<QString, QString>> texts;
    if (used(m_pBandwidthReserveEdit))
        texts.append({m_pBandwidthReserveEdit->accessibleName(), m_pBandwidthReserveEdit->text()});
    QLineEdit* asked = m_pDisksEdit->isHidden() ? m_pRetentionEdit : m_pDisksEdit;
    for (QLineEdit* edit : {asked, m_pHoursEdit, m_pRecordedEdit})
        texts.append({edit->accessibleName(), edit->text()});
    for (QComboBox* combo : {m_pStreamsCombo, m_pDiskCombo, m_pRedundancyCombo})
        texts.append({combo->accessibleName(), combo->currentText()});
    for (QLineEdit* edit : {m_pSparesEdit, m_pDiskReserveEdit}) {
        if (used(edit))
            texts.append({edit->accessibleName(), edit->text()});
    }
    return texts;
}

QList<QWidget*> CStorageInputs::Editors() const
{
    return {m_pBandwidthReserveEdit,
            m_pGoalCombo,
            m_pRetentionEdit,
            m_pDisksEdit,
            m_pHoursEdit,
            m_pRecordedEdit,
            m_pStreamsCombo,
            m_pDiskCombo,
            m_pRedundancyCombo,
            m_pSparesEdit,
            m_pDiskReserveEdit};
}

void CStorageInputs::ShowGoal()
{
    const bool daysKept =
        CalStorageGoal(m_pGoalCombo->currentData().toInt()) == CalStorageGoal::DaysKept;
    QLineEdit* shown = daysKept ? m_pDisksEdit : m_pRetentionEdit;
    QLineEdit* hidden = daysKept ? m_pRetentionEdit : m_pDisksEdit;
    const bool focused = hidden->hasFocus();
    hidden->hide();
    shown->show();
    if (focused)
        shown->setFocus();
}

bool CStorageInputs::HasProblem() const
{
    return IsShown(m_pInformation);
}

void CStorageInputs::Confirm()
{
    const CalStorageInputs inputs = Inputs();
    QString problem = BandwidthReserveMessage(BandwidthReserve());
    if (problem.isEmpty())
        problem = StorageInputMessage(CheckStorageInputs(inputs), inputs);
    if (problem.isEmpty())
        m_pInformation->hide();
    else
        ShowMessageLabel(m_pInformation, problem);
    emit Changed();
}
