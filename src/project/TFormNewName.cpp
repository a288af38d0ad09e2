#include "project/TFormNewName.h"

#include "platform/PlainTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"

#include "platform/DialogButtons.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormNewName::TFormNewName(Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_prompts(prompts),
      m_edit1(new QLineEdit(this)), m_edit2(new QLineEdit(this))
{
    setObjectName(QStringLiteral("FormNewName"));
    setWindowTitle(QStringLiteral("Adding/Changing Web Pages"));
    auto *layout = new QVBoxLayout(this);
    for (const char *note : {"To add a web page to your site, it must already exist as an HTML file.",
                             "There are 2 simple steps to add a web page to your site. First, enter the Title for the "
                             "page -- this title will appear in your outline. Second, enter the actual path to the "
                             "HTML file on your hard drive.",
                             "To change the Title or Path for an existing page, just type in the new data below and "
                             "click OK."}) {
        auto *label = new QLabel(QLatin1String(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto *titleGroup = new QGroupBox(QStringLiteral("#1  Enter/Change Title for this web page:"), this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    (new QVBoxLayout(titleGroup))->addWidget(m_edit1);
    layout->addWidget(titleGroup);

    auto *pathGroup = new QGroupBox(QStringLiteral("#2  Path to HTML file for this web page: "), this);
    auto *pathLayout = new QVBoxLayout(pathGroup);
    auto *pathRow = new QHBoxLayout;
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    auto *select = new QPushButton(QStringLiteral("Select/Change File"), pathGroup);
    select->setObjectName(QStringLiteral("ButtonSelectHTML"));
    pathRow->addWidget(m_edit2, 1);
    pathRow->addWidget(select);
    pathLayout->addLayout(pathRow);
    pathLayout->addWidget(new QLabel(
        QStringLiteral("(ex: c:\\webfiles\\homepage.html       --- or click Select button to find it)"), pathGroup));
    layout->addWidget(pathGroup);

    const auto [ok, cancel] = addOkCancelRow(this, layout);
    setFixedSize(520, 360);

    connect(select, &QPushButton::clicked, this, &TFormNewName::ButtonSelectHTMLClick);
    connect(ok, &QPushButton::clicked, this, &TFormNewName::OKClick);
    connect(cancel, &QPushButton::clicked, this, &TFormNewName::CancelClick);
    showTextsAsPlainText(this);
}

void TFormNewName::reset(const QString &startLocation, const QString &htmlMasks)
{
    m_filter = QStringLiteral("HTML Files|") + htmlMasks + QStringLiteral("|All Files|*.*");
    m_startLocation = startLocation;
    m_title.clear();
    m_path.clear();
    m_edit1->clear();
    m_edit2->clear();
    m_cancelled = false;
    m_edit1->setFocus();
}

void TFormNewName::prepareAdd(const QString &startLocation, const QString &htmlMasks)
{
    reset(startLocation, htmlMasks);
    m_edit2->setText(startLocation);
}

void TFormNewName::prepareChange(const QString &title, const QString &path, Focus focus, const QString &startLocation,
                                 const QString &htmlMasks)
{
    reset(startLocation, htmlMasks);
    m_edit1->setText(title);
    m_edit2->setText(path);
    if (focus == Focus::Path) {
        m_edit2->setFocus();
        m_edit2->selectAll();
    }
}

void TFormNewName::ButtonSelectHTMLClick()
{
    FileDialogRequest request;
    request.filter = m_filter;
    request.filterIndex = 1;
    const QFileInfo current(m_edit2->text());
    if (!m_edit2->text().isEmpty() && current.isFile()) {
        request.folder = current.absolutePath();
        request.fileName = current.fileName();
    } else {
        request.folder = m_startLocation;
    }
    const QString chosen = m_prompts.openFile(request);
    if (!chosen.isEmpty())
        m_edit2->setText(chosen);
}

void TFormNewName::OKClick()
{
    if (!QFileInfo(m_edit2->text()).isFile()) {
        m_prompts.information(NewNameTexts::noFile);
        m_edit2->setFocus();
        return;
    }
    if (m_edit1->text().isEmpty()) {
        m_prompts.information(NewNameTexts::noTitle);
        m_edit1->setFocus();
        return;
    }
    m_title = m_edit1->text();
    m_path = m_edit2->text();
    accept();
}

void TFormNewName::CancelClick()
{
    m_cancelled = true;
    reject();
}
