#pragma once

#include <QString>

// A folder path ending in its separator ("/" added when it has none); empty stays empty.
QString withTrailingSeparator(const QString &folder);

// The file-name part of a path: after the last "/" or "\" (paths written on Windows still split).
QString fileNamePart(const QString &path);
// The folder part of a path, ending in its separator; empty when there is none.
QString folderPart(const QString &path);
