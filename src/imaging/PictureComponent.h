#pragma once

#include "imaging/ImageFacts.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

class Prompts;

// Depths to decode to and to write at; the codes are those of depthCode().
enum class ReadRes { lColorVga, lMonoChrome, lColor16, lColor256, lColorTrue, lAutoMatic };
enum class WriteRes { sColorVga, sMonoChrome, sColor16, sColor256, sColorTrue, sJpegGray, sAutoMatic };
enum class PictureBorder { bsNone, bsSingle };

// 4 for a screen of at most 4 bits per pixel, 8 for 5 to 15, 24 from 16 up.
int screenDepthCode(int screenBitsPerPixel);
int depthCode(ReadRes res, int screenDepth);
int depthCode(WriteRes res, int screenDepth);
// The picture reduced to a depth code (1, 4 or 8; 0 is 16 VGA colours); 24 leaves it as it is.
QImage reducedToDepth(const QImage &image, int code, bool dither);

// What setting a name did.
enum class LoadOutcome {
    Loaded,  // picture (or, when measuring only, its header) read, facts valid
    Failed,  // a reader or the facts call failed; picture empty
    Missing, // no such file: picture empty, facts kept, name "file not found"
    Ignored, // no reader for the extension: picture, facts and name kept
};

namespace PictureTexts {
inline const QString fileNotFound = QStringLiteral("file not found");
inline const QString nonLibraryImage = QStringLiteral("Non TIF, JPeg, BMP, GIF, PNG or PCX Image");
inline const QString writeBmpFailed = QStringLiteral("Writing bmp file failed");
inline const QString readBmpFailed = QStringLiteral("Reading bmp file failed");
inline const QString readJpgFailed = QStringLiteral("Reading jpg file failed");
inline const QString readGifFailed = QStringLiteral("Reading gif file failed");
inline const QString readTifFailed = QStringLiteral("Reading tif file failed");
inline const QString readPngFailed = QStringLiteral("Reading png file failed");
inline const QString readPcxFailed = QStringLiteral("Reading pcx file failed");
inline const QString readWebpFailed = QStringLiteral("Reading webp file failed");
inline const QString readSvgFailed = QStringLiteral("Reading svg file failed");
} // namespace PictureTexts

// The picture component without its window: loads a file by name, keeps the picture and the
// file's facts, decides where the picture is drawn, and writes it out as a bitmap file.
// Messages go through Prompts; the window (TPictureView) only paints.
class PictureComponent final {
public:
    explicit PictureComponent(Prompts &prompts);

    // Setting the name loads the file. Reads back upper-cased, or "file not found".
    void setImageName(const QString &fileName) { load(fileName); }
    const QString &imageName() const { return m_imageName; }
    LoadOutcome load(const QString &fileName);
    LoadOutcome lastOutcome() const { return m_lastOutcome; }

    const ImageFacts &facts() const { return m_facts; }
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void setPicture(const QImage &picture);

    // Nothing pending to undo (no in-place transformation is ever asked for); redraws.
    void reset();

    // Writes the picture as a Windows bitmap at the write depth; "Writing bmp file failed".
    bool writeBitmap(const QString &fileName);

    // Only the header is read, never the pixels: for a component that measures and never
    // shows (the Files tab's image insertion).
    void setMeasureOnly(bool on) { m_measureOnly = on; }
    bool measureOnly() const { return m_measureOnly; }

    bool imageDither() const { return m_dither; }
    void setImageDither(bool on) { m_dither = on; }
    ReadRes imageReadRes() const { return m_readRes; }
    void setImageReadRes(ReadRes res) { m_readRes = res; }
    WriteRes imageWriteRes() const { return m_writeRes; }
    void setImageWriteRes(WriteRes res) { m_writeRes = res; }
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool stretchRatio() const { return m_stretchRatio; }
    void setStretchRatio(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool center() const { return m_center; }
    void setCenter(bool on);
    PictureBorder borderStyle() const { return m_border; }
    void setBorderStyle(PictureBorder border);
    const QString &defSaveFilename() const { return m_defSaveFilename; }
    void setDefSaveFilename(const QString &name) { m_defSaveFilename = name; }

    // Kept for the dialogs' layouts; the readers and writer do not use them.
    QString tifSaveCompress = QStringLiteral("sNONE");
    int jpegSaveQuality = 25;
    int jpegSaveSmooth = 0;
    int textLeft = 0;
    int textTop = 0;
    int textRotate = 0;

    // The screen's bits per pixel, for the automatic depths.
    void setScreenBitsPerPixel(int bits) { m_screenDepth = screenDepthCode(bits); }
    int screenDepth() const { return m_screenDepth; }

    // Where the picture goes in an area of this size (empty when there is no picture).
    QRect placement(const QSize &area) const;

    // Called whenever the picture or the way it is drawn changes (repaint, auto-size).
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

private:
    void changed();
    void clearPicture();
    bool readLibraryPicture(const QByteArray &bytes, const QByteArray &qtFormat, QString *error);

    Prompts &m_prompts;
    QString m_imageName;
    QImage m_picture;
    ImageFacts m_facts;
    LoadOutcome m_lastOutcome = LoadOutcome::Ignored;
    bool m_measureOnly = false;
    bool m_dither = true;
    ReadRes m_readRes = ReadRes::lAutoMatic;
    WriteRes m_writeRes = WriteRes::sAutoMatic;
    bool m_stretch = false;
    bool m_stretchRatio = false;
    bool m_autoSize = false;
    bool m_center = false;
    PictureBorder m_border = PictureBorder::bsNone;
    QString m_defSaveFilename;
    int m_screenDepth = 24;
    std::function<void()> m_changed;
};
