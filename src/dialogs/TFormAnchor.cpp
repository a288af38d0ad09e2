#include "dialogs/TFormAnchor.h"

#include "dialogs/PowerHandOver.h"
#include "dialogs/PowerWidgets.h"
#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "ui_TFormAnchor.h"

#include <QStyle>

TFormAnchor::TFormAnchor(Prompts &prompts, Clipboard &clipboard, PowerResult &result, const QString &selectedText,
                         bool useRelative, const QString &prefix, const QString &htmlPatterns,
                         const QString &startFolder, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_clipboard(clipboard), m_result(result),
      m_filter(AnchorBuilder::fileFilter(htmlPatterns)), m_startFolder(startFolder),
      m_ui(std::make_unique<Ui::TFormAnchor>())
{
    m_ui->setupUi(this);
    setWindowTitle(AnchorTexts::caption);
    m_result.reset();

    m_ui->BitBtnHREF->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    m_ui->EditDesc->setText(selectedText);
    (useRelative ? m_ui->RadioRelative : m_ui->RadioFilename)->setChecked(true);
    m_ui->EditRelative->setText(prefix.isEmpty() ? AnchorTexts::editRelativeExample : prefix);
    PowerWidgets::paintAsResult(m_ui->EditDummy);
    m_ui->EditDummy->setText(AnchorTexts::editDummyPrompt);

    for (QLineEdit *edit : {m_ui->EditHREF, m_ui->EditDesc, m_ui->EditRelative})
        connect(edit, &QLineEdit::textChanged, this, &TFormAnchor::rebuild);
    for (QRadioButton *radio : {m_ui->RadioHREF, m_ui->RadioNAME, m_ui->RadioFilename, m_ui->RadioRelative})
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rebuild();
        });
    connect(m_ui->BitBtnHREF, &QToolButton::clicked, this, &TFormAnchor::BitBtnHREFClick);
    connect(m_ui->BitBtnInsert, &QPushButton::clicked, this, &TFormAnchor::BitBtnInsertClick);
    connect(m_ui->BitBtnClipboard, &QPushButton::clicked, this, &TFormAnchor::BitBtnClipboardClick);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TFormAnchor::BitBtn1Click);
    showTextsAsPlainText(this);
}

TFormAnchor::~TFormAnchor() = default;

bool TFormAnchor::useRelativePath() const
{
    return m_ui->RadioRelative->isChecked();
}

QString TFormAnchor::relativePrefix() const
{
    return m_ui->EditRelative->text();
}

AnchorFields TFormAnchor::fields() const
{
    AnchorFields f;
    f.namedAnchor = m_ui->RadioNAME->isChecked();
    f.href = m_ui->EditHREF->text();
    f.description = m_ui->EditDesc->text();
    f.relative = m_ui->RadioRelative->isChecked();
    f.prefix = m_ui->EditRelative->text();
    return f;
}

void TFormAnchor::setFields(const AnchorFields &fields)
{
    (fields.namedAnchor ? m_ui->RadioNAME : m_ui->RadioHREF)->setChecked(true);
    (fields.relative ? m_ui->RadioRelative : m_ui->RadioFilename)->setChecked(true);
    m_ui->EditHREF->setText(fields.href);
    m_ui->EditDesc->setText(fields.description);
}

void TFormAnchor::showEvent(QShowEvent *event)
{
    m_ui->EditDummy->setText(AnchorTexts::editDummyPrompt);
    QDialog::showEvent(event);
}

void TFormAnchor::rebuild()
{
    PowerWidgets::showBuilt(m_ui->EditDummy, AnchorBuilder::tag(fields()));
}

void TFormAnchor::BitBtnHREFClick()
{
    FileDialogRequest request;
    request.folder = m_startFolder;
    request.filter = m_filter;
    request.filterIndex = 1;
    const QString path = m_prompts.openFile(request);
    if (!path.isEmpty())
        m_ui->EditHREF->setText(fileNamePart(path));
}

void TFormAnchor::finish(bool insert)
{
    const QString tag = AnchorBuilder::tag(fields());
    PowerWidgets::showBuilt(m_ui->EditDummy, tag);
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
