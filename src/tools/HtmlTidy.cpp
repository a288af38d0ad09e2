#include "tools/HtmlTidy.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <climits>

namespace HtmlTidy {
namespace {
constexpr int kTabSize = 8;

std::optional<Level> levelOf(TidyReportLevel level)
{
    switch (level) {
    case TidyWarning:
        return Level::Warning;
    case TidyError:
        return Level::Error;
    case TidyAccess:
        return Level::Accessibility;
    case TidyBadDocument:
        return Level::Document;
    case TidyFatal:
        return Level::Fatal;
    default:
        return std::nullopt; // information, configuration and the summary dialogue
    }
}

Bool TIDY_CALL collectMessage(TidyMessage message)
{
    auto *messages = static_cast<QList<Message> *>(tidyGetAppData(tidyGetMessageDoc(message)));
    if (const std::optional<Level> level = levelOf(tidyGetMessageLevel(message)); level && messages)
        messages->append({std::max(0, tidyGetMessageLine(message)), std::max(0, tidyGetMessageColumn(message)), *level,
                          QString::fromUtf8(tidyGetMessage(message))});
    return no; // collected here: nothing goes to Tidy's own error output
}

// One Tidy document with its error buffer; everything Tidy reports lands in `messages`.
class TidyRun final {
public:
    TidyRun() : m_doc(tidyCreate())
    {
        tidyBufInit(&m_errors);
        if (!m_doc)
            return;
        // Whatever the callback lets through goes to this buffer, never to the terminal.
        tidySetErrorBuffer(m_doc, &m_errors);
        tidySetAppData(m_doc, &messages);
        tidySetMessageCallback(m_doc, collectMessage);
        tidySetCharEncoding(m_doc, "utf8");
        tidyOptSetBool(m_doc, TidyQuiet, yes);
        tidyOptSetBool(m_doc, TidyShowInfo, no);
        tidyOptSetInt(m_doc, TidyShowErrors, INT_MAX);
        tidyOptSetInt(m_doc, TidyTabSize, kTabSize);
    }
    ~TidyRun()
    {
        if (m_doc)
            tidyRelease(m_doc);
        tidyBufFree(&m_errors);
    }
    TidyRun(const TidyRun &) = delete;
    TidyRun &operator=(const TidyRun &) = delete;

    TidyDoc doc() const { return m_doc; }

    // Parses, repairs and diagnoses: Tidy's status (0 clean, 1 warnings, 2 errors, below 0 failed).
    int run(const QByteArray &utf8)
    {
        TidyBuffer input;
        tidyBufInit(&input);
        tidyBufAttach(&input, reinterpret_cast<byte *>(const_cast<char *>(utf8.constData())), uint(utf8.size()));
        int status = tidyParseBuffer(m_doc, &input);
        tidyBufDetach(&input);
        if (status >= 0)
            status = tidyCleanAndRepair(m_doc);
        if (status >= 0)
            status = tidyRunDiagnostics(m_doc);
        return status;
    }

    QList<Message> messages;

private:
    TidyDoc m_doc;
    TidyBuffer m_errors;
};

std::nullopt_t fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

// Past the blanks, comments and processing instructions that may come before the DOCTYPE.
qsizetype prologEnd(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at].isSpace() || text[at] == QChar(0xFEFF)) {
            ++at;
        } else if (text.sliced(at).startsWith(u"<!--")) {
            const qsizetype end = text.indexOf(u"-->", at + 4);
            if (end < 0)
                return at;
            at = end + 3;
        } else if (text.sliced(at).startsWith(u"<?")) {
            const qsizetype end = text.indexOf(u'>', at + 2);
            if (end < 0)
                return at;
            at = end + 1;
        } else {
            break;
        }
    }
    return at;
}

// The tidied text with the page's own DOCTYPE in place of Tidy's.
QString withDoctype(const QString &tidied, QStringView doctype)
{
    const QStringView current = doctypeOf(tidied);
    if (!current.isEmpty()) {
        const qsizetype at = current.data() - tidied.data();
        return QString(tidied).replace(at, current.size(), doctype.toString());
    }
    return QString(tidied).insert(prologEnd(tidied), doctype.toString() + QLatin1Char('\n'));
}
} // namespace

