#pragma once

#include "dialogs/SortedEntries.h"

#include <QStringList>

#include <optional>

// The custom tags: entries "name * <start><end>", kept sorted, stored in custom.dat.
namespace CustomTagTexts {
inline const QString selectHeader = QStringLiteral("  Select a Custom Tag to Insert");
inline const QString noneHeader = QStringLiteral(" NONE");
inline const QString fileName = QStringLiteral("custom.dat");
} // namespace CustomTagTexts

class CustomTagList final : public SortedLineFile {
public:
    static QString entryLine(const QString &name, const QString &startTag, const QString &endTag);

    // The drop-down's items: the two header items on top, then the entries.
    QStringList comboItems() const;
    static bool isHeaderItem(int comboIndex) { return comboIndex < 2; }

    int add(const QString &entry);
    void replaceAll(const QStringList &entries);
};

// Typing in the add dialog's tag fields normalises them after each key.
struct NormalisedTag {
    QString text;
    int caret = 0;
};
struct NormalisedStart {
    NormalisedTag start;
    std::optional<QString> endTag; // the end tag that goes with it; none while the start is empty
};
NormalisedStart normaliseStartTag(const QString &typed);
NormalisedTag normaliseEndTag(const QString &typed);

// The add dialog's checks, in order; the first failure is reported.
enum class CustomTagProblem {
    None,
    NameEmpty,
    NameStartsWithBlank,
    NameHasForbiddenCharacter,
    StartMissing,
    EndMissing
};
CustomTagProblem checkCustomTag(const QString &name, const QString &startTag, const QString &endTag);
