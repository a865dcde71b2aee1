// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CBASEDIALOG_H
#define CBASEDIALOG_H

#include <QDialog>
#include <QPoint>

namespace Ui {
class CBaseDialogClass;
}
class QFrame;
class QGridLayout;
class QPushButton;

// The frame every dialog of the program is drawn in: a frameless window on a border-image
// background, a centred title in a 32-pixel area that drags the window, an optional close
// button, a content frame for the concrete dialog and an optional OK/Cancel bar.
//
// The full frame has the bottom bar and the tall background; the compact frame has neither
// and tighter margins. Return, Enter and Select accept a frame; Escape rejects only a frame
// that asks for it, so a wait or a file choice is not ended by a stray key.
class CBaseDialog : public QDialog
{
    Q_OBJECT

public:
    CBaseDialog(QWidget* parent, bool fullFrame, bool showOk, bool showCancel);
    ~CBaseDialog() override;

    void SetTitleText(const QString& text);
    QString GetTitleText() const;

    void ShowCloseBtn(bool show);
    void ShowOkBtn(bool show);
    // Shows OK, Cancel and the bar with the full background, or hides them with the compact
    // one. The grid margins stay as they are.
    void ShowBottomBar(bool show);

    void SetOkAccepts(bool accepts);
    void SetCloseCloses(bool closes);
    void SetEscapeRejects(bool rejects);
    void SetOkBtnText(const QString& text);
    void SetCancelBtnText(const QString& text);

    // Adds the widget to a margin-free grid on the content frame; false for a null widget.
    bool SetContentWidget(QWidget* widget);
    QWidget* GetContentFrame() const;
    // The bar holding OK and Cancel, for dialogs that add an answer between them.
    QFrame* GetButtonBar() const;
    QPushButton* GetCancelButton() const;

    static const char* const FullFrameSheet;
    static const char* const CompactFrameSheet;

signals:
    void ClickedOKBtnSig();
    void ClickedCloseBtnSig();

public slots:
    void SetOkBtnEnable(bool bEnabled);
    void on_pOkBtn_clicked();
    void on_m_pCloseBtn_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyBackground(bool full);

    Ui::CBaseDialogClass* ui;
    int m_iDragging = 0;
    // The window system was asked to take over the current drag (and refused).
    bool m_bSystemMoveTried = false;
    QPoint m_pressPos;
    QGridLayout* m_pContentLayout = nullptr;
    bool m_bOkAccepts = true;
    bool m_bCloseCloses = true;
    bool m_bEscapeRejects = false;
};

#endif
