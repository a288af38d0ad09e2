#include "editor/RichEditAccess.h"
#include "platform/AppFolders.h"
#include "preview/PageView.h"
#include "spell/SpellDialogHost.h"
#include "spell/TSpellEngineDialog.h"
#include "testsupport/MainWindowFixture.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QString kPrefix = QStringLiteral(TOVAREL_INSTALL_PREFIX "/");
const QString kAppId = QStringLiteral(TOVAREL_APP_ID);
const QString kBigTag = QStringLiteral("Big * <BIG></BIG>"); // the custom tag the first user adds

// Every file and folder under `root` with its permissions and, for files, a hash of its bytes.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString state = QString::number(int(it.fileInfo().permissions()), 16);
        QFile file(path);
        if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
            state += QLatin1Char(' ') +
                     QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        entries.insert(path.mid(root.size()), state);
    }
    return entries;
}

// HOME and XDG_DATA_HOME point at one temporary home while an object of this lives.
class ScopedHome final {
public:
    explicit ScopedHome(const QString &home) : m_home(qgetenv("HOME")), m_data(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home + QStringLiteral(".local/share")).toLocal8Bit());
    }
    ~ScopedHome()
    {
        qputenv("HOME", m_home);
        qputenv("XDG_DATA_HOME", m_data);
    }

private:
    QByteArray m_home;
    QByteArray m_data;
};

// The main window as the installed program builds it, for the user whose home is set.
class InstalledProgramTest : public MainWindowFixture {
protected:
    TForm1 &startInstalled()
    {
        installedFolders = AppFolders::forExecutable(kPrefix + QStringLiteral("bin"));
        return start();
    }

    // Adds a page to the project through the page dialog.
    void addPage(const QString &title, const QString &path)
    {
        whenModal([title, path](QDialog *d) {
            d->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(title);
            d->findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(path);
            d->findChild<QPushButton *>(QStringLiteral("ButtonOK"))->click();
        });
        click(QStringLiteral("Button1"));
    }

    void addCustomTag(const QString &name, const QString &start)
    {
        whenModal([name, start](QDialog *d) {
            for (auto [field, text] : {std::pair{"EditName", name}, std::pair{"EditStart", start}}) {
                auto *edit = d->findChild<QLineEdit *>(QLatin1String(field));
                edit->clear(); // the start field opens holding "<>"
                QTest::keyClicks(edit, text);
            }
            d->findChild<QPushButton *>(QStringLiteral("ButtonAddTag"))->click();
        });
        click(QStringLiteral("BitBtnCustomAdd"));
    }

    // Spell-checks `text`; the spell dialog, once it shows, is answered with Add.
    void spellCheckAddingWords(const QString &text)
    {
        window().editorAccess().setPlainText(text);
        window().editorAccess().setSelection(0, 0);
        auto *timer = new QTimer(&window());
        QObject::connect(timer, &QTimer::timeout, &window(), [this] {
            auto *dialog = window().findChild<TSpellEngineDialog *>();
            if (dialog && dialog->isVisible())
                QTest::mouseClick(dialog->button(SpellElement::Add), Qt::LeftButton);
        });
        timer->start(10);
        prompts.expectInformation(); // the end-of-check message
        click(QStringLiteral("BitBtnSpellCheck"));
        timer->deleteLater();
    }

    QStringList customTags() const
    {
        QStringList tags;
        auto *combo = control<QComboBox>(QStringLiteral("ComboCustom"));
        for (int i = 0; i < combo->count(); ++i)
            tags << combo->itemText(i);
        return tags;
    }
};
} // namespace

TEST_F(InstalledProgramTest, EachUserKeepsTheirOwnFilesAndThePrefixStaysUntouched)
{
    const QMap<QString, QString> prefixBefore = snapshot(kPrefix);
    for (const char *dictionary : {"american", "british", "canadian", "german", "french", "spanish"})
        ASSERT_TRUE(prefixBefore.contains(QStringLiteral("share/tovarel/spell/%1.dct").arg(QLatin1String(dictionary))))
            << dictionary;
    TempProgramFolder firstHome;
    const QString page = firstHome.write(QStringLiteral("site/index.html"), "<P>Hello</P>\r\n");
    const QString userFolder = firstHome.file(QStringLiteral(".local/share/tovarel/"));
    const QString project = userFolder + QStringLiteral("projects/site.out");
    {
        const ScopedHome home(firstHome.path());
        TForm1 &w = startInstalled();
        ASSERT_TRUE(w.settings().folders().isInstalled());
        EXPECT_EQ(w.settings().folders().writable(), userFolder);
        EXPECT_EQ(w.projectsFolder(), userFolder + QStringLiteral("projects/"));

        addPage(QStringLiteral("Home"), page);
        prompts.expectSaveFile(project);
        trigger(QStringLiteral("Save1"));
        click(QStringLiteral("CheckWrap")); // word wrap off, written at once
        addCustomTag(QStringLiteral("Big"), QStringLiteral("<BIG>"));
        EXPECT_TRUE(customTags().contains(kBigTag)) << customTags().join(QLatin1Char('|')).toStdString();
        prompts.clear();
        spellCheckAddingWords(QStringLiteral("Hello zqxtovarel"));
        EXPECT_EQ(prompts.last().text.toStdString(), "Spell Check Complete.\n\nWords Checked: 2");
        EXPECT_TRUE(w.close());
    }
    {
        SCOPED_TRACE("the same user starts again");
        const ScopedHome home(firstHome.path());
        TForm1 &w = startInstalled();
        prompts.clear();
        EXPECT_EQ(action(QStringLiteral("Recent1"))->text(), QStringLiteral("1: ") + project);
        EXPECT_FALSE(w.settings().flag(SettingKey::FormatWrap));
        EXPECT_TRUE(customTags().contains(kBigTag));
        spellCheckAddingWords(QStringLiteral("Hello zqxtovarel"));
        EXPECT_EQ(prompts.last().text.toStdString(), "Spell Check Complete.\n\nWords Checked: 2");
        EXPECT_EQ(prompts.shown().size(), 1u); // no word was questioned this time
        w.close();
    }
    {
        SCOPED_TRACE("another user");
        TempProgramFolder otherHome;
        const ScopedHome home(otherHome.path());
        TForm1 &w = startInstalled();
        EXPECT_EQ(w.settings().folders().writable(), otherHome.file(QStringLiteral(".local/share/tovarel/")));
        EXPECT_EQ(action(QStringLiteral("Recent1"))->text(), QStringLiteral("1: "));
        EXPECT_TRUE(w.settings().flag(SettingKey::FormatWrap));
        EXPECT_FALSE(customTags().contains(kBigTag));
        EXPECT_FALSE(otherHome.read(QStringLiteral(".local/share/tovarel/spell/default.udt")).contains("zqxtovarel"));
        EXPECT_TRUE(otherHome.exists(QStringLiteral(".local/share/tovarel/spell/spell.cfg"))); // seeded
    }
    EXPECT_EQ(snapshot(kPrefix), prefixBefore);
}

