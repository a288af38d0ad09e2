#include "BenchHarness.h"
#include "BenchPrompts.h"

#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "project/ProjectModel.h"
#include "tools/TFormBigReplace.h"
#include "tools/TFormCheckLinks.h"
#include "tools/TFormLoadSize.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {
constexpr int kPages = 10000;

// A page of about 10 KB: pictures, links and text lines, "old address" now and then. The links
// and pictures are found from the page's folder; each page has one link to a page that is
// gone and one to another site.
QByteArray pageText(int page)
{
    const auto pageLink = [](int target) {
        return "../section" + QByteArray::number(target / 100) + "/page" + QByteArray::number(target) + ".html";
    };
    QByteArray text = "<HTML><HEAD><TITLE>Page " + QByteArray::number(page) + "</TITLE></HEAD>\r\n";
    text += "<BODY BACKGROUND=\"../pics/back.gif\">\r\n";
    for (int i = 0; i < 5; ++i)
        text += "<IMG SRC=\"../pics/img" + QByteArray::number((page + i) % 20) + ".gif\" WIDTH=\"10\">\r\n";
    text += "<A HREF=\"http://www.example.com/\">elsewhere</A> <A HREF=\"old" + QByteArray::number(page) +
            ".html\">gone</A>\r\n";
    for (int line = 0; text.size() < 10000; ++line) {
        if (line % 10 == 0)
            text += "<A HREF=\"" + pageLink((page + line) % kPages) + "\">next page</A>\r\n";
        else if (line % 40 == 7)
            text += "<P>Write to our old address at the Old Street office, or phone us.</P>\r\n";
        else
            text += "<P>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.</P>\r\n";
    }
    return text + "</BODY></HTML>\r\n";
}

struct SiteFixture {
    QTemporaryDir dir;
    QString program;
    QString site;
    QString images;
    QStringList files;
    QList<QByteArray> originals;
    ProjectModel project;
    BenchPrompts prompts{true};
    SystemClock clock;
    ApplicationEventPump pump;
    std::unique_ptr<Settings> settings;
    AnalysisMemory memory;
    std::unique_ptr<TFormLoadSize> form;
    std::unique_ptr<TFormBigReplace> replaceForm;

