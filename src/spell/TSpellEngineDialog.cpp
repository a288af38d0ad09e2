#include "spell/TSpellEngineDialog.h"

#include "platform/PlainTexts.h"
#include "spell/SpellLanguage.h"
#include "spell/TConfigDialog.h"
#include "spell/TSpellEngine.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The captions of the layout, before the engine sets the language's texts.
const char *const kLayoutCaptions[SpellElement::kCount] = {
    "&Change All",
    "C&hange",
    "&Ignore All",
    "I&gnore",
    "&Add",
    "Au&to-Correct",
    "S&uggest",
    "Start",
    "Undo &Last",
    "&Options",
    "Hel&p",
    "Cancel",
    "",
    "",
    "",
    "Not Found:",
    "&Replace With:",
    "&Suggestions:",
};
} // namespace

QWidget *TDialogControl::control(int element) const
{
    if (element < 0 || element >= SpellElement::kCount)
        return nullptr;
    return m_controls[element];
}

void TDialogControl::setEnabled(int element, bool enabled)
{
    if (QWidget *w = control(element))
        w->setEnabled(enabled);
}

void TDialogControl::setVisible(int element, bool visible)
{
    if (QWidget *w = control(element))
        w->setVisible(visible);
}

QString TDialogControl::caption(int element) const
{
    QWidget *w = control(element);
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return {};
}

void TDialogControl::setCaption(int element, const QString &caption)
{
    QWidget *w = control(element);
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(caption);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(caption);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(caption);
}

TSpellEngineDialog::TSpellEngineDialog(QString programFolder, Prompts &prompts, QWidget *parent)
    : QDialog(parent), m_programFolder(std::move(programFolder)), m_prompts(prompts)
{
    setModal(false);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setWindowTitle(TLanguageModule::englishUs().text(TLanguageModule::DialogCaption));
    buildControls();
    resetControls();
    m_dc.onAction = [this](SpellAction code) { raiseAction(code); };
    showTextsAsPlainText(this);
}

TSpellEngineDialog::~TSpellEngineDialog() = default;

void TSpellEngineDialog::buildControls()
{
    using namespace SpellElement;
    // Each button raises the action its element stands for.
    static constexpr SpellAction kActionOf[Cancel + 1] = {
        SpellAction::ChangeAll, SpellAction::Change,      SpellAction::IgnoreAll, SpellAction::Ignore,
        SpellAction::Add,       SpellAction::AutoCorrect, SpellAction::Suggest,   SpellAction::Start,
        SpellAction::UndoLast,  SpellAction::Options,     SpellAction::Help,      SpellAction::Cancel,
    };
    for (int element = ChangeAll; element <= Cancel; ++element) {
        auto *b = new QPushButton(QString::fromLatin1(kLayoutCaptions[element]), this);
        b->setAutoDefault(false);
        const SpellAction code = kActionOf[element];
        connect(b, &QPushButton::clicked, this, [this, code] { m_dc.raise(code); });
        m_buttons[element] = b;
        m_dc.bind(element, b);
    }
    m_buttons[Cancel]->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    m_notFound = new QLineEdit(this);
    m_notFound->setReadOnly(true);
    m_wordEdit = new QLineEdit(this);
    m_suggestBox = new QListWidget(this);
    m_suggestBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_errorLabel = new QLabel(QString::fromLatin1(kLayoutCaptions[ErrorLabel]), this);
    m_actionLabel = new QLabel(QString::fromLatin1(kLayoutCaptions[ActionLabel]), this);
    m_suggestLabel = new QLabel(QString::fromLatin1(kLayoutCaptions[SuggestLabel]), this);
    m_errorLabel->setBuddy(m_notFound);
    m_actionLabel->setBuddy(m_wordEdit);
    m_suggestLabel->setBuddy(m_suggestBox);
    m_dc.bind(NotFound, m_notFound);
    m_dc.bind(WordEdit, m_wordEdit);
    m_dc.bind(SuggestBox, m_suggestBox);
    m_dc.bind(ErrorLabel, m_errorLabel);
    m_dc.bind(ActionLabel, m_actionLabel);
    m_dc.bind(SuggestLabel, m_suggestLabel);

    // Typing (textEdited, not setText) is the user's edit; the engine then clears the
    // list's selection.
    connect(m_wordEdit, &QLineEdit::textEdited, this, [this] {
        if (m_engine)
            m_engine->replacementEdited(true);
    });
    connect(m_suggestBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && m_engine && row >= 0)
            m_engine->suggestionClicked(row);
    });
    connect(m_suggestBox, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (!m_engine || !item)
            return;
        m_engine->suggestionClicked(m_suggestBox->row(item));
        m_dc.raise(SpellAction::ChangeAll);
    });

    // Layouts, so the controls are laid out again whenever the dialog is resized.
    auto *fields = new QGridLayout;
    fields->addWidget(m_errorLabel, 0, 0);
    fields->addWidget(m_notFound, 0, 1);
    fields->addWidget(m_actionLabel, 1, 0);
    fields->addWidget(m_wordEdit, 1, 1);
    fields->addWidget(m_suggestLabel, 2, 0, Qt::AlignTop);
    fields->addWidget(m_suggestBox, 2, 1);
    fields->setRowStretch(2, 1);
    fields->setColumnStretch(1, 1);

    auto *buttons = new QGridLayout;
    const int order[][2] = {{Ignore, IgnoreAll}, {Change, ChangeAll}, {Add, AutoCorrect},
                            {Suggest, UndoLast}, {Start, Options},    {Help, Cancel}};
    int row = 0;
    for (const auto &pair : order) {
        buttons->addWidget(m_buttons[pair[0]], row, 0);
        buttons->addWidget(m_buttons[pair[1]], row, 1);
        ++row;
    }
    buttons->setRowStretch(row, 1);

    auto *top = new QHBoxLayout(this);
    top->addLayout(fields, 1);
    top->addLayout(buttons);
    resize(460, 220);
}

