#ifndef CWARNDLG_H
#define CWARNDLG_H

#include <QDialog>

class QLabel;
class QPushButton;

// Interim message box with the interface of the skinned one: a warning (close only) or a
// confirmation (OK and Cancel). 1 means accepted, 0 rejected, -1 no parent given.
class CWarnDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CWarnDlg(QWidget* parent = nullptr);
    ~CWarnDlg() override;

    int ExecWarn(const QString& title, const QString& text);
    int ExecConfirm(const QString& title, const QString& text);

    static int ShowWarn(const QString& title, const QString& text, QWidget* parent);
    static int ShowConfirm(const QString& title, const QString& text, QWidget* parent);

private:
    void SetTexts(const QString& title, const QString& text);

    QLabel* m_pText;
    QPushButton* m_pOkBtn;
    QPushButton* m_pCancelBtn;
};

#endif
