#include "editor/HtmlEditor.h"
#include "editor/RichEditAccess.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace {
struct Glyph {
    QString family;
    quint32 index;
    QPointF at; // from the first glyph
    bool operator==(const Glyph &) const = default;
};

std::vector<Glyph> glyphsOf(const QList<QGlyphRun> &runs)
{
    std::vector<Glyph> glyphs;
    for (const QGlyphRun &run : runs) {
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
            glyphs.push_back({run.rawFont().familyName(), run.glyphIndexes()[i], run.positions()[i]});
    }
    for (Glyph &glyph : glyphs)
        glyph.at -= glyphs.front().at;
    return glyphs;
}

// The glyphs a font draws for the text on one line, and where.
std::vector<Glyph> drawn(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return glyphsOf(layout.lineAt(0).glyphRuns());
}

QFont unshaped(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QString longLine()
{
    QString line;
    while (line.size() <= kLongLineLength)
        line += QStringLiteral("<TD>caf\u00E9 \u201Cfine\u201D \u2013 <B>b</B></TD> ");
    return line;
}
} // namespace

TEST(LongLineShaping, CharactersLaidOutUnshapedLookAsShaped)
{
    // A long line of these is laid out without shaping; each must look as it does shaped,
    // beside letters, ligature candidates, spaces and itself.
    const QFont font = HtmlEditor().font();
    QString all;
    int accepted = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (!drawnAlikeUnshaped(char16_t(c)))
            continue;
        ++accepted;
        const QChar ch{char16_t(c)};
        const QString sample = QStringLiteral("a") + ch + QStringLiteral("fi") + ch + ch + QStringLiteral(" i") + ch +
                               QStringLiteral("-> ") + ch;
        EXPECT_TRUE(drawn(sample, font) == drawn(sample, unshaped(font))) << "U+" << std::hex << int(c);
        all += ch;
    }
    EXPECT_GT(accepted, 95) << "printable ASCII and more";
    const QString page = QStringLiteral("<!-- fine -->\t<A HREF=\"www.office.com/ffl?x=1&amp;y=2\">Caf\u00E9 "
                                        "\u00AB\u00FC\u00DF\u00BB \u2026 \u20AC5 \u2122 <=> != ==</A>");
    for (const QString &text : {all, page})
        EXPECT_TRUE(drawn(text, font) == drawn(text, unshaped(font))) << text.toStdString();
}

TEST(LongLineShaping, ALongLineWithCharactersThatNeedShapingIsShaped)
{
    // A combining accent is placed over its letter only by shaping: loaded with the long
    // line or typed into it later, it must sit where it sits on a short line.
    const QString accented = QStringLiteral("e\u0301");
    const std::vector<Glyph> expected = drawn(accented, HtmlEditor().font());
    ASSERT_FALSE(expected == drawn(accented, unshaped(HtmlEditor().font()))) << "the accent tells shaping apart";
    for (const bool typed : {false, true}) {
        HtmlEditor edit;
        RichEditAccess access(edit);
        const QString line = longLine();
        access.setPlainText(typed ? line : line + accented);
        if (typed) {
            access.setSelection(int(line.size()), 0);
            access.replaceSelection(accented);
        }
        const QTextBlock block = edit.document()->firstBlock();
        const auto shown = [&] {
            edit.document()->documentLayout()->blockBoundingRect(block); // laid out if it is not
            const QTextLine last = block.layout()->lineAt(block.layout()->lineCount() - 1);
            return glyphsOf(last.glyphRuns(int(line.size()), 2));
        };
        // Loaded, it is laid out shaped at once; typed, once the edit is laid out.
        EXPECT_TRUE(typed ? QTest::qWaitFor([&] { return shown() == expected; }) : shown() == expected)
            << (typed ? "typed" : "loaded");
        EXPECT_EQ(access.plainText(), line + accented);
    }
}
