#include "preview/PreviewFile.h"

#include "config/Settings.h"
#include "platform/ProgramFolder.h"

QString PreviewModes::letterFor(const QString &mode)
{
    if (mode == autoSave)
        return letterAuto;
    if (mode == noSave)
        return letterNoSave;
    return letterTemp;
}

PreviewModes::Step PreviewModes::next(const QString &letter)
{
    if (letter == letterAuto)
        return {letterTemp, temp};
    if (letter == letterTemp)
        return {letterNoSave, noSave};
    return {letterAuto, autoSave};
}

namespace {
std::optional<QString> writeCopy(const QString &path, const PreviewDocument &document)
{
    QString error;
    if (writeTextFileAtomically(path, document.text, document.format, nullptr, &error))
        return std::nullopt;
    return error.isEmpty() ? path : error;
}
} // namespace

PreviewChoice choosePreviewFile(const PreviewDocument &document, const Settings &settings)
{
    PreviewChoice choice;
    // A never saved document has no folder of its own: its copy goes where Open last looked.
    if (document.openFileName == document.untitledName && document.modified) {
        choice.path = withTrailingSeparator(settings.text(SettingKey::StartLocation)) + kPreviewCopyName;
        choice.isCopy = true;
        choice.writeError = writeCopy(choice.path, document);
        return choice;
    }
    const QString mode = settings.text(SettingKey::PreviewOption);
    if (mode == PreviewModes::autoSave) {
        // Saved as Save HTML File saves: a failure is told and leaves the document modified.
        choice.saveDocumentFirst = true;
        choice.path = document.openFileName;
    } else if (mode == PreviewModes::noSave) {
        choice.path = document.openFileName;
    } else if (mode == PreviewModes::temp) {
        choice.path = folderPart(document.openFileName) + kPreviewCopyName;
        choice.isCopy = true;
        choice.writeError = writeCopy(choice.path, document);
    }
    return choice;
}
