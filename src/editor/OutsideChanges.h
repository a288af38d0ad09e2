#pragma once

#include "platform/TextFile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class EditorAccess;
class HtmlDocument;
class Prompts;

// The files of one open thing (a page; a project's outline and path list) as they are on disk.
using DiskState = std::vector<std::optional<FileStamp>>;
DiskState diskStateOf(const QStringList &paths);

// What to do when another program may have changed something this program has open. Each
// outside state is acted on once, so an answered question is not asked again for it.
class OutsideChanges {
public:
    enum class Action { None, Reload, AskToReload, KeepAsUnsaved };
    // Change signals come in bursts (an editor writes, renames, touches): acted on once quiet.
    static constexpr int kQuietMs = 300;

    // `known`: the files as this program last read or wrote them.
    Action next(const DiskState &known, const DiskState &onDisk, bool modified);

    // Acts on next(): an unmodified copy is reloaded, a modified one only after a Yes to
    // `question`; one with a file deleted stays as it is and is marked unsaved, so that
    // saving writes the files again.
    void settle(const DiskState &known, const DiskState &onDisk, bool modified, Prompts &prompts,
                const QString &question, const std::function<void()> &reload, const std::function<void()> &markUnsaved);

private:
    std::optional<DiskState> m_actedOn;
};

namespace OutsideChangeTexts {
QString reloadPage(const QString &path);
QString reloadProject(const QString &path);
} // namespace OutsideChangeTexts

// The page of the editing window read again from its file, the caret back on its line; false
// (and nothing changed) when the file cannot be read.
bool reloadKeepingCaretLine(HtmlDocument &document, EditorAccess &editor, QString *error = nullptr);
