#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Byte-exact text files. A file is decoded as UTF-8 when its bytes are valid UTF-8 and
// byte for byte as Latin-1 otherwise; its line ends are remembered line by line, so that
// writing the unchanged text back gives the same bytes. In memory every line break is '\n'.
enum class TextEncoding { Utf8, Latin1 };
enum class LineEnd { CrLf, Lf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf; // files this program creates get CR LF
    bool utf8Bom = false;

    bool operator==(const TextFormat &) const = default;
};

// A line break of another style than the file's first: the one that ends line `line` (from 0).
struct LineEndMark {
    int line = 0;
    LineEnd end = LineEnd::CrLf;

    bool operator==(const LineEndMark &) const = default;
};
using LineEndMarks = QList<LineEndMark>; // ordered by line

struct DecodedText {
    QString text; // line breaks as '\n'
    TextFormat format;
    LineEndMarks otherLineEnds; // every break whose style is not format.lineEnd
};

// The line-end style is that of the first line break; CR LF when there is none.
// Every CR LF, lone CR and lone LF becomes '\n'.
DecodedText decodeText(const QByteArray &bytes);

// Turns each '\n' into its line's end from `otherLineEnds`, else the format's, and encodes.
// A Latin-1 text holding characters that Latin-1 cannot carry is written as UTF-8 instead
// (so nothing is lost), and so is one whose Latin-1 bytes would be valid UTF-8 and so read
// back as other characters; `used`, when given, receives the format actually written.
QByteArray encodeText(const QString &text, const TextFormat &format, TextFormat *used = nullptr,
                      const LineEndMarks &otherLineEnds = {});

std::optional<DecodedText> readTextFile(const QString &path, QString *error = nullptr);
std::optional<QByteArray> readFileBytes(const QString &path, QString *error = nullptr);

// Writes through a temporary file beside the target and a rename, so a failure (full disk,
// size limit, missing folder) leaves the old file untouched. Where the folder takes no new
// file but the file itself is writable, the file is rewritten in place, its room claimed
// first. Only a regular file is replaced; a symlink's target is written. False with
// `error` naming the file and the system's reason when the write fails.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool writeTextFileAtomically(const QString &path, const QString &text, const TextFormat &format,
                             TextFormat *used = nullptr, QString *error = nullptr);
// The message of every failed write ("Cannot write "<path>": <reason>") into `error`; false.
bool failWrite(QString *error, const QString &path, const QString &reason);

// What another program's write changes: the file's identity, size and modification time.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    bool operator==(const FileStamp &) const = default;
};
// Nothing when there is no file at `path`.
std::optional<FileStamp> fileStamp(const QString &path);

// At start-up: a write over the file-size limit then fails with an error the user sees,
// instead of the signal ending the program with every unsaved edit.
void ignoreFileSizeLimitSignal();