    SiteFixture()
    {
        program = dir.path() + QLatin1Char('/');
        site = program + QStringLiteral("site/");
        images = program + QStringLiteral("images/");
        QDir root(program);
        root.mkpath(QStringLiteral("projects"));
        root.mkpath(QStringLiteral("backup"));
        root.mkpath(QStringLiteral("images"));
        root.mkpath(QStringLiteral("site/pics"));
        // The analysis looks for pictures in the image folder, Check Links beside the pages.
        for (const QString &folder : {images, site + QStringLiteral("pics/")}) {
            for (int i = 0; i < 20; ++i)
                write(folder + QStringLiteral("img%1.gif").arg(i), QByteArray(1000 + 97 * i, 'g'));
            write(folder + QStringLiteral("back.gif"), QByteArray(4321, 'b'));
        }
        QList<ProjectPage> pages;
        QByteArray outline, paths;
        for (int page = 0; page < kPages; ++page) {
            const QString folder = site + QStringLiteral("section%1/").arg(page / 100);
            if (page % 100 == 0)
                root.mkpath(folder);
            const QString file = folder + QStringLiteral("page%1.html").arg(page);
            originals << pageText(page);
            write(file, originals.last());
            files << file;
            pages.append({QStringLiteral("Page %1").arg(page), page % 100 == 0 ? 1 : 2});
            outline += (page % 100 == 0 ? "" : "\t") + QByteArray("Page ") + QByteArray::number(page) + "\r\n";
            paths += file.toUtf8() + "\r\n";
        }
        project.assign(pages, files);
        write(program + QStringLiteral("projects/big.out"), outline);
        write(program + QStringLiteral("projects/big.fil"), paths);
        settings = std::make_unique<Settings>(program);
        settings->setInMemory(SettingKey::ImagesFolder, images);
        qint64 bytes = 0;
        for (const QByteArray &text : std::as_const(originals))
            bytes += text.size();
        std::printf("  site tools: %d pages, %lld bytes\n", kPages, qlonglong(bytes));
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    void restorePages()
    {
        for (int i = 0; i < files.size(); ++i)
            write(files[i], originals[i]);
    }

    std::unique_ptr<TFormLoadSize> analysisWindow()
    {
        LoadSizeContext context;
        context.settings = settings.get();
        context.prompts = &prompts;
        context.clock = &clock;
        context.pump = &pump;
        context.memory = &memory;
        context.projectsFolder = program + QStringLiteral("projects/");
        context.projectName = QStringLiteral("big.out");
        context.project = project;
        context.selectedPage = 0;
        auto form = std::make_unique<TFormLoadSize>(std::move(context));
        form->show();
        QCoreApplication::processEvents();
        return form;
    }

    void runTool(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        process.waitForFinished(-1);
    }
};

std::vector<Benchmark> siteToolsBenchmarks()
{
    auto fixture = std::make_shared<SiteFixture>();

    // Each run starts with the window open, as the user sees it before pressing the button.
    Benchmark search;
    search.name = QStringLiteral("Show Me Where vs grep -c -i");
    search.prepare = [fixture] {
        fixture->form = fixture->analysisWindow();
        fixture->form->findChild<QLineEdit *>(QStringLiteral("EditSearch"))->setText(QStringLiteral("old address"));
    };
    search.ours = [fixture] {
        fixture->form->BitBtnFindClick();
        QCoreApplication::processEvents();
    };
    search.baseline = [fixture] {
        fixture->runTool(QStringLiteral("grep"),
                         QStringList{QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("old address")} +
                             fixture->files);
    };

    Benchmark replace;
    replace.name = QStringLiteral("Extended Replace vs sed -i");
    replace.prepare = [fixture] {
        fixture->restorePages();
        BigReplaceContext context;
        context.settings = fixture->settings.get();
        context.prompts = &fixture->prompts;
        context.clock = &fixture->clock;
        context.pump = &fixture->pump;
        context.programFolder = fixture->program;
        context.projectsFolder = fixture->program + QStringLiteral("projects/");
        context.projectName = QStringLiteral("big.out");
        fixture->replaceForm = std::make_unique<TFormBigReplace>(std::move(context));
        fixture->replaceForm->show();
        fixture->replaceForm->findChild<QLineEdit *>(QStringLiteral("EditText"))->setText(QStringLiteral("old"));
        fixture->replaceForm->findChild<QLineEdit *>(QStringLiteral("EditReplacement"))->setText(QStringLiteral("new"));
        QCoreApplication::processEvents();
    };
    replace.ours = [fixture] {
        fixture->replaceForm->findChild<QPushButton *>(QStringLiteral("BitBtnReplaceAll"))->click();
        QCoreApplication::processEvents();
    };
    replace.baseline = [fixture] {
        fixture->runTool(QStringLiteral("sed"),
                         QStringList{QStringLiteral("-i"), QStringLiteral("s/old/new/g")} + fixture->files);
    };

    Benchmark analysis;
    analysis.name = QStringLiteral("Analyze Site vs grep -c");
    analysis.prepare = [fixture] { fixture->form = fixture->analysisWindow(); };
    analysis.ours = [fixture] {
        fixture->form->BitBtnAnalyzeSiteClick();
        QCoreApplication::processEvents();
    };
    analysis.baseline = [fixture] {
        fixture->runTool(QStringLiteral("grep"),
                         QStringList{QStringLiteral("-c"), QStringLiteral("gif")} + fixture->files);
    };
    return {search, replace, analysis};
}

std::vector<Benchmark> checkLinksBenchmarks()
{
    auto fixture = std::make_shared<SiteFixture>();
    auto form = std::make_shared<std::unique_ptr<TFormCheckLinks>>();

    // The window open, as the user sees it before the check starts.
    Benchmark check;
    check.name = QStringLiteral("check links vs grep -c -i href");
    check.prepare = [fixture, form] {
        *form = std::make_unique<TFormCheckLinks>(fixture->prompts, fixture->pump);
        (*form)->show();
        QCoreApplication::processEvents();
    };
    check.ours = [fixture, form] {
        (*form)->checkPages(QStringLiteral("big.out"), fixture->files);
        QCoreApplication::processEvents();
    };
    check.baseline = [fixture] {
        fixture->runTool(QStringLiteral("grep"),
                         QStringList{QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("href")} +
                             fixture->files);
    };
    return {check};
}

const int registered = registerBenchmarks("sitetools", siteToolsBenchmarks);
const int registeredCheckLinks = registerBenchmarks("checklinks", checkLinksBenchmarks);
} // namespace
