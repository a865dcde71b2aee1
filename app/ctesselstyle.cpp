// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ctesselstyle.h"

#include "util/helpers.h"

#include <QFrame>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

QPixmap ProgressPicture(const char* name)
{
    return LoadCachedPixmap(QStringLiteral(":images/public/ProgressBar/") + QLatin1String(name));
}

QString ItemCheckPicture(QStyle::State state)
{
    const bool hover = state & QStyle::State_MouseOver;
    QString name;
    if (state & QStyle::State_NoChange)
        name = hover ? QStringLiteral("PartiallyCheckBoxHover.png")
                     : QStringLiteral("PartiallyCheckBox.png");
    else if (state & QStyle::State_On)
        name = hover ? QStringLiteral("checkbox_hover.png") : QStringLiteral("checkbox.png");
    else
        name = hover ? QStringLiteral("uncheckbox_hover.png") : QStringLiteral("uncheckbox.png");
    return QStringLiteral(":/images/public/CheckBox/") + name;
}

QPixmap SliderPicture(const char* name)
{
    return LoadCachedPixmap(QStringLiteral(":images/public/Slider/") + QLatin1String(name));
}

} // namespace

CTesselStyle::CTesselStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

CTesselStyle::~CTesselStyle() = default;

void CTesselStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
    case PE_FrameTabBarBase:
    case PE_IndicatorTabTear:
    case PE_PanelItemViewRow:
    case PE_IndicatorTabClose:
        return;
    case PE_PanelItemViewItem:
        // Tables and trees paint their own hover and selection. A combo box's drop-down list
        // has nothing else to show its current (and hovered) item with.
        if (widget && widget->parentWidget() &&
            widget->parentWidget()->inherits("QComboBoxPrivateContainer"))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    case PE_IndicatorItemViewItemCheck:
        // The base would draw its own box, which peeks out beside the pictures the style
        // sheet draws for item check boxes; draw those same pictures instead.
        if (option) {
            painter->save();
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawPixmap(option->rect, LoadCachedPixmap(ItemCheckPicture(option->state)));
            painter->restore();
            return;
        }
        break;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void CTesselStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case CE_TabBarTabShape:
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
            const QPixmap picture = LoadCachedPixmap(
                (tab->state & State_Selected) ? QStringLiteral(":/images/Tab/TabSelect.png")
                                              : QStringLiteral(":/images/Tab/TabUnselect.png"));
            painter->save();
            painter->setPen(Qt::NoPen);
            painter->setBrush(QBrush(picture));
            painter->drawRect(tab->rect.adjusted(2, 0, -1, 0));
            painter->restore();
            return;
        }
        break;
    case CE_TabBarTabLabel:
        // The tab pictures are dark blue; their labels are white, like the main window's
        // tab buttons.
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
            QStyleOptionTab light(*tab);
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
                light.palette.setColor(QPalette::Active, role, Qt::white);
                light.palette.setColor(QPalette::Inactive, role, Qt::white);
            }
            QProxyStyle::drawControl(element, &light, painter, widget);
            return;
        }
        break;
    case CE_ProgressBar:
        // The base would lay the bar out with its own groove rectangle; going through this
        // style's rectangles keeps the groove offset below.
        if (const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
            bar && (bar->state & State_Horizontal)) {
            QStyleOptionProgressBar part(*bar);
            part.rect = proxy()->subElementRect(SE_ProgressBarGroove, bar, widget);
            proxy()->drawControl(CE_ProgressBarGroove, &part, painter, widget);
            part.rect = proxy()->subElementRect(SE_ProgressBarContents, bar, widget);
            proxy()->drawControl(CE_ProgressBarContents, &part, painter, widget);
            if (bar->textVisible) {
                part.rect = proxy()->subElementRect(SE_ProgressBarLabel, bar, widget);
                proxy()->drawControl(CE_ProgressBarLabel, &part, painter, widget);
            }
            return;
        }
        break;
    case CE_ProgressBarGroove:
        if (const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
            bar && (bar->state & State_Horizontal)) {
            DrawProgressBar(bar, painter, widget);
            return;
        }
        break;
    case CE_ProgressBarContents:
        // The groove already shows the progress; vertical bars keep the base drawing
        // because the pictures are horizontal.
        if (option && (option->state & State_Horizontal))
            return;
        break;
    case CE_ComboBoxLabel:
        // The base paints a focused, read-only combo box's text in the highlighted-text
        // colour (white) for a highlight that the skin's light picture replaces: keep the
        // text colour whatever the focus.
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
            combo && !combo->editable && (combo->state & State_HasFocus)) {
            QStyleOptionComboBox unfocused(*combo);
            unfocused.state &= ~State_HasFocus;
            QProxyStyle::drawControl(element, &unfocused, painter, widget);
            return;
        }
        break;
    case CE_ShapedFrame:
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame && frame->frameShape == QFrame::StyledPanel) {
            QStyleOptionFrame bare(*frame);
            bare.frameShape = QFrame::NoFrame;
            bare.lineWidth = 0;
            QProxyStyle::drawControl(element, &bare, painter, widget);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

qint64 CTesselStyle::ProgressChunkWidth(qint64 groove, int minimum, int maximum, int progress)
{
    const qint64 range = qint64(maximum) - minimum;
    if (groove <= 0 || range <= 0)
        return 0;
    const qint64 done = qBound<qint64>(0, qint64(progress) - minimum, range);
    return groove * done / range;
}

void CTesselStyle::DrawProgressBar(const QStyleOptionProgressBar* bar, QPainter* painter,
                                   const QWidget* widget) const
{
    const QRect r = bar->rect;
    const QPixmap left = ProgressPicture("ProgressBarLeft.png");
    const QPixmap middle = ProgressPicture("ProgressBar.png");
    const QPixmap right = ProgressPicture("ProgressBarRight.png");

    // Measured in logical pixels: on a scaled screen the pictures are their large variants.
    const int leftWidth = LogicalSize(left).width();
    const int rightWidth = LogicalSize(right).width();
    const int middleHeight = LogicalSize(middle).height();
    painter->drawPixmap(r.topLeft(), left);
    const int middleWidth = r.width() - leftWidth - rightWidth;
    if (middleWidth > 0)
        painter->drawPixmap(QRect(r.x() + leftWidth, r.y(), middleWidth, middleHeight), middle);
    painter->drawPixmap(QPoint(r.x() + r.width() - rightWidth, r.y()), right);

    if (bar->maximum < bar->minimum || qint64(bar->progress) - bar->minimum <= 0)
        return;
    if (proxy()->pixelMetric(PM_ProgressBarChunkWidth, bar, widget) == 0)
        return;
    const QPixmap leftChunk = ProgressPicture("ProgressBarLeftChunk.png");
    const QPixmap chunk = ProgressPicture("ProgressBarChunk.png");
    const int leftChunkWidth = LogicalSize(leftChunk).width();
    const qint64 groove = qint64(r.width()) - leftChunkWidth - rightWidth;
    const qint64 filled = ProgressChunkWidth(groove, bar->minimum, bar->maximum, bar->progress);

    painter->drawPixmap(r.topLeft(), leftChunk);
    if (filled > 0)
        painter->drawPixmap(QRect(r.x() + leftWidth, r.y(), int(filled), middleHeight), chunk);
    if (bar->progress == bar->maximum)
        painter->drawPixmap(QPoint(r.x() + leftChunkWidth + int(groove), r.y()),
                            ProgressPicture("ProgressBarRightChunk.png"));
}

QRect CTesselStyle::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const
{
    QRect r = QProxyStyle::subElementRect(element, option, widget);
    switch (element) {
    case SE_TabBarTabRightButton:
        r.setLeft(r.left() + proxy()->pixelMetric(PM_TabBarTabVSpace, option, widget) + 1);
        r.setTop(2);
        break;
    case SE_TabBarTabLeftButton:
        r.setHeight(0);
        break;
    case SE_ItemViewItemCheckIndicator:
        // An item without a check box keeps the base's empty rectangle: the style sheet lays
        // the text out after it, so a box-sized one would hide the text's first letters.
        if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
            if (!(item->features & QStyleOptionViewItem::HasCheckIndicator))
                break;
        }
        r.setWidth(16);
        r.setHeight(16);
        // Centred in the row, where the style sheet puts its indicator picture too.
        if (option)
            r.moveTop(option->rect.y() + (option->rect.height() - 16) / 2);
        break;
    case SE_ProgressBarGroove:
        r.setTop(10);
        break;
    default:
        break;
    }
    return r;
}

void CTesselStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || !slider || slider->orientation != Qt::Horizontal) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect groove = proxy()->subControlRect(CC_Slider, slider, SC_SliderGroove, widget);
    const QRect handle = proxy()->subControlRect(CC_Slider, slider, SC_SliderHandle, widget);
    if (groove.isValid() && (slider->subControls & SC_SliderGroove)) {
        painter->drawPixmap(QRect(groove.x() + 3, groove.y(), groove.width() - 6, groove.height()),
                            SliderPicture("RightSlider.png"));
        // The part left of the handle shows filled.
        painter->drawPixmap(QRect(groove.x() + 3, groove.y(), handle.left(), groove.height()),
                            SliderPicture("LeftSlider.png"));
    }
    if (handle.isValid() && (slider->subControls & SC_SliderHandle))
        painter->drawPixmap(handle.topLeft(), SliderPicture("RadiobtnOff.png"));
    if (slider->subControls & SC_SliderTickmarks)
        DrawSliderTicks(slider, painter, widget);
}

void CTesselStyle::DrawSliderTicks(const QStyleOptionSlider* slider, QPainter* painter,
                                   const QWidget* widget) const
{
    const int tickOffset = proxy()->pixelMetric(PM_SliderTickmarkOffset, slider, widget);
    const int thickness = proxy()->pixelMetric(PM_SliderControlThickness, slider, widget);
    const int length = proxy()->pixelMetric(PM_SliderLength, slider, widget);
    const int available = proxy()->pixelMetric(PM_SliderSpaceAvailable, slider, widget);
    const int minimum = slider->minimum;
    const int maximum = slider->maximum;

    qint64 interval = slider->tickInterval;
    if (interval <= 0) {
        interval = slider->singleStep;
        const int stepped = int(qMin<qint64>(qint64(minimum) + interval, maximum));
        if (QStyle::sliderPositionFromValue(minimum, maximum, stepped, available) -
                QStyle::sliderPositionFromValue(minimum, maximum, minimum, available) <
            3)
            interval = slider->pageStep;
    }
    if (interval < 1)
        interval = 1;
    // Ticks closer than a pixel all land on the same columns; thinning them to about one
    // per pixel draws the same picture without looping over a huge range.
    const qint64 range = qint64(maximum) - minimum;
    if (available > 0 && range / interval > available)
        interval = (range + available - 1) / available;

    painter->save();
    painter->translate(slider->rect.topLeft());
    painter->setPen(slider->palette.windowText().color());
    const qint64 last = qint64(maximum) + 1;
    for (qint64 v = minimum; v <= last; v += interval) {
        if (interval == 1 && v == last)
            break;
        const int value = int(qMin<qint64>(v, maximum));
        const int pos = QStyle::sliderPositionFromValue(minimum + 1, maximum, value, available);
        if (pos == 0)
            continue;
        const int x = pos + length / 2;
        if (slider->tickPosition & QSlider::TicksAbove)
            painter->drawLine(x, 10, x, tickOffset);
        if (slider->tickPosition & QSlider::TicksBelow)
            painter->drawLine(x, tickOffset + thickness - 4, x, tickOffset + thickness + 1);
    }
    painter->restore();
}

QRect CTesselStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl subControl, const QWidget* widget) const
{
    QRect r = QProxyStyle::subControlRect(control, option, subControl, widget);
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_Slider || !slider || slider->orientation != Qt::Horizontal)
        return r;
    if (subControl == SC_SliderHandle) {
        r.moveTop(r.height() / 2 - 4);
        r.setHeight(10);
    } else if (subControl == SC_SliderGroove) {
        r.moveTop(r.height() / 2 - 2);
        r.setHeight(4);
    }
    return r;
}

int CTesselStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuButtonIndicator:
        return 0;
    case PM_SliderLength:
        return 13;
    case PM_TabCloseIndicatorWidth:
    case PM_TabCloseIndicatorHeight:
        return 20;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize CTesselStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const
{
    QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
    switch (type) {
    case CT_RadioButton:
        s.rwidth() += 20;
        break;
    case CT_TabBarTab:
        s.setHeight(40);
        break;
    case CT_Slider:
        s.setHeight(10);
        break;
    default:
        break;
    }
    return s;
}
