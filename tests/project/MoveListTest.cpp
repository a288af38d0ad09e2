#include "project/MoveList.h"

#include <gtest/gtest.h>

namespace {
// A list written as "title:level" items, paths "/title".
MoveList listOf(const QStringList &items)
{
    QList<ProjectPage> pages;
    QStringList paths;
    for (const QString &item : items) {
        const QStringList parts = item.split(':');
        pages.append({parts[0], parts[1].toInt()});
        paths.append("/" + parts[0]);
    }
    return MoveList::fromProject(pages, paths);
}

QStringList itemsOf(const MoveList &list)
{
    QStringList items;
    for (const MoveList::Line &l : list.lines()) {
        EXPECT_EQ(l.path, "/" + l.title);
        items << QStringLiteral("%1:%2").arg(l.title).arg(l.level);
    }
    return items;
}

enum class Op { Up, Down, In, Out };
} // namespace

TEST(MoveList, Rules)
{
    struct Case {
        const char *what;
        QStringList before;
        Op op;
        int line;
        QStringList after;
        int selected;
        const char *message;
    };
    const Case cases[] = {
        {"the first page never moves", {"A:1", "B:1"}, Op::Down, 0, {"A:1", "B:1"}, 0, nullptr},
        {"up at line 1, level 1: nothing", {"A:1", "B:1"}, Op::Up, 1, {"A:1", "B:1"}, 1, nullptr},
        {"up at line 1, level 2: un-indents with children",
         {"A:1", "B:2", "C:3"},
         Op::Up,
         1,
         {"A:1", "B:1", "C:2"},
         1,
         nullptr},
        {"up past a sibling with sub-pages: becomes its sub-page",
         {"A:1", "B:1", "B1:2", "C:1"},
         Op::Up,
         3,
         {"A:1", "B:1", "C:2", "B1:2"},
         2,
         nullptr},
        {"one more up: a sibling again, above it",
         {"A:1", "B:1", "C:2", "B1:2"},
         Op::Up,
         2,
         {"A:1", "C:1", "B:1", "B1:2"},
         1,
         nullptr},
        {"up with a family",
         {"A:1", "B:1", "C:1", "C1:2", "C2:2"},
         Op::Up,
         2,
         {"A:1", "C:1", "C1:2", "C2:2", "B:1"},
         1,
         nullptr},
        {"up with a family re-levels it",
         {"A:1", "B:1", "B1:2", "C:1", "C1:2"},
         Op::Up,
         3,
         {"A:1", "B:1", "C:2", "C1:3", "B1:2"},
         2,
         nullptr},
        {"down the last line un-indents it", {"A:1", "B:2"}, Op::Down, 1, {"A:1", "B:1"}, 1, nullptr},
        {"down a level-1 last line: nothing", {"A:1", "B:1"}, Op::Down, 1, {"A:1", "B:1"}, 1, nullptr},
        {"down with only children below refuses",
         {"A:1", "B:1", "B1:2"},
         Op::Down,
         1,
         {"A:1", "B:1", "B1:2"},
         1,
         "This item only has children elements below it. It cannot be moved down a level."},
        {"down past a plain sibling",
         {"A:1", "B:1", "C:1", "D:1"},
         Op::Down,
         1,
         {"A:1", "C:1", "B:1", "D:1"},
         2,
         nullptr},
        {"down into the next page's family",
         {"A:1", "B:1", "C:1", "C1:2"},
         Op::Down,
         1,
         {"A:1", "C:1", "B:2", "C1:2"},
         2,
         nullptr},
        {"down out of a family takes the next level",
         {"A:1", "B:1", "B1:2", "C:1", "D:1"},
         Op::Down,
         2,
         {"A:1", "B:1", "C:1", "B1:1", "D:1"},
         3,
         nullptr},
        {"down with a family past a plain page",
         {"A:1", "B:1", "B1:2", "C:1", "D:1"},
         Op::Down,
         1,
         {"A:1", "C:1", "B:1", "B1:2", "D:1"},
         2,
         nullptr},
        {"down with a family into a family",
         {"A:1", "B:1", "B1:2", "C:1", "C1:2"},
         Op::Down,
         1,
         {"A:1", "C:1", "B:2", "B1:3", "C1:2"},
         2,
         nullptr},
        {"in under a sibling", {"A:1", "B:1", "B1:2"}, Op::In, 1, {"A:1", "B:2", "B1:3"}, 1, nullptr},
        {"in deeper than the parent allows refuses",
         {"A:1", "B:2", "C:2", "D:3"},
         Op::In,
         3,
         {"A:1", "B:2", "C:2", "D:3"},
         3,
         "Cannot indent this item. Items can only be one level lower than their parents."},
        {"out with children", {"A:1", "B:2", "B1:3"}, Op::Out, 1, {"A:1", "B:1", "B1:2"}, 1, nullptr},
        {"out at level 1: nothing", {"A:1", "B:1"}, Op::Out, 1, {"A:1", "B:1"}, 1, nullptr},
        {"nothing selected", {"A:1", "B:1"}, Op::Up, -1, {"A:1", "B:1"}, -1, nullptr},
    };
    for (const Case &c : cases) {
        MoveList list = listOf(c.before);
        MoveList::Outcome outcome;
        switch (c.op) {
        case Op::Up:
            outcome = list.moveUp(c.line);
            break;
        case Op::Down:
            outcome = list.moveDown(c.line);
            break;
        case Op::In:
            outcome = list.moveIn(c.line);
            break;
        case Op::Out:
            outcome = list.moveOut(c.line);
            break;
        }
        EXPECT_EQ(itemsOf(list), c.after) << c.what;
        EXPECT_EQ(outcome.selected, c.selected) << c.what;
        EXPECT_EQ(outcome.message.value_or(QString()), c.message ? QString(QLatin1String(c.message)) : QString())
            << c.what;
    }
}

// The list keeps title and path apart, so a title holding the old markers comes back whole.
TEST(MoveList, BackToTheProjectKeepsTitlesWhole)
{
    const MoveList list = MoveList::fromProject({{"News>>old&&&x", 1}, {"Plain", 2}}, {"/n.html", "/p.html"});
    EXPECT_EQ(list.pages(), (QList<ProjectPage>{{"News>>old&&&x", 1}, {"Plain", 2}}));
    EXPECT_EQ(list.paths(), QStringList({"/n.html", "/p.html"}));
    EXPECT_EQ(list.displayText(1), "    Plain");
}
