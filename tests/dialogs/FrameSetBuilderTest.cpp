#include "dialogs/FrameSetBuilder.h"

#include <gtest/gtest.h>

namespace {
QString lines(std::initializer_list<const char *> parts)
{
    QString text;
    for (const char *part : parts)
        text += QLatin1String(part) + QStringLiteral("\r\n");
    return text;
}
} // namespace

TEST(FrameText, SizeListsForTwoToFiveParts)
{
    const std::pair<int, const char *> cases[] = {
        {2, "\"50%,*\""}, {3, "\"33%,33%,*\""}, {4, "\"25%,25%,25%,*\""}, {5, "\"20%,20%,20%,20%,*\""}};
    for (const auto &[parts, expected] : cases)
        EXPECT_EQ(FrameText::sizeList(parts), QLatin1String(expected)) << parts;
}

TEST(FrameText, FrameLineEndingsFollowTheTwoFlags)
{
    struct Case {
        bool noResize;
        bool noBorder;
        const char *ending;
    };
    const Case cases[] = {
        {true, false, "SCROLLING=\"Auto\" NORESIZE>"},
        {false, true, "SCROLLING=\"Auto\"  FRAMEBORDER=\"0\">"},
        {true, true, "SCROLLING=\"Auto\" NORESIZE FRAMEBORDER=\"0\">"},
        {false, false, "SCROLLING=\"Auto\" >"},
    };
    for (const Case &c : cases) {
        FrameRecord frame;
        frame.noResize = c.noResize;
        frame.noBorder = c.noBorder;
        const QString line = FrameText::frameLine(frame, QStringLiteral("F"), 4);
        EXPECT_TRUE(line.startsWith(QStringLiteral("    <FRAME NAME=\"F\" SRC=\"\" SCROLLING"))) << line.toStdString();
        EXPECT_TRUE(line.endsWith(QLatin1String(c.ending))) << line.toStdString();
    }
}

TEST(FrameText, ValuesGoInUnescaped)
{
    FrameRecord frame;
    frame.url = QStringLiteral("a&b \"c\".html");
    frame.scrolling = QStringLiteral("No");
    EXPECT_EQ(FrameText::frameLine(frame, QStringLiteral("<x>"), 0),
              QStringLiteral("<FRAME NAME=\"<x>\" SRC=\"a&b \"c\".html\" SCROLLING=\"No\" NORESIZE>"));
}

TEST(FrameWizard, TwoColumnsFinishedAtOnce)
{
    FrameWizardModel model;
    model.giveDefaultNames();
    EXPECT_EQ(model.generate(), lines({"<FRAMESET ROWS=\"100%\" COLS=\"50%,*\">",
                                       "    <FRAME NAME=\"Frame1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>",
                                       "    <FRAME NAME=\"Frame2\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>", "<NOFRAME>",
                                       "</NOFRAME>", "</FRAMESET>"}));
}

TEST(FrameWizard, RowsWithTheSecondFrameSplit)
{
    FrameWizardModel model;
    model.layout = FrameLayout::Rows;
    model.setMainCount(3);
    model.setSubCount(2, 2);
    model.giveDefaultNames();
    EXPECT_EQ(
        model.generate(),
        lines({"<FRAMESET COLS=\"100%\" ROWS=\"33%,33%,*\">",
               "    <FRAME NAME=\"Frame1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>", "    <FRAMESET COLS=\"50%,*\">",
               "        <FRAME NAME=\"Frame2A\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>",
               "        <FRAME NAME=\"Frame2B\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>", "    </FRAMESET>",
               "    <FRAME NAME=\"Frame3\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>", "<NOFRAME>", "</NOFRAME>",
               "</FRAMESET>"}));
}

TEST(FrameWizard, DefaultNamesOfSplitAndWholeFrames)
{
    FrameWizardModel model;
    model.setMainCount(5);
    model.setSubCount(5, 3);
    model.giveDefaultNames();
    const std::tuple<int, int, const char *> cases[] = {
        {5, 1, "Frame5A"}, {5, 3, "Frame5C"}, {4, 1, "Frame4"}, {4, 5, "Frame4E"}, {1, 2, "Frame1B"}};
    for (const auto &[m, j, name] : cases)
        EXPECT_EQ(model.record(m, j).name.value_or(QString()), QLatin1String(name)) << m << "," << j;
}

