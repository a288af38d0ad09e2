#pragma once

#include "platform/TextFile.h"

#include <QString>

#include <optional>

class Settings;

inline const QString kPreviewCopyName = QStringLiteral("$$temp.htm");
inline const QString kHelpPreviewCopy = QStringLiteral("help/$$temp.html");

// The preview modes as stored in [Location] PreviewOption, and their margin letters.
namespace PreviewModes {
inline const QString autoSave = QStringLiteral("auto");
inline const QString temp = QStringLiteral("temp");
inline const QString noSave = QStringLiteral("nosave");
inline const QString letterAuto = QStringLiteral("S");
inline const QString letterTemp = QStringLiteral("T");
inline const QString letterNoSave = QStringLiteral("N");

// "T" unless the mode is exactly "auto" ("S") or "nosave" ("N").
QString letterFor(const QString &mode);

struct Step {
    QString letter;
    QString mode;
};
// The double-click cycle S -> T -> N -> S; any other letter counts as "N".
Step next(const QString &letter);
} // namespace PreviewModes

// What the preview needs to know about the document of the editing window.
struct PreviewDocument {
    QString openFileName;
    QString untitledName;
    bool modified = false;
    QString text; // '\n' line breaks
    TextFormat format;
};

struct PreviewChoice {
    QString path;                      // empty: nothing to show (unknown preview mode)
    bool saveDocumentFirst = false;    // "auto": the document's own save comes first
    bool isCopy = false;               // `path` is a preview copy written for this preview
    std::optional<QString> writeError; // the preview copy could not be written
};

// Decides which file the browser shows and writes the copy that needs.
PreviewChoice choosePreviewFile(const PreviewDocument &document, const Settings &settings);
