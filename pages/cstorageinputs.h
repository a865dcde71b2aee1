// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CSTORAGEINPUTS_H
#define CSTORAGEINPUTS_H

#include "engine/storage.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The inputs of "NVR Calculate" below the recorder choice: the share of each recorder's
// bandwidth kept free, then the storage (what is asked, with the retention or the disks per
// recorder, recording hours, recorded share, streams, disk size, redundancy, hot spares and the
// space kept free on the disks), each a labelled row of the page's settings grid so that they
// line up with the recorder choice above them, and one message under them for the first input
// out of range.
class CStorageInputs : public QObject
{
    Q_OBJECT

public:
    CStorageInputs(QGridLayout* grid, QWidget* frame, QObject* parent);

    // The inputs as the editors hold them (an empty number reads 0); `valid` tells whether
    // they may be calculated with.
    CalStorageInputs Inputs(bool* valid = nullptr) const;
    // Fills the editors as a user would, so that their checks apply.
    void SetInputs(const CalStorageInputs& inputs);
    // The percent of each recorder's bandwidth kept free, as the editor holds it.
    int BandwidthReserve(bool* valid = nullptr) const;
    void SetBandwidthReserve(int percent);
    // Each editor's name and its text or choice, as shown; the reserves and spares only when
    // they hold more than none, the disks or the retention as asked.
    QList<QPair<QString, QString>> InputTexts() const;
    QList<QWidget*> Editors() const;
    // Whether the message about an input is up.
    bool HasProblem() const;

signals:
    // After every change of an input, once its check has run.
    void Changed();

private:
    void Confirm();
    // Shows the retention or the disks, as the goal asks.
    void ShowGoal();

    QLineEdit* m_pBandwidthReserveEdit;
    QComboBox* m_pGoalCombo;
    QLineEdit* m_pDisksEdit;
    QLineEdit* m_pSparesEdit;
    QLineEdit* m_pDiskReserveEdit;
    QLineEdit* m_pRetentionEdit;
    QLineEdit* m_pHoursEdit;
    QLineEdit* m_pRecordedEdit;
    QComboBox* m_pStreamsCombo;
    QComboBox* m_pDiskCombo;
    QComboBox* m_pRedundancyCombo;
    QLabel* m_pInformation;
};

#endif
