// SPDX-License-Identifier: GPL-3.0-or-later
// Paints every picture of the program's resources and writes them below <dir>/images/.
// Usage: corvane_artwork <resources dir>
#include "gifwriter.h"
#include "paint.h"
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool WritePng(const QString& file, const QImage& image)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    return image.save(file, "PNG");
}

// The animation is shown on the dialog body, so its palette runs from the body colour to
// the blue of the dots; pixels fainter than the threshold become transparent.
bool WriteLoading(const QString& file, int scale)
{
    const QSize size = QSize(44, 44) * scale;
    GifAnimation gif;
    gif.transparentIndex = 0;
    gif.delayCentiseconds = 8;
    gif.palette.append(qRgb(255, 255, 255));
    for (int i = 0; i < 255; ++i)
        gif.palette.append(Mix(Pal::Body, Pal::Blue, i / 254.0).rgb());
    for (const QImage& frame : LoadingFrames(12, QSize(44, 44), scale)) {
        QImage indexed(size, QImage::Format_Indexed8);
        indexed.setColorTable(gif.palette);
        for (int y = 0; y < size.height(); ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            uchar* dst = indexed.scanLine(y);
            for (int x = 0; x < size.width(); ++x) {
                const int a = qAlpha(src[x]);
                dst[x] = a < 24 ? 0 : uchar(1 + qRound(a / 255.0 * 254));
            }
        }
        gif.frames.append(indexed);
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && WriteGif(&out, gif);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: corvane_artwork <resources dir>\n";
        return 2;
    }
    const QString root = QDir(args.at(1)).absoluteFilePath(QStringLiteral("images"));
    int written = 0;
    // Every picture also at twice its size, which the toolkit picks on screens scaled
    // above 100 %.
    for (const int scale : {1, 2}) {
        for (const PictureRecipe& recipe : AllPictures()) {
            const QString file = root + QLatin1Char('/') + ScaledName(recipe.path, scale);
            if (!WritePng(file, RenderPicture(recipe, scale))) {
                err << "cannot write " << file << "\n";
                return 1;
            }
            ++written;
        }
        const QString loading = ScaledName(QStringLiteral("Loading.gif"), scale);
        if (!WriteLoading(root + QLatin1Char('/') + loading, scale)) {
            err << "cannot write " << loading << "\n";
            return 1;
        }
        ++written;
    }
    QTextStream(stdout) << written << " pictures written below " << root << "\n";
    return 0;
}
