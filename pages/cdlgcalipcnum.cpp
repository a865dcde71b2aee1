#include "pages/cdlgcalipcnum.h"

CDlgCalIPCNum::CDlgCalIPCNum(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CDlgCalIPCNum"));
}

CDlgCalIPCNum::~CDlgCalIPCNum() = default;
