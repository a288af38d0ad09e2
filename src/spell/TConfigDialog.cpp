#include "spell/TConfigDialog.h"

#include "platform/PlainTexts.h"
#include "platform/Prompts.h"
#include "spell/SpellLanguage.h"
#include "spell/TSpellEngine.h"
#include "spell/TrieDictionary.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kActiveRole = Qt::UserRole;

// Each entry with its active box at the left, filled when the entry is active.
class ActiveBoxDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem rest = option;
        rest.rect.setLeft(option.rect.left() + TConfigDialog::kBoxWidth);
        QStyledItemDelegate::paint(painter, rest, index);
        const int side = qMin(10, option.rect.height() - 2);
        const QRect box(option.rect.left() + 2, option.rect.center().y() - side / 2, side, side);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Text));
        painter->setBrush(index.data(kActiveRole).toBool() ? option.palette.brush(QPalette::Text) : Qt::NoBrush);
        painter->drawRect(box);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += TConfigDialog::kBoxWidth;
        return size;
    }
};

using Text = TLanguageModule::Text;

struct OptionGroup {
    Text title;
    QList<TSpellOption> options;
};
const QList<OptionGroup> &optionGroups()
{
    static const QList<OptionGroup> groups = {
        {Text::IgnoreGroup, {soUpcase, soNumbers, soHTML, soInternet, soQuoted}},
        {Text::SuggestionsGroup, {soAutoSuggest, soPrimaryOnly, soBestGuessesFirst}},
        {Text::GeneralGroup, {soRecheck, soRepeated, soDualCaps, soUser1, soUser2, soUser3, soUser4}},
    };
    return groups;
}

// The check box of our own option; the language modules have no text for it.
const QString kBestGuessesFirstCaption = QStringLiteral("&Best guesses first");

// The options' check boxes have their texts in the options' order.
Text optionCaption(TSpellOption option)
{
    static_assert(Text::User4Option - Text::UpcaseOption == soUser4 - soUpcase);
    return Text(Text::UpcaseOption + (option - soUpcase));
}

bool isUdt(const QString &path)
{
    return path.endsWith(QStringLiteral(".udt"), Qt::CaseInsensitive);
}
} // namespace

