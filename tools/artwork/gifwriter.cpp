// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <QHash>
#include <QIODevice>

namespace {

constexpr int MaxCode = 4095;

class BitWriter
{
public:
    void Write(int code, int width)
    {
        m_buffer |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_buffer & 0xff));
        m_buffer = 0;
        m_bits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

void PutShort(QByteArray& out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

int TableBits(int colours)
{
    int bits = 1;
    while ((1 << bits) < colours)
        ++bits;
    return bits;
}

} // namespace

QByteArray GifLzwEncode(const uchar* indices, int count, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    BitWriter bits;
    int width = minCodeSize + 1;
    int next = end + 1;
    QHash<quint32, int> table;
    bits.Write(clear, width);
    if (count <= 0) {
        bits.Write(end, width);
        return bits.Finish();
    }
    int prefix = indices[0];
    for (int i = 1; i < count; ++i) {
        const int k = indices[i];
        const quint32 key = (quint32(prefix) << 8) | quint32(k);
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = found.value();
            continue;
        }
        bits.Write(prefix, width);
        if (next <= MaxCode) {
            table.insert(key, next++);
            // The decoder adds its entry one code later, so it widens exactly when our
            // next free code no longer fits.
            if (next > (1 << width) && width < 12)
                ++width;
        } else {
            bits.Write(clear, width);
            table.clear();
            width = minCodeSize + 1;
            next = end + 1;
        }
        prefix = k;
    }
    bits.Write(prefix, width);
    bits.Write(end, width);
    return bits.Finish();
}

bool WriteGif(QIODevice* device, const GifAnimation& a)
{
    if (!device || a.frames.isEmpty() || a.palette.isEmpty() || a.palette.size() > 256)
        return false;
    const QSize size = a.frames.first().size();
    for (const QImage& f : a.frames) {
        if (f.format() != QImage::Format_Indexed8 || f.size() != size)
            return false;
    }

    const int bits = TableBits(int(a.palette.size()));
    const int tableSize = 1 << bits;
    QByteArray out("GIF89a");
    PutShort(out, size.width());
    PutShort(out, size.height());
    out.append(char(0x80 | ((bits - 1) << 4) | (bits - 1)));
    out.append(char(0)); // background index
    out.append(char(0)); // square pixels
    for (int i = 0; i < tableSize; ++i) {
        const QRgb c = i < a.palette.size() ? a.palette.at(i) : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }

    if (a.frames.size() > 1) {
        out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
        PutShort(out, a.loopCount);
        out.append(char(0));
    }

    const int minCodeSize = qMax(2, bits);
    for (const QImage& f : a.frames) {
        out.append("\x21\xf9\x04", 3);
        const bool transparent = a.transparentIndex >= 0;
        // Disposal 2: clear to the background, so transparent pixels never show the
        // previous frame.
        out.append(char((2 << 2) | (transparent ? 1 : 0)));
        PutShort(out, a.delayCentiseconds);
        out.append(char(transparent ? a.transparentIndex : 0));
        out.append(char(0));

        out.append(char(0x2c));
        PutShort(out, 0);
        PutShort(out, 0);
        PutShort(out, size.width());
        PutShort(out, size.height());
        out.append(char(0));

        QByteArray pixels;
        pixels.reserve(size.width() * size.height());
        for (int y = 0; y < size.height(); ++y)
            pixels.append(reinterpret_cast<const char*>(f.constScanLine(y)), size.width());
        const QByteArray lzw = GifLzwEncode(reinterpret_cast<const uchar*>(pixels.constData()),
                                            int(pixels.size()), minCodeSize);
        out.append(char(minCodeSize));
        for (qsizetype pos = 0; pos < lzw.size(); pos += 255) {
            const qsizetype n = qMin<qsizetype>(255, lzw.size() - pos);
            out.append(char(n));
            out.append(lzw.constData() + pos, n);
        }
        out.append(char(0));
    }
    out.append(char(0x3b));
    return device->write(out) == out.size();
}
