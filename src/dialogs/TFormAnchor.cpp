#include "dialogs/TFormAnchor.h"

#include "dialogs/PowerHandOver.h"
#include "dialogs/PowerWidgets.h"
#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using PowerWidgets::named;

TFormAnchor::TFormAnchor(Prompts &prompts, Clipboard &clipboard, PowerResult &result, const QString &selectedText,
                         bool useRelative, const QString &prefix, const QString &htmlPatterns,
                         const QString &startFolder, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_clipboard(clipboard), m_result(result),
      m_filter(AnchorBuilder::fileFilter(htmlPatterns)), m_startFolder(startFolder)
{
    setObjectName(QStringLiteral("FormAnchor"));
    setWindowTitle(AnchorTexts::caption);
    m_result.reset();

    auto *layout = new QVBoxLayout(this);
    auto *data = new QGroupBox(QStringLiteral("HTML Tag Insertion Data  "), this);
    auto *grid = new QGridLayout(data);

    grid->addWidget(new QLabel(QStringLiteral("Define Anchor Tag:"), data), 0, 0);
    auto *kinds = new QHBoxLayout;
    m_radioHref = named(new QRadioButton(QStringLiteral("<A HREF> Tag"), data), "RadioHREF");
    m_radioHref->setChecked(true);
    m_radioName = named(new QRadioButton(QStringLiteral("<A NAME> Tag"), data), "RadioNAME");
    auto *kindGroup = new QButtonGroup(this);
    kindGroup->addButton(m_radioHref);
    kindGroup->addButton(m_radioName);
    kinds->addWidget(m_radioHref);
    kinds->addWidget(m_radioName);
    kinds->addStretch(1);
    grid->addLayout(kinds, 0, 1, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("HREF Link"), data), 1, 0);
    m_editHref = named(new QLineEdit(QStringLiteral("http://"), data), "EditHREF");
    grid->addWidget(m_editHref, 1, 1);
    auto *pick = named(new QToolButton(data), "BitBtnHREF");
    pick->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    grid->addWidget(pick, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("(no \" \" marks required)"), data), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("(or select a local file)"), data), 2, 2);

    grid->addWidget(new QLabel(QStringLiteral("Description"), data), 3, 0);
    m_editDesc = named(new QLineEdit(selectedText, data), "EditDesc");
    grid->addWidget(m_editDesc, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(data);

    auto *use = new QGroupBox(QStringLiteral("HREF File Link, Use: "), this);
    auto *useLayout = new QGridLayout(use);
    m_radioFilename = named(new QRadioButton(QStringLiteral("Filename only"), use), "RadioFilename");
    m_radioRelative = named(new QRadioButton(QStringLiteral("Relative File Path:"), use), "RadioRelative");
    (useRelative ? m_radioRelative : m_radioFilename)->setChecked(true);
    auto *useGroup = new QButtonGroup(this);
    useGroup->addButton(m_radioFilename);
    useGroup->addButton(m_radioRelative);
    m_editRelative =
        named(new QLineEdit(prefix.isEmpty() ? AnchorTexts::editRelativeExample : prefix, use), "EditRelative");
    auto *useNote =
        new QLabel(QStringLiteral("(if the link is to a file on your site, use Filename if in the same default "
                                  "directory, otherwise use Relative Path)"),
                   use);
    useNote->setWordWrap(true);
    useLayout->addWidget(m_radioFilename, 0, 0);
    useLayout->addWidget(m_radioRelative, 1, 0);
    useLayout->addWidget(m_editRelative, 1, 1);
    useLayout->addWidget(useNote, 2, 0, 1, 2);
    useLayout->setColumnStretch(1, 1);
    layout->addWidget(use);

    auto *tagRow = new QHBoxLayout;
    tagRow->addWidget(new QLabel(QStringLiteral("<A> Tag"), this));
    m_editDummy = PowerWidgets::resultField("EditDummy", AnchorTexts::editDummyPrompt, this);
    tagRow->addWidget(m_editDummy, 1);
    layout->addLayout(tagRow);
    layout->addWidget(
        new QLabel(QStringLiteral("Example:  <A HREF=\"http://www.kelvane.com\">Kelvane Tovarel Pro</A>"), this));

    auto *buttons = new QHBoxLayout;
    auto *insert = named(new QPushButton(QStringLiteral("Insert Tag into HTML file"), this), "BitBtnInsert");
    insert->setToolTip(QStringLiteral("Insert this tag into the open HTML file"));
    insert->setDefault(true);
    auto *copy = named(new QPushButton(QStringLiteral("Copy Tag to Clipboard"), this), "BitBtnClipboard");
    copy->setAutoDefault(false);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), this), "BitBtn1");
    cancel->setAutoDefault(false);
    buttons->addWidget(insert);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(560, 380);

    for (QLineEdit *edit : {m_editHref, m_editDesc, m_editRelative})
        connect(edit, &QLineEdit::textChanged, this, &TFormAnchor::rebuild);
    for (QRadioButton *radio : {m_radioHref, m_radioName, m_radioFilename, m_radioRelative})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rebuild();
        });
    connect(pick, &QToolButton::clicked, this, &TFormAnchor::BitBtnHREFClick);
    connect(insert, &QPushButton::clicked, this, &TFormAnchor::BitBtnInsertClick);
    connect(copy, &QPushButton::clicked, this, &TFormAnchor::BitBtnClipboardClick);
    connect(cancel, &QPushButton::clicked, this, &TFormAnchor::BitBtn1Click);
    showTextsAsPlainText(this);
}

bool TFormAnchor::useRelativePath() const
{
    return m_radioRelative->isChecked();
}

QString TFormAnchor::relativePrefix() const
{
    return m_editRelative->text();
}

AnchorFields TFormAnchor::fields() const
{
    AnchorFields f;
    f.namedAnchor = m_radioName->isChecked();
    f.href = m_editHref->text();
    f.description = m_editDesc->text();
    f.relative = m_radioRelative->isChecked();
    f.prefix = m_editRelative->text();
    return f;
}

void TFormAnchor::setFields(const AnchorFields &fields)
{
    (fields.namedAnchor ? m_radioName : m_radioHref)->setChecked(true);
    (fields.relative ? m_radioRelative : m_radioFilename)->setChecked(true);
    m_editHref->setText(fields.href);
    m_editDesc->setText(fields.description);
}

void TFormAnchor::showEvent(QShowEvent *event)
{
    m_editDummy->setText(AnchorTexts::editDummyPrompt);
    QDialog::showEvent(event);
}

void TFormAnchor::rebuild()
{
    PowerWidgets::showBuilt(m_editDummy, AnchorBuilder::tag(fields()));
}

void TFormAnchor::BitBtnHREFClick()
{
    FileDialogRequest request;
    request.folder = m_startFolder;
    request.filter = m_filter;
    request.filterIndex = 1;
    const QString path = m_prompts.openFile(request);
    if (!path.isEmpty())
        m_editHref->setText(fileNamePart(path));
}

void TFormAnchor::finish(bool insert)
{
    const QString tag = AnchorBuilder::tag(fields());
    PowerWidgets::showBuilt(m_editDummy, tag);
    handOver(m_result, m_clipboard, tag, insert); // one line, no line end
    accept();
}

void TFormAnchor::BitBtnInsertClick()
{
    finish(true);
}

void TFormAnchor::BitBtnClipboardClick()
{
    finish(false);
}

void TFormAnchor::BitBtn1Click()
{
    m_result.insert = false;
    reject();
}