TConfigDialog::TConfigDialog(TSpellEngine &engine, TConfiguration &configuration, Prompts &prompts,
                             std::function<void()> openHelp, QWidget *parent)
    : QDialog(parent), m_engine(engine), m_configuration(configuration), m_work(configuration), m_prompts(prompts),
      m_openHelp(std::move(openHelp))
{
    setModal(true);
    setWindowTitle(text(Text::ConfigCaption));
    m_pages = new QTabWidget(this);
    m_pages->addTab(buildDictionaryPage(), text(Text::DictionariesPage));
    m_pages->addTab(buildOptionsPage(), text(Text::OptionsPage));

    m_ok = new QPushButton(text(Text::ConfigOk), this);
    m_cancel = new QPushButton(text(Text::ConfigCancel), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TConfigDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &TConfigDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    if (m_engine.properties().helpEnabled && m_openHelp) {
        auto *help = new QPushButton(text(Text::Help), this);
        connect(help, &QPushButton::clicked, this, [this] { m_openHelp(); });
        row->addWidget(help);
    }
    auto *top = new QVBoxLayout(this);
    top->addWidget(m_pages, 1);
    top->addLayout(row);

    // Descriptions of main dictionaries not yet known are read from their files.
    for (TMain &main : m_work.mains) {
        if (main.description.isEmpty())
            main.description = TrieDictionary::readDescription(m_work.resolve(main.path));
    }
    fillMains(m_work.mains.isEmpty() ? -1 : 0);
    fillUsers(m_work.users.isEmpty() ? -1 : 0);
    refreshAddTo();
    m_changed = false;
    showTextsAsPlainText(this);
}

QString TConfigDialog::text(Text index) const
{
    return m_engine.language().text(index);
}

QWidget *TConfigDialog::buildDictionaryPage()
{
    auto *page = new QWidget;
    const auto makeList = [this, page] {
        auto *list = new QListWidget(page);
        list->setItemDelegate(new ActiveBoxDelegate(list));
        list->viewport()->installEventFilter(this);
        return list;
    };
    const auto makeButton = [this, page](Text caption) {
        auto *b = new QPushButton(text(caption), page);
        b->setAutoDefault(false);
        m_buttons[caption] = b;
        return b;
    };
    const auto arrow = [page](Qt::ArrowType type) {
        auto *b = new QPushButton(page);
        b->setAutoDefault(false);
        b->setText(type == Qt::UpArrow ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC"));
        return b;
    };

    m_mainList = makeList();
    m_userList = makeList();
    m_mainUp = arrow(Qt::UpArrow);
    m_mainDown = arrow(Qt::DownArrow);
    m_userUp = arrow(Qt::UpArrow);
    m_userDown = arrow(Qt::DownArrow);

    auto *mainBox = new QGroupBox(text(Text::MainDictionaries), page);
    auto *mainGrid = new QGridLayout(mainBox);
    mainGrid->addWidget(m_mainList, 0, 0, 4, 1);
    mainGrid->addWidget(m_mainUp, 0, 1);
    mainGrid->addWidget(m_mainDown, 1, 1);
    mainGrid->addWidget(makeButton(Text::AddMain), 2, 1);
    mainGrid->addWidget(makeButton(Text::RemoveMain), 3, 1);

    auto *userBox = new QGroupBox(text(Text::UserDictionaries), page);
    auto *userGrid = new QGridLayout(userBox);
    userGrid->addWidget(m_userList, 0, 0, 5, 1);
    userGrid->addWidget(m_userUp, 0, 1);
    userGrid->addWidget(m_userDown, 1, 1);
    userGrid->addWidget(makeButton(Text::AddUser), 2, 1);
    userGrid->addWidget(makeButton(Text::RemoveUser), 3, 1);
    userGrid->addWidget(makeButton(Text::NewUser), 4, 1);

    m_addTo = new QComboBox(page);
    auto *addToLabel = new QLabel(text(Text::AddWordsTo), page);
    addToLabel->setBuddy(m_addTo);
    auto *addToRow = new QHBoxLayout;
    addToRow->addWidget(addToLabel);
    addToRow->addWidget(m_addTo, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(mainBox, 1);
    layout->addWidget(userBox, 1);
    layout->addLayout(addToRow);

    connect(m_buttons[Text::AddMain], &QPushButton::clicked, this, &TConfigDialog::addMain);
    connect(m_buttons[Text::RemoveMain], &QPushButton::clicked, this, &TConfigDialog::removeMain);
    connect(m_buttons[Text::AddUser], &QPushButton::clicked, this, &TConfigDialog::addUser);
    connect(m_buttons[Text::RemoveUser], &QPushButton::clicked, this, &TConfigDialog::removeUser);
    connect(m_buttons[Text::NewUser], &QPushButton::clicked, this, &TConfigDialog::newUser);
    connect(m_mainUp, &QPushButton::clicked, this, [this] { moveMain(-1); });
    connect(m_mainDown, &QPushButton::clicked, this, [this] { moveMain(1); });
    connect(m_userUp, &QPushButton::clicked, this, [this] { moveUser(-1); });
    connect(m_userDown, &QPushButton::clicked, this, [this] { moveUser(1); });
    connect(m_addTo, &QComboBox::activated, this, [this](int index) {
        const int user = m_addTo->itemData(index).toInt();
        if (user != m_work.userIndex) {
            m_work.userIndex = user;
            markChanged();
        }
    });
    return page;
}

QWidget *TConfigDialog::buildOptionsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    const TSpellOptions visible = m_engine.properties().visibleOptions;
    for (const OptionGroup &group : optionGroups()) {
        auto *box = new QGroupBox(text(group.title), page);
        auto *column = new QVBoxLayout(box);
        bool any = false;
        for (TSpellOption option : group.options) {
            if (!visible.has(option))
                continue;
            auto *check = new QCheckBox(
                option == soBestGuessesFirst ? kBestGuessesFirstCaption : text(optionCaption(option)), box);
            check->setChecked(m_work.options.has(option));
            connect(check, &QCheckBox::toggled, this, [this, option](bool on) {
                m_work.options.set(option, on);
                markChanged();
            });
            column->addWidget(check);
            m_options[option] = check;
            any = true;
        }
        if (!any) {
            delete box;
            continue;
        }
        layout->addWidget(box);
    }
    auto *resets = new QHBoxLayout;
    for (Text caption : {Text::ResetIgnoreAll, Text::ResetChangeAll}) {
        auto *b = new QPushButton(text(caption), page);
        b->setAutoDefault(false);
        m_buttons[caption] = b;
        resets->addWidget(b);
    }
    // The working lists belong to the engine's session, not to the configuration.
    connect(m_buttons[Text::ResetIgnoreAll], &QPushButton::clicked, this, [this] { m_engine.resetIgnoreAll(); });
    connect(m_buttons[Text::ResetChangeAll], &QPushButton::clicked, this, [this] { m_engine.resetChangeAll(); });
    layout->addLayout(resets);
    layout->addStretch(1);
    return page;
}

QCheckBox *TConfigDialog::optionBox(TSpellOption option) const
{
    const auto it = m_options.find(option);
    return it == m_options.end() ? nullptr : it->second;
}

QPushButton *TConfigDialog::button(Text caption) const
{
    const auto it = m_buttons.find(caption);
    return it == m_buttons.end() ? nullptr : it->second;
}

void TConfigDialog::fillMains(int current)
{
    m_mainList->clear();
    for (const TMain &main : m_work.mains) {
        auto *item = new QListWidgetItem(
            main.description.isEmpty() ? QFileInfo(main.path).fileName() : main.description, m_mainList);
        item->setData(kActiveRole, main.active);
    }
    m_mainList->setCurrentRow(qMin(current, m_mainList->count() - 1));
}

void TConfigDialog::fillUsers(int current)
{
    m_userList->clear();
    for (const TUser &user : m_work.users) {
        auto *item =
            new QListWidgetItem(QFileInfo(QString(user.path).replace(u'\\', u'/')).fileName().toLower(), m_userList);
        item->setData(kActiveRole, user.active);
    }
    m_userList->setCurrentRow(qMin(current, m_userList->count() - 1));
}

void TConfigDialog::refreshAddTo()
{
    const int before = m_work.userIndex;
    m_addTo->clear();
    int chosen = -1;
    for (int i = 0; i < m_work.users.size(); ++i) {
        const TUser &user = m_work.users[i];
        if (!user.active || !isUdt(user.path))
            continue;
        m_addTo->addItem(QFileInfo(QString(user.path).replace(u'\\', u'/')).fileName().toLower(), i);
        if (i == before)
            chosen = m_addTo->count() - 1;
    }
    // The previous choice is gone: the first entry takes its place.
    if (chosen < 0 && m_addTo->count() > 0)
        chosen = 0;
    m_addTo->setCurrentIndex(chosen);
    m_work.userIndex = chosen < 0 ? -1 : m_addTo->itemData(chosen).toInt();
    if (m_work.userIndex != before)
        markChanged();
}

void TConfigDialog::toggleMain(int row)
{
    if (row < 0 || row >= m_work.mains.size())
        return;
    TMain &main = m_work.mains[row];
    if (!main.active) {
        const QString path = m_work.resolve(main.path);
        if (!QFile::exists(path)) {
            m_prompts.information(path + QStringLiteral("\n\n") +
                                  m_engine.language().messageText(Text::DictionaryNotLocated));
            return;
        }
    }
    main.active = !main.active;
    m_mainList->item(row)->setData(kActiveRole, main.active);
    markChanged();
}

void TConfigDialog::toggleUser(int row)
{
    if (row < 0 || row >= m_work.users.size())
        return;
    TUser &user = m_work.users[row];
    user.active = !user.active;
    m_userList->item(row)->setData(kActiveRole, user.active);
    markChanged();
    refreshAddTo();
}

bool TConfigDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        QListWidget *list = watched == m_mainList->viewport()   ? m_mainList
                            : watched == m_userList->viewport() ? m_userList
                                                                : nullptr;
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (list && mouse->button() == Qt::LeftButton && mouse->position().x() < kBoxWidth) {
            QListWidgetItem *item = list->itemAt(mouse->position().toPoint());
            if (item) {
                const int row = list->row(item);
                list->setCurrentRow(row);
                if (list == m_mainList)
                    toggleMain(row);
                else
                    toggleUser(row);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

FileDialogRequest TConfigDialog::dictionaryRequest(Text title, Text filter, const QString &patterns,
                                                   const QString &suffix) const
{
    FileDialogRequest request;
    request.title = text(title);
    request.folder = m_work.folder();
    request.filter = text(filter) + patterns;
    request.defaultSuffix = suffix;
    return request;
}

void TConfigDialog::addMain()
{
    const QString path = m_prompts.openFile(
        dictionaryRequest(Text::OpenMainTitle, Text::MainFilter, QStringLiteral("|*.dct"), QStringLiteral("dct")));
    if (path.isEmpty())
        return;
    TMain main;
    main.path = path;
    main.active = m_work.mains.isEmpty(); // the first one is the one checked against
    main.description = TrieDictionary::readDescription(path);
    m_work.mains.append(main);
    fillMains(int(m_work.mains.size()) - 1);
    markChanged();
}

void TConfigDialog::removeMain()
{
    const int row = m_mainList->currentRow();
    if (row < 0 || row >= m_work.mains.size())
        return;
    m_work.mains.removeAt(row);
    fillMains(row);
    markChanged();
}

void TConfigDialog::addUser()
{
    const QString path = m_prompts.openFile(dictionaryRequest(Text::OpenUserTitle, Text::UserFilter,
                                                              QStringLiteral("|*.udt;*.dic"), QStringLiteral("udt")));
    if (path.isEmpty())
        return;
    m_work.users.append(TUser{path, true});
    fillUsers(int(m_work.users.size()) - 1);
    markChanged();
    refreshAddTo();
}

void TConfigDialog::removeUser()
{
    const int row = m_userList->currentRow();
    if (row < 0 || row >= m_work.users.size())
        return;
    m_work.users.removeAt(row);
    // The choice follows its dictionary; a removed one is gone.
    if (m_work.userIndex == row)
        m_work.userIndex = -1;
    else if (m_work.userIndex > row)
        --m_work.userIndex;
    fillUsers(row);
    markChanged();
    refreshAddTo();
}

void TConfigDialog::newUser()
{
    const QString path = m_prompts.saveFile(
        dictionaryRequest(Text::NewUserTitle, Text::NewUserFilter, QStringLiteral("|*.udt"), QStringLiteral("udt")));
    if (path.isEmpty())
        return;
    // The file exists from now on, so the entry can be used at once.
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    m_work.users.append(TUser{path, true});
    fillUsers(int(m_work.users.size()) - 1);
    markChanged();
    refreshAddTo();
}

void TConfigDialog::moveMain(int by)
{
    const int row = m_mainList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_work.mains.size())
        return;
    m_work.mains.swapItemsAt(row, to);
    fillMains(to);
    markChanged();
}

void TConfigDialog::moveUser(int by)
{
    const int row = m_userList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_work.users.size())
        return;
    m_work.users.swapItemsAt(row, to);
    if (m_work.userIndex == row)
        m_work.userIndex = to;
    else if (m_work.userIndex == to)
        m_work.userIndex = row;
    fillUsers(to);
    markChanged();
    refreshAddTo();
}

void TConfigDialog::accept()
{
    m_configuration.mains = m_work.mains;
    m_configuration.users = m_work.users;
    m_configuration.options = m_work.options;
    m_configuration.userIndex = m_work.userIndex;
    if (m_changed)
        m_configuration.writeBack = true;
    QDialog::accept();
}

bool TConfigDialog::mayLeave()
{
    return !m_changed || m_prompts.confirm(m_engine.language().messageText(Text::ExitWithoutSaving));
}

void TConfigDialog::reject()
{
    if (!mayLeave())
        return;
    QDialog::reject();
}
