// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cbasedialog.h"
#include "ui_cbasedialog.h"

#include "util/helpers.h"
#include "util/workarea.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// Presses up to this many pixels below the top edge grab the window.
constexpr int TitleAreaHeight = 32;

} // namespace

const char* const CBaseDialog::FullFrameSheet =
    "QDialog#CBaseDialogClass{border-image:url(:/images/Dialog/dialog_bg.png) 58; "
    "border-width:58;}";
const char* const CBaseDialog::CompactFrameSheet =
    "QDialog#CBaseDialogClass{border-image:url(:/images/Dialog/dialog_bg2.png) 34 6 16 6; "
    "border-width:34 6 16 6;}";

CBaseDialog::CBaseDialog(QWidget* parent, bool fullFrame, bool showOk, bool showCancel)
    : QDialog(parent), ui(new Ui::CBaseDialogClass)
{
    // Before any child exists: changing either later restyles every widget built by then.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(
        ScaleBorderImageCuts(QString::fromLatin1(fullFrame ? FullFrameSheet : CompactFrameSheet)));
    ui->setupUi(this);
    ui->m_pCloseBtn->hide();
    ui->m_pCloseBtn->setAccessibleName(tr("Close"));
    ui->m_pCloseBtn->setToolTip(tr("Close"));

    if (!fullFrame) {
        ui->m_pBottomFrame->hide();
        ui->m_pgridBaseDialog->setContentsMargins(6, 4, 6, 11);
    }

    if (!showOk)
        ui->pOkBtn->hide();
    if (!showCancel)
        ui->pCancelBtn->hide();
}

CBaseDialog::~CBaseDialog()
{
    delete ui;
}

void CBaseDialog::SetTitleText(const QString& text)
{
    ui->pLabelTitle->setText(text);
    // The window's own title is what window lists and screen readers name the dialog by.
    setWindowTitle(text);
}

QString CBaseDialog::GetTitleText() const
{
    return ui->pLabelTitle->text();
}

void CBaseDialog::ShowCloseBtn(bool show)
{
    ui->m_pCloseBtn->setVisible(show);
}

void CBaseDialog::ShowOkBtn(bool show)
{
    ui->pOkBtn->setVisible(show);
}

void CBaseDialog::ShowBottomBar(bool show)
{
    ui->pOkBtn->setVisible(show);
    ui->pCancelBtn->setVisible(show);
    ui->m_pBottomFrame->setVisible(show);
    ApplyBackground(show);
}

void CBaseDialog::ApplyBackground(bool full)
{
    // Subclasses append rules of their own to the frame's sheet; only the background rule is
    // swapped so those survive.
    const QString wanted =
        ScaleBorderImageCuts(QString::fromLatin1(full ? FullFrameSheet : CompactFrameSheet));
    const QString other =
        ScaleBorderImageCuts(QString::fromLatin1(full ? CompactFrameSheet : FullFrameSheet));
    QString sheet = styleSheet();
    if (sheet.contains(wanted))
        return;
    if (sheet.contains(other))
        sheet.replace(other, wanted);
    else
        sheet.prepend(wanted);
    setStyleSheet(sheet);
}

void CBaseDialog::SetOkAccepts(bool accepts)
{
    m_bOkAccepts = accepts;
}

void CBaseDialog::SetCloseCloses(bool closes)
{
    m_bCloseCloses = closes;
}

void CBaseDialog::SetEscapeRejects(bool rejects)
{
    m_bEscapeRejects = rejects;
}

void CBaseDialog::SetOkBtnText(const QString& text)
{
    ui->pOkBtn->setText(text);
}

void CBaseDialog::SetCancelBtnText(const QString& text)
{
    ui->pCancelBtn->setText(text);
}

bool CBaseDialog::SetContentWidget(QWidget* widget)
{
    if (!widget)
        return false;
    if (!m_pContentLayout) {
        m_pContentLayout = new QGridLayout(ui->m_pContentFrame);
        m_pContentLayout->setContentsMargins(0, 0, 0, 0);
    }
    m_pContentLayout->addWidget(widget);
    return true;
}

QWidget* CBaseDialog::GetContentFrame() const
{
    return ui->m_pContentFrame;
}

QFrame* CBaseDialog::GetButtonBar() const
{
    return ui->m_pBottomFrame;
}

QPushButton* CBaseDialog::GetCancelButton() const
{
    return ui->pCancelBtn;
}

void CBaseDialog::SetOkBtnEnable(bool bEnabled)
{
    ui->pOkBtn->setEnabled(bEnabled);
}

void CBaseDialog::on_pOkBtn_clicked()
{
    if (m_bOkAccepts)
        accept();
    else
        emit ClickedOKBtnSig();
}

void CBaseDialog::on_m_pCloseBtn_clicked()
{
    if (m_bCloseCloses)
        close();
    else
        emit ClickedCloseBtnSig();
}

void CBaseDialog::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->position().toPoint();
    if (m_pressPos.y() <= TitleAreaHeight) {
        m_iDragging = 1;
        m_bSystemMoveTried = false;
    }
}

void CBaseDialog::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    m_iDragging = 0;
}

void CBaseDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_iDragging)
        return;
    // As the title bar: the window system moves the dialog where it can and then owns the
    // rest of the drag.
    if (!m_bSystemMoveTried) {
        m_bSystemMoveTried = true;
        if (StartSystemMove(windowHandle())) {
            m_iDragging = 0;
            return;
        }
    }
    move(ClampToWorkArea(event->globalPosition().toPoint()) - m_pressPos);
}

void CBaseDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_bEscapeRejects) {
            reject();
            return;
        }
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        accept();
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void CBaseDialog::resizeEvent(QResizeEvent* event)
{
    setMask(GetRoundRectRegion(rect(), 2));
    QDialog::resizeEvent(event);
}
