#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Byte-exact text files. A file is decoded as UTF-8 when its bytes are valid UTF-8 and
// byte for byte as Latin-1 otherwise; its line-end style is remembered, so that writing
// the unchanged text back gives the same bytes. In memory every line break is '\n'.
enum class TextEncoding { Utf8, Latin1 };
enum class LineEnd { CrLf, Lf, Cr };

struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf; // files this program creates get CR LF
    bool utf8Bom = false;

    bool operator==(const TextFormat &) const = default;
};

struct DecodedText {
    QString text; // line breaks as '\n'
    TextFormat format;
};

// The line-end style is that of the first line break; CR LF when there is none.
// Every CR LF, lone CR and lone LF becomes '\n'.
DecodedText decodeText(const QByteArray &bytes);

// Turns '\n' into the format's line end and encodes. A Latin-1 text holding characters
// that Latin-1 cannot carry is written as UTF-8 instead (so nothing is lost), and so is
// one whose Latin-1 bytes would be valid UTF-8 and so read back as other characters;
// `used`, when given, receives the format actually written.
QByteArray encodeText(const QString &text, const TextFormat &format, TextFormat *used = nullptr);

struct TextFileResult {
    bool ok = false;
    QString error; // a readable reason when !ok
};

std::optional<DecodedText> readTextFile(const QString &path, QString *error = nullptr);
std::optional<QByteArray> readFileBytes(const QString &path, QString *error = nullptr);

// Writes through a temporary file beside the target and a rename, so a failure
// (read-only file, full disk, missing folder) leaves the old file untouched.
TextFileResult writeFileAtomically(const QString &path, const QByteArray &bytes);
TextFileResult writeTextFileAtomically(const QString &path, const QString &text, const TextFormat &format,
                                       TextFormat *used = nullptr);
