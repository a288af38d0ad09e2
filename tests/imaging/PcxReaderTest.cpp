#include "TestPictures.h"

#include "imaging/PcxReader.h"

#include <gtest/gtest.h>

using TestPictures::PcxOptions;

namespace {

void expectSamePixels(const QImage &got, const QImage &want, const std::string &label)
{
    ASSERT_FALSE(got.isNull()) << label;
    ASSERT_EQ(got.size(), want.size()) << label;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            ASSERT_EQ(got.pixel(x, y) & 0xFFFFFF, want.pixel(x, y) & 0xFFFFFF) << label << " at " << x << "," << y;
}

QImage monoPattern(int w, int h)
{
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, uint((x * 7 + y) % 3 == 0));
    return image;
}

} // namespace

TEST(PcxReader, EveryColourFormatRoundTrips)
{
    struct Case {
        const char *label;
        QImage image;
        PcxOptions options;
    };
    // Odd widths make the padded line length differ from the picture's width.
    const Case cases[] = {
        {"1 bit mono", monoPattern(13, 5), {1, 1, true, 5, false, false}},
        {"1 bit mono raw", monoPattern(9, 3), {1, 1, false, 5, false, false}},
        {"1 bit x 3 planes", TestPictures::indexedPattern(11, 4, 8), {1, 3, true, 5, false, false}},
        {"1 bit x 4 planes (EGA)", TestPictures::indexedPattern(17, 6, 16), {1, 4, true, 5, false, false}},
        {"4 bits packed", TestPictures::indexedPattern(7, 5, 16), {4, 1, true, 5, false, false}},
        {"8 bits with palette", TestPictures::indexedPattern(31, 9, 200), {8, 1, true, 5, true, false}},
        {"8 bits, runs across lines", TestPictures::indexedPattern(5, 40, 1), {8, 1, true, 5, true, true}},
        {"24 bits", TestPictures::pattern(19, 7), {8, 3, true, 5, false, false}},
        {"24 bits raw", TestPictures::pattern(6, 6), {8, 3, false, 5, false, false}},
    };
    for (const Case &c : cases) {
        QString error;
        const QImage image = Pcx::read(TestPictures::encodePcx(c.image, c.options), &error);
        EXPECT_TRUE(error.isEmpty()) << c.label << ": " << error.toStdString();
        expectSamePixels(image, c.image, c.label);
    }
}

TEST(PcxReader, PalettesFollowTheFileVersion)
{
    // 8 bits without the closing palette: grey levels by index.
    QImage grey = TestPictures::indexedPattern(4, 2, 8);
    const QImage noPalette = Pcx::read(TestPictures::encodePcx(grey, {8, 1, true, 5, false, false}));
    ASSERT_FALSE(noPalette.isNull());
    EXPECT_EQ(noPalette.pixel(3, 0), qRgb(3, 3, 3));

    // Version 3 carries no palette: 16 colours come from the standard EGA set, whatever the
    // header's palette bytes say.
    const QImage ega = Pcx::read(TestPictures::encodePcx(TestPictures::indexedPattern(16, 1, 16), {4, 1, true, 3}));
    ASSERT_FALSE(ega.isNull());
    EXPECT_EQ(ega.pixel(1, 0), qRgb(0, 0, 170));
    EXPECT_EQ(ega.pixel(15, 0), qRgb(255, 255, 255));
}

TEST(PcxReader, HostileFilesAreRefusedWithAReason)
{
    const QByteArray good = TestPictures::encodePcx(TestPictures::pattern(40, 30), {8, 3, true});
    auto patched = [&good](int at, QList<uchar> bytes) {
        QByteArray b = good;
        for (int i = 0; i < bytes.size(); ++i)
            b[at + i] = char(bytes[i]);
        return b;
    };
    struct Case {
        const char *label;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"header cut short", good.left(100)},
        {"data cut short", good.left(good.size() / 2)},
        {"only the header", good.left(128)},
        {"run byte last, its value missing", good.left(128) + QByteArray(1, char(0xC5))},
        {"not a PCX maker byte", patched(0, {0x0B})},
        {"unknown version", patched(1, {9})},
        {"unknown encoding", patched(2, {7})},
        {"2 bits per pixel", patched(3, {2})},
        {"8 bits in 2 planes", patched(65, {2})},
        {"0 planes", patched(65, {0})},
        {"xMax before xMin", patched(4, {50, 0})},
        {"line length too short for the width", patched(66, {4, 0})},
        {"65535 x 65535 claimed by a small file", patched(8, {0xFF, 0xFF, 0xFF, 0xFF})},
    };
    for (const Case &c : cases) {
        QString error;
        EXPECT_TRUE(Pcx::read(c.bytes, &error).isNull()) << c.label;
        EXPECT_FALSE(error.isEmpty()) << c.label;
    }
}

TEST(PcxReader, SizeCeilingIsCheckedBeforeDecoding)
{
    const QByteArray bytes = TestPictures::encodePcx(TestPictures::pattern(100, 100), {8, 3, true});
    QString error;
    EXPECT_TRUE(Pcx::read(bytes, &error, 100 * 100 * 4 - 1).isNull());
    EXPECT_EQ(error, "The picture is too large to load.");
    EXPECT_FALSE(Pcx::plausible(bytes.left(128), bytes.size(), &error, 100 * 100 * 4 - 1));
    EXPECT_FALSE(Pcx::read(bytes, &error, 100 * 100 * 4).isNull());
    // The header alone with the file's size is enough to tell a whole file from a cut one.
    EXPECT_TRUE(Pcx::plausible(bytes.left(128), bytes.size()));
    EXPECT_FALSE(Pcx::plausible(bytes.left(128), 200));
}
