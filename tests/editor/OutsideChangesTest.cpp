// What is done about another program's changes: acted on once each, and only a modified
// page or project is asked about.
#include "editor/OutsideChanges.h"

#include <gtest/gtest.h>

namespace {
using Action = OutsideChanges::Action;

DiskState state(qint64 modifiedNs)
{
    return {FileStamp{1, 7, 10, modifiedNs}};
}
const DiskState kDeleted{std::nullopt};

TEST(OutsideChangesTest, EachOutsideStateIsActedOnOnce)
{
    const DiskState known = state(100);
    struct Step {
        const char *what;
        DiskState onDisk;
        bool modified;
        Action expected;
    };
    const Step steps[] = {
        {"in step", known, false, Action::None},
        {"changed, unmodified", state(200), false, Action::Reload},
        {"the same change signalled again", state(200), false, Action::None},
        {"changed again, now modified", state(300), true, Action::AskToReload},
        {"the answered change, signalled again", state(300), true, Action::None},
        {"deleted", kDeleted, true, Action::KeepAsUnsaved},
        {"still deleted", kDeleted, true, Action::None},
        {"put back with other contents", state(400), true, Action::AskToReload},
        {"back in step (the program saved)", known, true, Action::None},
        {"a change equal to one acted on before the step", state(300), false, Action::Reload},
    };
    OutsideChanges changes;
    for (const Step &step : steps)
        EXPECT_EQ(changes.next(known, step.onDisk, step.modified), step.expected) << step.what;
}

TEST(OutsideChangesTest, AProjectWithEitherFileGoneIsKeptUnsaved)
{
    // Its outline and its path list: reading half a project back would lose the other half.
    const DiskState known{FileStamp{1, 1, 5, 1}, FileStamp{1, 2, 5, 1}};
    const FileStamp changed{1, 3, 6, 2};
    OutsideChanges changes;
    EXPECT_EQ(changes.next(known, {known[0], changed}, false), Action::Reload);
    EXPECT_EQ(changes.next(known, {known[0], std::nullopt}, false), Action::KeepAsUnsaved);
    EXPECT_EQ(changes.next(known, {std::nullopt, known[1]}, false), Action::KeepAsUnsaved);
}
} // namespace
