#pragma once

#include "platform/TextFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Replace across files and the copies of the two backups.
namespace SiteFiles {
// Month, day and the full year, no leading zeros: 12_7_2026.
QString dateFolderName(const QDate &date);

// A backup folder name stays inside its parent: no separator, drive or parent step.
bool isPlainFolderName(const QString &name);

// Every non-overlapping match, left to right, replaced; with `matchCase` off only the letters
// a to z match without regard to case. An empty search text replaces nothing.
QByteArray replaceBytes(QByteArrayView text, QByteArrayView search, QByteArrayView replacement, bool matchCase,
                        int *count = nullptr);
QString replaceText(const QString &text, const QString &search, const QString &replacement, bool matchCase,
                    int *count = nullptr);

// The whole file, read with as few system calls as the platform allows; nothing when it
// cannot be read (missing, a folder, no permission).
std::optional<QByteArray> readWhole(const QString &path);
// The same into a buffer that keeps its memory from one file to the next.
bool readWhole(const QString &path, QByteArray &buffer);

// Replaces a file through a temporary file beside it and a rename, so a failure leaves the
// old file as it was. The file keeps its permissions; a link is followed to its target.
// Unlike a document save, each file is not flushed to disk on its own: a site-wide run
// writes thousands of them and would mostly wait for the disk.
bool replaceWhole(const QString &path, const QByteArray &bytes);

enum class FileOutcome { Unchanged, Replaced, Unreadable, WriteFailed };
// Replaces in one file on disk. The file is only ever replaced whole (atomically) and only
// when something matched; a file that cannot be read or written is left as it was.
FileOutcome replaceInFile(const QString &path, const QString &search, const QString &replacement, bool matchCase);

// Where each file of a backup goes, relative to the backup folder. A file goes in under its
// own name; a later file of the same name (ignoring case) from another folder goes into a
// sub-folder named after its own folder ("b/index.html"), with "_2", "_3" added when that
// name is taken too, so no backed-up file overwrites another. The same path listed twice
// is copied once. `reserved` names are kept free at the top (the project's own files).
struct Copy {
    QString source;
    QString target; // relative, "/" between folder and name
};
QList<Copy> planCopies(const QStringList &sources, const QStringList &reserved = {});

// Copies byte for byte into `folder` (ending in a separator) under `target`, creating the
// target's sub-folder inside `folder` when needed; an existing file there is replaced.
bool copyInto(const QString &source, const QString &folder, const QString &target, QString *error = nullptr);
} // namespace SiteFiles
