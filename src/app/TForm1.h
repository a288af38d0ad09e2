#pragma once

#include "app/AppEnvironment.h"
#include "app/MainMenus.h"
#include "config/HtmlExtensions.h"
#include "config/Settings.h"
#include "dialogs/PowerHandOver.h"
#include "editor/OutsideChanges.h"
#include "project/ProjectModel.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class HtmlDocument;
class HtmlEditor;
class QAction;
class QCheckBox;
class QDialog;
class QFrame;
class QGroupBox;
class QIcon;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeView;
class ProjectOutlineModel;
class RichEditAccess;
class TagInserter;
class TypingColourer;
class TSpellEngine;
class TSpellEngineDialog;
class ApplicationSpellEventLoop;
class PlainTextSpellView;
class SpellMarker;
class QTextCursor;
class BrowserLink;
class BrowserPane;
class MainOptionsHost;
class MainFilesHost;
class FilesTab;
class MainPreviewHost;
class PreviewController;
class ProgramLauncher;
class SearchSession;
class TFindDialog;
class TReplaceDialog;
class TFormNewName;
class CustomTagList;
class SnipPage;
class TFormFrameDialog;
class TFormCheckLinks;
class TFormCheckPage;
class QComboBox;
class QFileSystemWatcher;

struct AnalysisMemory;
struct OpeningTag;
class Clipboard;
class RecoveryKeeper;
struct SiteToolContext;
struct TagCommand;
enum class CaretRule;

// "Now Checking Spelling.....": shown while a check looks for its first questioned word.
class TFormSpell final : public QWidget {
    Q_OBJECT
public:
    explicit TFormSpell(QWidget *parent = nullptr);
};

// The main window: the project area on the left, the editing window RE1 on the right,
// the menus, tool bar, tag bar and status bar around them. It owns the program-wide state.
class TForm1 final : public QMainWindow {
    Q_OBJECT
    friend class MainPreviewHost;
    friend class MainOptionsHost;
    friend class MainFilesHost;

public:
    bool colourStopFlag() const { return m_stopColours; }
    explicit TForm1(const AppEnvironment &environment, QWidget *parent = nullptr);
    ~TForm1() override;

    Settings &settings() { return m_settings; }
    HtmlDocument &document() { return *m_document; }
    RichEditAccess &editorAccess() { return *m_editorAccess; }
    TagInserter &tagInserter() { return *m_tagInserter; }
    HtmlEditor &editor() { return *m_editor; }
    const HtmlFileMasks &htmlMasks() const { return m_masks; }
    QString statusPanelText(int panel) const;
    bool embeddedBrowserAvailable() const { return m_embeddedBrowserAvailable; }
    int editorTextLimit() const { return m_textLimit; }
    QString filesLocation() const { return m_settings.text(SettingKey::FilesLocation); }
    int projectPanelWidth() const;

    // The project.
    const ProjectModel &project() const { return m_project; }
    const QString &projectName() const { return m_projectName; }
    bool projectModified() const { return m_projectModified; }
    bool helpMode() const { return m_helpMode; }
    int selectedPage() const;
    void selectPage(int page);
    QString projectsFolder() const { return m_settings.folders().writable() + QStringLiteral("projects/"); }
    TFormNewName &formNewName() { return *m_formNewName; }
    // Files named on the command line, after start-up: a project (.out) opens as the
    // project, any other file in the editing window; one that cannot be read is reported.
    void openFiles(const QStringList &paths);
    // Opens the read-only help project (the Help menu's welcome command builds on it).
    bool openHelpProject();

    // One tick of the splitter drag with the pointer this far from the window's left edge.
    void applySplitterPosition(int mouseXInWindow);

    // Where the menu table and the handlers disagree; empty when every row runs one handler.
    const QStringList &menuFaults() const { return m_menuFaults; }

public Q_SLOTS:
    // File menu
    void NewHTMLFile1Click();
    void OpenHTMLFile1Click();
    void BitBtnLoadFromTemplateClick();
    void SaveHTMLFile1Click();
    void SaveHTMLFileAs1Click();
    void CloseHTMLFile1Click();
    void Quit1Click();
    // Edit menu
    void BitBtnUndoClick();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void SelectAll1Click();
    void CheckWrapClick();
    void CheckBoxColoredTagsClick();
    void BitBtnColorNowClick();
    void BitBtnFindClick();
    void FindNext1Click();
    void Replace1Click();
    void Replaceallwith1Click();
    void Replaceprecisewithonlyintags1Click();
    void BitBtnStopColorsMouseDown();
    void TagColorOptions1Click();

