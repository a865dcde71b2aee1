// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CUILOCALE_H
#define CUILOCALE_H

#include <QLocale>
#include <functional>
#include <optional>

class QWidget;

// The locale of the interface language, for the widgets that show day and month names. The
// language list lives in the application layer above this library, so start-up installs a
// provider that asks it; without a provider (tests, tools) widgets keep their default locale.
class CUiLocale
{
public:
    using Provider = std::function<std::optional<QLocale>()>;

    static void SetProvider(Provider provider);
    // What the provider answers now; nothing when there is no provider or no language entry.
    static std::optional<QLocale> Current();
    // Gives `widget` the current locale when there is one, and leaves it alone otherwise.
    static bool ApplyTo(QWidget* widget);
};

#endif
