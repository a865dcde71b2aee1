// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

namespace {

QVector<QRgb> Palette(int colours)
{
    QVector<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.append(qRgb((i * 37) & 0xff, (i * 91 + 17) & 0xff, (255 - i * 53) & 0xff));
    return palette;
}

enum class Fill
{
    Noise,
    Flat,
    Stripes
};

QImage Frame(const QSize& size, const QVector<QRgb>& palette, Fill fill, quint32 seed)
{
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable(palette);
    QRandomGenerator random(seed);
    const int n = int(palette.size());
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            switch (fill) {
            case Fill::Noise:
                line[x] = uchar(random.bounded(n));
                break;
            case Fill::Flat:
                line[x] = uchar(seed % n);
                break;
            case Fill::Stripes:
                line[x] = uchar(((x / 3) + y + int(seed)) % n);
                break;
            }
        }
    }
    return image;
}

} // namespace

class TestGifWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void loopsForeverAndKeepsTheDelay();
    void refusesWhatItCannotWrite();
};

void TestGifWriter::roundTrip_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("fill");
    QTest::addColumn<int>("frames");

    QTest::newRow("two colours use the smallest code size")
        << 2 << QSize(17, 9) << int(Fill::Noise) << 2;
    QTest::newRow("sixteen colours") << 16 << QSize(44, 44) << int(Fill::Stripes) << 3;
    QTest::newRow("full palette, noise fills the code table again and again")
        << 256 << QSize(300, 200) << int(Fill::Noise) << 2;
    QTest::newRow("a flat frame is one long run") << 256 << QSize(400, 300) << int(Fill::Flat) << 1;
    QTest::newRow("odd palette size is padded") << 200 << QSize(31, 29) << int(Fill::Stripes) << 4;
    QTest::newRow("single pixel") << 4 << QSize(1, 1) << int(Fill::Noise) << 1;
}

void TestGifWriter::roundTrip()
{
    QFETCH(int, colours);
    QFETCH(QSize, size);
    QFETCH(int, fill);
    QFETCH(int, frames);

    GifAnimation gif;
    gif.palette = Palette(colours);
    for (int i = 0; i < frames; ++i)
        gif.frames.append(Frame(size, gif.palette, Fill(fill), quint32(1000 + i)));

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    QVERIFY(WriteGif(&buffer, gif));
    buffer.seek(0);
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.size(), size);
    for (int i = 0; i < frames; ++i) {
        const QImage read = reader.read();
        QVERIFY2(!read.isNull(), qPrintable(reader.errorString()));
        const QImage expected = gif.frames.at(i).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), expected);
    }
    QVERIFY(reader.read().isNull());
}

void TestGifWriter::loopsForeverAndKeepsTheDelay()
{
    GifAnimation gif;
    gif.palette = Palette(8);
    gif.transparentIndex = 0;
    gif.delayCentiseconds = 12;
    for (int i = 0; i < 5; ++i)
        gif.frames.append(Frame(QSize(10, 10), gif.palette, Fill::Stripes, quint32(i)));
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    QVERIFY(WriteGif(&buffer, gif));
    buffer.seek(0);
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.imageCount(), 5);
    QCOMPARE(reader.loopCount(), -1);
    const QImage first = reader.read();
    QCOMPARE(reader.nextImageDelay(), 120);
    // Index 0 is the transparent colour.
    QCOMPARE(qAlpha(first.convertToFormat(QImage::Format_ARGB32).pixel(0, 0)), 0);
}

void TestGifWriter::refusesWhatItCannotWrite()
{
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    GifAnimation empty;
    empty.palette = Palette(4);
    QVERIFY(!WriteGif(&buffer, empty));

    GifAnimation mixed;
    mixed.palette = Palette(4);
    mixed.frames = {Frame(QSize(4, 4), mixed.palette, Fill::Flat, 1),
                    Frame(QSize(5, 4), mixed.palette, Fill::Flat, 1)};
    QVERIFY(!WriteGif(&buffer, mixed));

    GifAnimation tooMany;
    tooMany.palette = Palette(300);
    tooMany.frames = {QImage(4, 4, QImage::Format_Indexed8)};
    QVERIFY(!WriteGif(&buffer, tooMany));
    QCOMPARE(buffer.size(), 0);
}

QTEST_GUILESS_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
