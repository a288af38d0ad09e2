#pragma once

#include "project/ProjectModel.h"

#include <QString>

#include <optional>

// The working list of the "Move Pages within Site" dialog: one line per page in outline order.
// The first page never moves; a line's descendants are the lines after it with a greater level.
class MoveList final {
public:
    struct Line {
        int level = 1;
        QString title;
        QString path;
    };

    // What an operation did: the line to select afterwards, or a refusal to show.
    struct Outcome {
        int selected = -1;
        std::optional<QString> message;
    };

    static MoveList fromProject(const QList<ProjectPage> &pages, const QStringList &paths);

    const QList<Line> &lines() const { return m_lines; }
    int descendantCount(int line) const;
    // The text the dialog shows for a line: four blanks per level below the first, then the title.
    QString displayText(int line) const;

    Outcome moveUp(int line);
    Outcome moveDown(int line);
    Outcome moveIn(int line);
    Outcome moveOut(int line);

    // Back to the project: titles whole (title and path are kept apart, no marker between them).
    QList<ProjectPage> pages() const;
    QStringList paths() const;

private:
    bool movable(int line) const { return line >= 1 && line < m_lines.size(); }
    void relevel(int first, int count, int by);

    QList<Line> m_lines;
};

namespace MoveTexts {
inline const QString onlyChildrenBelow =
    QStringLiteral("This item only has children elements below it. It cannot be moved down a level.");
inline const QString cannotIndent =
    QStringLiteral("Cannot indent this item. Items can only be one level lower than their parents.");
} // namespace MoveTexts
