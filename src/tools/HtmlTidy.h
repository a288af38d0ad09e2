#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// HTML Tidy (libtidy) behind text in, messages or text out. Tidy gets the text as UTF-8 and
// its output is read back as UTF-8; it never writes to the terminal.
namespace HtmlTidyTexts {
inline const QString checkCaption = QStringLiteral("Check Page");
inline const QString cannotStart = QStringLiteral("HTML Tidy could not be started.");
inline const QString cannotRead = QStringLiteral("HTML Tidy could not read the page.");
inline const QString hasErrors = QStringLiteral(
    "HTML Tidy found errors in this page that it cannot repair, so the page was left as it is. Check Page "
    "(Tools menu) lists them.");
inline const QString cannotWrite = QStringLiteral("HTML Tidy could not write the tidied page.");
inline const QString noMessages = QStringLiteral("HTML Tidy found no errors or warnings.");
} // namespace HtmlTidyTexts

namespace HtmlTidy {
enum class Level { Warning, Error, Accessibility, Document, Fatal };
QString levelText(Level level);

struct Message {
    int line = 0;   // from 1; 0 when Tidy gives no place
    int column = 0; // from 1, as Tidy counts (see indexOfColumn)
    Level level = Level::Warning;
    QString text;
};

// Tidy's errors and warnings for a page's text, in the order Tidy gives them.
std::optional<QList<Message>> check(const QString &text, QString *error = nullptr);

struct Options {
    bool indent = false;
    bool upperCase = true;   // tags and attribute names, as this program writes them
    bool keepDoctype = true; // the page's own DOCTYPE (or none) rather than Tidy's choice
};

// The text cleaned and repaired by Tidy; nothing (and the reason) when Tidy finds errors it
// cannot repair or fails. Line breaks are '\n'; tabs are kept; lines are not wrapped.
std::optional<QString> clean(const QString &text, const Options &options, QString *error = nullptr);

// Where Tidy's column (from 1) lies in a line: Tidy counts one column per character and
// moves a tab on to the next multiple of eight columns. The result lies in 0..size.
qsizetype indexOfColumn(QStringView line, int column);

// The DOCTYPE declaration that opens a page (after blanks, comments and processing
// instructions), as written; empty when there is none.
QStringView doctypeOf(QStringView text);
} // namespace HtmlTidy
