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
    const TextFileResult result = writeTextFileAtomically(path, document.text, document.format);
    if (result.ok)
        return std::nullopt;
    return result.error.isEmpty() ? path : result.error;
}
} // namespace

PreviewChoice choosePreviewFile(const PreviewDocument &document, const Settings &settings)
{
    PreviewChoice choice;
    // A never saved document has no folder of its own: its copy goes where Open last looked.
    if (document.openFileName == document.untitledName && document.modified) {
        choice.path = withTrailingSeparator(settings.text(SettingKey::StartLocation)) + kPreviewCopyName;
        choice.writeError = writeCopy(choice.path, document);
        return choice;
    }
    const QString mode = settings.text(SettingKey::PreviewOption);
    if (mode == PreviewModes::autoSave) {
        writeCopy(document.openFileName, document); // a failed save is not the preview's concern
        choice.clearModified = true;
        choice.path = document.openFileName;
    } else if (mode == PreviewModes::noSave) {
        choice.path = document.openFileName;
    } else if (mode == PreviewModes::temp) {
        choice.path = folderPart(document.openFileName) + kPreviewCopyName;
        choice.writeError = writeCopy(choice.path, document);
    }
    return choice;
}
