// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDLGABOUT_H
#define CDLGABOUT_H

#include "widgets/dialogs/cbasedialog.h"

namespace Ui {
class CDlgAboutClass;
}

// The About dialog: the program's icon, name and version with the build date as its build
// number, in the compact frame with a close button and its own OK; Escape closes it too.
class CDlgAbout : public CBaseDialog
{
    Q_OBJECT

public:
    explicit CDlgAbout(QWidget* parent = nullptr);
    ~CDlgAbout() override;

    // " v" and the project version, two digits for each part after the first.
    static QString VersionText();

private:
    Ui::CDlgAboutClass* ui;
};

#endif
