#include "platform/FileDialogFilter.h"

#include <gtest/gtest.h>

TEST(FileDialogFilter, TurnsPipeFormIntoQtFilters)
{
    struct Case {
        const char *name;
        QString pipe;
        QStringList expected;
    };
    const Case cases[] = {
        {"two entries",
         QStringLiteral("HTML Files|*.html;*.htm|All Files|*.*"),
         {QStringLiteral("HTML Files (*.html *.htm)"), QStringLiteral("All Files (*)")}},
        {"one entry", QStringLiteral("Text|*.txt"), {QStringLiteral("Text (*.txt)")}},
        {"name without patterns dropped", QStringLiteral("Text|*.txt|Orphan"), {QStringLiteral("Text (*.txt)")}},
        {"blanks around parts", QStringLiteral("Images | *.png ; *.jpg "), {QStringLiteral("Images (*.png *.jpg)")}},
        {"empty", QString(), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(qtFileFilters(c.pipe), c.expected);
    }
}

TEST(FileDialogFilter, PicksEntryByOneBasedIndexOrFirst)
{
    const QString pipe = QStringLiteral("HTML Files|*.html;*.htm|Text|*.txt|All Files|*.*");
    const QString html = QStringLiteral("HTML Files (*.html *.htm)");
    struct Case {
        int index;
        QString expected;
    };
    const Case cases[] = {
        {1, html},  {2, QStringLiteral("Text (*.txt)")}, {3, QStringLiteral("All Files (*)")}, {0, html}, {4, html},
        {-1, html},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(qtFileFilterAt(pipe, c.index), c.expected);
    }
    EXPECT_EQ(qtFileFilterAt(QString(), 1), QString());
}
