#include "BenchHarness.h"
#include "BenchPrompts.h"

#include "config/HtmlExtensions.h"
#include "config/Settings.h"
#include "editor/BufferEditorAccess.h"
#include "imaging/PictureComponent.h"
#include "project/FilesPanel.h"
#include "project/FilesTab.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QListWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

// A host that takes whatever the tab hands over; the listing is what is timed.
class BenchFilesHost final : public FilesTabHost {
public:
    Answer askToSaveDocument() override { return Answer::No; }
    bool loadDocument(const QString &, QString *) override { return false; }
    void showPageInBrowserPane(const QString &) override {}
    EditorAccess &editorAccess() override { return editor; }
    void setDocumentModified() override {}
    void showStatus(int, const QString &) override {}
    void openPictureInPowerImg(const QString &) override {}
    QString pageFolder() const override { return {}; }
    QString projectFolder() const override { return {}; }

    BufferEditorAccess editor;
};

// A photo-sized JPEG with detail everywhere, so decoding it is real work.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x ^ y) & 0xFF, (x * 3 + y) & 0xFF, (x + y * 7) & 0xFF);
    }
    return image;
}

struct ImageFixture {
    QTemporaryDir dir;
    QString jpeg;
    QString folder;
    BenchPrompts prompts;
    std::unique_ptr<PictureComponent> measurer;
    std::unique_ptr<Settings> settings;
    BenchFilesHost host;
    std::unique_ptr<FilesTab> tab;
};

std::vector<Benchmark> imageBenchmarks()
{
    auto fixture = std::make_shared<ImageFixture>();
    fixture->jpeg = fixture->dir.filePath(QStringLiteral("photo.jpg"));
    QImageWriter writer(fixture->jpeg, "jpeg");
    writer.setQuality(90);
    writer.write(photo(6000, 4000));
    fixture->measurer = std::make_unique<PictureComponent>(fixture->prompts);
    fixture->measurer->setMeasureOnly(true);

    Benchmark measure;
    measure.name = QStringLiteral("measure 6000x4000 JPEG for IMG tag");
    measure.ours = [fixture] {
        fixture->measurer->reset();
        fixture->measurer->load(fixture->jpeg);
        if (fixture->measurer->facts().width != 6000)
            qFatal("measuring failed");
    };
    measure.baseline = [fixture] {
        QImageReader reader(fixture->jpeg);
        reader.setAllocationLimit(512);
        if (reader.read().width() != 6000)
            qFatal("decoding failed");
    };
    measure.rounds = 5;

    fixture->folder = fixture->dir.filePath(QStringLiteral("site"));
    QDir().mkpath(fixture->folder);
    static const char *const kinds[] = {".html", ".htm", ".gif", ".jpg", ".txt"};
    for (int i = 0; i < 20000; ++i) {
        QFile file(fixture->folder + QStringLiteral("/file%1").arg(i, 5, 10, QLatin1Char('0')) +
                   QLatin1String(kinds[i % 5]));
        file.open(QIODevice::WriteOnly);
    }
    fixture->settings = std::make_unique<Settings>(fixture->dir.path() + QLatin1Char('/'));
    fixture->settings->setInMemory(SettingKey::FilesLocation, fixture->folder);
    fixture->tab = std::make_unique<FilesTab>(*fixture->settings, fixture->prompts,
                                              buildHtmlFileMasks(defaultHtmlExtensions()), fixture->host);
    fixture->tab->resize(220, 600);
    fixture->tab->show();

    Benchmark listing;
    listing.name = QStringLiteral("list a folder of 20 000 files");
    listing.ours = [fixture] {
        fixture->tab->PageControl1Change(); // reads the folder, fills both lists
        if (fixture->tab->findChild<QListWidget *>(QStringLiteral("ListBox2"))->count() != 20000)
            qFatal("listing failed");
    };
    listing.baseline = [fixture] {
        if (QDir(fixture->folder).entryList(QDir::Files).size() != 20000)
            qFatal("listing failed");
    };
    return {measure, listing};
}

const int registered = registerBenchmarks("imaging", imageBenchmarks);
} // namespace
