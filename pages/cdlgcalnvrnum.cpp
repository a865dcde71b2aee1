#include "pages/cdlgcalnvrnum.h"

CDlgCalNVRNum::CDlgCalNVRNum(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CDlgCalNVRNum"));
}

CDlgCalNVRNum::~CDlgCalNVRNum() = default;
