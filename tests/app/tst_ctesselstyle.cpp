// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ctesselstyle.h"
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendarview.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/dialogs/cfiledialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <cmath>
#include <memory>

namespace {

QImage Picture(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Render(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage Blank(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(200, 210, 220));
    return image;
}

// True when every opaque pixel of the picture appears unscaled with the picture's top-left
// corner at `at`.
bool Shows(const QImage& canvas, const QImage& picture, const QPoint& at)
{
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = picture.pixel(x, y);
            if (qAlpha(want) != 255)
                continue;
            ++opaque;
            const QPoint p = at + QPoint(x, y);
            if (!canvas.rect().contains(p) || canvas.pixel(p) != want)
                return false;
        }
    }
    return opaque > 0;
}

// The Windows style with CTesselStyle's metrics and nothing else: what CTesselStyle's own
// rectangles start from before it adjusts them.
class BaseWithOurMetrics : public QProxyStyle
{
public:
    explicit BaseWithOurMetrics(const QStyle* metrics)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))), m_metrics(metrics)
    {
    }
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        return m_metrics->pixelMetric(m, o, w);
    }

private:
    const QStyle* m_metrics;
};

int Distance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

double Luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The WCAG contrast ratio, 1 to 21.
double Contrast(QRgb a, QRgb b)
{
    double la = Luminance(a);
    double lb = Luminance(b);
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

QRgb MostCommon(const QImage& image, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return best;
}

// The text's strongest pixel: the one farthest from the background.
QRgb Farthest(const QImage& image, const QRect& area, QRgb from)
{
    QRgb far = from;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (Distance(image.pixel(x, y), from) > Distance(far, from))
                far = image.pixel(x, y) | 0xff000000u;
    return far;
}

// CTesselStyle with its base implementation in reach, for the rectangles it adjusts.
class ExposedStyle : public CTesselStyle
{
public:
    QRect BaseRect(SubElement element, const QStyleOption* option) const
    {
        return QProxyStyle::subElementRect(element, option, nullptr);
    }
};

} // namespace

class TestTesselStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pixelMetrics_data();
    void pixelMetrics();
    void otherMetricsComeFromTheWindowsStyle();
    void sizeChanges();
    void subElementRects();
    void sliderRects();

    void suppressedPrimitivesDrawNothing_data();
    void suppressedPrimitivesDrawNothing();
    void focusedButtonShowsNoFocusRectangle();
    void styledPanelFrameHasNoBorder();
    void progressBarChunks_data();
    void progressBarChunks();
    void progressBarRightChunkOnlyAtMaximum();
    void progressBarOverTheWholeIntRange();
    void verticalProgressBarKeepsTheBaseDrawing();
    void tabLabelsAreWhite();
    void chunkWidth_data();
    void chunkWidth();
    void tabsArePaintedWithTheTabPictures();
    void sliderShowsItsPictures();
    void denseTicksOverAHugeRangeFinish();
    void itemCheckIndicatorUsesThePictures_data();
    void itemCheckIndicatorUsesThePictures();
    // Last: installs the program's style and style sheet application-wide.
    void textIsReadableUnderTheRealLook_data();
    void textIsReadableUnderTheRealLook();

private:
    std::unique_ptr<ExposedStyle> m_style;
    std::unique_ptr<QStyle> m_windows;
    std::unique_ptr<QStyle> m_base;
};

void TestTesselStyle::initTestCase()
{
    m_style = std::make_unique<ExposedStyle>();
    m_windows.reset(QStyleFactory::create(QStringLiteral("Windows")));
    QVERIFY(m_windows);
    m_base = std::make_unique<BaseWithOurMetrics>(m_style.get());
}

void TestTesselStyle::pixelMetrics_data()
{
    QTest::addColumn<int>("metric");
    QTest::addColumn<int>("value");
    QTest::newRow("no menu arrow on buttons") << int(QStyle::PM_MenuButtonIndicator) << 0;
    QTest::newRow("slider handle length") << int(QStyle::PM_SliderLength) << 13;
    QTest::newRow("tab close button width") << int(QStyle::PM_TabCloseIndicatorWidth) << 20;
    QTest::newRow("tab close button height") << int(QStyle::PM_TabCloseIndicatorHeight) << 20;
}

