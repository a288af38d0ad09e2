#include "TestPictures.h"

#include "imaging/ImageFacts.h"
#include "imaging/PictureComponent.h"
#include "imaging/SvgSize.h"
#include "testsupport/ScriptedPrompts.h"
#include "testsupport/TempProgramFolder.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

const char *qtFormatFor(const QString &ext)
{
    if (ext == "thb" || ext == "bmp")
        return "bmp";
    if (ext == "thj" || ext == "jpg" || ext == "jpeg" || ext == "jpe")
        return "jpeg";
    if (ext == "webp")
        return "webp";
    if (ext == "tif" || ext == "tiff")
        return "tiff";
    if (ext == "ico")
        return "ico";
    return "png";
}

class PictureComponentTest : public ::testing::Test {
protected:
    // Writes one picture of each kind the library reads; returns its path.
    QString writeKind(const QString &name, const QImage &image)
    {
        const QString path = folder.file(name);
        const QString ext = name.section('.', -1).toLower();
        if (ext == "gif")
            folder.write(name, TestPictures::encodeGif(image.convertToFormat(QImage::Format_Indexed8)));
        else if (ext == "pcx")
            folder.write(name, TestPictures::encodePcx(image, {8, 3, true}));
        else
            EXPECT_FALSE(TestPictures::writeWithQt(path, image, qtFormatFor(ext)).isEmpty()) << name.toStdString();
        return path;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    PictureComponent picture{prompts};
};

} // namespace

TEST_F(PictureComponentTest, EveryLibraryKindLoadsWithItsFacts)
{
    struct Case {
        const char *name;
        const char *kind;
    };
    const Case cases[] = {
        {"a.bmp", "BMP"},   {"b.gif", "GIF"},   {"LOGO.GIF", "GIF"}, {"c.jpg", "JPEG"}, {"d.png", "PNG"},
        {"e.tif", "TIFF"},  {"f.pcx", "PCX"},   {"g.thb", "BMP"},    {"h.thj", "JPEG"}, {"i.jpeg", "JPEG"},
        {"j.webp", "WEBP"}, {"K.WEBP", "WEBP"}, {"l.tiff", "TIFF"},
    };
    const QImage image = TestPictures::pattern(23, 17);
    for (const Case &c : cases) {
        const QString path = writeKind(c.name, image);
        EXPECT_EQ(picture.load(path), LoadOutcome::Loaded) << c.name;
        EXPECT_EQ(picture.imageName(), path.toUpper()) << c.name;
        EXPECT_EQ(picture.picture().size(), QSize(23, 17)) << c.name;
        EXPECT_TRUE(picture.facts().valid) << c.name;
        EXPECT_EQ(picture.facts().kind, c.kind) << c.name;
        EXPECT_EQ(picture.facts().width, 23) << c.name;
        EXPECT_EQ(picture.facts().height, 17) << c.name;
        EXPECT_EQ(picture.facts().fileSize, QFile(path).size()) << c.name;
    }
    EXPECT_TRUE(prompts.shown().empty());
    // Lossless kinds keep every pixel.
    picture.load(folder.file("f.pcx"));
    EXPECT_EQ(picture.picture().convertToFormat(QImage::Format_RGB32), image);
}

