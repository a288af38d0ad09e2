#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Picture files made in the test, so every kind is checked against known pixels.
namespace TestPictures {

// A picture of distinct colours (each pixel differs from its neighbours).
QImage pattern(int width, int height);
// An Indexed8 picture using `colours` palette entries.
QImage indexedPattern(int width, int height, int colours);

// Writes with Qt's writer; returns the path, empty on failure.
QString writeWithQt(const QString &path, const QImage &image, const char *format);

// A minimal PCX encoder: bits per pixel per plane and planes as in the file header.
// Indexed pictures for 1 and 4 bits and for 8 bits in one plane; any picture for 8 x 3.
struct PcxOptions {
    int bitsPerPixel = 8;
    int planes = 1;
    bool rle = true;
    int version = 5;
    bool paletteAtEnd = true;     // 8 bits in one plane
    bool runsAcrossLines = false; // one RLE stream for the whole picture
};
QByteArray encodePcx(const QImage &image, const PcxOptions &options);

// A minimal GIF encoder (Qt writes no GIF): an Indexed8 picture with literal LZW codes.
QByteArray encodeGif(const QImage &indexed);

QByteArray fileBytes(const QString &path);

} // namespace TestPictures
