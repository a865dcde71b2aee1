// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTest>

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QPixmapCache::clear(); }

    void appDirPathEndsWithSlash();
    void absolutePath_data();
    void absolutePath();
    void cachedPixmapIsCachedAndServedWithoutTheFile();
    void missingPixmapIsNotCachedAndRetried();
    void roundRegionCorners_data();
    void roundRegionCorners();
    void topRoundRegionKeepsBottomCorners();
    void localBytesCountsEncodedBytes_data();
    void localBytesCountsEncodedBytes();
    void borderImageCutsFollowTheLargePicture_data();
    void borderImageCutsFollowTheLargePicture();
};

void TestHelpers::appDirPathEndsWithSlash()
{
    const QString dir = GetAppDirPath();
    QVERIFY(dir.endsWith(QLatin1Char('/')));
    QCOMPARE(QDir(dir).canonicalPath(),
             QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

void TestHelpers::absolutePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("resolved");

    QTest::newRow("a bare file name lands beside the executable") << "Setup.xml" << true;
    QTest::newRow("a relative sub-path too") << "translations/corvane_zh.qm" << true;
    QTest::newRow("an absolute path is left alone") << "/etc/corvane/Setup.xml" << false;
    QTest::newRow("a resource path is absolute") << ":/qss/Corvane.qss" << false;
}

void TestHelpers::absolutePath()
{
    QFETCH(QString, name);
    QFETCH(bool, resolved);
    const QString expected =
        resolved ? QCoreApplication::applicationDirPath() + QLatin1Char('/') + name : name;
    QCOMPARE(GetAbsolutePath(name), expected);
}

void TestHelpers::cachedPixmapIsCachedAndServedWithoutTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("tile.png"));
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(qRgb(40, 97, 155));
    QVERIFY(image.save(file));

    const QPixmap first = LoadCachedPixmap(file);
    QVERIFY(!first.isNull());
    QCOMPARE(first.size(), QSize(6, 4));
    QPixmap cached;
    QVERIFY(QPixmapCache::find(file, &cached));

    // A second call must come from the cache: the file is gone by now.
    QVERIFY(QFile::remove(file));
    const QPixmap second = LoadCachedPixmap(file);
    QCOMPARE(second.size(), QSize(6, 4));
    QCOMPARE(second.toImage().pixel(2, 2), qRgb(40, 97, 155));
}

void TestHelpers::missingPixmapIsNotCachedAndRetried()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("late.png"));

    QVERIFY(LoadCachedPixmap(file).isNull());
    QPixmap cached;
    QVERIFY(!QPixmapCache::find(file, &cached));

    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    QVERIFY(image.save(file));
    const QPixmap later = LoadCachedPixmap(file);
    QVERIFY(!later.isNull());
    QCOMPARE(later.size(), QSize(3, 3));
}

void TestHelpers::roundRegionCorners_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("radius");

    QTest::newRow("radius 2 on 100 x 50 at the origin") << QRect(0, 0, 100, 50) << 2;
    QTest::newRow("radius 2 on an offset rectangle") << QRect(30, -20, 100, 50) << 2;
    QTest::newRow("larger radius") << QRect(5, 5, 64, 40) << 6;
}

void TestHelpers::roundRegionCorners()
{
    QFETCH(QRect, rect);
    QFETCH(int, radius);
    const QRegion region = GetRoundRectRegion(rect, radius);

    for (const QPoint& corner :
         {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
        QVERIFY2(
            !region.contains(corner),
            qPrintable(QStringLiteral("corner %1,%2 is inside").arg(corner.x()).arg(corner.y())));
    QVERIFY(region.boundingRect() == rect);
    // Every pixel farther than the radius from a corner, in either direction, belongs.
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const int dx = qMin(x - rect.left(), rect.right() - x);
            const int dy = qMin(y - rect.top(), rect.bottom() - y);
            if (dx > radius || dy > radius)
                QVERIFY2(region.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("%1,%2 missing").arg(x).arg(y)));
        }
    }
    QVERIFY(!region.contains(rect.topLeft() - QPoint(1, 0)));
}

void TestHelpers::topRoundRegionKeepsBottomCorners()
{
    const QRect rect(0, 0, 100, 50);
    const QRegion region = GetTopRoundRectRegion(rect, 2);
    QVERIFY(!region.contains(rect.topLeft()));
    QVERIFY(!region.contains(rect.topRight()));
    QVERIFY(region.contains(rect.bottomLeft()));
    QVERIFY(region.contains(rect.bottomRight()));
    QVERIFY(region.contains(QPoint(50, 0)));
    QVERIFY(region.contains(QPoint(0, 25)));
    QCOMPARE(region.boundingRect(), rect);
}

void TestHelpers::borderImageCutsFollowTheLargePicture_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("expected");

    const QString compact = QStringLiteral("QDialog{border-image:url(:/images/Dialog/"
                                           "dialog_bg2.png) 34 6 16 6; border-width:34 6 16 6;}");
    QTest::newRow("100 %: unchanged") << compact << 1.0 << compact;
    QTest::newRow("200 %: cuts doubled, border widths kept")
        << compact << 2.0
        << QStringLiteral("QDialog{border-image:url(:/images/Dialog/dialog_bg2.png) 68 12 32 12; "
                          "border-width:34 6 16 6;}");
    QTest::newRow("150 % takes the large picture too")
        << QStringLiteral("QPushButton{border-image: url(:/images/button/button.png) 4;}") << 1.5
        << QStringLiteral("QPushButton{border-image: url(:/images/button/button.png) 8;}");
    QTest::newRow("quoted address, two rules")
        << QStringLiteral("A{border-image:url(\":/images/Dialog/dialog_bg2.png\") 58;}"
                          "B{border-image:url(:images/public/TreeView/tree_bg.png) 2 2 4 2;}")
        << 2.0
        << QStringLiteral("A{border-image:url(\":/images/Dialog/dialog_bg2.png\") 116;}"
                          "B{border-image:url(:images/public/TreeView/tree_bg.png) 4 4 8 4;}");
    QTest::newRow("no cuts: the whole picture is stretched")
        << QStringLiteral("A{border-image:url(:/images/title/close.png);}") << 2.0
        << QStringLiteral("A{border-image:url(:/images/title/close.png);}");
    QTest::newRow("no large variant: its own pixels")
        << QStringLiteral("A{border-image:url(:/images/none.png) 4;}") << 2.0
        << QStringLiteral("A{border-image:url(:/images/none.png) 4;}");
}

void TestHelpers::borderImageCutsFollowTheLargePicture()
{
    QFETCH(QString, sheet);
    QFETCH(qreal, ratio);
    QFETCH(QString, expected);
    QCOMPARE(ScaleBorderImageCuts(sheet, ratio), expected);
}

void TestHelpers::localBytesCountsEncodedBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");

    QTest::newRow("plain ASCII is one byte a character") << QStringLiteral("NVR-0804") << 8;
    QTest::newRow("empty") << QString() << 0;
    // Qt on Linux always takes the system encoding as UTF-8.
    QTest::newRow("three CJK characters take nine bytes")
        << QStringLiteral("\u6444\u50cf\u673a") << 9;
    QTest::newRow("mixed") << QStringLiteral("IPC\u00e9") << 5;
}

void TestHelpers::localBytesCountsEncodedBytes()
{
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(ToLocalBytes(text).size(), bytes);
    QCOMPARE(ToLocalBytes(text, true), ToLocalBytes(text, false));
    QCOMPARE(QString::fromLocal8Bit(ToLocalBytes(text)), text);
}

QTEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
