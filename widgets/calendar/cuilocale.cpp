// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/cuilocale.h"

#include <QWidget>

namespace {
CUiLocale::Provider& ProviderSlot()
{
    static CUiLocale::Provider provider;
    return provider;
}
} // namespace

void CUiLocale::SetProvider(Provider provider)
{
    ProviderSlot() = std::move(provider);
}

std::optional<QLocale> CUiLocale::Current()
{
    const Provider& provider = ProviderSlot();
    if (!provider)
        return std::nullopt;
    return provider();
}

bool CUiLocale::ApplyTo(QWidget* widget)
{
    const std::optional<QLocale> locale = Current();
    if (!widget || !locale)
        return false;
    widget->setLocale(*locale);
    return true;
}
