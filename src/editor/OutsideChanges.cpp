#include "editor/OutsideChanges.h"

#include "editor/EditorAccess.h"
#include "editor/HtmlDocument.h"
#include "platform/Prompts.h"

#include <algorithm>

DiskState diskStateOf(const QStringList &paths)
{
    DiskState state;
    state.reserve(paths.size());
    for (const QString &path : paths)
        state.push_back(fileStamp(path));
    return state;
}

OutsideChanges::Action OutsideChanges::next(const DiskState &known, const DiskState &onDisk, bool modified)
{
    if (onDisk == known) {
        m_actedOn.reset(); // in step again, so the next outside change counts
        return Action::None;
    }
    if (m_actedOn == onDisk)
        return Action::None;
    m_actedOn = onDisk;
    if (std::ranges::any_of(onDisk, [](const std::optional<FileStamp> &file) { return !file; }))
        return Action::KeepAsUnsaved;
    return modified ? Action::AskToReload : Action::Reload;
}

void OutsideChanges::settle(const DiskState &known, const DiskState &onDisk, bool modified, Prompts &prompts,
                            const QString &question, const std::function<void()> &reload,
                            const std::function<void()> &markUnsaved)
{
    switch (next(known, onDisk, modified)) {
    case Action::None:
        return;
    case Action::KeepAsUnsaved:
        markUnsaved();
        return;
    case Action::AskToReload:
        if (!prompts.confirm(question))
            return;
        [[fallthrough]];
    case Action::Reload:
        reload();
        return;
    }
}

QString OutsideChangeTexts::reloadPage(const QString &path)
{
    return QStringLiteral("\"%1\" was changed by another program.\n\nReload it and lose the changes in the editing "
                          "window?\n\nYes: load the file as it is now.  No: keep your text (saving will ask before "
                          "replacing the file).")
        .arg(path);
}

QString OutsideChangeTexts::reloadProject(const QString &path)
{
    return QStringLiteral("The project file \"%1\" was changed by another program.\n\nReload the project and lose "
                          "your changes to it?")
        .arg(path);
}

bool reloadKeepingCaretLine(HtmlDocument &document, EditorAccess &editor, QString *error)
{
    const int line = LineBreaks::lineOfOffset(editor.lines(), editor.selStart());
    if (!document.load(document.openFileName(), error))
        return false;
    const QStringList lines = editor.lines();
    editor.setSelection(LineBreaks::lineStart(lines, std::min(line, int(lines.size()) - 1)), 0);
    return true;
}