    // Projects
    void NewProject1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Outline1Click();
    void Outline1DblClick();
    void Selected1Click();
    void AllPageGroups1Click();
    void ThisLevel1Click();
    void EntireSite1Click();
    void Button1Click();
    void BitBtnAddChildClick();
    void BitBtnDeleteClick();
    void ChangeHtmlLinkClick();
    void ChangePageTitleClick();
    void ButtonMoveClick();
    void PrintProjectOutline1Click();

    void PreferencesSettings1Click();

    // Site tools (TForm1SiteTools.cpp)
    void GetPageLoadingData1Click();
    void AnalyzeWebPage1Click(const QString &path);
    void BitBtnReplaceAllClick();
    void BitBtnBackupClick();

    // Check Links, Check Page and Tidy Page (TForm1Checks.cpp)
    void CheckLinks1Click();
    void CheckPage1Click();
    void TidyPage1Click();

    // Spell check
    void BitBtnSpellCheckClick();
    void SpellEngineAfterCreate();
    void SpellEngineCheckComplete();
    void SpellEngineCheckCanceled();
    void CheckSpellMarksClick();

    // Help and small windows
    void SpeedBar1Click();
    void HelpOnTop1Click();
    void WelcometoTovarelPro1Click();
    void Instructions1Click();
    void FrequentlyAskedQuestions1Click();
    void ShowTipoftheDay1Click();
    void About1Click();

    // Frame Builder, FRAMESET and FRAME, LIST and HR, custom tags, colour picker
    void PowerFrame1Click();
    void FramesetDialog1Click();
    void FrameDialog1Click();
    void PowerList1Click();
    void HorizontalRule1Click();
    void ColorPicker1Click();
    void ComboCustomChange(int index);
    void BitBtnCustomAddClick();
    void BitBtnCustomDeleteClick();

    void FormActivate();
    void FormResize();
    void PanelOutlineResize();
    void PanelHTMLWindowResize();
    void PanelSplitterStartDrag();
    void PanelSplitterEndDrag();
    void TimerSplitterTimer();
    void TimerRecoveryTimer();       // writes or removes the crash recovery copy
    void TimerOutsideChangesTimer(); // the open page and project against their files, once changes settle
    bool FormCloseQuery();
    void FormDestroy();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    void buildTagBar(QWidget *parent);
    void buildProjectPanel();
    void buildHtmlPanel();
    void buildStatusBar();
    void buildTagCommands();
    void buildSearchCommands();
    void buildHelpCommands();
    void buildPreviewCommands();
    void buildLivePreview();
    void applyHtmlMasks(const HtmlFileMasks &masks);
    void showHelpPage(const QString &path);
    // Loads a page into the editing window as a project page or the Files tab does.
    bool loadPage(const QString &path, QString *error);
    // A page of the project as the outline opens it: after the open-document question, help
    // pages read-only; false when it was not opened.
    bool openPage(const QString &file);
    bool isHelpPageFile(const QString &path) const;
    int runModal(QDialog &dialog);
    void runTagCommand(const TagCommand &command, CaretRule rule);
    void runQuickTable(int rows, int columns);
    void showEditorMenu(const QPoint &position);
    void setSaveCommandsEnabled(bool enabled);
    void setStatusPanelText(int panel, const QString &text);
    void markModifiedIfChanged(int revisionBefore);
    void layoutEditingArea();

    // The menu bar, tool bar and pop-up menus, built from the menu table (TForm1Menus.cpp).
    void buildMenus();
    QMenu *buildPopup(const QString &name, std::span<const MenuRow> rows);
    void addMenuRows(QWidget *root, std::span<const MenuRow> rows);
    QAction *addMenuItem(QWidget *menu, const QString &name, const QString &caption, const QString &command);
    void addQuickTables(QWidget *tableMenu, const MenuRow &row);
    void buildToolBar();
    QIcon standardIcon(const char *name);
    QAction *commandAction(const QString &command) const; // its first menu item (or hidden action)
    bool hasCommand(const QString &command) const;
    // Connects the handler to every menu item and button of the command: the one handler they share.
    void onCommand(const QString &command, const std::function<void()> &handler);
    void onCommand(const QString &command, void (TForm1::*handler)());
    void checkEveryCommandHandled();
    QHash<QString, QList<QAction *>> m_commandActions;
    QSet<QString> m_handledCommands;
    QStringList m_menuFaults;

    void connectDocumentCommands();

    // Start-up, one function per step of FormCreate.
    void FormCreate();
    void prepareFolders();
    void showSplash();
    void readHtmlExtensionList();
    void loadCustomTags();
    void loadSnips();
    void createProgramFolders();
    void readDefaultSettings();
    void readOptionSettings();
    void createEmbeddedBrowser();
    void layOutAtStartup();
    void startUntitledDocument();
    void applyFilesUseSel();
    void buildRecentItems();
    void postTipOfTheDay();
    void showStartupTip();
    void configureSpellChecker();
    TSpellEngine &spellEngine();
    // Spelling marks: the option in step with its check box, the pop-up menu on a marked word.
    void applySpellMarksSetting();
    bool showSpellMarkMenu(const QPoint &position);
    void replaceMarkedWord(QTextCursor mark, const QString &replacement);

    Prompts &prompts() { return *m_env.prompts; }

    // Power BODY, Power A HREF and Mail To, Power IMG, Power TABLE (TForm1Power.cpp)
    void buildPowerCommands();
    void PowerBODY1Click();
    void PowerAHREF1Click();
    void MailTo1Click(); // Tags menu and tool button: caret before "</A>"
    void MailTo2Click(); // editing window's menu: the link stays selected
    void runMailTo(CaretRule rule);
    void PowerIMG1Click();
    void openPowerImg(const QString &picture); // picture: the Files tab's file, or empty
    void PowerTABLE1Click();
    PowerResult m_powerResult; // the dialogs' insert flag and result length

    // Edit Tag: the tag under the caret back through its Power dialog (TForm1EditTag.cpp)
    void EditTag1Click();
    // Runs the tag's dialog filled from it; the dialog's text lands on `scratch`. True for OK.
    bool runTagDialog(const OpeningTag &tag, Clipboard &scratch);

    // Crash recovery (TForm1Recovery.cpp)
    void startRecovery();
    void offerRecovery();
    std::unique_ptr<RecoveryKeeper> m_recovery;

    // Changes made by other programs to the open page and project (TForm1OutsideChanges.cpp)
    void startWatchingFiles();
    void watchOpenFiles();
    void rememberProjectFile(const QString &outlinePath); // empty: the project has no file
    QStringList projectFiles() const;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_timerOutsideChanges = nullptr;
    OutsideChanges m_pageChanges;
    OutsideChanges m_projectChanges;
    QString m_projectFile; // the outline this project was last read from or written to
    DiskState m_projectStamps;

    // Later features hook in here.
    void showTipOfTheDay();
    void openSettingsDialog(int page);
    void colourTags();
    void openRecentProject(int index);
    // With automatic colouring on, the lines an edit changed take their colours as it is typed.
    void colourEditedLines(int first, int last, int addedLines);
    void colourPendingLines();
    std::unique_ptr<TypingColourer> m_typingColourer;
    QTimer *m_timerTypingColours = nullptr;

    // Projects (TForm1Project.cpp)
    enum class ProjectCloser { NewProject, OpenProject, RecentItem, HelpProject, Program };
    void buildProjectCommands();
    bool closeProject(ProjectCloser closer);
    void runBackupReminder();
    void openBackupDialog(const QString &projectName);
    void openProjectAt(const QString &path);
    bool readProjectFiles(const QString &outlinePath);
    bool writeProjectFiles();
    QString askProjectSaveName(const QString &title);
    void putOnRecentList(const QString &path);
    void refreshRecentItems();
    void rebuildOutline();
    void setProjectCaption(const QString &prefix, const QString &path);
    void ChangeDescription1Click(bool focusPath);
    void storeStartLocation(const QString &pagePath);
    void setProjectModified();
    void showPageInBrowserPane();

    // Frame Builder, FRAMESET and FRAME, LIST and HR, custom tags, snips, colour picker (TForm1Frames.cpp)
    void buildFrameCommands();
    void pastePowerResult(const PowerResult &result, bool collapseFirst);
    void saveCustomTags();
    void pasteSnip();
    std::unique_ptr<CustomTagList> m_customTags;
    QComboBox *m_comboCustom = nullptr;
    TFormFrameDialog *m_formFrameDialog = nullptr;
    QColor m_pickedColour{Qt::black}; // the colour picker starts from the last choice of the run

    // Check Links, Check Page and Tidy Page (TForm1Checks.cpp)
    void buildCheckCommands();
    void openPageAtLine(const QString &file, int line);
    void closeCheckWindows();
    // The caret to a line and column (from 1; the column as HTML Tidy counts it), in view.
    void moveCaretTo(int line, int column);
    TFormCheckLinks *m_checkLinks = nullptr;
    TFormCheckPage *m_checkPage = nullptr;

    // Site tools (TForm1SiteTools.cpp)
    void buildSiteToolCommands();
    SiteToolContext siteToolContext(const QString &projectName);
    void openAnalysis(const QString &filesTabPath);

    AppEnvironment m_env;
    Settings m_settings;
    HtmlFileMasks m_masks;
    bool m_embeddedBrowserAvailable = false;
    bool m_helpMode = false;
    bool m_projectModified = false;
    QString m_projectName;
    int m_textLimit = 0;
    bool m_stopColours = false; // also stops the precise backslash replacement
    bool m_activatedOnce = false;

    // Widgets
    QWidget *m_panelMain = nullptr;
    QWidget *m_panelOutline = nullptr;
    QFrame *m_panelSplitter = nullptr;
    QWidget *m_panelHtmlWindow = nullptr;
    QTabWidget *m_pageControlLeft = nullptr;
    QTabWidget *m_pageControlTags = nullptr;
    QTabWidget *m_pageControlSnips = nullptr;
    QGroupBox *m_groupPages = nullptr;
    QGroupBox *m_groupPasteOption = nullptr;
    QTreeView *m_outline = nullptr;
    ProjectOutlineModel *m_outlineModel = nullptr;
    FilesTab *m_filesTab = nullptr;
    SnipPage *m_snipPageUrl = nullptr;
    SnipPage *m_snipPageMisc = nullptr;
    HtmlEditor *m_editor = nullptr;
    QCheckBox *m_checkWrap = nullptr;
    QCheckBox *m_checkColored = nullptr;
    QCheckBox *m_checkSpellMarks = nullptr;
    QLabel *m_labelBrowserMode = nullptr;
    std::array<QLabel *, 3> m_statusPanels{};
    QMenu *m_editorMenu = nullptr;
    QTimer *m_timerSplitter = nullptr;
    std::array<QAction *, 4> m_recentItems{};
    QMenu *m_outlineMenu = nullptr;
    QToolButton *m_saveProjectButton = nullptr;
    ProjectModel m_project;
    TFormNewName *m_formNewName = nullptr;

    std::unique_ptr<RichEditAccess> m_editorAccess;
    std::unique_ptr<HtmlDocument> m_document;
    std::unique_ptr<TagInserter> m_tagInserter;
    QWidget *m_formSpell = nullptr;
    std::unique_ptr<ApplicationSpellEventLoop> m_spellLoop;
    TSpellEngineDialog *m_spellDialog = nullptr;
    std::unique_ptr<PlainTextSpellView> m_spellView;
    std::unique_ptr<TSpellEngine> m_spellEngine; // after its dialog: freed first
    SpellMarker *m_spellMarker = nullptr;
    std::unique_ptr<SearchSession> m_search;
    std::unique_ptr<BrowserLink> m_browserLink;
    std::unique_ptr<ProgramLauncher> m_launcher;
    std::unique_ptr<MainPreviewHost> m_previewHost;
    std::unique_ptr<MainOptionsHost> m_optionsHost;
    std::unique_ptr<MainFilesHost> m_filesHost;
    std::unique_ptr<PreviewController> m_preview;
    BrowserPane *m_browserPane = nullptr;
    TFindDialog *m_findDialog = nullptr;
    TReplaceDialog *m_replaceDialog = nullptr;
    std::unique_ptr<AnalysisMemory> m_analysisMemory; // outlives each analysis window
};
