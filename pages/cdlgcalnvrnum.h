#ifndef CDLGCALNVRNUM_H
#define CDLGCALNVRNUM_H

#include <QDialog>

// The "NVR Calculate" page (still empty).
class CDlgCalNVRNum : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgCalNVRNum(QWidget* parent = nullptr);
    ~CDlgCalNVRNum() override;
};

#endif
