// Crash recovery: the open page's unsaved text is copied to the folder the program writes in a few seconds
// after typing stops; a copy left at start-up means the program did not close, and is offered back.
#include "app/TForm1.h"

#include "editor/HtmlDocument.h"
#include "editor/HtmlEditor.h"
#include "editor/RecoveryFile.h"
#include "editor/RichEditAccess.h"
#include "platform/Prompts.h"

#include <QFile>
#include <QTextDocument>
#include <QTimer>

void TForm1::startRecovery()
{
    m_recovery =
        std::make_unique<RecoveryKeeper>(m_settings.folders().writable() + RecoveryTexts::fileName, *m_env.clock);
    offerRecovery();
    connect(m_editor->document(), &QTextDocument::contentsChanged, this, [this] { m_recovery->textChanged(); });
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("TimerRecovery"));
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &TForm1::TimerRecoveryTimer);
    timer->start();
}

void TForm1::TimerRecoveryTimer()
{
    m_recovery->tick(m_document->isModified() && !m_document->isHelpPage(), [this] {
        return RecoveredPage{m_document->openFileName(),
                             {},
                             m_editorAccess->plainText(),
                             m_document->format(),
                             m_editorAccess->otherLineEnds()};
    });
}

void TForm1::offerRecovery()
{
    if (!QFile::exists(m_recovery->filePath()))
        return;
    const std::optional<RecoveredPage> page = RecoveryFile::read(m_recovery->filePath());
    if (!page || !prompts().confirm(RecoveryTexts::restoreQuestion(*page))) {
        m_recovery->discard();
        return;
    }
    // Back as it was before the crash: the page's name, its text and the way its file is
    // written, unsaved. The copy stays until the text is saved or thrown away.
    m_document->restoreUnsaved(page->pageName, DecodedText{page->text, page->format, page->otherLineEnds});
    setStatusPanelText(2, DocumentTexts::statusPrefix + page->pageName);
}
