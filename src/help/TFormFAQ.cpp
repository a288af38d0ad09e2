#include "help/TFormFAQ.h"

#include "platform/PlainTexts.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const char *const kFaq =
    "<h3>Why does the built-in browser pane show an old version of my page?</h3>"
    "<p>The pane shows the page when you click IE. After editing, click IE again to refresh it. In the preview "
    "mode N (no save) the pane shows the file as last saved, so save first or switch the mode letter to T or S "
    "by double-clicking it.</p>"
    "<h3>Page analysis says my pictures are missing. Why?</h3>"
    "<p>The analysis looks for pictures in the image folder you give it, not on the web server. Set the real "
    "folder of your site's images on the analysis screen or under Settings, and make sure it ends in a folder "
    "separator.</p>"
    "<h3>My frames page looks empty in the built-in preview.</h3>"
    "<p>Each frame loads its own file. Save the frame pages first and keep their file names relative to the "
    "frameset page, so the browser pane can find them next to it.</p>"
    "<h3>Can Tovarel Pro open very large files?</h3>"
    "<p>Yes. The editing window takes files of many megabytes. The large-file setting on the Files page of the "
    "settings is kept for old settings files and is no longer needed. Tag colouring of a huge page can be stopped "
    "at any time with the Stop button.</p>";
}

TFormFAQ::TFormFAQ(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFAQ"));
    setWindowTitle(QStringLiteral("FAQ"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("MemoFAQ"));
    text->setHtml(QLatin1String(kFaq));
    layout->addWidget(text);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(480, 420);
    showTextsAsPlainText(this);
}
