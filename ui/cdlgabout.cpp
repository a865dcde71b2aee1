#include "ui/cdlgabout.h"
#include "ui_cdlgabout.h"

#include "ui/builddate.h"

CDlgAbout::CDlgAbout(QWidget* parent)
    : CBaseDialog(parent, false, false, false), ui(new Ui::CDlgAboutClass)
{
    ui->setupUi(GetContentFrame());
    setFixedSize(520, 200);
    ShowCloseBtn(true);
    SetTitleText(tr("About"));
    ui->pLabelAbout->setText(tr(" v1.00.00.01") + QStringLiteral(" Build") +
                             QString::number(BuildDateToNumber()));
    connect(ui->m_pOkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

CDlgAbout::~CDlgAbout()
{
    delete ui;
}
