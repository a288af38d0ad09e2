#include "dialogs/ColourText.h"
#include "dialogs/CustomTagList.h"
#include "dialogs/HorizontalRule.h"
#include "dialogs/ListBuilder.h"
#include "editor/BufferEditorAccess.h"
#include "editor/TagInsertion.h"
#include "platform/Clipboard.h"
#include "platform/Prompts.h"

#include <gtest/gtest.h>

TEST(ListBuilder, ItemsIndentAndKind)
{
    struct Case {
        ListRequest request;
        const char *expected;
    };
    const Case cases[] = {
        {{false, 3, {"a", "b", "c"}, false}, "<UL>\r\n    <LI>a\r\n    <LI>b\r\n    <LI>c\r\n</UL>\r\n"},
        {{true, 2, {"x", "y"}, true}, "<OL>\r\n<LI>x\r\n<LI>y\r\n</OL>\r\n"},
        {{false, 1, {}, false}, "<UL>\r\n    <LI>\r\n</UL>\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(buildListText(c.request), QLatin1String(c.expected));
}

TEST(ListBuilder, RowsBeyondTheTenFieldsAreEmptyItems)
{
    ListRequest request;
    request.rows = 12;
    for (int i = 1; i <= 10; ++i)
        request.items << QStringLiteral("i%1").arg(i);
    const QStringList lines = buildListText(request).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12 + 2 + 1); // the last CR LF leaves an empty piece
    EXPECT_EQ(lines[10], "    <LI>i10");
    EXPECT_EQ(lines[11], "    <LI>");
    EXPECT_EQ(lines[12], "    <LI>");
    EXPECT_EQ(lines[13], "</UL>");
}

TEST(HorizontalRule, TagPiecesAndTheirDoubleBlanks)
{
    HorizontalRuleRequest defaults;
    EXPECT_EQ(buildHorizontalRule(defaults), QStringLiteral("<HR ALIGN=\"CENTER\"  SIZE=\"2\"  WIDTH=\"50%\">"));
    HorizontalRuleRequest pixels;
    pixels.align = QStringLiteral("LEFT");
    pixels.thickness = 5;
    pixels.percentWidth = false;
    pixels.pixels = 300;
    pixels.noShade = true;
    EXPECT_EQ(buildHorizontalRule(pixels), QStringLiteral("<HR ALIGN=\"LEFT\"  SIZE=\"5\"  WIDTH=\"300\" NOSHADE>"));
}

TEST(HorizontalRule, SampleLineOnTheHalfSizeStrip)
{
    struct Case {
        const char *align;
        bool percent;
        int value;
        QRect expected;
    };
    const Case cases[] = {
        {"CENTER", true, 50, QRect(80, 0, 160, 3)},   {"LEFT", true, 33, QRect(0, 0, 105, 3)},
        {"RIGHT", true, 100, QRect(0, 0, 320, 3)},    {"RIGHT", false, 101, QRect(270, 0, 50, 3)},
        {"CENTER", false, 1600, QRect(0, 0, 320, 3)}, // capped at the strip's width
    };
    for (const Case &c : cases) {
        HorizontalRuleRequest request;
        request.align = QLatin1String(c.align);
        request.thickness = 3;
        request.percentWidth = c.percent;
        (c.percent ? request.percent : request.pixels) = c.value;
        EXPECT_EQ(sampleLineRect(request), c.expected) << c.align << " " << c.value;
    }
}

TEST(ColourText, NineCharactersWithQuotes)
{
    const std::pair<QColor, const char *> cases[] = {{QColor(255, 255, 255), "\"#FFFFFF\""},
                                                     {QColor(255, 0, 0), "\"#FF0000\""},
                                                     {QColor(0x0a, 0xb0, 0x0c), "\"#0AB00C\""}};
    for (const auto &[colour, expected] : cases) {
        EXPECT_EQ(ColourText::quotedHtmlColour(colour), QLatin1String(expected));
        EXPECT_EQ(ColourText::quotedHtmlColour(colour).size(), 9);
    }
    EXPECT_EQ(ColourText::htmlColour(QColor::fromHsv(240, 255, 255)), "#0000FF");
}

TEST(CustomTags, StartTagNormalisationAndTheEndTagItGives)
{
    struct Case {
        const char *typed;
        const char *start;
        int caret;
        const char *end;
    };
    const Case cases[] = {
        {"<B>", "<B>", 2, "</B>"},   {"B", "<B>", 2, "</B>"},
        {"<BI", "<BI>", 3, "</BI>"}, {"FONT COLOR=\"red\">", "<FONT COLOR=\"red\">", 17, "</FONT COLOR=\"red\">"},
        {"<", "<>", 1, "</>"},       {"<B>>", "<B>", 2, "</B>"}, // ">" typed over the one already there
        {"<<>", "<>", 1, "</>"},
    };
    for (const Case &c : cases) {
        const NormalisedStart n = normaliseStartTag(QLatin1String(c.typed));
        EXPECT_EQ(n.start.text, QLatin1String(c.start)) << c.typed;
        EXPECT_EQ(n.start.caret, c.caret) << c.typed;
        ASSERT_TRUE(n.endTag.has_value());
        EXPECT_EQ(*n.endTag, QLatin1String(c.end)) << c.typed;
    }
    EXPECT_FALSE(normaliseStartTag(QString()).endTag.has_value()); // an emptied field stays empty
}

TEST(CustomTags, EndTagNormalisation)
{
    const std::tuple<const char *, const char *, int> cases[] = {
        {"</B>", "</B>", 3}, {"B", "</B>", 3},   {"<B>", "</B>", 3},  {"/B", "</B>", 3}, {"<", "</>", 2},
        {"", "", 0},         {"<//>", "</>", 2}, {"</B>>", "</B>", 3}}; // typed over what the field already had
    for (const auto &[typed, expected, caret] : cases) {
        const NormalisedTag n = normaliseEndTag(QLatin1String(typed));
        EXPECT_EQ(n.text, QLatin1String(expected)) << typed;
        EXPECT_EQ(n.caret, caret) << typed;
    }
}

TEST(CustomTags, ChecksComeInTheirOrder)
{
    using P = CustomTagProblem;
    const std::tuple<const char *, const char *, const char *, P> cases[] = {
        {"", "", "", P::NameEmpty},
        {" a", "", "", P::NameStartsWithBlank},
        {"a*b", "<B>", "</B>", P::NameHasForbiddenCharacter},
        {"a<b", "<B>", "</B>", P::NameHasForbiddenCharacter},
        {"a>", "<B>", "</B>", P::NameHasForbiddenCharacter},
        {"a", "<>", "</B>", P::StartMissing},
        {"a", "", "", P::StartMissing},
        {"a", "<B>", "", P::EndMissing},
        {"a b", "<B>", "</B>", P::None},
    };
    for (const auto &[name, start, end, problem] : cases)
        EXPECT_EQ(checkCustomTag(QLatin1String(name), QLatin1String(start), QLatin1String(end)), problem) << name;
}

TEST(CustomTags, ApplyingAnEntryWrapsTheSelection)
{
    struct Case {
        const char *entry;
        const char *result;
    };
    const Case cases[] = {
        {"Bold * <B></B>", "<B>x</B>"},
        {"Break * <BR>", "<BR>x"},
        {"Red * <FONT COLOR=\"red\"></FONT>", "<FONT COLOR=\"red\">x</FONT>"},
        // The first ">" ends the start tag even inside an attribute value.
        {"Cmp * <A TITLE=\"a>b\"></A>", "<A TITLE=\"a>x</A>"},
    };
    for (const Case &c : cases) {
        MemoryClipboard clipboard;
        BufferEditorAccess editor(&clipboard, QStringLiteral("1 x 2"));
        bool modified = false;
        TagInserter inserter(editor, clipboard, [&] { modified = true; });
        editor.setSelection(2, 1);
        const QString line = QLatin1String(c.entry);
        const QString entry = CustomTagList::entryLine(line.section(QStringLiteral(" * "), 0, 0),
                                                       line.section(QStringLiteral(" * "), 1), {});
        EXPECT_EQ(entry, QLatin1String(c.entry));
        inserter.customPairWrap(entry);
        EXPECT_EQ(editor.selectedText(), QLatin1String(c.result)) << c.entry;
        EXPECT_EQ(editor.selStart(), 2);
        EXPECT_TRUE(modified);
    }
}

namespace {
// Answers the colour dialog with the colours given, in order, and records where it started.
class ColourPrompts final : public Prompts {
public:
    std::vector<std::optional<QColor>> answers;
    std::vector<QColor> initials;

    std::optional<QColor> chooseColor(const QColor &initial) override
    {
        initials.push_back(initial);
        const std::optional<QColor> answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void information(const QString &) override { ADD_FAILURE(); }
    void error(const QString &) override { ADD_FAILURE(); }
    bool confirm(const QString &) override { return false; }
    Answer askYesNoCancel(const QString &) override { return Answer::Cancel; }
    QString openFile(const FileDialogRequest &) override { return {}; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    bool choosePrinter(QPrinter &) override { return false; }
};
} // namespace

TEST(ColourText, PickerStartsFromTheLastChoiceAndACancelKeepsIt)
{
    ColourPrompts prompts;
    prompts.answers = {QColor(255, 255, 255), std::nullopt, QColor(1, 2, 3)};
    QColor last(Qt::black);
    EXPECT_EQ(pickColourText(prompts, last), std::optional<QString>(QStringLiteral("\"#FFFFFF\"")));
    EXPECT_EQ(pickColourText(prompts, last), std::nullopt);
    EXPECT_EQ(pickColourText(prompts, last), std::optional<QString>(QStringLiteral("\"#010203\"")));
    EXPECT_EQ(prompts.initials, std::vector<QColor>({QColor(Qt::black), QColor(255, 255, 255), QColor(255, 255, 255)}));
}