void TSpellEngineDialog::resetControls()
{
    using namespace SpellElement;
    for (int element = ChangeAll; element <= UndoLast; ++element)
        m_buttons[element]->setEnabled(false);
    for (int element = Options; element <= Cancel; ++element)
        m_buttons[element]->setEnabled(true);
    m_notFound->clear();
    m_wordEdit->clear();
    m_filling = true;
    m_suggestBox->clear();
    m_filling = false;
}

void TSpellEngineDialog::raiseAction(SpellAction code)
{
    if (m_engine)
        m_engine->action(code);
}

QString TSpellEngineDialog::helpPagePath() const
{
    return m_programFolder + QStringLiteral("help/spellcheck.kvn");
}

void TSpellEngineDialog::createDialog()
{
    resetControls();
}

void TSpellEngineDialog::freeDialog()
{
    hide();
    resetControls();
}

void TSpellEngineDialog::showDialog()
{
    show();
    raise();
    activateWindow();
}

void TSpellEngineDialog::hideDialog()
{
    hide();
}

void TSpellEngineDialog::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void TSpellEngineDialog::setQuestionedWord(const QString &word)
{
    m_notFound->setText(word);
}

QString TSpellEngineDialog::replacementText() const
{
    return m_wordEdit->text();
}

void TSpellEngineDialog::setReplacementText(const QString &text, bool selectAll)
{
    m_wordEdit->setText(text);
    if (selectAll)
        m_wordEdit->selectAll();
}

void TSpellEngineDialog::setSuggestions(const QStringList &suggestions)
{
    m_filling = true;
    m_suggestBox->clear();
    m_suggestBox->addItems(suggestions);
    m_suggestBox->setCurrentRow(-1);
    m_filling = false;
}

void TSpellEngineDialog::selectSuggestion(int index)
{
    m_filling = true;
    if (index < 0) {
        m_suggestBox->clearSelection();
        m_suggestBox->setCurrentRow(-1);
    } else {
        m_suggestBox->setCurrentRow(index);
    }
    m_filling = false;
}

QRect TSpellEngineDialog::dialogRect() const
{
    return frameGeometry();
}

QRect TSpellEngineDialog::screenRect() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

void TSpellEngineDialog::moveDialog(const QPoint &topLeft)
{
    move(topLeft);
}

void TSpellEngineDialog::showHelp(const QString &, int)
{
    // The program's own help page replaces the component's help file and topic.
    if (m_openHelp)
        m_openHelp(helpPagePath());
}

bool TSpellEngineDialog::editConfiguration(TSpellEngine &engine, TConfiguration &configuration)
{
    std::function<void()> help;
    if (m_openHelp)
        help = [this] { m_openHelp(helpPagePath()); };
    TConfigDialog config(engine, configuration, m_prompts, help, this);
    if (m_configurationShown)
        m_configurationShown(config);
    m_modal = true;
    const bool accepted = config.exec() == QDialog::Accepted;
    m_modal = false;
    return accepted;
}

void TSpellEngineDialog::reject()
{
    // Escape ends the check like Cancel; the engine hides the dialog.
    m_dc.raise(SpellAction::Cancel);
}

void TSpellEngineDialog::closeEvent(QCloseEvent *event)
{
    // Closing the window is Cancel; the engine hides and frees the dialog itself.
    event->ignore();
    if (m_engine && m_engine->checkRunning())
        m_dc.raise(SpellAction::Cancel);
    else
        hide();
}

bool TSpellEngineDialog::event(QEvent *event)
{
    // A click into the document takes the focus: the engine parks the dialog until Start.
    if (event->type() == QEvent::WindowDeactivate && !m_modal && isVisible() && m_engine && m_engine->checkRunning())
        m_engine->dialogDeactivated();
    return QDialog::event(event);
}

QPushButton *TSpellEngineDialog::button(int element) const
{
    if (element < SpellElement::ChangeAll || element > SpellElement::Cancel)
        return nullptr;
    return m_buttons[element];
}