TEST_F(PictureComponentTest, FactsComeFromTheContentNotTheName)
{
    const QImage image = TestPictures::pattern(8, 6);
    folder.write("really-a-gif.jpg", TestPictures::encodeGif(image.convertToFormat(QImage::Format_Indexed8)));
    const std::optional<ImageFacts> facts = readImageFacts(folder.file("really-a-gif.jpg"));
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->kind, "GIF");

    QString error;
    folder.write("notes.png", "just some text, no picture");
    EXPECT_FALSE(readImageFacts(folder.file("notes.png"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(readImageFacts(folder.file("absent.png"), &error));
}

TEST_F(PictureComponentTest, ExtensionWithoutReaderKeepsThePreviousPicture)
{
    const QString logo = writeKind("logo.png", TestPictures::pattern(30, 20));
    ASSERT_EQ(picture.load(logo), LoadOutcome::Loaded);
    writeKind("photo.jpe", TestPictures::pattern(50, 40)); // a real JPEG, but ".JPE" has no reader
    EXPECT_EQ(picture.load(folder.file("photo.jpe")), LoadOutcome::Ignored);
    EXPECT_EQ(picture.imageName(), logo.toUpper());
    EXPECT_EQ(picture.picture().size(), QSize(30, 20));
    EXPECT_EQ(picture.facts().width, 30);
    EXPECT_EQ(picture.facts().kind, "PNG");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(PictureComponentTest, SvgIsMeasuredFromItsOuterElement)
{
    folder.write("Logo.SVG", "<?xml version=\"1.0\"?>\n<!-- drawn by hand -->\n"
                             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"60px\">"
                             "<rect width=\"10\" height=\"10\"/></svg>");
    picture.setMeasureOnly(true);
    ASSERT_EQ(picture.load(folder.file("Logo.SVG")), LoadOutcome::Loaded);
    EXPECT_EQ(picture.facts().kind, "SVG");
    EXPECT_EQ(QSize(picture.facts().width, picture.facts().height), QSize(120, 60));
    EXPECT_TRUE(prompts.shown().empty());

    // Text that is no SVG fails like any other unreadable picture.
    folder.write("notes.svg", "<html><body>not a drawing</body></html>");
    prompts.expectError();
    EXPECT_EQ(picture.load(folder.file("notes.svg")), LoadOutcome::Failed);
    EXPECT_FALSE(picture.facts().valid);
}

TEST(SvgSize, WidthHeightUnitsAndViewBox)
{
    const struct {
        const char *svg;
        QSize size; // empty: no size
    } cases[] = {
        {"<svg width='120' height='60'/>", {120, 60}},
        {"<svg width=' 1in ' height='72pt'/>", {96, 96}},
        {"<svg width='2.54cm' height='25.4mm'/>", {96, 96}},
        {"<svg width='1e2' height='.5pc'/>", {100, 8}},
        {"<svg viewBox='0 0 300 150'/>", {300, 150}},
        {"<svg viewBox='-5,-5,40,20' width='80'/>", {80, 40}},
        {"<svg viewBox='0 0 40 20' height='10'/>", {20, 10}},
        {"<svg width='100%' height='100%' viewBox='0 0 64 48'/>", {64, 48}},
        {"<svg width='50%' height='20'/>", {}},           // relative, and no viewBox
        {"<svg viewBox='0 0 0 10'/>", {}},                // no area
        {"<svg width='-4' height='10'/>", {}},            // negative
        {"<svg width='200000' height='1'/>", {}},         // past the ceiling
        {"<svg width='1' height='1e999'/>", {}},          // not a finite number
        {"<html><svg width='5' height='5'/></html>", {}}, // not the outer element
        {"<svg width='5' height='5'", {}},                // cut off: the tag never closes
        {"", {}},
        {"\xff\xfe\x00<", {}},
    };
    for (const auto &c : cases) {
        const std::optional<QSize> size = SvgSize::read(QByteArray(c.svg));
        EXPECT_EQ(size.value_or(QSize()), c.size) << c.svg;
        EXPECT_EQ(size.has_value(), !c.size.isEmpty()) << c.svg;
    }
}

TEST_F(PictureComponentTest, MissingFileEmptiesThePictureButKeepsTheFacts)
{
    const QString logo = writeKind("logo.bmp", TestPictures::pattern(30, 20));
    ASSERT_EQ(picture.load(logo), LoadOutcome::Loaded);
    const qint64 size = picture.facts().fileSize;
    EXPECT_EQ(picture.load(folder.file("gone.bmp")), LoadOutcome::Missing);
    EXPECT_EQ(picture.imageName(), "file not found");
    EXPECT_FALSE(picture.hasPicture());
    EXPECT_EQ(picture.facts().width, 30);
    EXPECT_EQ(picture.facts().height, 20);
    EXPECT_EQ(picture.facts().fileSize, size);
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(PictureComponentTest, PlatformPicturesReadBackTheFixedName)
{
    const QString icon = writeKind("app.ico", TestPictures::pattern(16, 16));
    EXPECT_EQ(picture.load(icon), LoadOutcome::Loaded);
    EXPECT_EQ(picture.imageName(), "Non TIF, JPeg, BMP, GIF, PNG or PCX Image");
    EXPECT_EQ(picture.facts().kind, "ICO");
    EXPECT_EQ(picture.facts().width, 16);
    EXPECT_EQ(picture.facts().fileSize, QFile(icon).size());

    // No platform reader takes this: the picture goes, the name and facts stay, no box.
    folder.write("drawing.wmf", QByteArray("\xD7\xCD\xC6\x9A garbage", 12));
    EXPECT_EQ(picture.load(folder.file("drawing.wmf")), LoadOutcome::Failed);
    EXPECT_FALSE(picture.hasPicture());
    EXPECT_EQ(picture.imageName(), "Non TIF, JPeg, BMP, GIF, PNG or PCX Image");
    EXPECT_EQ(picture.facts().kind, "ICO");
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(PictureComponentTest, ReaderFailuresShowTheReasonThenTheReadingBox)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *readingBox;
        bool factsFail;
        const char *reason = nullptr; // any non-empty text when not given
    };
    const QByteArray pcx = TestPictures::encodePcx(TestPictures::pattern(40, 30), {8, 3, true});
    // Headers that claim 60000 x 60000 pixels (14 GB decoded) over a few bytes of data.
    QByteArray hugePcx = pcx;
    for (const int at : {8, 10, 66}) {
        hugePcx[at] = char(at == 66 ? 0x60 : 0x5F);
        hugePcx[at + 1] = char(0xEA);
    }
    QByteArray hugeGif = TestPictures::encodeGif(TestPictures::indexedPattern(4, 4, 2));
    for (const int at : {6, 8, 786, 788}) {
        hugeGif[at] = char(0x60);
        hugeGif[at + 1] = char(0xEA);
    }
    const Case cases[] = {
        {"garbage.png", "not a picture at all", "Reading png file failed", true},
        {"garbage.gif", "GIF89a", "Reading gif file failed", true},
        {"cut.pcx", pcx.left(pcx.size() / 3), "Reading pcx file failed", false},
        {"huge.pcx", hugePcx, "Reading pcx file failed", false, "The picture is too large to load."},
        {"huge.gif", hugeGif, "Reading gif file failed", false, "The picture is too large to load."},
        {"empty.jpg", QByteArray(), "Reading jpg file failed", true},
        {"empty.tif", QByteArray(), "Reading tif file failed", true},
    };
    for (const Case &c : cases) {
        prompts.clear();
        prompts.expectError().expectInformation();
        if (c.factsFail)
            prompts.expectError();
        const QString path = folder.write(c.name, c.bytes);
        EXPECT_EQ(picture.load(path), LoadOutcome::Failed) << c.name;
        EXPECT_FALSE(picture.hasPicture()) << c.name;
        EXPECT_EQ(picture.imageName(), path.toUpper()) << c.name;
        ASSERT_GE(prompts.shown().size(), 2u) << c.name;
        EXPECT_FALSE(prompts.shown()[0].text.isEmpty()) << c.name;
        if (c.reason) {
            EXPECT_EQ(prompts.shown()[0].text, c.reason) << c.name;
        }
        EXPECT_EQ(prompts.shown()[1].text, c.readingBox) << c.name;
        EXPECT_EQ(picture.facts().valid, !c.factsFail) << c.name;
        EXPECT_TRUE(prompts.allAnswered()) << c.name;
    }
}

TEST_F(PictureComponentTest, MeasuringOnlyReadsTheHeader)
{
    picture.setMeasureOnly(true);
    const QString photo = writeKind("photo.jpg", TestPictures::pattern(300, 200));
    EXPECT_EQ(picture.load(photo), LoadOutcome::Loaded);
    EXPECT_FALSE(picture.hasPicture());
    EXPECT_EQ(picture.facts().width, 300);
    EXPECT_EQ(picture.facts().height, 200);

    // A PCX cut short is caught from its header and size alone.
    const QByteArray pcx = TestPictures::encodePcx(TestPictures::pattern(40, 30), {8, 3, true});
    folder.write("cut.pcx", pcx.left(140));
    prompts.expectError().expectInformation();
    EXPECT_EQ(picture.load(folder.file("cut.pcx")), LoadOutcome::Failed);
    EXPECT_EQ(prompts.last().text, "Reading pcx file failed");
}

TEST_F(PictureComponentTest, StretchAndStretchRatioExcludeEachOther)
{
    struct Step {
        bool setStretch; // else StretchRatio
        bool value;
        bool stretchAfter;
        bool ratioAfter;
    };
    const Step steps[] = {
        {false, true, false, true},   {true, true, true, false},   {false, true, false, true},
        {false, false, false, false}, {true, false, false, false}, {true, true, true, false},
        {true, false, false, false},
    };
    for (const Step &s : steps) {
        if (s.setStretch)
            picture.setStretch(s.value);
        else
            picture.setStretchRatio(s.value);
        EXPECT_EQ(picture.stretch(), s.stretchAfter);
        EXPECT_EQ(picture.stretchRatio(), s.ratioAfter);
    }
}

TEST_F(PictureComponentTest, PlacementFollowsTheDrawingMode)
{
    struct Case {
        const char *label;
        QSize picture;
        bool stretch, ratio, center;
        QSize area;
        QRect expected;
    };
    const Case cases[] = {
        {"plain", {40, 20}, false, false, false, {100, 100}, {0, 0, 40, 20}},
        {"centred", {40, 20}, false, false, true, {100, 100}, {30, 40, 40, 20}},
        {"centred, bigger than area", {200, 100}, false, false, true, {100, 50}, {-50, -25, 200, 100}},
        {"stretched", {40, 20}, true, false, true, {100, 70}, {0, 0, 100, 70}},
        {"ratio, wide picture", {200, 100}, false, true, false, {100, 100}, {0, 25, 100, 50}},
        {"ratio, tall picture", {100, 400}, false, true, false, {100, 100}, {37, 0, 25, 100}},
        {"ratio enlarges", {10, 10}, false, true, false, {60, 30}, {15, 0, 30, 30}},
        {"ratio, thin line stays visible", {1000, 1}, false, true, false, {100, 100}, {0, 49, 100, 1}},
    };
    for (const Case &c : cases) {
        QImage image(c.picture, QImage::Format_RGB32);
        image.fill(Qt::red);
        picture.setPicture(image);
        picture.setStretch(c.stretch);
        picture.setStretchRatio(c.ratio);
        picture.setCenter(c.center);
        EXPECT_EQ(picture.placement(c.area), c.expected) << c.label;
    }
    picture.setPicture(QImage());
    EXPECT_TRUE(picture.placement({100, 100}).isNull());
}

TEST_F(PictureComponentTest, DepthCodesAndTheScreenRule)
{
    const std::pair<int, int> screens[] = {{1, 4}, {4, 4}, {5, 8}, {8, 8}, {15, 8}, {16, 24}, {24, 24}, {32, 24}};
    for (const auto &[bits, code] : screens)
        EXPECT_EQ(screenDepthCode(bits), code) << bits;

    EXPECT_EQ(depthCode(ReadRes::lColorVga, 24), 0);
    EXPECT_EQ(depthCode(ReadRes::lMonoChrome, 24), 1);
    EXPECT_EQ(depthCode(ReadRes::lColor16, 24), 4);
    EXPECT_EQ(depthCode(ReadRes::lColor256, 24), 8);
    EXPECT_EQ(depthCode(ReadRes::lColorTrue, 8), 24);
    EXPECT_EQ(depthCode(ReadRes::lAutoMatic, 8), 8);
    EXPECT_EQ(depthCode(WriteRes::sJpegGray, 24), 8);
    EXPECT_EQ(depthCode(WriteRes::sAutoMatic, 4), 4);

    // Reading at a low depth reduces the colours; automatic on a true-colour screen does not.
    const QString path = writeKind("p.png", TestPictures::pattern(32, 32));
    picture.setScreenBitsPerPixel(32);
    picture.load(path);
    EXPECT_EQ(picture.picture().convertToFormat(QImage::Format_RGB32), TestPictures::pattern(32, 32));
    picture.setImageReadRes(ReadRes::lMonoChrome);
    picture.load(path);
    EXPECT_EQ(picture.picture().depth(), 1);
    picture.setImageReadRes(ReadRes::lColor16);
    picture.load(path);
    EXPECT_LE(picture.picture().colorCount(), 16);
    EXPECT_GT(picture.picture().colorCount(), 0);
    picture.setImageReadRes(ReadRes::lAutoMatic);
    picture.setScreenBitsPerPixel(8);
    picture.load(path);
    EXPECT_EQ(picture.picture().depth(), 8);
}

TEST_F(PictureComponentTest, BitmapFilesRoundTripAtTheWriteDepth)
{
    const QImage image = TestPictures::pattern(21, 13);
    picture.setPicture(image);
    picture.setScreenBitsPerPixel(24);
    ASSERT_TRUE(picture.writeBitmap(folder.file("out.bmp")));
    QImageReader back(folder.file("out.bmp"));
    EXPECT_EQ(back.format(), "bmp");
    EXPECT_EQ(back.read().convertToFormat(QImage::Format_RGB32), image);

    picture.setImageWriteRes(WriteRes::sMonoChrome);
    ASSERT_TRUE(picture.writeBitmap(folder.file("mono.bmp")));
    EXPECT_EQ(QImage(folder.file("mono.bmp")).depth(), 1);

    // Failures: no folder to write into, and no picture to write.
    prompts.expectInformation().expectInformation();
    EXPECT_FALSE(picture.writeBitmap(folder.file("no/such/folder/out.bmp")));
    picture.setPicture(QImage());
    EXPECT_FALSE(picture.writeBitmap(folder.file("empty.bmp")));
    EXPECT_EQ(prompts.shownTexts(), QStringList({"Writing bmp file failed", "Writing bmp file failed"}));
    EXPECT_FALSE(QFile::exists(folder.file("empty.bmp")));
}
