#include "util/helpers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPixmapCache>
#include <QStringEncoder>

QString GetAppDirPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString GetAbsolutePath(const QString& fileName)
{
    if (QFileInfo(fileName).isRelative())
        return GetAppDirPath() + fileName;
    return fileName;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/corvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap LoadCachedPixmap(const QString& fileName)
{
    QPixmap pixmap;
    if (QPixmapCache::find(fileName, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(QImage(fileName), Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (pixmap.isNull())
        return QPixmap();
    QPixmapCache::insert(fileName, pixmap);
    return pixmap;
}

QRegion GetRoundRectRegion(const QRect& rect, int radius)
{
    const int d = 2 * radius;
    QRegion region(rect.adjusted(radius, 0, -radius, 0));
    region += QRegion(rect.adjusted(0, radius, 0, -radius));
    region += QRegion(QRect(rect.left(), rect.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(rect.right() - d + 1, rect.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(rect.left(), rect.bottom() - d + 1, d, d), QRegion::Ellipse);
    region += QRegion(QRect(rect.right() - d + 1, rect.bottom() - d + 1, d, d), QRegion::Ellipse);
    return region;
}

QRegion GetTopRoundRectRegion(const QRect& rect, int radius)
{
    const int d = 2 * radius;
    QRegion region(rect.adjusted(0, radius, 0, 0));
    region += QRegion(rect.adjusted(radius, 0, -radius, 0));
    region += QRegion(QRect(rect.left(), rect.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(rect.right() - d + 1, rect.top(), d, d), QRegion::Ellipse);
    return region;
}

QByteArray ToLocalBytes(const QString& text, bool flag)
{
    Q_UNUSED(flag);
    QStringEncoder encoder(QStringEncoder::System);
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}
