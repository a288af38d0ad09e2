// Takes the user guide's pictures from the real windows, offscreen, with a small demo site:
// tovarel_screenshots OUTPUT-FOLDER.
#include "BenchPrompts.h"

#include "app/AppEnvironment.h"
#include "app/TForm1.h"
#include "config/Settings.h"
#include "editor/RichEditAccess.h"
#include "platform/AppFolders.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "preview/LocalPageScheme.h"
#include "spell/SpellDialogHost.h"
#include "spell/TSpellEngineDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {
class PumpingEventPump final : public EventPump {
public:
    void processEvents() override { QCoreApplication::processEvents(); }
};

void settle(int milliseconds = 300)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool copyTree(const QString &from, const QString &to)
{
    bool ok = QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        ok = (entry.isDir() ? copyTree(entry.filePath(), to + QLatin1Char('/') + entry.fileName())
                            : QFile::copy(entry.filePath(), to + QLatin1Char('/') + entry.fileName())) &&
             ok;
    return ok;
}

QByteArray page(const char *title, const char *body)
{
    return QByteArray("<HTML>\r\n<HEAD>\r\n<TITLE>") + title +
           "</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">\r\n" + body +
           "\r\n</BODY>\r\n</HTML>\r\n";
}

// The demo site: three pages and a logo, and the project that keeps them.
QString makeDemoSite(const QString &root, const QString &projects)
{
    const QString site = root + QStringLiteral("/site/");
    QImage logo(160, 60, QImage::Format_RGB32);
    logo.fill(QColor(0x24, 0x52, 0x7a));
    QPainter painter(&logo);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Sans"), 18, QFont::Bold));
    painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("Oak & Ash"));
    painter.end();
    QDir().mkpath(site + QStringLiteral("images"));
    logo.save(site + QStringLiteral("images/logo.png"));
    write(site + QStringLiteral("index.html"),
          page("Oak & Ash Furniture",
               "<IMG SRC=\"images/logo.png\" WIDTH=\"160\" HEIGHT=\"60\" ALT=\"Oak &amp; Ash\">\r\n"
               "<H1>Welcome to Oak &amp; Ash</H1>\r\n"
               "<P>We build <B>solid wood furniture</B> by hand in our smal workshop by the river.\r\n"
               "Every table and chair is made to order.</P>\r\n"
               "<UL>\r\n<LI><A HREF=\"products.html\">Our products</A>\r\n"
               "<LI><A HREF=\"contact.html\">Visit or write to us</A>\r\n</UL>\r\n"
               "<TABLE BORDER=\"1\" CELLPADDING=\"4\">\r\n<TR><TH>Piece</TH><TH>Wood</TH><TH>Weeks</TH></TR>\r\n"
               "<TR><TD>Dining table</TD><TD>Oak</TD><TD>6</TD></TR>\r\n"
               "<TR><TD>Rocking chair</TD><TD>Ash</TD><TD>4</TD></TR>\r\n</TABLE>"));
    write(site + QStringLiteral("products.html"),
          page("Products", "<H1>Products</H1>\r\n<P>Tables, chairs, shelves and beds.</P>\r\n"
                           "<P><A HREF=\"index.html\">Home</A></P>"));
    write(site + QStringLiteral("contact.html"),
          page("Contact", "<H1>Contact</H1>\r\n<P>Write to <A HREF=\"mailto:shop@example.com\">shop@example.com"
                          "</A>.</P>\r\n<P><A HREF=\"index.html\">Home</A></P>"));
    const QString project = projects + QStringLiteral("oakash.out");
    write(project, "Home\r\n\tProducts\r\n\tContact\r\n");
    write(projects + QStringLiteral("oakash.fil"),
          (site + QStringLiteral("index.html\r\n") + site + QStringLiteral("products.html\r\n") + site +
           QStringLiteral("contact.html\r\n"))
              .toUtf8());
    return project;
}

// The main window with `dialog` drawn over it where it stands, as the user sees the two.
QImage composite(QWidget &main, QWidget *dialog)
{
    QImage image = main.grab().toImage();
    if (!dialog)
        return image;
    const QPixmap over = dialog->grab();
    const QPoint at((image.width() - over.width()) / 2, (image.height() - over.height()) / 3);
    QPainter painter(&image);
    painter.fillRect(QRect(at + QPoint(6, 6), over.size()), QColor(0, 0, 0, 60)); // a shadow
    painter.drawPixmap(at, over);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(QRect(at, over.size()).adjusted(0, 0, -1, -1));
    return image;
}

class Shooter {
public:
    explicit Shooter(QString folder) : m_folder(std::move(folder)) { QDir().mkpath(m_folder); }

