// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ccorvane.h"
#include "ui_ccorvane.h"

#include "engine/nvrcatalogue.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/cdlgabout.h"
#include "ui/cplancontroller.h"
#include "ui/cwindowtitle.h"
#include "util/helpers.h"
#include "widgets/controls/cpushbutton.h"
#include "widgets/dialogs/cwarndlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>

namespace {

// Chosen so that the right-hand panels keep their fixed 350 pixels beside a table that still
// shows its first two columns, and the NVR page's result tree keeps about five rows; the
// layouts themselves need less (the test measures them under the program's style).
constexpr int LeastWidth = 800;
constexpr int LeastHeight = 560;

} // namespace

const char* const CCorvane::WindowStyle =
    "QMainWindow#CCorvaneClass{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;\n"
    "border-width:58;}";
const char* const CCorvane::SelectedTabStyle =
    "QPushButton{border-image:url(:/images/Tab/TabSelect.png); color: rgb(255, 255, 255); "
    "border-width:0px;}";
const char* const CCorvane::UnselectedTabStyle =
    "QPushButton{border-image:url(:/images/Tab/TabUnselect.png); color: rgb(255, 255, 255); "
    "border-width:0px;}";

CCorvane::CCorvane(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), ui(new Ui::CCorvaneClass)
{
    // Before any child exists: changing either later restyles the whole window.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    setStyleSheet(ScaleBorderImageCuts(QString::fromLatin1(WindowStyle)));

    ui->setupUi(this);
    setWindowTitle(tr("Corvane Tool"));

    // The pages fill their recorder lists from the catalogue in their constructors.
    InitNVRTypeTable();

    m_pWindowTitle = new CWindowTitle(this);
    m_pWindowTitle->SetLeastScreenSize(LeastSize());
    ui->m_pGridLayout->addWidget(m_pWindowTitle, 0, 0, 1, 2);

    m_pStackedWidget = new QStackedWidget(this);
    ui->m_pGridLayout->addWidget(m_pStackedWidget, 2, 0);
    // Built in the stack, where it stays; "IPC Calculate" is built when first needed.
    m_pCalNVRNumPage = new CDlgCalNVRNum(m_pStackedWidget);
    m_pStackedWidget->addWidget(m_pCalNVRNumPage);

    // New, Open, Save, export and print: a menu button at the right end of the tab strip.
    m_pPlanController = new CPlanController(
        this, m_pStackedWidget, m_pCalNVRNumPage,
        [this](bool build) { return build ? IPCPage() : m_pCalIPCNumPage; }, m_pWindowTitle);
    ui->gridLayout->addWidget(m_pPlanController->MenuButton(), 0, 4);

    const QString unselected = QString::fromLatin1(UnselectedTabStyle);
    ui->m_pBtnCalNVRNum->setStyleSheet(unselected);
    ui->m_pBtnCalIPCNum->setStyleSheet(unselected);
    ui->m_pBtnAbout->setStyleSheet(unselected);

    on_m_pBtnCalNVRNum_clicked();

    // The task bar and window switcher show it even though the window draws its own frame.
    // Last, as it may still be being read beside the building of the window.
    setWindowIcon(ProgramIcon());

    setMinimumSize(LeastSize());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(InitialGeometry(screen->availableGeometry()));
    else
        resize(InitialSize());
}

CDlgCalIPCNum* CCorvane::IPCPage()
{
    // None once the window has closed.
    if (!m_pCalIPCNumPage && m_pStackedWidget && m_pPlanController) {
        m_pCalIPCNumPage = new CDlgCalIPCNum(m_pStackedWidget);
        m_pStackedWidget->addWidget(m_pCalIPCNumPage);
        m_pPlanController->AttachIPCPage(m_pCalIPCNumPage);
    }
    return m_pCalIPCNumPage;
}

QSize CCorvane::InitialSize()
{
    return QSize(1024, 768);
}

QSize CCorvane::LeastSize()
{
    return QSize(LeastWidth, LeastHeight);
}

QRect CCorvane::InitialGeometry(const QRect& available)
{
    QRect geometry(QPoint(0, 0), InitialSize().boundedTo(available.size()).expandedTo(LeastSize()));
    geometry.moveCenter(available.center());
    // A screen smaller than the window shows its title bar, by which it can be moved.
    if (geometry.top() < available.top())
        geometry.moveTop(available.top());
    if (geometry.left() < available.left())
        geometry.moveLeft(available.left());
    return geometry;
}

CCorvane::~CCorvane()
{
    // It watches the pages, which go with the window's other children.
    delete m_pPlanController;
    delete ui;
}

void CCorvane::on_m_pBtnCalNVRNum_clicked()
{
    m_pStackedWidget->setCurrentIndex(0);
    ui->m_pBtnCalNVRNum->setStyleSheet(QString::fromLatin1(SelectedTabStyle));
    ui->m_pBtnCalIPCNum->setStyleSheet(QString::fromLatin1(UnselectedTabStyle));
}

void CCorvane::on_m_pBtnCalIPCNum_clicked()
{
    m_pStackedWidget->setCurrentWidget(IPCPage());
    ui->m_pBtnCalIPCNum->setStyleSheet(QString::fromLatin1(SelectedTabStyle));
    ui->m_pBtnCalNVRNum->setStyleSheet(QString::fromLatin1(UnselectedTabStyle));
}

void CCorvane::on_m_pBtnAbout_clicked()
{
    CDlgAbout dlg(nullptr);
    dlg.exec();
}

void CCorvane::closeEvent(QCloseEvent* event)
{
    // With unsaved changes the question about them is the confirmation; otherwise the usual one.
    const bool mayClose =
        m_pPlanController && m_pPlanController->IsModified()
            ? m_pPlanController->MayDropChanges(CPlanController::Closing)
            : CWarnDlg::ShowConfirm(tr("Confirm"), tr("Sure to close software"), this) == 1;
    if (!mayClose) {
        event->ignore();
        return;
    }
    delete m_pPlanController;
    m_pPlanController = nullptr;
    delete m_pCalIPCNumPage;
    m_pCalIPCNumPage = nullptr;
    delete m_pCalNVRNumPage;
    m_pCalNVRNumPage = nullptr;
    delete m_pStackedWidget;
    m_pStackedWidget = nullptr;
    delete m_pWindowTitle;
    m_pWindowTitle = nullptr;
    QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
    event->accept();
}

void CCorvane::resizeEvent(QResizeEvent* event)
{
    // The designer form keeps its content at a fixed geometry; let it follow the window so
    // the pages get the whole client area below the tabs.
    ui->layoutWidget->setGeometry(7, 1, width() - 14, height() - 8);
    QMainWindow::resizeEvent(event);
}
