#ifndef CTOOLTIP_H
#define CTOOLTIP_H

#include <QFont>

// The program's tool tip.
class CToolTip
{
public:
    // Registers the font of the tool-tip labels (class "CToolLabel") only.
    static void SetTipFont(const QFont& font);
};

#endif
