#include "dialogs/LineListFile.h"

std::optional<LineList> readLineList(const QString &path)
{
    const std::optional<DecodedText> file = readTextFile(path);
    if (!file)
        return std::nullopt;
    LineList list{{}, file->format};
    if (!file->text.isEmpty()) {
        list.lines = file->text.split(QLatin1Char('\n'));
        if (list.lines.last().isEmpty())
            list.lines.removeLast();
    }
    return list;
}

TextFileResult writeLineList(const QString &path, const QStringList &lines, TextFormat format)
{
    format.lineEnd = LineEnd::CrLf;
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1Char('\n');
    return writeTextFileAtomically(path, text, format);
}

QString cannotWriteDataFile(const QString &error)
{
    return error + QStringLiteral("\nThe list keeps your change until the program closes, but it is not saved.");
}
