#include "widgets/ctooltip.h"

#include <QApplication>

void CToolTip::SetTipFont(const QFont& font)
{
    QApplication::setFont(font, "CToolLabel");
}
