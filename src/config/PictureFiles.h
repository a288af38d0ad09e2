#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The files every window treats as web pictures, and how a page names one.
namespace PictureFiles {

// ".png", ".jpeg", ".jpg", ".gif", ".svg", ".webp": lower case, with the dot.
const QStringList &extensions();
// "*.png;*.jpeg;..." for file lists and file dialogs.
QString masks();
// The extension of the name (from its last dot) is one of the list, in any case.
bool isPicture(QStringView fileName);

// A page names a picture as a folder prefix followed directly by the file name; the
// prefix is used as given (no separator added) and neither part changes case.
QString source(const QString &prefix, const QString &fileName);
// The picture's path as seen from the page's folder, with "/" between folders
// ("images/logo.gif", "../pics/a.png"); the bare name when both share one folder.
QString relativeTo(const QString &pageFolder, const QString &picturePath);

} // namespace PictureFiles
