#include "app/ctesselstyle.h"

#include <QStyleFactory>

CTesselStyle::CTesselStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

CTesselStyle::~CTesselStyle() = default;
