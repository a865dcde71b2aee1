// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTOOLTIP_H
#define CTOOLTIP_H

#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// The program's own tool tip: one floating CToolLabel at a time, next to the mouse, with
// its own palette and a font registered for the label class.
class CToolTip
{
public:
    // Shows, updates or hides the tip. With a rectangle (in `widget`'s coordinates) the
    // tip goes away once the mouse leaves it. An empty text hides the tip shortly.
    static void ShowTip(const QPoint& pos, const QString& text, QWidget* widget, const QRect& rect);
    static void ShowTip(const QPoint& pos, const QString& text, QWidget* widget = nullptr);
    static void HideTip();
    static bool IsTipVisible();
    static QString TipText();

    static QPalette TipPalette();
    static void SetTipPalette(const QPalette& palette);

    static QFont TipFont();
    // Registers the font of the tool-tip labels (class "CToolLabel") only.
    static void SetTipFont(const QFont& font);
};

#endif