void TestTesselStyle::pixelMetrics()
{
    QFETCH(int, metric);
    QFETCH(int, value);
    QCOMPARE(m_style->pixelMetric(QStyle::PixelMetric(metric)), value);
    QVERIFY(m_windows->pixelMetric(QStyle::PixelMetric(metric)) != value);
}

void TestTesselStyle::otherMetricsComeFromTheWindowsStyle()
{
    for (QStyle::PixelMetric m : {QStyle::PM_ScrollBarExtent, QStyle::PM_ButtonMargin,
                                  QStyle::PM_IndicatorWidth, QStyle::PM_ProgressBarChunkWidth})
        QCOMPARE(m_style->pixelMetric(m), m_windows->pixelMetric(m));
}

void TestTesselStyle::sizeChanges()
{
    QRadioButton radio(QStringLiteral("Stream 1"));
    QStyleOptionButton button;
    button.initFrom(&radio);
    button.text = radio.text();
    const QSize contents(60, 16);
    const QSize ours = m_style->sizeFromContents(QStyle::CT_RadioButton, &button, contents, &radio);
    const QSize base =
        m_windows->sizeFromContents(QStyle::CT_RadioButton, &button, contents, &radio);
    QCOMPARE(ours, base + QSize(20, 0));

    QStyleOptionTab tab;
    tab.text = QStringLiteral("Cameras");
    QCOMPARE(m_style->sizeFromContents(QStyle::CT_TabBarTab, &tab, QSize(70, 20), nullptr).height(),
             40);
    QStyleOptionSlider slider;
    slider.orientation = Qt::Horizontal;
    QCOMPARE(m_style->sizeFromContents(QStyle::CT_Slider, &slider, QSize(84, 20), nullptr).height(),
             10);
    QCOMPARE(
        m_style->sizeFromContents(QStyle::CT_Slider, &slider, QSize(84, 20), nullptr).width(),
        m_windows->sizeFromContents(QStyle::CT_Slider, &slider, QSize(84, 20), nullptr).width());
}

void TestTesselStyle::subElementRects()
{
    QStyleOptionProgressBar bar;
    bar.rect = QRect(0, 0, 200, 30);
    bar.state = QStyle::State_Horizontal;
    const QRect groove = m_style->subElementRect(QStyle::SE_ProgressBarGroove, &bar, nullptr);
    QCOMPARE(groove.top(), 10);
    QCOMPARE(groove.bottom(),
             m_base->subElementRect(QStyle::SE_ProgressBarGroove, &bar, nullptr).bottom());

    QStyleOptionViewItem item;
    item.rect = QRect(20, 52, 175, 26);
    item.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect check =
        m_style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, nullptr);
    QCOMPARE(check.size(), QSize(16, 16));
    QCOMPARE(check.left(),
             m_base->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, nullptr).left());
    QCOMPARE(check.top(), 52 + 5);
    // An item without a check box gets no box either: a made-up one is painted over the
    // start of the item's text.
    item.features = QStyleOptionViewItem::None;
    const QRect none =
        m_style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, nullptr);
    QVERIFY(!none.isValid());
    QCOMPARE(none, m_base->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, nullptr));

    QStyleOptionTab tab;
    tab.rect = QRect(0, 0, 120, 40);
    tab.rightButtonSize = QSize(20, 20);
    tab.leftButtonSize = QSize(20, 20);
    const QRect right = m_style->subElementRect(QStyle::SE_TabBarTabRightButton, &tab, nullptr);
    const QRect baseRight = m_style->BaseRect(QStyle::SE_TabBarTabRightButton, &tab);
    QCOMPARE(right.left(),
             baseRight.left() + m_style->pixelMetric(QStyle::PM_TabBarTabVSpace, &tab) + 1);
    QCOMPARE(right.right(), baseRight.right());
    QCOMPARE(right.top(), 2);
    QCOMPARE(m_style->subElementRect(QStyle::SE_TabBarTabLeftButton, &tab, nullptr).height(), 0);
}

