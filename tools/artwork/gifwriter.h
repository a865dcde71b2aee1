// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GIFWRITER_H
#define GIFWRITER_H

#include <QImage>
#include <QList>
#include <QVector>

class QIODevice;

// Writes an animated GIF89a: one global colour table, every frame a full Indexed8 picture
// of the same size, disposed to the background before the next one. Qt reads GIFs but
// cannot write them, hence this small encoder.
struct GifAnimation
{
    QVector<QRgb> palette; // at most 256 colours
    int transparentIndex = -1;
    int delayCentiseconds = 8;
    int loopCount = 0;    // 0: forever
    QList<QImage> frames; // Format_Indexed8, indices below palette.size()
};

bool WriteGif(QIODevice* device, const GifAnimation& animation);

// The LZW code stream of one frame, before it is cut into sub-blocks. Exposed so the
// table-full reset can be exercised with data larger than any picture we ship.
QByteArray GifLzwEncode(const uchar* indices, int count, int minCodeSize);

#endif