namespace {
struct ProgramRun {
    int exitCode = -1;
    QString output;
};

// Runs the installed program to its end with `environment` changes; kills it after 20 s.
ProgramRun runInstalled(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(kPrefix + QStringLiteral("bin/tovarel"), arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput())};
}

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // fails if a display is needed
    return environment;
}
} // namespace

TEST(InstalledBinary, HelpAndVersionNeedNoDisplay)
{
    const ProgramRun version = runInstalled({QStringLiteral("--version")}, withoutDisplay());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output.toStdString(), "tovarel " TOVAREL_VERSION "\n");
    const ProgramRun help = runInstalled({QStringLiteral("--help")}, withoutDisplay());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains(QStringLiteral("[FILE...]"))) << help.output.toStdString();
}

// One real start: the installed executable finds its share folder and seeds the user's.
TEST(InstalledBinary, StartsOffscreenFromTheSharedFiles)
{
    TempProgramFolder home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.file(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(kPrefix + QStringLiteral("bin/tovarel"), {});
    ASSERT_TRUE(process.waitForStarted());
    const QString seeded = QStringLiteral("data/tovarel/spell/spell.cfg");
    const QString projects = QStringLiteral("data/tovarel/projects"); // made later in the start-up
    for (int i = 0; i < 400 && !(home.exists(seeded) && home.exists(projects)) && process.state() == QProcess::Running;
         ++i)
        process.waitForFinished(50);
    EXPECT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
    QFile shipped(kPrefix + QStringLiteral("share/tovarel/spell/spell.cfg"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(home.read(seeded), shipped.readAll());
    EXPECT_TRUE(home.exists(projects));
    process.kill();
    process.waitForFinished();
}

// The installed program finds the browser pane's module where the install put it.
TEST(InstalledFiles, ProgramFindsItsBrowserPaneModule)
{
    const QString module = PageViewModule::locate(kPrefix + QStringLiteral("bin"));
    ASSERT_FALSE(module.isEmpty());
    EXPECT_TRUE(module.startsWith(QFileInfo(kPrefix).canonicalFilePath() + QLatin1Char('/'))) << module.toStdString();
}

// The desktop finds the program, its icon and its metadata under one id.
TEST(InstalledFiles, DesktopEntryIconsAndMetadataShareOneId)
{
    QFile entry(kPrefix + QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=tovarel %F\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=") + kAppId + QLatin1Char('\n')));
    EXPECT_TRUE(QFileInfo(kPrefix + QStringLiteral("bin/tovarel")).isExecutable());
    EXPECT_TRUE(
        QFileInfo::exists(kPrefix + QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml")));
    EXPECT_TRUE(QFileInfo::exists(kPrefix + QStringLiteral("share/man/man1/tovarel.1.gz")));

    const QString icons = kPrefix + QStringLiteral("share/icons/hicolor/");
    QFile svg(icons + QStringLiteral("scalable/apps/") + kAppId + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg xmlns=\"http://www.w3.org/2000/svg\""));
    int sizes = 0;
    for (const QString &folder : QDir(icons).entryList({QStringLiteral("*x*")}, QDir::Dirs)) {
        SCOPED_TRACE(folder.toStdString());
        const QImage png(icons + folder + QStringLiteral("/apps/") + kAppId + QStringLiteral(".png"));
        const int size = folder.section(QLatin1Char('x'), 0, 0).toInt();
        EXPECT_EQ(png.size(), QSize(size, size));
        EXPECT_NE(png.pixelColor(size / 2, size / 2).alpha(), 0); // drawn, not empty
        ++sizes;
    }
    EXPECT_GE(sizes, 5);
}