void TestTesselStyle::sliderRects()
{
    QStyleOptionSlider slider;
    slider.orientation = Qt::Horizontal;
    slider.rect = QRect(0, 0, 200, 24);
    slider.minimum = 0;
    slider.maximum = 100;
    slider.sliderPosition = 40;
    const QRect baseHandle =
        m_base->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderHandle, nullptr);
    const QRect handle =
        m_style->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderHandle, nullptr);
    QCOMPARE(handle.top(), baseHandle.height() / 2 - 4);
    QCOMPARE(handle.height(), 10);
    QCOMPARE(handle.width(), 13);
    const QRect baseGroove =
        m_base->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove, nullptr);
    const QRect groove =
        m_style->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove, nullptr);
    QCOMPARE(groove.top(), baseGroove.height() / 2 - 2);
    QCOMPARE(groove.height(), 4);
    QCOMPARE(groove.width(), baseGroove.width());

    slider.orientation = Qt::Vertical;
    slider.rect = QRect(0, 0, 24, 200);
    QCOMPARE(m_style->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove, nullptr),
             m_base->subControlRect(QStyle::CC_Slider, &slider, QStyle::SC_SliderGroove, nullptr));
}

void TestTesselStyle::suppressedPrimitivesDrawNothing_data()
{
    QTest::addColumn<int>("element");
    QTest::newRow("focus rectangle") << int(QStyle::PE_FrameFocusRect);
    QTest::newRow("tab bar base line") << int(QStyle::PE_FrameTabBarBase);
    QTest::newRow("tab tear") << int(QStyle::PE_IndicatorTabTear);
    QTest::newRow("item view row panel") << int(QStyle::PE_PanelItemViewRow);
    QTest::newRow("item view item panel") << int(QStyle::PE_PanelItemViewItem);
    QTest::newRow("tab close button") << int(QStyle::PE_IndicatorTabClose);
}

void TestTesselStyle::suppressedPrimitivesDrawNothing()
{
    QFETCH(int, element);
    const auto pe = QStyle::PrimitiveElement(element);
    QStyleOptionViewItem option;
    option.rect = QRect(2, 2, 60, 20);
    option.state = QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_HasFocus |
                   QStyle::State_MouseOver | QStyle::State_Active;
    option.features = QStyleOptionViewItem::Alternate;
    option.palette.setColor(QPalette::Highlight, Qt::darkBlue);

    QImage ours = Blank(QSize(64, 24));
    {
        QPainter p(&ours);
        m_style->drawPrimitive(pe, &option, &p, nullptr);
    }
    QCOMPARE(ours, Blank(QSize(64, 24)));
}

void TestTesselStyle::focusedButtonShowsNoFocusRectangle()
{
    QPushButton button(QStringLiteral("OK"));
    button.resize(90, 26);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.rect = QRect(0, 0, 90, 26);
    option.state |= QStyle::State_Raised;

    auto draw = [&](QStyle* style, bool focused) {
        QStyleOptionButton o = option;
        if (focused)
            o.state |= QStyle::State_HasFocus;
        else
            o.state &= ~QStyle::State_HasFocus;
        QImage image = Blank(QSize(90, 26));
        QPainter p(&image);
        style->drawControl(QStyle::CE_PushButton, &o, &p, &button);
        return image;
    };
    // The Windows style does draw one, so the comparison can tell.
    QVERIFY(draw(m_windows.get(), true) != draw(m_windows.get(), false));
    QCOMPARE(draw(m_style.get(), true), draw(m_style.get(), false));
}

void TestTesselStyle::styledPanelFrameHasNoBorder()
{
    auto frameImage = [](QStyle* style, QFrame::Shape shape) {
        QFrame frame;
        frame.setStyle(style);
        frame.setFrameShape(shape);
        frame.setFrameShadow(QFrame::Raised);
        frame.setLineWidth(2);
        frame.setAutoFillBackground(true);
        frame.resize(60, 40);
        return Render(frame);
    };
    const QImage styled = frameImage(m_style.get(), QFrame::StyledPanel);
    const QRgb inside = styled.pixel(30, 20);
    for (int x = 0; x < styled.width(); ++x) {
        QCOMPARE(styled.pixel(x, 0), inside);
        QCOMPARE(styled.pixel(x, styled.height() - 1), inside);
    }
    for (int y = 0; y < styled.height(); ++y)
        QCOMPARE(styled.pixel(0, y), inside);
    QVERIFY(frameImage(m_windows.get(), QFrame::StyledPanel).pixel(0, 0) != inside);
    // Other shapes keep their frame.
    QVERIFY(frameImage(m_style.get(), QFrame::Box).pixel(0, 20) != inside);
}

