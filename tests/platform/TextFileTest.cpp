#include "platform/TextFile.h"

#include "testsupport/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

template <std::size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

template <std::size_t N> QString utf16(const char16_t (&text)[N])
{
    return QString(reinterpret_cast<const QChar *>(text), N - 1); // fromUtf16 would drop a leading BOM
}

constexpr TextFormat format(TextEncoding encoding, LineEnd lineEnd, bool bom = false)
{
    return {encoding, lineEnd, bom};
}

std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toStdString();
}

// Runs `child` in a forked process (so a limit or a user change stays there): its exit code,
// or minus the signal that ended it.
int inChildProcess(const std::function<int()> &child)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(child());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

void limitFileSize(rlim_t bytes)
{
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

} // namespace

// So gtest prints formats readably (found through the argument's namespace).
static void PrintTo(const TextFormat &f, std::ostream *os)
{
    *os << (f.encoding == TextEncoding::Utf8 ? "UTF-8" : "Latin-1") << '/'
        << (f.lineEnd == LineEnd::CrLf ? "CRLF"
            : f.lineEnd == LineEnd::Lf ? "LF"
                                       : "CR")
        << (f.utf8Bom ? "/BOM" : "");
}

TEST(TextFile, DecodesAndEncodesBackToTheSameBytes)
{
    constexpr auto U = TextEncoding::Utf8;
    constexpr auto L = TextEncoding::Latin1;
    struct Case {
        const char *name;
        QByteArray bytes;
        QString text;
        TextFormat format;
    };
    const Case cases[] = {
        {"UTF-8 with CR LF", "a\xC3\xA9\r\nb\r\n", utf16(u"a\u00E9\nb\n"), format(U, LineEnd::CrLf)},
        {"UTF-8 with CR LF, no final break", "a\r\nb", QStringLiteral("a\nb"), format(U, LineEnd::CrLf)},
        {"LF", "a\nb\n", QStringLiteral("a\nb\n"), format(U, LineEnd::Lf)},
        {"LF, no final break", "a\nb", QStringLiteral("a\nb"), format(U, LineEnd::Lf)},
        {"lone CR", "a\rb\r", QStringLiteral("a\nb\n"), format(U, LineEnd::Cr)},
        {"lone CR, no final break", "a\rb", QStringLiteral("a\nb"), format(U, LineEnd::Cr)},
        {"blank lines", "\r\n\r\n\r\n", QStringLiteral("\n\n\n"), format(U, LineEnd::CrLf)},
        {"only CR LF", "\r\n", QStringLiteral("\n"), format(U, LineEnd::CrLf)},
        {"only LF", "\n", QStringLiteral("\n"), format(U, LineEnd::Lf)},
        {"only CR", "\r", QStringLiteral("\n"), format(U, LineEnd::Cr)},
        {"empty file", "", QString(), format(U, LineEnd::CrLf)},
        {"no line break", "abc", QStringLiteral("abc"), format(U, LineEnd::CrLf)},
        {"BOM", "\xEF\xBB\xBFx\r\n", QStringLiteral("x\n"), format(U, LineEnd::CrLf, true)},
        {"BOM and LF", "\xEF\xBB\xBFx\ny", QStringLiteral("x\ny"), format(U, LineEnd::Lf, true)},
        {"BOM only", "\xEF\xBB\xBF", QString(), format(U, LineEnd::CrLf, true)},
        {"second BOM is text", "\xEF\xBB\xBF\xEF\xBB\xBFx", utf16(u"\uFEFFx"), format(U, LineEnd::CrLf, true)},
        {"four-byte UTF-8", "\xF0\x9F\x98\x80\n", utf16(u"\U0001F600\n"), format(U, LineEnd::Lf)},
        {"highest code point", "\xF4\x8F\xBF\xBF", utf16(u"\U0010FFFF"), format(U, LineEnd::CrLf)},
        {"NUL bytes", raw("a\0b\n\0"), utf16(u"a\0b\n\0"), format(U, LineEnd::Lf)},
        {"Latin-1", "caf\xE9\xA0\x80\x9F\r\n", utf16(u"caf\u00E9\u00A0\u0080\u009F\n"), format(L, LineEnd::CrLf)},
        {"Latin-1 with LF", "\xE9\n\xE8", utf16(u"\u00E9\n\u00E8"), format(L, LineEnd::Lf)},
        {"Latin-1 with lone CR", "\xE9\r\xE8\r", utf16(u"\u00E9\n\u00E8\n"), format(L, LineEnd::Cr)},
        {"Latin-1 starting like a BOM", "\xEF\xBB\xBF\xFF", utf16(u"\u00EF\u00BB\u00BF\u00FF"),
         format(L, LineEnd::CrLf)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.format, c.format);
        TextFormat used;
        EXPECT_EQ(hex(encodeText(decoded.text, decoded.format, &used)), hex(c.bytes));
        EXPECT_EQ(used, c.format);
    }
}