QString levelText(Level level)
{
    switch (level) {
    case Level::Warning:
        return QStringLiteral("Warning");
    case Level::Error:
        return QStringLiteral("Error");
    case Level::Accessibility:
        return QStringLiteral("Accessibility");
    case Level::Document:
        return QStringLiteral("Document");
    case Level::Fatal:
        return QStringLiteral("Fatal");
    }
    return QString();
}

std::optional<QList<Message>> check(const QString &text, QString *error)
{
    TidyRun tidy;
    if (!tidy.doc())
        return fail(error, HtmlTidyTexts::cannotStart);
    if (tidy.run(text.toUtf8()) < 0)
        return fail(error, HtmlTidyTexts::cannotRead);
    return std::move(tidy.messages);
}

std::optional<QString> clean(const QString &text, const Options &options, QString *error)
{
    TidyRun tidy;
    if (!tidy.doc())
        return fail(error, HtmlTidyTexts::cannotStart);
    const TidyDoc doc = tidy.doc();
    tidyOptSetBool(doc, TidyMark, no);
    tidyOptSetInt(doc, TidyWrapLen, 0);
    tidyOptSetInt(doc, TidyNewline, TidyLF);
    tidyOptSetBool(doc, TidyKeepTabs, yes);
    tidyOptSetBool(doc, TidyPreserveEntities, yes);
    // A page without BODY (a piece for inclusion) stays a piece.
    tidyOptSetInt(doc, TidyBodyOnly, TidyAutoState);
    // Repairs, not restructuring: nested DIVs and SPANs stay as the author wrote them.
    tidyOptSetInt(doc, TidyMergeDivs, TidyNoState);
    tidyOptSetInt(doc, TidyMergeSpans, TidyNoState);
    // Blocks indented as by hand; short elements such as TITLE or P stay on one line.
    tidyOptSetInt(doc, TidyIndentContent, options.indent ? TidyAutoState : TidyNoState);
    tidyOptSetBool(doc, TidyUpperCaseTags, options.upperCase ? yes : no);
    tidyOptSetInt(doc, TidyUpperCaseAttrs, options.upperCase ? TidyUppercaseYes : TidyUppercaseNo);
    const QStringView doctype = options.keepDoctype ? doctypeOf(text) : QStringView();
    if (options.keepDoctype && doctype.isEmpty())
        tidyOptSetValue(doc, TidyDoctype, "omit");

    const int status = tidy.run(text.toUtf8());
    if (status < 0)
        return fail(error, HtmlTidyTexts::cannotRead);
    if (status > 1)
        return fail(error, HtmlTidyTexts::hasErrors);
    TidyBuffer output;
    tidyBufInit(&output);
    const int saved = tidySaveBuffer(doc, &output);
    QString tidied = QString::fromUtf8(reinterpret_cast<const char *>(output.bp), qsizetype(output.size));
    tidyBufFree(&output);
    if (saved < 0)
        return fail(error, HtmlTidyTexts::cannotWrite);
    // One line break at the end, also after a piece (where Tidy leaves an empty line).
    while (tidied.endsWith(QLatin1String("\n\n")))
        tidied.chop(1);
    if (!doctype.isEmpty())
        tidied = withDoctype(tidied, doctype);
    return tidied;
}

qsizetype indexOfColumn(QStringView line, int column)
{
    int at = 1; // Tidy's column of line[index]
    qsizetype index = 0;
    while (index < line.size() && at < column) {
        if (line[index] == QLatin1Char('\t'))
            at += kTabSize - (at - 1) % kTabSize;
        else
            ++at;
        // A character outside the BMP is one column but two UTF-16 units.
        index += line[index].isHighSurrogate() && index + 1 < line.size() && line[index + 1].isLowSurrogate() ? 2 : 1;
    }
    return index;
}

QStringView doctypeOf(QStringView text)
{
    const qsizetype at = prologEnd(text);
    if (!text.sliced(at).startsWith(u"<!doctype", Qt::CaseInsensitive))
        return {};
    const qsizetype end = text.indexOf(u'>', at);
    return end < 0 ? QStringView() : text.sliced(at, end + 1 - at);
}
} // namespace HtmlTidy
