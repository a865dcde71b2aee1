#ifndef CTESSELSTYLE_H
#define CTESSELSTYLE_H

#include <QProxyStyle>

// The application's style object, over the toolkit's classic Windows style.
class CTesselStyle : public QProxyStyle
{
public:
    CTesselStyle();
    ~CTesselStyle() override;
};

#endif
