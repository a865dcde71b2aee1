// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/helpers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QStringEncoder>
#include <utility>

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

namespace {

QList<QImage>& ProgramIconPictures()
{
    static QList<QImage> images = [] {
        QList<QImage> all;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QImage image(QStringLiteral(":/icons/corvane-%1.png").arg(size));
            if (!image.isNull())
                all.append(image);
        }
        return all;
    }();
    return images;
}

} // namespace

void ReadProgramIcon()
{
    ProgramIconPictures();
}

QIcon ProgramIcon()
{
    // One icon for the application and its windows: each one built afresh takes every size.
    // The pictures go into it, and only it holds them.
    static const QIcon icon = [] {
        QIcon all;
        for (QImage& image : ProgramIconPictures())
            all.addPixmap(QPixmap::fromImage(std::move(image)));
        ProgramIconPictures().clear();
        return all;
    }();
    return icon;
}

QPixmap LoadCachedPixmap(const QString& fileName)
{
    // On a screen scaled above 100 % the picture's large variant is taken where there is
    // one; it keeps the logical size of the picture, so callers measure it as before.
    qreal ratio = 1.0;
    const QString resolved =
        qt_findAtNxFile(fileName, qApp ? qApp->devicePixelRatio() : 1.0, &ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(resolved, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(QImage(resolved), Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (pixmap.isNull())
        return QPixmap();
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(resolved, pixmap);
    return pixmap;
}

QSize LogicalSize(const QPixmap& pixmap)
{
    return pixmap.deviceIndependentSize().toSize();
}

QString ScaleBorderImageCuts(const QString& sheet)
{
    return ScaleBorderImageCuts(sheet, qApp ? qApp->devicePixelRatio() : 1.0);
}

QString ScaleBorderImageCuts(const QString& sheet, qreal ratio)
{
    if (ratio <= 1.0)
        return sheet;
    // border-image: url(picture) followed by one to four cuts; the address may be quoted.
    static const QRegularExpression rule(
        QStringLiteral(R"re((border-image\s*:\s*url\(\s*"?([^")]+)"?\s*\))((?:\s+\d+){1,4}))re"));
    QString result;
    qsizetype done = 0;
    auto matches = rule.globalMatch(sheet);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        qreal pictureRatio = 1.0;
        qt_findAtNxFile(match.captured(2), ratio, &pictureRatio);
        result += sheet.mid(done, match.capturedStart(3) - done);
        if (pictureRatio > 1.0) {
            static const QRegularExpression space(QStringLiteral("\\s+"));
            const QStringList cuts = match.captured(3).split(space, Qt::SkipEmptyParts);
            for (const QString& cut : cuts)
                result += QLatin1Char(' ') + QString::number(qRound(cut.toInt() * pictureRatio));
        } else {
            result += match.captured(3);
        }
        done = match.capturedEnd(3);
    }
    return result + sheet.mid(done);
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
