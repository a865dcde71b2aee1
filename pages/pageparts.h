// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PAGEPARTS_H
#define PAGEPARTS_H

#include "engine/nvrcatalogue.h"
#include "plan/pagestate.h"

#include <QDialog>
#include <QString>
#include <functional>

class CalNVRThread;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

// Parts both calculator pages share.

// Shows a page's result number in its picture box. The box keeps the size it was laid out
// with (a long number must not squeeze the table beside it); the font shrinks until the
// number fits. Assistive technology hears the caption with the number, not a bare button.
void ShowResultNumber(QToolButton* box, const QString& number, const QString& caption);

// A page's message: red text in its label, shown, and announced to assistive technology when
// it is new.
void ShowMessageLabel(QLabel* label, const QString& text);
// The text of a message label without its colour.
QString PlainMessage(const QLabel* label);
// Shown means not hidden by the page: the page itself may be on another tab.
inline bool IsShown(const QWidget* widget)
{
    return !widget->isHidden();
}

// A whole number with its digits grouped as the interface language writes them.
QString GroupedNumber(qint64 value);

// A keystroke or paste the editor refuses is said at the editor, not dropped unseen: by
// `message`, or that only whole numbers can be typed there.
void SayRefusedInput(QLineEdit* edit, const QString& message = QString());

// A bit-rate box remembers the settings its bit rate was estimated from, for as long as it
// holds the text the estimate wrote: typing a bit rate by hand leaves it typed.
PlanStreamEstimate BoxEstimate(const QComboBox* box);
void SetBoxEstimate(QComboBox* box, const PlanStreamEstimate& estimate);
// "Estimate…" on a bit-rate box: in its context menu and on EstimateKey, named in its tip;
// `open` asks for the settings.
void OfferEstimate(QComboBox* box, const std::function<void()>& open);
inline constexpr int EstimateKey = Qt::Key_F4;

// A record's unit price, kept by one of its editors (which goes with the record when records
// before it are deleted); no price until one is set.
PlanUnitPrice EditorPrice(const QWidget* editor);
void SetEditorPrice(QWidget* editor, const PlanUnitPrice& price);

// An amount of storage in TB as the screen shows it: three decimals, digits grouped.
QString ScreenTerabytes(quint64 kilobits);
// The same with the amount in TiB beside it, as recorders and computers count disks:
// "23.220 TB (21.12 TiB)".
QString ScreenStorage(quint64 kilobits);

// Puts `text` into a bit-rate box as a user would: picking the matching entry when there is
// one, typing it otherwise.
void EnterComboText(QComboBox* combo, const QString& text);

// Fills a recorder-model choice: the built-in models, then, after a separator, the plan's own
// ones in italics with a tip saying whose they are. The model chosen before stays chosen when
// it is still offered; no signal is sent.
void FillModelChoice(QComboBox* combo, const CalModelList& own);

// A calculation shorter than this is over before the user notices a wait: no wait dialog.
constexpr int WaitDialogDelayMs = 500;

// Starts the worker and waits for its results; when they take longer than WaitDialogDelayMs,
// with the wait dialog until the worker has reported. False when the application quits first
// (the results are then incomplete and must be left alone).
bool WaitForWorker(QWidget* parent, CalNVRThread* worker, const QString& text);

// A calculator page: a dialog form embedded in the main window.
class CCalculatorPage : public QDialog
{
    Q_OBJECT

public:
    // With a parent the page is a child widget from the start: moving a built page out of a
    // window into its parent would restyle every widget in it.
    explicit CCalculatorPage(QWidget* parent = nullptr) : QDialog(parent)
    {
        if (parent)
            setWindowFlags(Qt::Widget);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

#endif