TEST(TextFile, EveryHighByteRoundTripsAsLatin1)
{
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes += char(b);
    const DecodedText decoded = decodeText(bytes);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Latin1);
    ASSERT_EQ(decoded.text.size(), 128);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(decoded.text.at(i).unicode(), 0x80 + i);
    EXPECT_EQ(encodeText(decoded.text, decoded.format), bytes);
}

TEST(TextFile, InvalidUtf8IsReadAsLatin1)
{
    struct Case {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"overlong two bytes", "a\xC0\xAF"},
        {"overlong three bytes", "\xE0\x80\xAF"},
        {"overlong NUL", "\xC0\x80"},
        {"truncated at the end", "ab\xE2\x82"},
        {"truncated before a line break", "ab\xE2\x82\r\nc"},
        {"lone lead byte at the end", "ab\xC3"},
        {"lone continuation", "a\x80z"},
        {"UTF-16 surrogate", "\xED\xA0\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"},
        {"byte 0xFF", "\xFF"},
        {"BOM then invalid", "\xEF\xBB\xBF\xC3("},
        {"valid text, one bad byte at the very end", "valid \xC3\xA9 text\xE9"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.format.encoding, TextEncoding::Latin1);
        EXPECT_FALSE(decoded.format.utf8Bom);
        QString expected = QString::fromLatin1(c.bytes);
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(decoded.text, expected);
        EXPECT_EQ(hex(encodeText(decoded.text, decoded.format)), hex(c.bytes));
    }
}

TEST(TextFile, EachLineKeepsItsOwnEnd)
{
    constexpr auto CrLf = LineEnd::CrLf;
    constexpr auto Lf = LineEnd::Lf;
    constexpr auto Cr = LineEnd::Cr;
    struct Case {
        const char *name;
        QByteArray bytes;
        LineEnd style;
        QString text;
        LineEndMarks others;
        QByteArray firstStyleOnly; // the text written without the marks
    };
    const Case cases[] = {
        {"CR LF first", "a\r\nb\nc\rd", CrLf, QStringLiteral("a\nb\nc\nd"), {{1, Lf}, {2, Cr}}, "a\r\nb\r\nc\r\nd"},
        {"stray CR in CR LF", "a\r\nb\rc\r\n", CrLf, QStringLiteral("a\nb\nc\n"), {{1, Cr}}, "a\r\nb\r\nc\r\n"},
        {"LF then lone CR", "\n\r", Lf, QStringLiteral("\n\n"), {{1, Cr}}, "\n\n"},
        {"lone CR then CR LF", "\r\r\n", Cr, QStringLiteral("\n\n"), {{1, CrLf}}, "\r\r"},
        {"LF CR is two breaks", "a\n\rb", Lf, QStringLiteral("a\n\nb"), {{1, Cr}}, "a\n\nb"},
        {"LF lines before the first CR", "a\nb\nc\r\nd", Lf, QStringLiteral("a\nb\nc\nd"), {{2, CrLf}}, "a\nb\nc\nd"},
        {"one style throughout", "a\rb\r", Cr, QStringLiteral("a\nb\n"), {}, "a\rb\r"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.format.lineEnd, c.style);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.otherLineEnds, c.others);
        EXPECT_EQ(hex(encodeText(decoded.text, decoded.format, nullptr, decoded.otherLineEnds)), hex(c.bytes));
        EXPECT_EQ(hex(encodeText(decoded.text, decoded.format)), hex(c.firstStyleOnly));
    }
}

