#pragma once

#include <QByteArray>
#include <QString>

// Pages, projects, templates and data files are read whole into memory; more than this is
// not a page, and reading it would only exhaust memory.
inline constexpr qint64 kMaxReadBytes = 512LL * 1024 * 1024;

// The one way the program reads a file: only a regular file (symlinks followed) is read,
// opened without blocking so a FIFO or device never hangs the window, and no larger than
// `limit`. Fills `buffer` (reusing its memory) and returns true; else returns false with
// `error`, when given, naming the file and the reason.
bool readRegularFile(const QString &path, QByteArray &buffer, QString *error = nullptr, qint64 limit = kMaxReadBytes);

// Reasons in the words of the messages that name a file: the system's text for an error
// number ("No space left on device."), and what a path that is no regular file is instead
// (`mode` as stat gives it).
QString systemErrorReason(int errorNumber);
QString notRegularFileReason(unsigned int mode);
