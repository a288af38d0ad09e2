#include "TestPictures.h"

#include <QFile>
#include <QImageWriter>

namespace TestPictures {

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71) & 0xFF, (x * 97 + y * 13) & 0xFF));
    return image;
}

QImage indexedPattern(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table << qRgb((i * 53) & 0xFF, (i * 101 + 7) & 0xFF, (255 - i * 29) & 0xFF);
    image.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, uint((x + 3 * y) % colours));
    return image;
}

QString writeWithQt(const QString &path, const QImage &image, const char *format)
{
    QImageWriter writer(path, format);
    return writer.write(image) ? path : QString();
}

namespace {

void put16(QByteArray &bytes, int at, int value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

void rleAppend(QByteArray &out, const QByteArray &data)
{
    for (qsizetype i = 0; i < data.size();) {
        qsizetype run = 1;
        while (i + run < data.size() && run < 63 && data[i + run] == data[i])
            ++run;
        const uchar value = uchar(data[i]);
        if (run > 1 || value >= 0xC0)
            out += char(0xC0 | run);
        out += char(value);
        i += run;
    }
}

} // namespace

QByteArray encodePcx(const QImage &image, const PcxOptions &options)
{
    const int w = image.width(), h = image.height();
    const int bpl = ((w * options.bitsPerPixel + 15) / 16) * 2; // even, as the format asks
    QByteArray header(128, '\0');
    header[0] = 0x0A;
    header[1] = char(options.version);
    header[2] = options.rle ? 1 : 0;
    header[3] = char(options.bitsPerPixel);
    put16(header, 4, 0);
    put16(header, 6, 0);
    put16(header, 8, w - 1);
    put16(header, 10, h - 1);
    header[65] = char(options.planes);
    put16(header, 66, bpl);
    put16(header, 68, 1);
    const bool indexed = !(options.bitsPerPixel == 8 && options.planes == 3);
    if (indexed && options.bitsPerPixel * options.planes <= 4)
        for (int i = 0; i < image.colorCount() && i < 16; ++i) {
            header[16 + i * 3] = char(qRed(image.color(i)));
            header[17 + i * 3] = char(qGreen(image.color(i)));
            header[18 + i * 3] = char(qBlue(image.color(i)));
        }

    QByteArray all;
    for (int y = 0; y < h; ++y) {
        QByteArray line(bpl * options.planes, '\0');
        for (int x = 0; x < w; ++x) {
            if (!indexed) {
                const QRgb c = image.pixel(x, y);
                line[x] = char(qRed(c));
                line[bpl + x] = char(qGreen(c));
                line[2 * bpl + x] = char(qBlue(c));
                continue;
            }
            const int index = image.pixelIndex(x, y);
            if (options.bitsPerPixel == 8) {
                line[x] = char(index);
            } else if (options.bitsPerPixel == 4) {
                line[x / 2] = char(uchar(line[x / 2]) | (x % 2 ? index : index << 4));
            } else {
                for (int plane = 0; plane < options.planes; ++plane)
                    if (index & (1 << plane))
                        line[plane * bpl + x / 8] = char(uchar(line[plane * bpl + x / 8]) | (0x80 >> (x % 8)));
            }
        }
        if (options.runsAcrossLines || !options.rle)
            all += line;
        else
            rleAppend(all, line);
    }
    QByteArray data;
    if (options.rle && options.runsAcrossLines)
        rleAppend(data, all);
    else
        data = all;

    QByteArray file = header + data;
    if (indexed && options.bitsPerPixel == 8 && options.paletteAtEnd) {
        file += char(0x0C);
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
            file += char(qRed(c));
            file += char(qGreen(c));
            file += char(qBlue(c));
        }
    }
    return file;
}

QByteArray encodeGif(const QImage &indexed)
{
    QByteArray gif("GIF89a");
    auto add16 = [&gif](int v) {
        gif += char(v & 0xFF);
        gif += char((v >> 8) & 0xFF);
    };
    add16(indexed.width());
    add16(indexed.height());
    gif += char(0xF7); // global table of 256 colours
    gif += char(0);
    gif += char(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        gif += char(qRed(c));
        gif += char(qGreen(c));
        gif += char(qBlue(c));
    }
    gif += char(0x2C);
    add16(0);
    add16(0);
    add16(indexed.width());
    add16(indexed.height());
    gif += char(0);
    gif += char(8); // minimum code size: codes are 9 bits while the table stays small

    QByteArray codes;
    quint32 buffer = 0;
    int bits = 0;
    auto put = [&](int code) {
        buffer |= quint32(code) << bits;
        bits += 9;
        while (bits >= 8) {
            codes += char(buffer & 0xFF);
            buffer >>= 8;
            bits -= 8;
        }
    };
    int sinceClear = 0;
    put(256);
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear == 200) { // clear before the table needs 10-bit codes
                put(256);
                sinceClear = 0;
            }
            put(indexed.pixelIndex(x, y));
            ++sinceClear;
        }
    put(257);
    if (bits > 0)
        codes += char(buffer & 0xFF);
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const QByteArray block = codes.mid(i, 255);
        gif += char(block.size());
        gif += block;
    }
    gif += char(0);
    gif += char(0x3B);
    return gif;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestPictures
