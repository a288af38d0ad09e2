#include "app/TForm1.h"

#include "app/MainWindowHosts.h"
#include "config/MainLayout.h"
#include "dialogs/CustomTagList.h"
#include "dialogs/SnipPage.h"
#include "editor/FindReplaceDialogs.h"
#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RecoveryFile.h"
#include "editor/RichEditAccess.h"
#include "editor/SearchReplace.h"
#include "editor/TagColouring.h"
#include "editor/TagCommands.h"
#include "editor/TagInsertion.h"
#include "help/TFormSplash.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/PlainTexts.h"
#include "platform/TextFile.h"
#include "preview/BrowserLink.h"
#include "preview/BrowserPane.h"
#include "preview/DefaultBrowsers.h"
#include "preview/ProgramLauncher.h"
#include "project/FilesTab.h"
#include "spell/SpellControlAdapters.h"
#include "spell/SpellDialogHost.h"
#include "spell/TSpellEngine.h"
#include "tools/TFormLoadSize.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include "project/ProjectOutlineModel.h"

namespace {
constexpr int kStatusPanelCount = 3;
// How often the start-up tip looks again whether the question before it has been answered.
constexpr int kTipRetryMs = 200;
const char *const kStatusCaptions[kStatusPanelCount] = {"File Size:", "Page Location:", "Open HTML File:"};
constexpr int kFullTextLimit = 2147483647 - 1024;
// Without the large-file setting the editing window still takes any file; the number is kept
// only as the setting's "off" value.
constexpr int kDefaultTextLimit = 64 * 1024 * 1024;

} // namespace

TForm1::TForm1(const AppEnvironment &environment, QWidget *parent)
    : QMainWindow(parent), m_env(environment), m_settings(environment.folders)
{
    setObjectName(QStringLiteral("Form1"));
    buildWidgets();
    connectDocumentCommands();
    m_editorAccess = std::make_unique<RichEditAccess>(*m_editor);
    DocumentHooks hooks;
    hooks.showStatus = [this](const QString &text) {
        setStatusPanelText(2, text);
        watchOpenFiles(); // shown for each file the page comes from
    };
    hooks.enableSaveCommands = [this](bool enabled) { setSaveCommandsEnabled(enabled); };
    hooks.colourTags = [this] { colourTags(); };
    hooks.openSettings = [this](int page) { openSettingsDialog(page); };
    hooks.repaint = [this] { m_editor->viewport()->update(); };
    hooks.setEditorReadOnly = [this](bool readOnly) { m_editor->setReadOnly(readOnly); };
    hooks.documentReplaced = [this] {
        m_typingColourer->dropPending(); // lines of the text that went
        if (m_preview)
            m_preview->removePreviewCopies();
    };
    startWatchingFiles();
    m_document = std::make_unique<HtmlDocument>(*m_editorAccess, *m_env.prompts, m_settings, *m_env.clipboard, hooks);
    m_typingColourer = std::make_unique<TypingColourer>(*m_editorAccess);
    m_timerTypingColours = new QTimer(this);
    m_timerTypingColours->setSingleShot(true);
    connect(m_timerTypingColours, &QTimer::timeout, this, &TForm1::colourPendingLines);
    m_editorAccess->setLinesEditedListener(
        [this](int first, int last, int addedLines) { colourEditedLines(first, last, addedLines); });
    m_tagInserter =
        std::make_unique<TagInserter>(*m_editorAccess, *m_env.clipboard, [this] { m_document->setModified(true); });
    buildTagCommands();
    buildSearchCommands();
    buildProjectCommands();
    buildHelpCommands();
    buildPowerCommands();
    buildFrameCommands();
    buildSiteToolCommands();
    buildCheckCommands();
    FormCreate();
    checkEveryCommandHandled();
    showTextsAsPlainText(this);
}

TForm1::~TForm1()
{
    FormDestroy();
}

// ---------------------------------------------------------------------------------------
// Widgets

void TForm1::buildWidgets()
{
    buildMenus();

    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    buildTagBar(central);
    centralLayout->addWidget(m_pageControlTags);

    m_panelMain = new QWidget(central);
    m_panelMain->setObjectName(QStringLiteral("PanelMain"));
    auto *halves = new QHBoxLayout(m_panelMain);
    halves->setContentsMargins(0, 0, 0, 0);
    halves->setSpacing(0);
    buildProjectPanel();
    m_panelSplitter = new QFrame(m_panelMain);
    m_panelSplitter->setObjectName(QStringLiteral("PanelSplitter"));
    m_panelSplitter->setFixedWidth(MainLayout::kSplitterWidth);
    m_panelSplitter->setFrameShape(QFrame::VLine);
    m_panelSplitter->setCursor(Qt::SplitHCursor);
    m_panelSplitter->installEventFilter(this);
    buildHtmlPanel();
    halves->addWidget(m_panelOutline);
    halves->addWidget(m_panelSplitter);
    halves->addWidget(m_panelHtmlWindow, 1);
    centralLayout->addWidget(m_panelMain, 1);
    setCentralWidget(central);
    buildStatusBar();

    m_timerSplitter = new QTimer(this);
    m_timerSplitter->setObjectName(QStringLiteral("TimerSplitter"));
    m_timerSplitter->setInterval(MainLayout::kSplitterTimerMs);
    connect(m_timerSplitter, &QTimer::timeout, this, &TForm1::TimerSplitterTimer);
}

void TForm1::buildTagBar(QWidget *parent)
{
    m_pageControlTags = new QTabWidget(parent);
    m_pageControlTags->setObjectName(QStringLiteral("PageControlTags"));
    for (const char *caption : {"Common", "Font", "List", "Table", "Frames", "Custom"}) {
        auto *page = new QWidget(m_pageControlTags);
        page->setObjectName(QStringLiteral("TabSheet") + QLatin1String(caption));
        auto *row = new QHBoxLayout(page);
        row->setContentsMargins(2, 2, 2, 2);
        row->addStretch(1);
        m_pageControlTags->addTab(page, QLatin1String(caption));
    }
    m_pageControlTags->setMaximumHeight(76); // room for the Custom page's Add/Delete group
}

void TForm1::buildProjectPanel()
{
    m_panelOutline = new QWidget(m_panelMain);
    m_panelOutline->setObjectName(QStringLiteral("PanelOutline"));
    m_panelOutline->installEventFilter(this);
    auto *layout = new QVBoxLayout(m_panelOutline);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pageControlLeft = new QTabWidget(m_panelOutline);
    m_pageControlLeft->setObjectName(QStringLiteral("PageControlLeft"));
    layout->addWidget(m_pageControlLeft);

    auto *webSite = new QWidget(m_pageControlLeft);
    webSite->setObjectName(QStringLiteral("TabSheetWebSite"));
    m_outline = new QTreeView(webSite);
    m_outline->setObjectName(QStringLiteral("Outline1"));
    m_outline->setHeaderHidden(true);
    m_outline->setUniformRowHeights(true);
    m_outline->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_outlineModel = new ProjectOutlineModel(m_project, m_outline);
    m_outline->setModel(m_outlineModel);
    m_groupPages = new QGroupBox(QStringLiteral("Add/Move Web Pages"), webSite);
    m_groupPages->setObjectName(QStringLiteral("GroupBoxPages"));
    m_groupPages->resize(188, 96);
    m_pageControlLeft->addTab(webSite, QStringLiteral("Web Site"));

    m_filesHost = std::make_unique<MainFilesHost>(*this);
    m_filesTab = new FilesTab(m_settings, *m_env.prompts, m_masks, *m_filesHost, m_pageControlLeft);
    m_pageControlLeft->addTab(m_filesTab, FilesTexts::tabCaption);

    auto *snips = new QWidget(m_pageControlLeft);
    snips->setObjectName(QStringLiteral("TabSheetSnips"));
    m_pageControlSnips = new QTabWidget(snips);
    m_pageControlSnips->setObjectName(QStringLiteral("PageControlSnips"));
    m_snipPageUrl = new SnipPage(QStringLiteral("URL"), *m_env.prompts, *m_env.clipboard, m_pageControlSnips);
    m_snipPageMisc = new SnipPage(QStringLiteral("Misc"), *m_env.prompts, *m_env.clipboard, m_pageControlSnips);
    m_pageControlSnips->addTab(m_snipPageUrl, QStringLiteral("URL Manager"));
    m_pageControlSnips->addTab(m_snipPageMisc, QStringLiteral("Misc Text"));
    m_groupPasteOption = new QGroupBox(QStringLiteral("Paste Option"), snips);
    m_groupPasteOption->setObjectName(QStringLiteral("GroupPasteOption"));
    auto *pasteLayout = new QVBoxLayout(m_groupPasteOption);
    pasteLayout->setContentsMargins(6, 2, 6, 2);
    pasteLayout->setSpacing(0);
    auto *radioPaste = new QRadioButton(QStringLiteral("Paste into HTML Editor"), m_groupPasteOption);
    radioPaste->setObjectName(QStringLiteral("RadioPaste"));
    radioPaste->setChecked(true);
    auto *radioClip = new QRadioButton(QStringLiteral("Copy to Clipboard Only"), m_groupPasteOption);
    radioClip->setObjectName(QStringLiteral("RadioClip"));
    pasteLayout->addWidget(radioPaste);
    pasteLayout->addWidget(radioClip);
    m_groupPasteOption->resize(188, 64);
    m_pageControlLeft->addTab(snips, QStringLiteral("Snips"));
}

void TForm1::buildHtmlPanel()
{
    m_panelHtmlWindow = new QWidget(m_panelMain);
    m_panelHtmlWindow->setObjectName(QStringLiteral("PanelHTMLWindow"));
    m_panelHtmlWindow->installEventFilter(this);

    m_editor = new HtmlEditor(m_panelHtmlWindow);
    connect(m_editor, &HtmlEditor::keyPressed, this, [this] { m_document->setModified(true); });
    connect(m_editor, &HtmlEditor::mousePressed, this, [this] {
        m_stopColours = true;
        m_document->setModified(true);
    });
    connect(m_editor, &QWidget::customContextMenuRequested, this, &TForm1::showEditorMenu);

    auto *strip = new QWidget(m_panelHtmlWindow);
    strip->setObjectName(QStringLiteral("PanelEditorTools"));
    auto *stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(MainLayout::kEditorWidthMargin, 2, 4, 2);
    m_checkColored = new QCheckBox(QStringLiteral("Color"), strip);
    m_checkColored->setObjectName(QStringLiteral("CheckBoxColoredTags"));
    m_checkColored->setToolTip(QStringLiteral("Turn Colored Tags On/Off"));
    connect(m_checkColored, &QCheckBox::clicked, this, &TForm1::CheckBoxColoredTagsClick);
    m_checkWrap = new QCheckBox(QStringLiteral("Wrap"), strip);
    m_checkWrap->setObjectName(QStringLiteral("CheckWrap"));
    connect(m_checkWrap, &QCheckBox::clicked, this, &TForm1::CheckWrapClick);
    m_checkSpellMarks = new QCheckBox(QStringLiteral("Spelling"), strip);
    m_checkSpellMarks->setObjectName(QStringLiteral("CheckSpellMarks"));
    m_checkSpellMarks->setToolTip(QStringLiteral("Mark Misspelt Words On/Off"));
    connect(m_checkSpellMarks, &QCheckBox::clicked, this, &TForm1::CheckSpellMarksClick);
    m_labelBrowserMode = new QLabel(QStringLiteral("T"), strip);
    m_labelBrowserMode->setObjectName(QStringLiteral("LabelBrowserMode"));
    auto *colourNow = new QToolButton(strip);
    colourNow->setObjectName(QStringLiteral("BitBtnColorNow"));
    colourNow->setToolTip(QStringLiteral("Color Tags Now"));
    colourNow->setText(QStringLiteral("Color Now"));
    connect(colourNow, &QToolButton::clicked, this, &TForm1::BitBtnColorNowClick);
    auto *stopColours = new QToolButton(strip);
    stopColours->setObjectName(QStringLiteral("BitBtnStopColors"));
    stopColours->setToolTip(QStringLiteral("Stop Colored Tag Processing"));
    stopColours->setText(QStringLiteral("Stop"));
    // Acts as the button goes down, so a press is seen by the running pass at once.
    connect(stopColours, &QToolButton::pressed, this, &TForm1::BitBtnStopColorsMouseDown);
    stripLayout->addWidget(m_checkColored);
    stripLayout->addWidget(colourNow);
    stripLayout->addWidget(stopColours);
    stripLayout->addWidget(m_checkWrap);
    stripLayout->addWidget(m_checkSpellMarks);
    stripLayout->addStretch(1);
    stripLayout->addWidget(m_labelBrowserMode);
    strip->setGeometry(0, 0, 400, MainLayout::kEditorHeightMargin);
}

void TForm1::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < kStatusPanelCount; ++i) {
        m_statusPanels[i] = new QLabel(QLatin1String(kStatusCaptions[i]), bar);
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        bar->addWidget(m_statusPanels[i], i == 2 ? 1 : 0);
    }
}

void TForm1::showEditorMenu(const QPoint &position)
{
    if (showSpellMarkMenu(position))
        return;
    m_editorMenu->popup(m_editor->viewport()->mapToGlobal(position)); // the editing area's coordinates
}

void TForm1::setSaveCommandsEnabled(bool enabled)
{
    for (const QString &command : {QStringLiteral("SaveHTMLFile1"), QStringLiteral("SaveHTMLFileAs1")})
        for (QAction *action : m_commandActions.value(command))
            action->setEnabled(enabled);
}

void TForm1::setStatusPanelText(int panel, const QString &text)
{
    m_statusPanels.at(panel)->setText(text);
}

QString TForm1::statusPanelText(int panel) const
{
    return m_statusPanels.at(panel)->text();
}

int TForm1::projectPanelWidth() const
{
    return m_panelOutline->width();
}

// ---------------------------------------------------------------------------------------
// Tag commands: the Tags menu, the tag bar and the editing window's sub-menus share one
// handler per command, taken from the command table.

void TForm1::buildTagCommands()
{
    onCommand(QStringLiteral("ColorTagsNow1"), &TForm1::BitBtnColorNowClick);
    onCommand(QStringLiteral("TagColorOptions1"), &TForm1::TagColorOptions1Click);
    for (const TagCommand &command : tagCommands()) {
        const QString name = QLatin1String(command.handler).chopped(5); // without "Click"
        // The Tags menu: Comment puts the caret inside the comment.
        const CaretRule menuRule =
            command.kind == TagCommandKind::Comment ? CaretRule::BeforeClosingTag : CaretRule::SelectInserted;
        onCommand(name, [this, &command, menuRule] { runTagCommand(command, menuRule); });
        const QString popupName = name + QStringLiteral("Popup");
        if (hasCommand(popupName))
            onCommand(popupName, [this, &command] { runTagCommand(command, CaretRule::SelectInserted); });
        if (*command.button) {
            QWidget *tab =
                m_pageControlTags->findChild<QWidget *>(QStringLiteral("TabSheet") + QLatin1String(command.buttonTab));
            auto *button = new QToolButton(tab);
            button->setObjectName(QLatin1String(command.button));
            button->setText(QLatin1String(command.buttonCaption));
            button->setToolTip(commandAction(name)->text());
            auto *row = static_cast<QHBoxLayout *>(tab->layout());
            row->insertWidget(row->count() - 1, button); // before the closing stretch
            connect(button, &QToolButton::clicked, commandAction(name), &QAction::trigger);
        }
    }
    for (int rows = 1; rows <= kQuickTableMax; ++rows)
        for (int columns = 1; columns <= kQuickTableMax; ++columns) {
            const QString name = quickTableHandler(rows, columns).chopped(5);
            for (const QString &item : {name, name + QStringLiteral("Popup")})
                if (hasCommand(item))
                    onCommand(item, [this, rows, columns] { runQuickTable(rows, columns); });
        }
}

void TForm1::buildSearchCommands()
{
    m_search =
        std::make_unique<SearchSession>(*m_editorAccess, *m_env.prompts, [this] { m_document->setModified(true); });
    m_search->setEditorHooks(editorHooksFor(*m_editor));
    m_findDialog = new TFindDialog(this);
    m_replaceDialog = new TReplaceDialog(this);
    connectSearchDialogs(*m_findDialog, *m_replaceDialog, *m_search);

    onCommand(QStringLiteral("Find1"), &TForm1::BitBtnFindClick);
    onCommand(QStringLiteral("FindNext1"), &TForm1::FindNext1Click);
    onCommand(QStringLiteral("Replace1"), &TForm1::Replace1Click);
    onCommand(QStringLiteral("Replaceallwith1"), &TForm1::Replaceallwith1Click);
    onCommand(QStringLiteral("Replaceprecisewithonlyintags1"), &TForm1::Replaceprecisewithonlyintags1Click);
}

void TForm1::BitBtnFindClick()
{
    m_findDialog->execute(m_search->startCommand());
}

void TForm1::FindNext1Click()
{
    m_search->findNextCommand(m_findDialog->findText());
}

void TForm1::Replace1Click()
{
    m_replaceDialog->execute(m_search->startCommand());
}

void TForm1::Replaceallwith1Click()
{
    m_search->replaceAllBackslashes();
}

void TForm1::Replaceprecisewithonlyintags1Click()
{
    m_search->replaceBackslashesInTags(*m_env.eventPump, m_stopColours);
}

void TForm1::BitBtnColorNowClick()
{
    if (m_document->openFileName().isEmpty())
        return;
    colourTags();
}

void TForm1::BitBtnStopColorsMouseDown()
{
    m_stopColours = true;
}

void TForm1::TagColorOptions1Click()
{
    openSettingsDialog(kSettingsPageTagOptions);
}

void TForm1::runTagCommand(const TagCommand &command, CaretRule rule)
{
    switch (command.kind) {
    case TagCommandKind::Wrap: {
        const WrapTags tags =
            wrapTagsOf(command, m_settings.flag(SettingKey::TagsStrong), m_settings.flag(SettingKey::TagsEm));
        m_tagInserter->wrapSelection(tags.open, tags.close, rule);
        break;
    }
    case TagCommandKind::Single:
        m_tagInserter->insertTagText(QLatin1String(command.openTag));
        break;
    case TagCommandKind::LineWrap:
        m_tagInserter->lineWrap(QLatin1String(command.openTag));
        break;
    case TagCommandKind::Comment:
        m_tagInserter->comment(rule);
        break;
    case TagCommandKind::DateStamp:
        m_tagInserter->insertLastModified(m_env.clock->now());
        break;
    }
}

void TForm1::runQuickTable(int rows, int columns)
{
    m_tagInserter->quickTable(rows, columns);
}

// ---------------------------------------------------------------------------------------
// Start-up

void TForm1::FormCreate()
{
    prepareFolders();        // 1
    showSplash();            // 2
    readHtmlExtensionList(); // 3
    loadCustomTags();        // 4
    loadSnips();             // 5
    createProgramFolders();  // 6
    readDefaultSettings();   // 7
    readOptionSettings();    // 8
    createEmbeddedBrowser(); // 9
    layOutAtStartup();       // 10, 12
    startUntitledDocument(); // 11
    applyFilesUseSel();      // 13
    buildRecentItems();      // 14
    postTipOfTheDay();       // 15; 16, the browser's control panel, is placed with the pane in 9
    configureSpellChecker(); // 17
    startRecovery();
    setWindowTitle(QLatin1String(kApplicationTitle));
}

void TForm1::showSplash()
{
    if (m_env.splashMilliseconds <= 0)
        return;
    TFormSplash splash(TFormSplash::Mode::Startup, m_env.splashMilliseconds, this);
    splash.exec(); // closed by its own timer
}

void TForm1::readHtmlExtensionList()
{
    applyHtmlMasks(buildHtmlFileMasks(readHtmlExtensions(m_settings.folders().writable())));
}

void TForm1::prepareFolders()
{
    // The files a user changes start as the shipped ones; help pages and dictionaries are
    // only ever read from where they were shipped.
    const QStringList userFiles = {QLatin1String(kDefaultIniName),
                                   QLatin1String(kOptionsIniName),
                                   QLatin1String(kHtmlExtensionsFileName),
                                   CustomTagTexts::fileName,
                                   kUrlSnipsFile,
                                   kMiscSnipsFile,
                                   kSpellConfigFile};
    m_settings.folders().prepareWritable(userFiles); // a failure shows when a file is written
}

void TForm1::createProgramFolders()
{
    QDir folder(m_settings.folders().writable());
    folder.mkdir(QStringLiteral("projects"));
    folder.mkdir(QStringLiteral("backup"));
    if (m_settings.folders().isInstalled()) {
        folder.mkdir(QStringLiteral("help"));  // for the preview copy of a help page
        folder.mkdir(QStringLiteral("spell")); // for the configuration and user dictionaries
    }
}

void TForm1::readDefaultSettings()
{
    m_settings.readDefaultIni();
    const QString previewOption = m_settings.text(SettingKey::PreviewOption);
    m_labelBrowserMode->setText(QStringLiteral("T"));
    if (previewOption == QLatin1String("auto"))
        m_labelBrowserMode->setText(QStringLiteral("S"));
    else if (previewOption == QLatin1String("nosave"))
        m_labelBrowserMode->setText(QStringLiteral("N"));
    m_checkColored->setChecked(m_settings.flag(SettingKey::TagsColored));
    m_checkWrap->setChecked(m_settings.flag(SettingKey::FormatWrap));
    m_editor->setWordWrap(m_checkWrap->isChecked());
}

void TForm1::readOptionSettings()
{
    m_settings.readOptionsIni();
    // So that preview works out of the box on a first start.
    DefaultBrowsers::fillEmptySlots(m_settings, m_env.findProgram
                                                    ? m_env.findProgram
                                                    : DefaultBrowsers::ProgramFinder(DefaultBrowsers::findOnPath));
}

void TForm1::layOutAtStartup()
{
    m_panelOutline->setFixedWidth(MainLayout::kProjectPanelWidth);
    m_pageControlLeft->setCurrentIndex(0);
    m_pageControlTags->setCurrentIndex(0);
    layoutEditingArea();
    PanelOutlineResize();
}

void TForm1::startUntitledDocument()
{
    m_helpMode = false;
    m_projectModified = false;
    m_document->startUntitled();
    m_projectName.clear();
    m_project.setFolder(projectsFolder());
}

void TForm1::applyFilesUseSel()
{
    if (m_settings.flag(SettingKey::FilesUseSel))
        m_settings.setInMemory(SettingKey::FilesLocation, m_settings.text(SettingKey::FilesSelected));
}

void TForm1::buildRecentItems()
{
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("Recent%1").arg(i + 1);
        onCommand(name, [this, i] { openRecentProject(i); });
        m_recentItems[i] = commandAction(name);
    }
    refreshRecentItems();
}

void TForm1::postTipOfTheDay()
{
    if (m_settings.flag(SettingKey::ShowTips))
        QMetaObject::invokeMethod(this, &TForm1::showStartupTip, Qt::QueuedConnection);
}

void TForm1::showStartupTip()
{
    // A start-up question (a crash copy to restore, a page that would not open) comes first:
    // the tip over it would hide what it asks.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kTipRetryMs, this, &TForm1::showStartupTip);
        return;
    }
    showTipOfTheDay();
}

void TForm1::colourTags()
{
    WordWrapControl wrap{[this](bool on) { m_editor->setWordWrap(on); }, [this] { return m_checkWrap->isChecked(); }};
    ColourPass(*m_editorAccess, *m_env.eventPump, m_stopColours, tagColoursFrom(m_settings)).run(wrap);
}

void TForm1::colourEditedLines(int first, int last, int addedLines)
{
    if (!m_settings.flag(SettingKey::TagsColored))
        return;
    m_typingColourer->linesChanged(first, last, addedLines, tagColoursFrom(m_settings));
    if (m_typingColourer->hasPending())
        m_timerTypingColours->start(); // the rest once pending input has run
}

void TForm1::colourPendingLines()
{
    if (!m_settings.flag(SettingKey::TagsColored))
        return;
    m_typingColourer->colourPending(tagColoursFrom(m_settings));
    if (m_typingColourer->hasPending())
        m_timerTypingColours->start();
}

void TForm1::FormActivate()
{
    m_textLimit = m_settings.flag(SettingKey::EditProblem) ? kFullTextLimit : kDefaultTextLimit;
}

// ---------------------------------------------------------------------------------------
// Layout

void TForm1::layoutEditingArea()
{
    const QSize panel = m_panelHtmlWindow->size();
    m_editor->setGeometry(MainLayout::kEditorWidthMargin, MainLayout::kEditorHeightMargin,
                          std::max(0, panel.width() - MainLayout::kEditorWidthMargin),
                          std::max(0, panel.height() - MainLayout::kEditorHeightMargin));
}

void TForm1::PanelHTMLWindowResize()
{
    layoutEditingArea();
    const int clamped = MainLayout::clampProjectPanel(m_panelOutline->width(), width(), MainLayout::kProjectPanelWidth);
    if (clamped != m_panelOutline->width())
        m_panelOutline->setFixedWidth(clamped);
    m_editor->viewport()->update();
}

void TForm1::FormResize()
{
    const int clamped = MainLayout::clampProjectPanel(m_panelOutline->width(), width(), 205);
    if (clamped != m_panelOutline->width())
        m_panelOutline->setFixedWidth(clamped);
}

void TForm1::PanelOutlineResize()
{
    QWidget *webSite = m_outline->parentWidget();
    const int panelWidth = m_panelOutline->width();
    const int panelBottomInPage = webSite->mapFrom(m_panelOutline, QPoint(0, m_panelOutline->height())).y();
    m_outline->setFixedWidth(std::max(0, panelWidth - 12));
    m_groupPages->setFixedWidth(std::max(0, panelWidth - 12));
    if (height() > 400) {
        const int groupTop = panelBottomInPage - MainLayout::kPageGroupBottomGap - m_groupPages->height();
        m_groupPages->move(0, groupTop);
        m_outline->setGeometry(0, 0, m_outline->width(), std::max(0, groupTop - MainLayout::kOutlineAboveGroupGap));
    }
    const int snipTabsHeight = std::max(0, m_pageControlLeft->height() - m_groupPasteOption->height() - 100);
    m_pageControlSnips->setGeometry(0, 0, std::max(0, panelWidth - 12), snipTabsHeight);
    m_groupPasteOption->move(0, snipTabsHeight + 5);
}

void TForm1::applySplitterPosition(int mouseXInWindow)
{
    if (const std::optional<int> width = MainLayout::splitterTick(mouseXInWindow))
        m_panelOutline->setFixedWidth(*width);
}

void TForm1::PanelSplitterStartDrag()
{
    m_timerSplitter->start();
}

void TForm1::TimerSplitterTimer()
{
    applySplitterPosition(QCursor::pos().x() - frameGeometry().left());
}

void TForm1::PanelSplitterEndDrag()
{
    m_timerSplitter->stop();
    PanelHTMLWindowResize();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panelSplitter) {
        if (event->type() == QEvent::MouseButtonPress)
            PanelSplitterStartDrag();
        else if (event->type() == QEvent::MouseButtonRelease)
            PanelSplitterEndDrag();
    } else if (event->type() == QEvent::Resize) {
        if (watched == m_panelHtmlWindow)
            PanelHTMLWindowResize();
        else if (watched == m_panelOutline)
            PanelOutlineResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activatedOnce) {
        m_activatedOnce = true;
        FormActivate();
    }
    return QMainWindow::event(event);
}

// ---------------------------------------------------------------------------------------
// Closing

void TForm1::Quit1Click()
{
    close();
}

bool TForm1::FormCloseQuery()
{
    if (m_helpMode)
        return true;
    if (m_document->askToSave() == Answer::Cancel)
        return false;
    return closeProject(ProjectCloser::Program);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery()) {
        m_preview->removePreviewCopies();
        closeCheckWindows(); // a link check still running ends with the program
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::FormDestroy()
{
    m_recovery->discard(); // a closing program has asked about its changes already
    // The embedded browser, once it exists, is destroyed with the window.
    if (m_preview)
        m_preview->removePreviewCopies();
}

// ---------------------------------------------------------------------------------------
// Document commands

void TForm1::connectDocumentCommands()
{
    onCommand(QStringLiteral("NewHTMLFile1"), &TForm1::NewHTMLFile1Click);
    onCommand(QStringLiteral("OpenHTMLFile1"), &TForm1::OpenHTMLFile1Click);
    onCommand(QStringLiteral("OpenHTMLTemplate1"), &TForm1::BitBtnLoadFromTemplateClick);
    onCommand(QStringLiteral("SaveHTMLFile1"), &TForm1::SaveHTMLFile1Click);
    onCommand(QStringLiteral("SaveHTMLFileAs1"), &TForm1::SaveHTMLFileAs1Click);
    onCommand(QStringLiteral("CloseHTMLFile1"), &TForm1::CloseHTMLFile1Click);
    onCommand(QStringLiteral("Quit1"), &TForm1::Quit1Click);
    onCommand(QStringLiteral("Undo1"), &TForm1::BitBtnUndoClick);
    onCommand(QStringLiteral("Cut1"), &TForm1::Cut1Click);
    onCommand(QStringLiteral("Copy1"), &TForm1::Copy1Click);
    onCommand(QStringLiteral("Paste1"), &TForm1::Paste1Click);
    onCommand(QStringLiteral("SelectAll1"), &TForm1::SelectAll1Click);
    // The tool bar's Save button is enabled with the Save HTML File item.
    connect(commandAction(QStringLiteral("SaveHTMLFile1")), &QAction::enabledChanged,
            findChild<QToolButton *>(QStringLiteral("BitBtnSaveHTML")), &QToolButton::setEnabled);
}

void TForm1::NewHTMLFile1Click()
{
    m_document->newFile();
}
void TForm1::OpenHTMLFile1Click()
{
    m_document->openFile();
}
void TForm1::BitBtnLoadFromTemplateClick()
{
    m_document->openTemplate();
}
void TForm1::SaveHTMLFile1Click()
{
    m_document->save();
}
void TForm1::SaveHTMLFileAs1Click()
{
    m_document->saveAs();
}
void TForm1::CloseHTMLFile1Click()
{
    m_document->close();
}

void TForm1::markModifiedIfChanged(int revisionBefore)
{
    // A change made from a menu or button counts like a key press, so it is never lost.
    if (m_editor->document()->revision() != revisionBefore)
        m_document->setModified(true);
}

void TForm1::BitBtnUndoClick()
{
    const int before = m_editor->document()->revision();
    m_editor->undo();
    markModifiedIfChanged(before);
}

void TForm1::Cut1Click()
{
    const int before = m_editor->document()->revision();
    m_env.clipboard->clear();
    m_editor->cut();
    markModifiedIfChanged(before);
}

void TForm1::Copy1Click()
{
    m_env.clipboard->clear();
    m_editor->copy();
}

void TForm1::Paste1Click()
{
    const int before = m_editor->document()->revision();
    m_editor->paste();
    markModifiedIfChanged(before);
}

void TForm1::SelectAll1Click()
{
    m_editorAccess->setSelection(0, m_editorAccess->textLength());
}

void TForm1::CheckWrapClick()
{
    m_editor->setWordWrap(m_checkWrap->isChecked());
    m_settings.storeFlag(SettingKey::FormatWrap, m_checkWrap->isChecked());
}

void TForm1::CheckBoxColoredTagsClick()
{
    m_settings.storeFlag(SettingKey::TagsColored, m_checkColored->isChecked());
    if (!m_checkColored->isChecked())
        m_typingColourer->dropPending();
}
