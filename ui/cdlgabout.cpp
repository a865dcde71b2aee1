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
    // The project's one version, shown in the dialog's long-standing form: 1.0.0.1 reads
    // " v1.00.00.01".
    return tr(" v%1").arg(QStringLiteral("%1.%2.%3.%4")
                              .arg(CORVANE_VERSION_MAJOR)
                              .arg(CORVANE_VERSION_MINOR, 2, 10, QLatin1Char('0'))
                              .arg(CORVANE_VERSION_PATCH, 2, 10, QLatin1Char('0'))
                              .arg(CORVANE_VERSION_TWEAK, 2, 10, QLatin1Char('0')));
}

CDlgAbout::~CDlgAbout()
{
    delete ui;
}
