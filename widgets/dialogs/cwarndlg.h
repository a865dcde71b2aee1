// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CWARNDLG_H
#define CWARNDLG_H

#include "widgets/dialogs/cbasedialog.h"

#include <QSizeF>

namespace Ui {
class CWarnDlgClass;
}

// The program's one message box, in the dialog frame: a warning (close button only) or a
// confirmation (close button, OK and Cancel). The dialog sizes itself to the message and
// grows downwards for texts that need more lines. Results: 1 accepted (OK, Return, Enter,
// Select), 0 rejected (Cancel, close button, Escape, close request), -1 from the static
// helpers without a parent.
class CWarnDlg : public CBaseDialog
{
    Q_OBJECT

public:
    explicit CWarnDlg(QWidget* parent = nullptr);
    ~CWarnDlg() override;

    int ExecWarn(const QString& title, const QString& text);
    int ExecConfirm(const QString& title, const QString& text);

    static int ShowWarn(const QString& title, const QString& text, QWidget* parent);
    static int ShowConfirm(const QString& title, const QString& text, QWidget* parent);

    static constexpr int MinWidth = 300;
    static constexpr int FixedHeight = 225;
    static constexpr int MaxWidth = 400;
    static constexpr int Margin = 12;

public slots:
    void TextNeededSize(QSizeF sizeText);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AdjustSizeToText(const QString& text);
    void SetTexts(const QString& title, const QString& text);

    Ui::CWarnDlgClass* ui;
};

#endif
