#ifndef CDLGCALIPCNUM_H
#define CDLGCALIPCNUM_H

#include <QDialog>

// The "IPC Calculate" page (still empty).
class CDlgCalIPCNum : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgCalIPCNum(QWidget* parent = nullptr);
    ~CDlgCalIPCNum() override;
};

#endif
