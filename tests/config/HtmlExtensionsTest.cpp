#include "config/HtmlExtensions.h"
#include "testsupport/TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(HtmlExtensions, MissingFileGivesTheFiveDefaults)
{
    TempProgramFolder folder;
    const HtmlFileMasks masks = buildHtmlFileMasks(readHtmlExtensions(folder.path()));
    EXPECT_EQ(masks.masks, QStringLiteral("*.html;*.htm;*.shtml;*.shtm;*.asp"));
    EXPECT_EQ(masks.openFilter, QStringLiteral("HTML Files|*.html;*.htm;*.shtml;*.shtm;*.asp|Project Files|*.out|"
                                               "EXE Files|*.exe|All Files|*.*"));
    EXPECT_EQ(masks.filesTabFilter,
              QStringLiteral("All Files|*.*|Image Files|*.png;*.jpeg;*.jpg;*.gif;*.svg;*.webp|"
                             "HTML Files|*.html;*.htm;*.shtml;*.shtm;*.asp|"
                             "All Web Files|*.png;*.jpeg;*.jpg;*.gif;*.svg;*.webp;*.html;*.htm;*.shtml;*.shtm;*.asp"));
}

TEST(HtmlExtensions, FileContents)
{
    struct Case {
        QByteArray file;
        const char *masks;
    };
    QByteArray twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += "e" + QByteArray::number(i) + "\r\n";
    const Case cases[] = {
        {twenty, "*.e1;*.e2;*.e3;*.e4;*.e5;*.e6;*.e7;*.e8;*.e9;*.e10;*.e11;*.e12;*.e13;*.e14;*.e15"},
        {"", ""},
        {"php\nhtml\n", "*.php;*.html"},
        {"shtml", "*.shtml"},
        {"  htm \r\n\r\nasp\r", "*.htm;*.asp"},
    };
    for (const Case &c : cases) {
        TempProgramFolder folder;
        folder.write(kHtmlExtensionsFileName, c.file);
        EXPECT_EQ(buildHtmlFileMasks(readHtmlExtensions(folder.path())).masks, QLatin1String(c.masks))
            << c.file.constData();
    }
}

TEST(HtmlExtensions, EmptyFileGivesEmptyMasksInTheFilters)
{
    const HtmlFileMasks masks = buildHtmlFileMasks({});
    EXPECT_EQ(masks.openFilter, QStringLiteral("HTML Files||Project Files|*.out|EXE Files|*.exe|All Files|*.*"));
}
