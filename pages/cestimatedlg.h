// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CESTIMATEDLG_H
#define CESTIMATEDLG_H

#include "plan/pagestate.h"
#include "widgets/dialogs/cbasedialog.h"

class QComboBox;
class QLabel;
class QSpinBox;

// "Estimate…": a camera's first and second stream described by their settings, the bit rates
// estimated from them shown as they change. OK is refused while a setting cannot be estimated
// or an estimate lies outside what recorders accept, with the reason on show.
class CEstimateDlg : public CBaseDialog
{
    Q_OBJECT

public:
    // The settings each stream's bit rate was estimated from, when it was.
    CEstimateDlg(const PlanStreamEstimate& first, const PlanStreamEstimate& second,
                 QWidget* parent = nullptr);

    // 0 is the first stream, 1 the second.
    CalStreamSettings Settings(int stream) const;
    // The estimate as a bit-rate box takes it, in kbps.
    QString BitRateText(int stream) const;

public slots:
    void accept() override;

private:
    struct Stream
    {
        QComboBox* resolution = nullptr;
        QSpinBox* fps = nullptr;
        QComboBox* codec = nullptr;
        QComboBox* quality = nullptr;
        QComboBox* scene = nullptr;
        QSpinBox* night = nullptr;
        QLabel* estimate = nullptr;
    };
    QWidget* MakeStream(int stream, const CalStreamSettings& settings, QWidget* parent);
    // Reads one stream's fields; false with the reason when they cannot be estimated.
    bool Read(int stream, CalStreamSettings* settings, QString* problem) const;
    // Shows both estimates; false when one cannot be written into a bit-rate box.
    bool Update();

    Stream m_streams[2];
    QLabel* m_pMessage = nullptr;
};

#endif
