// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTESSELSTYLE_H
#define CTESSELSTYLE_H

#include <QProxyStyle>

class QStyleOptionProgressBar;
class QStyleOptionSlider;

// The application's style object, over the toolkit's classic Windows style. It draws the
// tabs, the progress bar and the horizontal slider with pictures, suppresses focus
// rectangles and item panels (the style sheet draws selection and hover), and adjusts a
// few metrics. Everything else goes to the Windows style unchanged.
class CTesselStyle : public QProxyStyle
{
public:
    CTesselStyle();
    ~CTesselStyle() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

    // Width of the filled middle of a progress bar whose chunk area is `groove` pixels
    // wide. In 64 bits, so ranges spanning the whole int range neither overflow nor
    // divide by zero; progress outside the range is clamped to it.
    static qint64 ProgressChunkWidth(qint64 groove, int minimum, int maximum, int progress);

private:
    void DrawProgressBar(const QStyleOptionProgressBar* bar, QPainter* painter,
                         const QWidget* widget) const;
    void DrawSliderTicks(const QStyleOptionSlider* slider, QPainter* painter,
                         const QWidget* widget) const;
};

#endif
