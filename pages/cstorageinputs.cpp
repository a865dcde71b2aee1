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
    m_pRetentionEdit = numberEdit(defaults.retentionDays, "m_pRetentionEdit");
    addRow(tr("Retention (days):"), m_pRetentionEdit);
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

    // Connected once all are filled: filling a box announces its first choice.
    for (QComboBox* combo : {m_pStreamsCombo, m_pDiskCombo, m_pRedundancyCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &CStorageInputs::Confirm);

    m_pInformation = new QLabel(frame);
    m_pInformation->setObjectName(QStringLiteral("m_pStorageInformation"));
    m_pInformation->setWordWrap(true);
    m_pInformation->hide();
    grid->addWidget(m_pInformation, row, 0, 1, 2);
}

CalStorageInputs CStorageInputs::Inputs(bool* valid) const
{
    CalStorageInputs inputs;
    inputs.retentionDays = m_pRetentionEdit->text().trimmed().toInt();
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
                               std::pair{m_pHoursEdit, inputs.hoursPerDay},
                               std::pair{m_pRecordedEdit, inputs.recordedPercent}}) {
        if (edit->text().trimmed().toInt() != value || edit->text().trimmed().isEmpty())
            edit->setText(QString::number(value));
    }
    m_pStreamsCombo->setCurrentIndex(m_pStreamsCombo->findData(int(inputs.streams)));
    m_pDiskCombo->setCurrentIndex(m_pDiskCombo->findData(inputs.diskTB));
    m_pRedundancyCombo->setCurrentIndex(m_pRedundancyCombo->findData(int(inputs.redundancy)));
}

QList<QPair<QString, QString>> CStorageInputs::InputTexts() const
{
    QList<QPair<QString, QString>> texts;
    for (QLineEdit* edit : {m_pRetentionEdit, m_pHoursEdit, m_pRecordedEdit})
        texts.append({edit->accessibleName(), edit->text()});
    for (QComboBox* combo : {m_pStreamsCombo, m_pDiskCombo, m_pRedundancyCombo})
        texts.append({combo->accessibleName(), combo->currentText()});
    return texts;
}

QList<QWidget*> CStorageInputs::Editors() const
{
    return {m_pRetentionEdit, m_pHoursEdit, m_pRecordedEdit,
            m_pStreamsCombo,  m_pDiskCombo, m_pRedundancyCombo};
}

bool CStorageInputs::HasProblem() const
{
    return IsShown(m_pInformation);
}

void CStorageInputs::Confirm()
{
    const QString problem = StorageInputMessage(CheckStorageInputs(Inputs()));
    if (problem.isEmpty())
        m_pInformation->hide();
    else
        ShowMessageLabel(m_pInformation, problem);
    emit Changed();
}
