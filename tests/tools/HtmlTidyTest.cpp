#include "tools/HtmlTidy.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {
// What the process writes to its standard output and error while `run` runs.
QByteArray terminalOutputOf(const std::function<void()> &run)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "cannot capture";
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(STDOUT_FILENO);
    const int savedErr = dup(STDERR_FILENO);
    dup2(capture.handle(), STDOUT_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    run();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);
    capture.seek(0);
    return capture.readAll();
}

QString messageLine(const HtmlTidy::Message &m)
{
    return QStringLiteral("%1:%2 %3: %4").arg(m.line).arg(m.column).arg(HtmlTidy::levelText(m.level), m.text);
}
} // namespace

TEST(HtmlTidy, CheckGivesErrorsAndWarningsWithTheirPlacesAndPrintsNothing)
{
    // A tab and characters outside ASCII (one beyond the BMP) before the places.
    const QString page = QString::fromUtf8("<p>a\n\t<b>x<i>y</b>\n\xC3\xA9\xF0\x9F\x98\x80<foo>z\n");
    std::optional<QList<HtmlTidy::Message>> messages;
    const QByteArray printed = terminalOutputOf([&] { messages = HtmlTidy::check(page); });
    EXPECT_TRUE(printed.isEmpty()) << printed.constData();
    ASSERT_TRUE(messages);
    QStringList lines;
    for (const HtmlTidy::Message &m : *messages)
        lines << messageLine(m);
    EXPECT_TRUE(lines.contains("1:1 Warning: missing <!DOCTYPE> declaration")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("2:13 Warning: replacing unexpected b with </b>")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("3:3 Error: <foo> is not recognized!")) << lines.join('\n').toStdString();
    for (const QString &line : lines)
        EXPECT_FALSE(line.contains("Info") || line.contains("This document has errors")) << line.toStdString();
}

TEST(HtmlTidy, ColumnsCountCharactersAndTabStopsOfEight)
{
    const struct {
        QString line;
        int column;
        qsizetype index;
    } cases[] = {
        {"abc", 1, 0},    {"abc", 3, 2},
        {"abc", 99, 3},                                                   // past the end: the end
        {"abc", 0, 0},    {"\tab", 9, 1},                                 // a tab reaches column 9
        {"a\tb", 9, 2},                                                   // and from column 2 too
        {"\t\tb", 17, 2}, {QString::fromUtf8("\xF0\x9F\x98\x80x"), 2, 2}, // one column, two UTF-16 units
        {"", 5, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HtmlTidy::indexOfColumn(c.line, c.column), c.index) << c.line.toStdString() << " " << c.column;
}

TEST(HtmlTidy, DoctypeIsTheDeclarationThatOpensThePage)
{
    const struct {
        QString text;
        QString doctype;
    } cases[] = {
        {"<!DOCTYPE html>\n<html>", "<!DOCTYPE html>"},
        {"\xEF\xBB\xBF  <!doctype HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><p>",
         "<!doctype HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">"},
        {"<?xml version=\"1.0\"?>\n<!-- note -->\n<!DOCTYPE x>", "<!DOCTYPE x>"},
        {"<html><!DOCTYPE html>", ""}, // not at the start
        {"<!DOCTYPE html", ""},        // never closed
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HtmlTidy::doctypeOf(QString::fromUtf8(c.text.toUtf8())).toString(), c.doctype)
            << c.text.toStdString();
}

namespace {
const QString kTransitional = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
const QString kPage = kTransitional + QStringLiteral("\n<html><head><title>T</title></head><body>"
                                                     "<p>caf\u00e9 \U0001F600<a href=\"x.html\">x</a>"
                                                     "<table><tr><td>cell</table><pre>\tcode</pre></body></html>\n");
} // namespace

TEST(HtmlTidy, CleanFollowsTheOptionsAndKeepsTheTextItsOwn)
{
    HtmlTidy::Options upper;
    std::optional<QString> tidied;
    EXPECT_TRUE(terminalOutputOf([&] { tidied = HtmlTidy::clean(kPage, upper); }).isEmpty());
    ASSERT_TRUE(tidied);
    EXPECT_TRUE(tidied->startsWith(kTransitional + "\n<HTML>")) << tidied->toStdString();
    EXPECT_TRUE(tidied->contains("<A HREF=\"x.html\">x</A>")) << tidied->toStdString();
    EXPECT_TRUE(tidied->contains("</P>")) << "an open paragraph is closed";
    EXPECT_TRUE(tidied->contains(QStringLiteral("caf\u00e9 \U0001F600"))) << "UTF-8 in and out";
    EXPECT_TRUE(tidied->contains("<PRE>\tcode")) << "tabs in preformatted text stay tabs";
    EXPECT_FALSE(tidied->contains("generator")) << "no mark of Tidy's own";
    EXPECT_FALSE(tidied->contains('\r'));
    EXPECT_FALSE(tidied->contains("\n  <")) << "not indented unless asked";

    HtmlTidy::Options lower;
    lower.upperCase = false;
    lower.indent = true;
    const QString indented = HtmlTidy::clean(kPage, lower).value_or(QString());
    EXPECT_TRUE(indented.contains("<a href=\"x.html\">")) << indented.toStdString();
    EXPECT_TRUE(indented.contains("\n  <")) << indented.toStdString();

    // A long line is not wrapped.
    const QString longLine = "<p>" + QString(300, QLatin1Char('w')).replace(QLatin1String("ww"), "w ") + "</p>";
    EXPECT_TRUE(HtmlTidy::clean(longLine, upper).value_or(QString()).contains(longLine.mid(3, 280)));
}

TEST(HtmlTidy, TheDoctypeIsKeptAsWrittenOrLeftToTidy)
{
    const QString noDoctype = QStringLiteral("<html><head><title>T</title></head><body><p>x</p></body></html>");
    const QString lowerDoctype = "<!doctype html public \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n" + noDoctype;
    HtmlTidy::Options keep;
    HtmlTidy::Options tidys;
    tidys.keepDoctype = false;
    const struct {
        QString page;
        HtmlTidy::Options options;
        QString doctype;
    } cases[] = {
        {noDoctype, keep, ""},                                  // none stays none
        {noDoctype, tidys, "<!DOCTYPE html>"},                  // Tidy adds its own
        {lowerDoctype, keep, lowerDoctype.section('\n', 0, 0)}, // as written, letter for letter
        {kPage, keep, kTransitional},
    };
    for (const auto &c : cases) {
        const std::optional<QString> tidied = HtmlTidy::clean(c.page, c.options);
        ASSERT_TRUE(tidied) << c.page.toStdString();
        EXPECT_EQ(HtmlTidy::doctypeOf(*tidied).toString(), c.doctype) << tidied->toStdString();
    }
}

TEST(HtmlTidy, ErrorsTidyCannotRepairLeaveNothingToReplaceTheText)
{
    QString error;
    EXPECT_FALSE(HtmlTidy::clean("<p>a<foo>b</foo></p>", {}, &error));
    EXPECT_EQ(error, HtmlTidyTexts::hasErrors);

    // A piece for inclusion (no BODY) stays a piece; an empty text is no failure.
    EXPECT_EQ(HtmlTidy::clean("<p>one", {}).value_or(QString()), "<P>one</P>\n");
    EXPECT_TRUE(HtmlTidy::clean(QString(), {}));
    EXPECT_TRUE(HtmlTidy::check(QString(QChar(0)) + "<p>\xff"));
}
