#pragma once

#include <QString>

// Paths of the program folder: the executable's folder, always ending in "/".
QString withTrailingSeparator(const QString &folder);
QString programFolderOf(const QString &executableDir);

// The file-name part of a path: after the last "/" or "\" (paths written on Windows still split).
QString fileNamePart(const QString &path);
// The folder part of a path, ending in its separator; empty when there is none.
QString folderPart(const QString &path);