TEST(FrameWizard, ShownDefaultFollowsLaterSplitsButTypedNamesStay)
{
    FrameWizardModel model;
    // The data panel shows "Frame1" and stores it back untouched; frame 1 is split afterwards.
    model.storeName(1, 1, QStringLiteral("Frame1"));
    model.storeName(2, 1, QStringLiteral("Menu"));
    model.setSubCount(1, 2);
    model.setSubCount(2, 2);
    EXPECT_EQ(model.nameOf(1, 1), "Frame1A");
    EXPECT_EQ(model.nameOf(2, 1), "Menu");
    // ... and back again.
    model.storeName(1, 1, QStringLiteral("Frame1A"));
    model.setSubCount(1, 1);
    EXPECT_EQ(model.nameOf(1, 1), "Frame1");
}

TEST(FrameWizard, RecordsSurviveALoweredDial)
{
    FrameWizardModel model;
    model.setSubCount(1, 3);
    model.record(1, 3).url = QStringLiteral("c.html");
    model.record(1, 3).noBorder = true;
    model.setSubCount(1, 2);
    model.giveDefaultNames();
    EXPECT_FALSE(model.generate().contains(QStringLiteral("c.html")));
    model.setSubCount(1, 3);
    EXPECT_TRUE(model.generate().contains(QStringLiteral(
        "        <FRAME NAME=\"Frame1C\" SRC=\"c.html\" SCROLLING=\"Auto\" NORESIZE FRAMEBORDER=\"0\">")));
}

TEST(FrameWizard, CountsStayInRangeAndUnusedDialsGoBackToOne)
{
    FrameWizardModel model;
    model.setMainCount(9);
    EXPECT_EQ(model.mainCount(), 5);
    model.setMainCount(1);
    EXPECT_EQ(model.mainCount(), 2);
    model.setSubCount(4, 0);
    EXPECT_EQ(model.subCount(4), 1);
    model.setSubCount(4, 4);
    model.setSubCount(2, 3);
    model.resetUnusedSubCounts(); // two main frames
    EXPECT_EQ(model.subCount(4), 1);
    EXPECT_EQ(model.subCount(2), 3);
}

namespace {
FrameTemplates::ColourFrames defaultTemplateFrames()
{
    FrameTemplates::ColourFrames colours;
    colours.frames[0].name = QStringLiteral("Frame1");
    colours.frames[1].name = QStringLiteral("Frame2");
    colours.frames[2].name = QStringLiteral("Frame3");
    return colours;
}
QString frame(const char *name, int indent = 4)
{
    return QString(indent, QLatin1Char(' ')) +
           QStringLiteral("<FRAME NAME=\"%1\" SRC=\"\" SCROLLING=\"Auto\" NORESIZE>\r\n").arg(QLatin1String(name));
}
const QString kEnd = QStringLiteral("<NOFRAME>\r\n</NOFRAME>\r\n</FRAMESET>\r\n");
} // namespace

