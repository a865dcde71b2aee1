// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/csavechangesdlg.h"

#include "widgets/controls/cpushbutton.h"

#include <QFrame>
#include <QGridLayout>

CSaveChangesDlg::CSaveChangesDlg(QWidget* parent) : CWarnDlg(parent), m_pDiscardBtn(nullptr)
{
    SetOkBtnText(tr("Save"));
    SetCancelBtnText(tr("Cancel"));
    // The third answer joins OK and Cancel in the frame's bottom bar, between them.
    QFrame* bar = GetButtonBar();
    QPushButton* cancel = GetCancelButton();
    auto* grid = bar ? qobject_cast<QGridLayout*>(bar->layout()) : nullptr;
    if (grid && cancel) {
        m_pDiscardBtn = new CPushButton(tr("Don't Save"), bar);
        m_pDiscardBtn->setObjectName(QStringLiteral("pDiscardBtn"));
        m_pDiscardBtn->setMinimumSize(cancel->minimumSize());
        grid->removeWidget(cancel);
        grid->addWidget(m_pDiscardBtn, 0, 2);
        grid->addWidget(cancel, 0, 3);
        connect(m_pDiscardBtn, &QPushButton::clicked, this, [this] { done(Discard); });
    }
}

CSaveChangesDlg::Answer CSaveChangesDlg::Ask(const QString& title, const QString& text,
                                             QWidget* parent)
{
    CSaveChangesDlg dialog(parent);
    const int result = dialog.ExecConfirm(title, text);
    if (result == Save || result == Discard)
        return Answer(result);
    return Cancel;
}
