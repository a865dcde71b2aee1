// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/ctooltip.h"

#include "widgets/controls/ctoollabel.h"

#include <QApplication>
#include <QScreen>

namespace {

QPalette& SharedPalette()
{
    static QPalette palette;
    return palette;
}

QScreen* ScreenFor(const QPoint& pos, QWidget* widget)
{
    if (QScreen* screen = QGuiApplication::screenAt(pos))
        return screen;
    if (widget)
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

void CToolTip::ShowTip(const QPoint& pos, const QString& text, QWidget* widget, const QRect& rect)
{
    CToolLabel* label = CToolLabel::Current();
    if (label && label->isVisible()) {
        if (text.isEmpty()) {
            label->HideTipSoon();
            return;
        }
        if (label->TipChanged(pos, text, widget)) {
            label->ReuseTip(text);
            label->setTipRect(widget, rect);
            label->PlaceTip(pos, widget);
        }
        return;
    }
    if (text.isEmpty())
        return;
    label = new CToolLabel(text, ScreenFor(pos, widget));
    label->setTipRect(widget, rect);
    label->PlaceTip(pos, widget);
    label->setObjectName(QStringLiteral("ctooltip_label"));
    label->show();
}

void CToolTip::ShowTip(const QPoint& pos, const QString& text, QWidget* widget)
{
    ShowTip(pos, text, widget, QRect());
}

void CToolTip::HideTip()
{
    if (CToolLabel* label = CToolLabel::Current(); label && label->isVisible())
        label->HideTipSoon();
}

bool CToolTip::IsTipVisible()
{
    const CToolLabel* label = CToolLabel::Current();
    return label && label->isVisible();
}

QString CToolTip::TipText()
{
    const CToolLabel* label = CToolLabel::Current();
    return label ? label->text() : QString();
}

QPalette CToolTip::TipPalette()
{
    return SharedPalette();
}

void CToolTip::SetTipPalette(const QPalette& palette)
{
    SharedPalette() = palette;
    if (CToolLabel* label = CToolLabel::Current())
        label->setPalette(palette);
}

QFont CToolTip::TipFont()
{
    return QApplication::font("CToolLabel");
}

void CToolTip::SetTipFont(const QFont& font)
{
    QApplication::setFont(font, "CToolLabel");
}