TEST(FrameTemplates, TheFiveLayoutsWithUnchangedData)
{
    const FrameTemplates::ColourFrames colours = defaultTemplateFrames();
    const std::pair<int, QString> cases[] = {
        {1, QStringLiteral("<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">\r\n") + frame("Frame1") + frame("Frame2") + kEnd},
        {2, QStringLiteral("<FRAMESET COLS=\"100%\" ROWS=\"20%,*\">\r\n") + frame("Frame1") + frame("Frame2") + kEnd},
        {3, QStringLiteral("<FRAMESET COLS=\"100%\" ROWS=\"20%,60%,*\">\r\n") + frame("Frame1") + frame("Frame2") +
                frame("Frame3") + kEnd},
        {4, QStringLiteral("<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">\r\n") + frame("Frame1") +
                QStringLiteral("    <FRAMESET ROWS=\"20%,*\">\r\n") + frame("Frame3", 8) + frame("Frame2", 8) +
                QStringLiteral("    </FRAMESET>\r\n") + kEnd},
        {5, QStringLiteral("<FRAMESET COLS=\"100%\" ROWS=\"80%,*\">\r\n") + frame("Frame2") + frame("Frame1") + kEnd},
    };
    for (const auto &[number, expected] : cases)
        EXPECT_EQ(FrameTemplates::generate(number, colours), expected) << number;
    EXPECT_FALSE(FrameTemplates::usesPink(1));
    EXPECT_TRUE(FrameTemplates::usesPink(4));
}

TEST(FrameTemplates, EachColourKeepsItsOwnData)
{
    FrameTemplates::ColourFrames colours = defaultTemplateFrames();
    colours.frames[int(TemplateColour::White)].url = QStringLiteral("main.html");
    colours.frames[int(TemplateColour::White)].scrolling = QStringLiteral("Yes");
    colours.frames[int(TemplateColour::Yellow)].noResize = false;
    colours.frames[int(TemplateColour::Yellow)].name = QString();
    EXPECT_EQ(FrameTemplates::generate(1, colours),
              QStringLiteral("<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">\r\n"
                             "    <FRAME NAME=\"\" SRC=\"\" SCROLLING=\"Auto\" >\r\n"
                             "    <FRAME NAME=\"Frame2\" SRC=\"main.html\" SCROLLING=\"Yes\" NORESIZE>\r\n") +
                  kEnd);
}

TEST(FramesetDialogText, WrapsTheIndentedSelection)
{
    struct Case {
        const char *selection;
        const char *cols;
        const char *rows;
        const char *expected;
    };
    const Case cases[] = {
        {"", "100%", "50%,50%", "<FRAMESET COLS=\"100%\" ROWS=\"50%,50%\">\r\n</FRAMESET>\r\n"},
        {"a\r\nb\r\n", "", "", "<FRAMESET>\r\n    a\r\n    b\r\n</FRAMESET>\r\n"},
        {"a\r\nb", "", "25%,*", "<FRAMESET ROWS=\"25%,*\">\r\n    a\r\n    b\r\n</FRAMESET>"},
        {"a\r\n\r\nb\r\n", "50%,*", "", "<FRAMESET COLS=\"50%,*\">\r\n    a\r\n    \r\n    b\r\n</FRAMESET>\r\n"},
        {"x", "", "", "<FRAMESET>\r\n    x\r\n</FRAMESET>"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FramesetDialogText::wrap(QLatin1String(c.cols), QLatin1String(c.rows),
                                           FramesetDialogText::indentLines(QLatin1String(c.selection))),
                  QLatin1String(c.expected))
            << c.selection;
}

TEST(FramesetDialogText, FrameTagCarriesItsOwnBlankBeforeNoResize)
{
    const std::tuple<bool, bool, const char *> cases[] = {
        {true, false, "<FRAME NAME=\"\" SRC=\"\" SCROLLING=\"Auto\"  NORESIZE>\r\n"},
        {false, false, "<FRAME NAME=\"\" SRC=\"\" SCROLLING=\"Auto\" >\r\n"},
        {true, true, "<FRAME NAME=\"\" SRC=\"\" SCROLLING=\"Auto\"  NORESIZE FRAMEBORDER=\"0\">\r\n"},
        {false, true, "<FRAME NAME=\"\" SRC=\"\" SCROLLING=\"Auto\"  FRAMEBORDER=\"0\">\r\n"},
    };
    for (const auto &[noResize, noBorder, expected] : cases)
        EXPECT_EQ(FramesetDialogText::frameTag({}, {}, QStringLiteral("Auto"), noResize, noBorder),
                  QLatin1String(expected));
    EXPECT_EQ(FramesetDialogText::frameTag(QStringLiteral("Index"), QStringLiteral("table.html"), QStringLiteral("No"),
                                           false, false),
              QStringLiteral("<FRAME NAME=\"Index\" SRC=\"table.html\" SCROLLING=\"No\" >\r\n"));
}
