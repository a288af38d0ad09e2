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
// cannot be read (missing, a folder, a device or pipe, no permission, too large), with the
// reason naming the file in `error`.
std::optional<QByteArray> readWhole(const QString &path, QString *error = nullptr);
// The same into a buffer that keeps its memory from one file to the next.
bool readWhole(const QString &path, QByteArray &buffer, QString *error = nullptr);

// Replaces a file through a temporary file beside it and a rename, so a failure leaves the
// old file as it was. The file keeps its permissions; a link is followed to its target.
// Unlike a document save, each file is not flushed to disk on its own: a site-wide run
// writes thousands of them and would mostly wait for the disk. A file the user may not
// write (read-only, or another user's: the rename would make it ours) is left alone.
// The temporary file's name is hidden and marked (see removeLeftoverTemporaries).
bool replaceWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Removes the temporary files that a run killed between writing and renaming left beside
// `paths`; returns how many.
int removeLeftoverTemporaries(const QStringList &paths);

enum class FileOutcome { Unchanged, Replaced, Unreadable, WriteFailed };
// Replaces in one file on disk. The file is only ever replaced whole (atomically) and only
// when something matched; a file that cannot be read or written is left as it was, and
// `error` says why.
FileOutcome replaceInFile(const QString &path, const QString &search, const QString &replacement, bool matchCase,
                          QString *error = nullptr);

// The backup folder could not be made (an existing or refused name).
inline const QString cannotCreateBackupFolder = QStringLiteral(
    "Could not create backup directory. Make sure you have provided a valid directory name (no slashes). Exiting...");

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
// `unreadable` tells a source that could not be read from a copy that could not be written.
bool copyInto(const QString &source, const QString &folder, const QString &target, bool *unreadable = nullptr,
              QString *error = nullptr);
} // namespace SiteFiles
