#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class Settings;

// The five colours of Power BODY, 0x00BBGGRR.
struct BodyColours {
    quint32 background = 0xFFFFFF;
    quint32 text = 0x000000;
    quint32 link = 0xFF0000;
    quint32 visitedLink = 0x800080;
    quint32 activeLink = 0xA00000;
};

// Read from OPTIONS.INI at each opening (a key missing or unreadable keeps its default) and
// written back as decimal values; the in-memory settings follow.
BodyColours readBodyColours(const Settings &settings);
void storeBodyColours(Settings &settings, const BodyColours &colours);

// Everything of the dialog that goes into its text.
struct BodyFields {
    BodyColours colours;
    bool tiledImage = false;
    QString imagePath; // full path of the chosen background image; empty when none
    bool insertPath = false;
    QString pathPrefix;
    bool endBodyTag = false;
    bool html = false;
    bool head = false;
    bool title = false;
    bool meta = false;
    QString titleText;
    QString description;
    QString keywords;
};

namespace BodyTagBuilder {

// The file name after the last "\", "/" or ":".
QString bareFileName(const QString &path);
// What goes between the BACKGROUND quotes.
QString imageReference(const BodyFields &fields);
QString bodyTag(const BodyFields &fields);
QStringList resultLines(const BodyFields &fields);
// The lines, each ended by CR LF.
QString resultText(const BodyFields &fields);

} // namespace BodyTagBuilder
