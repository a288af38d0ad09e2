#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// What is known about a picture file without decoding it: its kind from its content (not its
// name), its size in pixels from the header, and its size in bytes.
struct ImageFacts {
    QString kind; // "BMP", "GIF", "JPEG", "PNG", "TIFF", "PCX", "WEBP", "SVG"; "WMF" or "ICO" through the platform
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // 0 when the header does not say
    int planes = 0;
    int frames = 0;
    QString description; // a readable name of the format
    qint64 fileSize = 0;
    bool valid = false;
};

// The kinds the picture readers take, and the ceiling on a decoded picture.
inline constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;

// A picture file is read whole, and only as a regular file (see readRegularFile); RLE at worst
// doubles a PCX picture's data, so a bigger file cannot be a picture we would take.
inline constexpr qint64 kMaxPictureFileBytes = 2 * kMaxPictureBytes + 128 + 769;

// Looks only at the header. nullopt and a reason for a file that is no picture of a known kind.
std::optional<ImageFacts> readImageFacts(const QString &path, QString *error = nullptr);
// The same for a file's bytes already read.
std::optional<ImageFacts> imageFactsOf(const QByteArray &bytes, QString *error = nullptr);