void TestTesselStyle::progressBarChunks_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << 0;
    QTest::newRow("one percent") << 1;
    QTest::newRow("half") << 50;
    QTest::newRow("almost full") << 99;
    QTest::newRow("full") << 100;
}

void TestTesselStyle::progressBarChunks()
{
    QFETCH(int, value);
    QProgressBar bar;
    bar.setStyle(m_style.get());
    bar.setTextVisible(false);
    bar.setRange(0, 100);
    bar.setValue(value);
    bar.resize(204, 20);
    const QImage image = Render(bar);
    const QString dir = QStringLiteral(":/images/public/ProgressBar/");
    const QImage leftChunk = Picture(dir + QStringLiteral("ProgressBarLeftChunk.png"));
    const QImage left = Picture(dir + QStringLiteral("ProgressBarLeft.png"));
    const QImage chunk = Picture(dir + QStringLiteral("ProgressBarChunk.png"));
    const QImage groove = Picture(dir + QStringLiteral("ProgressBar.png"));
    QVERIFY(leftChunk != left);

    // The bar lies at the groove's top, 10; the chunk area is 204 - 4 - 4 pixels wide.
    QCOMPARE(Shows(image, leftChunk, QPoint(0, 10)), value > 0);
    QCOMPARE(Shows(image, left, QPoint(0, 10)), value == 0);
    const int filled = 196 * value / 100;
    const int probe = 5; // a row inside the bar
    const QRgb chunkColour = chunk.pixel(1, probe - 1);
    const QRgb grooveColour = groove.pixel(1, probe - 1);
    QVERIFY(chunkColour != grooveColour);
    auto isChunk = [&](int x) {
        const QRgb c = image.pixel(x, 10 + probe - 1);
        return Distance(c, chunkColour) < Distance(c, grooveColour);
    };
    // The chunk ends exactly where the arithmetic puts it.
    if (filled > 0)
        QVERIFY(isChunk(4 + filled - 1));
    if (value < 100)
        QVERIFY(!isChunk(4 + filled));
}

void TestTesselStyle::progressBarRightChunkOnlyAtMaximum()
{
    const QString dir = QStringLiteral(":/images/public/ProgressBar/");
    const QImage rightChunk = Picture(dir + QStringLiteral("ProgressBarRightChunk.png"));
    const QImage right = Picture(dir + QStringLiteral("ProgressBarRight.png"));
    QVERIFY(rightChunk != right);
    for (int value : {99, 100}) {
        QProgressBar bar;
        bar.setStyle(m_style.get());
        bar.setTextVisible(false);
        bar.setRange(0, 100);
        bar.setValue(value);
        bar.resize(150, 20);
        const QImage image = Render(bar);
        const QPoint end(150 - 4, 10);
        QCOMPARE(Shows(image, rightChunk, end), value == 100);
        QCOMPARE(Shows(image, right, end), value != 100);
    }
}

