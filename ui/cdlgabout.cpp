// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cdlgabout.h"
#include "ui_cdlgabout.h"

#include "ui/builddate.h"

#include <corvaneversion.h>

CDlgAbout::CDlgAbout(QWidget* parent)
    : CBaseDialog(parent, false, false, false), ui(new Ui::CDlgAboutClass)
{
    ui->setupUi(GetContentFrame());
    setFixedSize(520, 200);
    ShowCloseBtn(true);
    SetEscapeRejects(true);
    SetTitleText(tr("About"));
    ui->pLabelAbout->setText(VersionText() + QStringLiteral(" Build") +
                             QString::number(BuildDateToNumber()));
    connect(ui->m_pOkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

QString CDlgAbout::VersionText()
{
    // The one version string the program, corvane-plan, the report and the package all show.
    return tr(" v%1").arg(QLatin1String(CORVANE_VERSION));
}

CDlgAbout::~CDlgAbout()
{
    delete ui;
}
