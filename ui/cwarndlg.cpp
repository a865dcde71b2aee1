#include "ui/cwarndlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CWarnDlg::CWarnDlg(QWidget* parent) : QDialog(parent)
{
    auto* layout = new QVBoxLayout(this);
    m_pText = new QLabel(this);
    m_pText->setAlignment(Qt::AlignCenter);
    m_pText->setWordWrap(true);
    layout->addWidget(m_pText);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_pOkBtn = new QPushButton(tr("OK"), this);
    m_pOkBtn->setObjectName(QStringLiteral("pOkBtn"));
    m_pCancelBtn = new QPushButton(tr("Cancel"), this);
    m_pCancelBtn->setObjectName(QStringLiteral("pCancelBtn"));
    buttons->addWidget(m_pOkBtn);
    buttons->addWidget(m_pCancelBtn);
    layout->addLayout(buttons);
    connect(m_pOkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    resize(300, 225);
}

CWarnDlg::~CWarnDlg() = default;

void CWarnDlg::SetTexts(const QString& title, const QString& text)
{
    setWindowTitle(title);
    m_pText->setText(text);
}

int CWarnDlg::ExecWarn(const QString& title, const QString& text)
{
    SetTexts(title, text);
    m_pOkBtn->hide();
    m_pCancelBtn->hide();
    return exec();
}

int CWarnDlg::ExecConfirm(const QString& title, const QString& text)
{
    SetTexts(title, text);
    m_pOkBtn->show();
    m_pCancelBtn->show();
    return exec();
}

int CWarnDlg::ShowWarn(const QString& title, const QString& text, QWidget* parent)
{
    if (!parent)
        return -1;
    CWarnDlg dlg(parent);
    return dlg.ExecWarn(title, text);
}

int CWarnDlg::ShowConfirm(const QString& title, const QString& text, QWidget* parent)
{
    if (!parent)
        return -1;
    CWarnDlg dlg(parent);
    return dlg.ExecConfirm(title, text);
}
