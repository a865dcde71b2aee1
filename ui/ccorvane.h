// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCORVANE_H
#define CCORVANE_H

#include <QMainWindow>
#include <QRect>
#include <QSize>

namespace Ui {
class CCorvaneClass;
}
class QStackedWidget;
class CDlgCalIPCNum;
class CDlgCalNVRNum;
class CWindowTitle;
class CPlanController;

// The one top-level window: tab strip, page stack with the two calculator pages, and the
// close confirmation that ends the application.
class CCorvane : public QMainWindow
{
    Q_OBJECT

public:
    explicit CCorvane(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~CCorvane() override;

    QStackedWidget* StackedWidget() const { return m_pStackedWidget; }
    CDlgCalNVRNum* NVRPage() const { return m_pCalNVRNumPage; }
    // "IPC Calculate", built by the first call; none once the window has closed.
    CDlgCalIPCNum* IPCPage();
    CWindowTitle* WindowTitle() const { return m_pWindowTitle; }
    CPlanController* PlanController() const { return m_pPlanController; }

    // The size the window opens at, where the screen leaves room for it.
    static QSize InitialSize();
    // The smallest size at which every control is still usable: the tables, the result tree
    // and the settings beside the NVR table scroll below it, nothing else gives way. The
    // screen check at start-up and the full-screen switch follow it.
    static QSize LeastSize();
    // Where the window opens on a screen with the given available area: the initial size
    // shrunk to fit that area (never below the least size), centred in it.
    static QRect InitialGeometry(const QRect& available);

    // The window's own picture, drawn around its content.
    static const char* const WindowStyle;
    static const char* const SelectedTabStyle;
    static const char* const UnselectedTabStyle;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_m_pBtnAbout_clicked();
    void on_m_pBtnCalIPCNum_clicked();
    void on_m_pBtnCalNVRNum_clicked();

private:
    Ui::CCorvaneClass* ui;
    CDlgCalIPCNum* m_pCalIPCNumPage = nullptr;
    CDlgCalNVRNum* m_pCalNVRNumPage = nullptr;
    QStackedWidget* m_pStackedWidget = nullptr;
    CWindowTitle* m_pWindowTitle = nullptr;
    CPlanController* m_pPlanController = nullptr;
};

#endif
