#include "editor/HtmlDocument.h"
#include "editor/RichEditAccess.h"
#include "testsupport/MainWindowFixture.h"

#include <QDir>

using CommandLineWindowTest = MainWindowFixture;

// Files named on the command line: pages open in the editing window, a project as the
// project; what cannot be read is reported and start-up goes on.
TEST_F(CommandLineWindowTest, NamedFilesOpenOnceTheWindowIsUp)
{
    const QString page = folder.write("site/index.html", "<P>Hi</P>\r\n");
    const QString project = folder.write("projects/site.out", "Home\r\n");
    folder.write("projects/site.fil", (page + "\r\n").toUtf8());
    QDir().mkpath(folder.file("folder.html"));
    struct Case {
        const char *what;
        QStringList files;
        QString text;        // in the editing window afterwards
        QString projectName; // afterwards
        const char *message; // shown, or nullptr
    };
    const Case cases[] = {
        {"a page", {page}, "<P>Hi</P>\n", "", nullptr},
        {"a project", {project}, "", "site.out", nullptr},
        {"a project and a page", {project, page}, "<P>Hi</P>\n", "site.out", nullptr},
        {"a missing page", {folder.file("gone.html")}, "", "", "Cannot open this file."},
        {"a folder named like a page", {folder.file("folder.html")}, "", "", "Cannot open this file."},
        {"a missing project", {folder.file("projects/gone.out")}, "", "", "Error opening this project."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TForm1 &w = start();
        prompts.clear();
        if (c.message)
            prompts.expectInformation();
        w.openFiles(c.files);
        EXPECT_EQ(w.editorAccess().plainText(), c.text);
        EXPECT_EQ(w.projectName(), c.projectName);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(w.document().openFileName(), page);
        }
        if (!c.projectName.isEmpty()) {
            EXPECT_EQ(w.project().paths(), QStringList{page});
        }
        if (c.message) {
            EXPECT_TRUE(prompts.last().text.startsWith(QLatin1String(c.message))) << prompts.last().text.toStdString();
            if (!c.files.first().endsWith(".out")) {
                EXPECT_TRUE(prompts.last().text.contains(c.files.first())); // and why that file could not be read
            }
        } else
            EXPECT_TRUE(prompts.shown().empty());
    }
}