void TestTesselStyle::progressBarOverTheWholeIntRange()
{
    // 32-bit arithmetic would overflow both the range and the product here.
    QStyleOptionProgressBar option;
    option.rect = QRect(0, 0, 108, 8);
    option.state = QStyle::State_Horizontal | QStyle::State_Enabled;
    option.minimum = std::numeric_limits<int>::min();
    option.maximum = std::numeric_limits<int>::max();
    const QImage chunk =
        Picture(QStringLiteral(":/images/public/ProgressBar/ProgressBarChunk.png"));
    const QImage rightChunk =
        Picture(QStringLiteral(":/images/public/ProgressBar/ProgressBarRightChunk.png"));
    for (int progress : {0, std::numeric_limits<int>::max()}) {
        option.progress = progress;
        QImage image = Blank(QSize(108, 8));
        QPainter p(&image);
        m_style->drawControl(QStyle::CE_ProgressBarGroove, &option, &p, nullptr);
        p.end();
        const bool full = progress == option.maximum;
        // Half way is 50 of the 100 chunk pixels.
        const QRgb groove =
            Picture(QStringLiteral(":/images/public/ProgressBar/ProgressBar.png")).pixel(1, 4);
        auto isChunk = [&](int x) {
            return Distance(image.pixel(x, 4), chunk.pixel(1, 4)) <
                   Distance(image.pixel(x, 4), groove);
        };
        QVERIFY(isChunk(4 + 49));
        QCOMPARE(isChunk(4 + 50), full);
        QCOMPARE(Shows(image, rightChunk, QPoint(104, 0)), full);
    }
}

void TestTesselStyle::verticalProgressBarKeepsTheBaseDrawing()
{
    // The pictures are horizontal; a vertical bar is left to the base style.
    auto render = [](QStyle* style) {
        QProgressBar bar;
        bar.setStyle(style);
        bar.setOrientation(Qt::Vertical);
        bar.setTextVisible(false);
        bar.setRange(0, 100);
        bar.setValue(60);
        bar.resize(24, 120);
        return Render(bar);
    };
    QCOMPARE(render(m_style.get()), render(m_base.get()));
}

void TestTesselStyle::tabLabelsAreWhite()
{
    QTabBar bar;
    bar.setStyle(m_style.get());
    bar.addTab(QStringLiteral("Recorders"));
    bar.addTab(QStringLiteral("Cameras"));
    bar.resize(bar.sizeHint());
    const QImage image = Render(bar);
    for (int tab = 0; tab < 2; ++tab) {
        const QRect r = bar.tabRect(tab).adjusted(3, 3, -3, -3);
        int light = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(image.pixel(x, y)) > 235)
                    ++light;
        QVERIFY2(light > 20, qPrintable(QString::number(light)));
    }
}

void TestTesselStyle::chunkWidth_data()
{
    QTest::addColumn<qint64>("groove");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("progress");
    QTest::addColumn<qint64>("width");

    const int lo = std::numeric_limits<int>::min();
    const int hi = std::numeric_limits<int>::max();
    QTest::newRow("half of 0..100") << qint64(192) << 0 << 100 << 50 << qint64(96);
    QTest::newRow("rounds down") << qint64(100) << 0 << 3 << 1 << qint64(33);
    QTest::newRow("offset range") << qint64(200) << 50 << 150 << 75 << qint64(50);
    QTest::newRow("whole int range, half way") << qint64(1000) << lo << hi << 0 << qint64(500);
    QTest::newRow("whole int range, full") << qint64(1000) << lo << hi << hi << qint64(1000);
    QTest::newRow("empty range does not divide by zero") << qint64(100) << 7 << 7 << 9 << qint64(0);
    QTest::newRow("progress past the maximum is held at full")
        << qint64(100) << 0 << 10 << 25 << qint64(100);
    QTest::newRow("progress below the minimum is nothing")
        << qint64(100) << 0 << 10 << -5 << qint64(0);
    QTest::newRow("a bar narrower than its ends") << qint64(-3) << 0 << 10 << 5 << qint64(0);
}

void TestTesselStyle::chunkWidth()
{
    QFETCH(qint64, groove);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, progress);
    QFETCH(qint64, width);
    QCOMPARE(CTesselStyle::ProgressChunkWidth(groove, minimum, maximum, progress), width);
}

