#ifndef CCORVANE_H
#define CCORVANE_H

#include <QMainWindow>

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
    CDlgCalIPCNum* IPCPage() const { return m_pCalIPCNumPage; }
    CWindowTitle* WindowTitle() const { return m_pWindowTitle; }
    CPlanController* PlanController() const { return m_pPlanController; }

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