// After an edit a lone CR can come to stand just before an empty line's LF; written as they
// are, the two would read back as one CR LF and the empty line would be gone.
TEST(TextFile, ALoneCrNeverMergesWithTheNextLinesLf)
{
    constexpr auto Lf = LineEnd::Lf;
    constexpr auto Cr = LineEnd::Cr;
    const TextFormat crLf = format(TextEncoding::Utf8, LineEnd::CrLf);
    struct Case {
        const char *name;
        LineEndMarks marks;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"CR before an empty LF line", {{0, Cr}, {1, Lf}}, "a\r\n\nb"},
        {"CR before an empty CR line", {{0, Cr}, {1, Cr}}, "a\r\rb"},
        {"CR before an empty CR LF line", {{0, Cr}}, "a\r\r\nb"},
    };
    const QString text = QStringLiteral("a\n\nb");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = encodeText(text, crLf, nullptr, c.marks);
        EXPECT_EQ(hex(bytes), hex(c.bytes));
        EXPECT_EQ(decodeText(bytes).text, text);
    }
}

TEST(TextFile, EncodesWithTheRequestedFormat)
{
    constexpr auto U = TextEncoding::Utf8;
    constexpr auto L = TextEncoding::Latin1;
    struct Case {
        const char *name;
        QString text;
        TextFormat requested;
        QByteArray bytes;
        TextFormat used;
    };
    const Case cases[] = {
        {"CR LF", QStringLiteral("a\nb\n"), format(U, LineEnd::CrLf), "a\r\nb\r\n", format(U, LineEnd::CrLf)},
        {"LF", QStringLiteral("a\nb\n"), format(U, LineEnd::Lf), "a\nb\n", format(U, LineEnd::Lf)},
        {"CR", QStringLiteral("a\nb\n"), format(U, LineEnd::Cr), "a\rb\r", format(U, LineEnd::Cr)},
        {"BOM", QStringLiteral("a\n"), format(U, LineEnd::Lf, true),
         "\xEF\xBB\xBF"
         "a\n",
         format(U, LineEnd::Lf, true)},
        {"BOM on an empty text", QString(), format(U, LineEnd::CrLf, true), "\xEF\xBB\xBF",
         format(U, LineEnd::CrLf, true)},
        {"Latin-1 keeps to one byte", utf16(u"\u00E9\u00FF\n"), format(L, LineEnd::CrLf), "\xE9\xFF\r\n",
         format(L, LineEnd::CrLf)},
        {"Latin-1 cannot hold a euro sign", utf16(u"\u00E9 \u20AC\n"), format(L, LineEnd::Lf),
         "\xC3\xA9 \xE2\x82\xAC\n", format(U, LineEnd::Lf)},
        {"Latin-1 cannot hold an emoji", utf16(u"\U0001F600"), format(L, LineEnd::Cr), "\xF0\x9F\x98\x80",
         format(U, LineEnd::Cr)},
        {"Latin-1 bytes that would read as UTF-8", utf16(u"\u00C3\u00A9\n"), format(L, LineEnd::CrLf),
         "\xC3\x83\xC2\xA9\r\n", format(U, LineEnd::CrLf)},
        {"Latin-1 bytes that would read as a BOM", utf16(u"\u00EF\u00BB\u00BFx"), format(L, LineEnd::CrLf),
         "\xC3\xAF\xC2\xBB\xC2\xBFx", format(U, LineEnd::CrLf)},
        {"ASCII stays Latin-1", QStringLiteral("plain\n"), format(L, LineEnd::CrLf), "plain\r\n",
         format(L, LineEnd::CrLf)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TextFormat used;
        EXPECT_EQ(hex(encodeText(c.text, c.requested, &used)), hex(c.bytes));
        EXPECT_EQ(used, c.used);
        EXPECT_EQ(decodeText(c.bytes).text, c.text);
    }
}

TEST(TextFile, TenMegabytesOfShortLines)
{
    QByteArray bytes;
    bytes.reserve(10 * 1024 * 1024 + 64);
    int lines = 0;
    while (bytes.size() < 10 * 1024 * 1024) {
        bytes += "<p>caf\xC3\xA9 line</p>\r\n";
        ++lines;
    }
    const DecodedText decoded = decodeText(bytes);
    EXPECT_EQ(decoded.format, format(TextEncoding::Utf8, LineEnd::CrLf));
    EXPECT_EQ(decoded.text.count(u'\n'), lines);
    EXPECT_FALSE(decoded.text.contains(u'\r'));
    EXPECT_EQ(encodeText(decoded.text, decoded.format), bytes);
}

TEST(TextFile, LargeFilesDecodeTheSameAcrossInternalSlices)
{
    // Big files are checked in slices of 256 KiB; a sequence across a slice edge must
    // neither be split (valid) nor slip through (invalid).
    constexpr qsizetype kSlice = 256 * 1024;
    const QByteArray sequences[] = {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
    for (const QByteArray &sequence : sequences) {
        for (qsizetype shift = 0; shift <= 4; ++shift) {
            SCOPED_TRACE(hex(sequence) + " ending " + std::to_string(shift) + " bytes past the edge");
            const qsizetype lead = kSlice + shift - sequence.size();
            const QByteArray valid = QByteArray(lead, 'a') + sequence + QByteArray(100, 'b');
            const DecodedText decoded = decodeText(valid);
            EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf8);
            const QString character = QString::fromUtf8(sequence);
            EXPECT_EQ(decoded.text.size(), lead + character.size() + 100);
            EXPECT_EQ(decoded.text.mid(lead, character.size()), character);

            QByteArray truncated = valid;
            truncated.remove(lead + sequence.size() - 1, 1); // last continuation byte gone
            EXPECT_EQ(decodeText(truncated).format.encoding, TextEncoding::Latin1);
        }
    }

    QByteArray cjk;
    while (cjk.size() < 3 * kSlice)
        cjk += "\xE6\x96\x87\xE5\xAD\x97"; // no ASCII byte anywhere to cut at
    const DecodedText decoded = decodeText(cjk);
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(decoded.text.size(), cjk.size() / 3);
    EXPECT_EQ(encodeText(decoded.text, decoded.format), cjk);

    QByteArray continuations = QByteArray(kSlice - 2, 'a') + QByteArray(6, char(0x80)) + "z";
    EXPECT_EQ(decodeText(continuations).format.encoding, TextEncoding::Latin1);
    QByteArray lateError = cjk + "\xFF";
    EXPECT_EQ(decodeText(lateError).format.encoding, TextEncoding::Latin1);
    EXPECT_EQ(decodeText(lateError).text.size(), lateError.size());
}

TEST(TextFile, ReadingFailsReadably)
{
    TempProgramFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("sub")));
    const QString paths[] = {
        folder.file(QStringLiteral("missing.html")),
        folder.file(QStringLiteral("sub")),
        folder.file(QStringLiteral("missing/page.html")),
        QString(),
    };
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        EXPECT_FALSE(readTextFile(path, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
        if (!path.isEmpty()) {
            EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
        }
        error.clear();
        EXPECT_FALSE(readFileBytes(path, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(readTextFile(path).has_value()); // no error wanted: must not crash
    }
}

TEST(TextFile, ReadsFilesByteExact)
{
    TempProgramFolder folder;
    const QByteArray bytes = raw("\xEF\xBB\xBF<p>\xC3\xA9</p>\n\0end");
    const QString path = folder.write(QStringLiteral("page.html"), bytes);
    EXPECT_EQ(readFileBytes(path), bytes);
    const std::optional<DecodedText> decoded = readTextFile(path);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->text, utf16(u"<p>\u00E9</p>\n\0end"));
    EXPECT_EQ(decoded->format, format(TextEncoding::Utf8, LineEnd::Lf, true));

    EXPECT_EQ(readFileBytes(folder.write(QStringLiteral("empty.html"), QByteArray())), QByteArray());
}

TEST(TextFile, AtomicWritesReplaceOrLeaveTheOldFile)
{
    TempProgramFolder folder;
    const QString path = folder.write(QStringLiteral("page.html"), "old");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(writeFileAtomically(path, "new\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("page.html")), QByteArray("new\r\n"));
    const QFile::Permissions modeBits = ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    EXPECT_EQ(QFile::permissions(path) & modeBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(writeFileAtomically(path, QByteArray()));
    EXPECT_TRUE(folder.exists(QStringLiteral("page.html")));
    EXPECT_EQ(folder.read(QStringLiteral("page.html")), QByteArray());

    TextFormat used;
    ASSERT_TRUE(writeTextFileAtomically(path, utf16(u"\u20AC\n"), format(TextEncoding::Latin1, LineEnd::CrLf), &used));
    EXPECT_EQ(used, format(TextEncoding::Utf8, LineEnd::CrLf));
    EXPECT_EQ(folder.read(QStringLiteral("page.html")), QByteArray("\xE2\x82\xAC\r\n"));

    // A symlink stays a symlink; the page it points at gets the bytes.
    const QString link = folder.file(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(writeFileAtomically(link, "through the link"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.read(QStringLiteral("page.html")), QByteArray("through the link"));
    QFile::remove(link);

    // Tests run as root, where permissions stop nothing: the failures come from the path.
    QDir().mkpath(folder.file(QStringLiteral("folder.html/inside")));
    const QString plain = folder.write(QStringLiteral("plain"), "keep me");
    const QString fifo = folder.file(QStringLiteral("fifo.html"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        QString target;
        const char *reason;
    };
    const Case unwritable[] = {
        {folder.file(QStringLiteral("folder.html")), "it is a folder."},
        {fifo, "it is a pipe (FIFO), not a file."},
        {plain + QStringLiteral("/page.html"), "is not a folder."},
        {folder.file(QStringLiteral("missing/page.html")), "does not exist."},
        {QString(), "without a name."},
    };
    for (const Case &c : unwritable) {
        SCOPED_TRACE(c.target.toStdString());
        QString error;
        EXPECT_FALSE(writeFileAtomically(c.target, "bytes", &error));
        EXPECT_TRUE(error.endsWith(QLatin1String(c.reason))) << error.toStdString();
        EXPECT_FALSE(writeTextFileAtomically(c.target, QStringLiteral("x"), TextFormat()));
    }
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("folder.html"))).isDir());
    EXPECT_TRUE(folder.exists(QStringLiteral("folder.html/inside")));
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_EQ(folder.read(QStringLiteral("plain")), QByteArray("keep me"));
    EXPECT_EQ(folder.read(QStringLiteral("page.html")), QByteArray("through the link"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral("fifo.html"), QStringLiteral("folder.html"), QStringLiteral("page.html"),
                           QStringLiteral("plain")}));
}

// A text that begins with U+FEFF keeps it through a write and a read, whatever the format asked for.
TEST(TextFileEdge, LeadingZeroWidthNoBreakSpaceSurvivesARoundTrip)
{
    for (const TextFormat format :
         {TextFormat{TextEncoding::Latin1, LineEnd::CrLf, false}, TextFormat{TextEncoding::Utf8, LineEnd::Lf, false},
          TextFormat{TextEncoding::Utf8, LineEnd::CrLf, true}}) {
        const QString text = QString(QChar(0xFEFF)) + QStringLiteral("x\n");
        TextFormat used;
        const DecodedText back = decodeText(encodeText(text, format, &used));
        EXPECT_EQ(back.text, text);
        EXPECT_TRUE(used.utf8Bom);
    }
    const QByteArray twoMarks("\xef\xbb\xbf\xef\xbb\xbf", 6);
    const DecodedText decoded = decodeText(twoMarks);
    EXPECT_EQ(encodeText(decoded.text, decoded.format), twoMarks);
}

// The size limit would end the program with every unsaved edit; instead the write fails, says
// why, and the old file stays whole.
TEST(TextFileWrite, OverTheSizeLimitFailsWithTheRealCauseAndKeepsTheFile)
{
    TempProgramFolder folder;
    const QString path = folder.write(QStringLiteral("page.html"), "old text");
    const QString expected = QStringLiteral("Cannot write \"%1\": File too large.").arg(path);
    const int result = inChildProcess([&] {
        ignoreFileSizeLimitSignal();
        limitFileSize(4096);
        QString error;
        if (writeFileAtomically(path, QByteArray(100000, 'x'), &error))
            return 1;
        return error == expected ? 0 : 2;
    });
    EXPECT_NE(result, -SIGXFSZ) << "the signal ended the program";
    EXPECT_EQ(result, 0) << "1: reported success, 2: another message than " << expected.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("page.html")), QByteArray("old text"));
    EXPECT_EQ(entries(folder.path()), QStringList(QStringLiteral("page.html")));
}

// A page the user may write in a folder where no new file can be made (no temporary file, no
// rename) is rewritten in place; its room is claimed first, so a failure changes nothing.
TEST(TextFileWrite, AWritableFileInALockedFolderIsRewrittenInPlace)
{
    TempProgramFolder folder;
    const QString page = folder.write(QStringLiteral("locked/page.html"), "old text");
    const QString theirs = folder.write(QStringLiteral("locked/theirs.html"), "not mine");
    const QString locked = folder.file(QStringLiteral("locked"));
    constexpr uid_t nobody = 65534;
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0); // so that user may pass
    ASSERT_EQ(::chmod(QFile::encodeName(page).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(theirs).constData(), 0644), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const QString tooLarge = QStringLiteral("Cannot write \"%1\": File too large.").arg(page);
    const QString denied = QStringLiteral("Cannot write \"%1\": Permission denied.").arg(theirs);
    const int result = inChildProcess([&] {
        // As root, become a user the folder's permissions stop; otherwise they stop us already.
        if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            return 10;
        ignoreFileSizeLimitSignal();
        QString error;
        if (!writeFileAtomically(page, "a longer new text", &error))
            return 1;
        if (!writeFileAtomically(page, "new text", &error))
            return 2;
        if (writeFileAtomically(theirs, "x", &error) || error != denied)
            return 3;
        limitFileSize(4096);
        if (writeFileAtomically(page, QByteArray(100000, 'x'), &error) || error != tooLarge)
            return 4;
        return 0;
    });
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    EXPECT_EQ(result, 0) << "1, 2: in-place write failed; 3: wrote another's file; 4: over the limit";
    EXPECT_EQ(folder.read(QStringLiteral("locked/page.html")), QByteArray("new text"));
    EXPECT_EQ(folder.read(QStringLiteral("locked/theirs.html")), QByteArray("not mine"));
    EXPECT_EQ(entries(locked), QStringList({QStringLiteral("page.html"), QStringLiteral("theirs.html")}));
}