void TestTesselStyle::tabsArePaintedWithTheTabPictures()
{
    QTabBar bar;
    bar.setStyle(m_style.get());
    bar.addTab(QStringLiteral("Recorders"));
    bar.addTab(QStringLiteral("Cameras"));
    bar.setCurrentIndex(0);
    bar.resize(bar.sizeHint());
    QCOMPARE(bar.tabRect(0).height(), 40);
    const QImage image = Render(bar);
    const QImage selected = Picture(QStringLiteral(":/images/Tab/TabSelect.png"));
    const QImage unselected = Picture(QStringLiteral(":/images/Tab/TabUnselect.png"));
    const int row = 3; // above the label, below any edge
    for (int tab = 0; tab < 2; ++tab) {
        const QRect r = bar.tabRect(tab);
        const QImage& picture = tab == 0 ? selected : unselected;
        // The brush tiles from the bar's origin.
        const int y = r.top() + row;
        QCOMPARE(image.pixel(r.left() + 2, y), picture.pixel(0, y % picture.height()));
        QCOMPARE(image.pixel(r.right() - 1, y), picture.pixel(0, y % picture.height()));
        // Two pixels at the left and one at the right are not filled.
        QVERIFY(image.pixel(r.left() + 1, y) != picture.pixel(0, y % picture.height()));
        QVERIFY(image.pixel(r.right(), y) != picture.pixel(0, y % picture.height()));
    }
}

void TestTesselStyle::sliderShowsItsPictures()
{
    QSlider slider(Qt::Horizontal);
    slider.setStyle(m_style.get());
    slider.setRange(0, 100);
    slider.setValue(50);
    slider.resize(200, 24);
    const QImage image = Render(slider);
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = 50;
    option.rect = slider.rect();
    const QRect handle =
        m_style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    const QRect groove =
        m_style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, &slider);
    QVERIFY(Shows(image, Picture(QStringLiteral(":/images/public/Slider/RadiobtnOff.png")),
                  handle.topLeft()));
    // Filled left of the handle, empty right of it.
    const QImage filled = Picture(QStringLiteral(":/images/public/Slider/LeftSlider.png"));
    const QImage empty = Picture(QStringLiteral(":/images/public/Slider/RightSlider.png"));
    const int y = groove.top() + 1;
    const QRgb leftOfHandle = image.pixel(groove.left() + 10, y);
    const QRgb rightOfHandle = image.pixel(groove.right() - 10, y);
    QVERIFY(Distance(leftOfHandle, filled.pixel(0, 4)) < Distance(leftOfHandle, empty.pixel(0, 4)));
    QVERIFY(Distance(rightOfHandle, empty.pixel(0, 4)) <
            Distance(rightOfHandle, filled.pixel(0, 4)));
}

void TestTesselStyle::denseTicksOverAHugeRangeFinish()
{
    QSlider slider(Qt::Horizontal);
    slider.setStyle(m_style.get());
    slider.setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    slider.setTickInterval(1);
    slider.setTickPosition(QSlider::TicksBelow);
    slider.resize(300, 30);
    QPalette palette = slider.palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    slider.setPalette(palette);
    const QImage image = Render(slider);
    int ticks = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == qRgb(255, 0, 0)) {
                ++ticks;
                break;
            }
        }
    }
    QVERIFY2(ticks > 100, qPrintable(QString::number(ticks)));
}

void TestTesselStyle::itemCheckIndicatorUsesThePictures_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("picture");
    const int base = QStyle::State_Enabled;
    QTest::newRow("checked") << (base | QStyle::State_On) << "checkbox.png";
    QTest::newRow("unchecked") << (base | QStyle::State_Off) << "uncheckbox.png";
    QTest::newRow("partly") << (base | QStyle::State_NoChange) << "PartiallyCheckBox.png";
    QTest::newRow("hovered and checked")
        << (base | QStyle::State_On | QStyle::State_MouseOver) << "checkbox_hover.png";
}

void TestTesselStyle::itemCheckIndicatorUsesThePictures()
{
    QFETCH(int, state);
    QFETCH(QString, picture);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 18, 18);
    option.state = QStyle::State(state);
    QImage image = Blank(QSize(18, 18));
    QPainter p(&image);
    m_style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &option, &p, nullptr);
    p.end();
    QVERIFY(
        Shows(image, Picture(QStringLiteral(":/images/public/CheckBox/") + picture), QPoint(0, 0)));
}