    void save(const QImage &image, const char *name)
    {
        const QString path = m_folder + QLatin1Char('/') + QLatin1String(name);
        if (image.save(path, "PNG")) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "tovarel_screenshots: cannot write %s\n", qPrintable(path));
            m_failed = true;
        }
    }
    bool failed() const { return m_failed; }

private:
    QString m_folder;
    bool m_failed = false;
};

// Runs `act` on the first visible widget that `find` gives, polling while a handler blocks.
void whenShown(std::function<QWidget *()> find, std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, find, act] {
        QWidget *widget = find();
        if (!widget || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        settle();
        act(widget);
    });
    timer->start(20);
}

QAction *action(QWidget &window, const char *name)
{
    return window.findChild<QAction *>(QLatin1String(name));
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}
} // namespace

int main(int argc, char **argv)
{
    LocalPageScheme::registerScheme(); // the browser pane shows the demo pages under it
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tovarel_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    Shooter shooter(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("program/"));
    copyTree(QStringLiteral(TOVAREL_PROGRAM_DIR "/help"), program + QStringLiteral("help"));
    copyTree(QStringLiteral(TOVAREL_PROGRAM_DIR "/spell"), program + QStringLiteral("spell"));
    QFile::copy(QStringLiteral(TOVAREL_PROGRAM_DIR "/htmlext.dat"), program + QStringLiteral("htmlext.dat"));
    write(program + QStringLiteral("DEFAULT.INI"), "[Tags]\r\nColored=1\r\n");
    write(program + QStringLiteral("OPTIONS.INI"), "[Help]\r\nShowTips=0\r\n");
    write(program + QStringLiteral("custom.dat"), "Highlight\r\n<SPAN CLASS=\"hi\">\r\n</SPAN>\r\n");
    const QString project = makeDemoSite(root.path(), program + QStringLiteral("projects/"));

    BenchPrompts prompts(true); // nobody is there to answer: Yes to every question
    SystemClipboard clipboard;
    SystemClock clock;
    PumpingEventPump pump;
    AppEnvironment environment;
    environment.folders = AppFolders::inPlace(program);
    environment.prompts = &prompts;
    environment.clipboard = &clipboard;
    environment.clock = &clock;
    environment.eventPump = &pump;
    environment.splashMilliseconds = 0;

    TForm1 *window = nullptr;
    // The site tools run modally through here: each is driven, pictured and closed.
    environment.runModal = [&](QDialog &dialog) {
        dialog.show();
        settle();
        if (dialog.objectName() == QLatin1String("FormLoadSize")) {
            child<QAbstractButton>(&dialog, "BitBtnAnalyzeSite")->click();
            settle(800);
            shooter.save(composite(*window, &dialog), "site-analysis.png");
        } else if (dialog.objectName() == QLatin1String("FormBackup")) {
            shooter.save(composite(*window, &dialog), "backup.png");
        }
        dialog.hide();
        return int(QDialog::Rejected);
    };

    TForm1 mainWindow(environment);
    window = &mainWindow;
    mainWindow.resize(1280, 820);
    mainWindow.show();
    settle();
    mainWindow.openFiles({project});
    mainWindow.selectPage(0);
    mainWindow.Outline1DblClick();
    mainWindow.editorAccess().setSelection(0, 0);
    settle(600);
    shooter.save(composite(mainWindow, nullptr), "main-window.png");

    whenShown([] { return QApplication::activeModalWidget(); },
              [&](QWidget *dialog) {
                  shooter.save(composite(mainWindow, dialog), "power-table.png");
                  static_cast<QDialog *>(dialog)->reject();
              });
    action(mainWindow, "PowerTABLE1")->trigger();

    whenShown([&] { return static_cast<QWidget *>(mainWindow.findChild<TSpellEngineDialog *>()); },
              [&](QWidget *dialog) {
                  shooter.save(composite(mainWindow, dialog), "spell-check.png");
                  static_cast<TSpellEngineDialog *>(dialog)->button(SpellElement::Cancel)->click();
              });
    action(mainWindow, "SpellCheck2")->trigger();

    mainWindow.settings().setInMemory(SettingKey::ImagesFolder, root.filePath(QStringLiteral("site/images/")));
    action(mainWindow, "GetPageLoadingData1")->trigger();
    action(mainWindow, "BackupHTMLfiles1")->trigger();

    if (QWidget *pane = mainWindow.findChild<QWidget *>(QStringLiteral("PanelIE"))) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), pane->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), pane->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &press);
        QCoreApplication::sendEvent(pane, &release);
        settle(4000); // the browser pane loads the page
        shooter.save(composite(mainWindow, nullptr), "preview.png");
    }
    return shooter.failed() ? 1 : 0;
}
