#pragma once

#include <QStringList>

class EditorAccess;

// The floating tag panel's two lists and what a double-click on an entry inserts.
namespace TagPanel {
const QStringList &tagEntries();       // 100 entries; "." marks where the selection goes
const QStringList &attributeEntries(); // 72 entries

// Wraps the selection: before "." + selection + after "."; the selection stays selected
// (with none, the caret ends where the "." stood). An entry without "." goes in front.
void insertTag(EditorAccess &editor, const QString &entry);
// The entry in front of the selected text, the caret right after the entry.
void insertAttribute(EditorAccess &editor, const QString &entry);
} // namespace TagPanel