void TestTesselStyle::textIsReadableUnderTheRealLook_data()
{
    QTest::addColumn<QString>("scene");
    // An invalid colour: any background will do as long as the text stands out on it.
    QTest::addColumn<QColor>("background");
    QTest::newRow("focused read-only combo box") << "focused combo" << QColor();
    QTest::newRow("current item of an open drop-down list, visibly highlighted")
        << "open list" << QColor();
    QTest::newRow("calendar day names") << "day names" << QColor();
    QTest::newRow("calendar selected day") << "selected day" << QColor();
    QTest::newRow("file dialog selected entry, light grey")
        << "file dialog" << QColor(238, 238, 238);
}

void TestTesselStyle::textIsReadableUnderTheRealLook()
{
    QFETCH(QString, scene);
    QFETCH(QColor, background);

    static bool realLook = false;
    if (!realLook) {
        realLook = true;
        QApplication::setStyle(new CTesselStyle);
        QFile sheet(QStringLiteral(":/qss/Corvane.qss"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromLatin1(sheet.readAll()));
    }

    QWidget window;
    window.setGeometry(50, 50, 640, 420);
    QImage image;
    QRect text;
    // A row without the highlight, where the highlight must show against.
    QRect plain;
    QTemporaryDir dir;

    if (scene == QLatin1String("focused combo") || scene == QLatin1String("open list")) {
        auto* combo = new QComboBox(&window);
        combo->addItems(
            {QStringLiteral("NR-K16Y"), QStringLiteral("NR-A8V"), QStringLiteral("NR-B32X")});
        combo->setCurrentIndex(1);
        combo->setGeometry(20, 20, 150, 22);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        if (scene == QLatin1String("focused combo")) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = false;
            image = Render(*combo);
            text = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo);
        } else {
            combo->showPopup();
            QAbstractItemView* view = combo->view();
            QTRY_VERIFY(view->isVisible());
            const QModelIndex current = view->model()->index(1, 0);
            QCOMPARE(view->currentIndex(), current);
            image = view->viewport()->grab().toImage().convertToFormat(
                QImage::Format_ARGB32_Premultiplied);
            text = view->visualRect(current);
            plain = view->visualRect(view->model()->index(2, 0));
            combo->hidePopup();
        }
    } else if (scene == QLatin1String("day names") || scene == QLatin1String("selected day")) {
        auto* calendar = new CCalendarWidget(&window);
        calendar->move(10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CCalendarView* view = calendar->GetView();
        const CCalendarModel* model = calendar->GetModel();
        const QModelIndex cell = scene == QLatin1String("day names")
                                     ? model->index(0, 3)
                                     : model->IndexForDate(calendar->GetSelectedDate());
        image =
            view->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Inside the picture's own frame: only the text may stand out there.
        text = view->visualRect(cell).adjusted(3, 3, -3, -3);
    } else {
        QVERIFY(dir.isValid());
        for (const char* name : {"alpha.txt", "beta.txt"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto* frame = new CFileDialog(&window);
        frame->setWindowFlags(Qt::Widget);
        auto* files = new QFileDialog;
        files->setOption(QFileDialog::DontUseNativeDialog);
        files->setViewMode(QFileDialog::Detail);
        frame->SetContentWidget(files);
        files->setDirectory(dir.path());
        frame->setGeometry(0, 0, 600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* view = files->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(view);
        QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 2);
        const QModelIndex entry = view->model()->index(0, 0, view->rootIndex());
        view->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
        image =
            view->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        text = view->visualRect(entry);
    }

    QVERIFY(!image.isNull());
    QVERIFY(text.isValid());
    const QRgb ground = MostCommon(image, text);
    const QRgb ink = Farthest(image, text, ground);
    const double ratio = Contrast(ground, ink);
    if (ratio < 4.5)
        qWarning("text %s on %s", qPrintable(QColor(ink).name()),
                 qPrintable(QColor(ground).name()));
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(ratio, 0, 'f', 2)));
    if (background.isValid())
        QCOMPARE(QColor(ground), background);
    if (plain.isValid()) {
        const QRgb unselected = MostCommon(image, plain);
        QVERIFY2(Distance(ground, unselected) >= 30,
                 qPrintable(QStringLiteral("highlight %1 against %2")
                                .arg(QColor(ground).name(), QColor(unselected).name())));
    }
}

QTEST_MAIN(TestTesselStyle)
#include "tst_ctesselstyle.moc"
