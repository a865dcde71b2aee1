// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CSAVECHANGESDLG_H
#define CSAVECHANGESDLG_H

#include "widgets/dialogs/cwarndlg.h"

class CPushButton;

// The confirmation asked before unsaved changes would be dropped: the message box with three
// answers, "Save" (the default, also Return), "Don't Save" and "Cancel" (also the close button
// and Escape).
class CSaveChangesDlg : public CWarnDlg
{
    Q_OBJECT

public:
    enum Answer
    {
        Cancel = 0,
        Save = 1,
        Discard = 2
    };

    explicit CSaveChangesDlg(QWidget* parent);

    static Answer Ask(const QString& title, const QString& text, QWidget* parent);

private:
    CPushButton* m_pDiscardBtn;
};

#endif
