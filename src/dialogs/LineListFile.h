#pragma once

#include "platform/TextFile.h"

#include <QStringList>

#include <optional>

// The data files of the custom tags and the snips: one entry per line, each line ended by
// CR LF, nothing else.
struct LineList {
    QStringList lines;
    TextFormat format; // kept, so that an entry in Latin-1 is written back as it was read
};

// The file's bytes and back; a break at the end of the last line does not make a further,
// empty entry.
LineList parseLineList(const QByteArray &bytes);
QByteArray encodeLineList(const QStringList &lines, TextFormat format);

// Nothing when the file is missing or cannot be read. A break at the end of the last line
// does not make a further, empty entry.
std::optional<LineList> readLineList(const QString &path);

// The whole file, every line ended by CR LF whatever the file used before.
bool writeLineList(const QString &path, const QStringList &lines, TextFormat format, QString *error = nullptr);

// Told to the user when a data file cannot be written (`error` names the file and the
// reason); the list keeps the change for the rest of the run.
QString cannotWriteDataFile(const QString &error);
