#pragma once

#include "editor/BufferEditorAccess.h"
#include "platform/TextFile.h"
#include "project/FilesPanel.h"

#include <QMap>

// The main window's side of the Files tab, recording every call.
class FakeFilesHost final : public FilesTabHost {
public:
    Answer saveAnswer = Answer::No;
    BufferEditorAccess editor;
    bool modified = false;
    QString openFileName;
    QStringList loaded;      // paths asked for, readable or not
    QStringList browserPane; // paths shown in the browser pane
    QStringList powerImg;    // pictures handed to Power IMG
    QMap<int, QString> status;
    int questions = 0;
    QString openPageFolder;    // empty: a page never saved
    QString openProjectFolder; // empty: no project

    Answer askToSaveDocument() override
    {
        ++questions;
        return saveAnswer;
    }
    bool loadDocument(const QString &path, QString *error) override
    {
        loaded << path;
        editor.setPlainText(QString());
        openFileName = path;
        const std::optional<DecodedText> text = readTextFile(path, error);
        if (!text)
            return false;
        editor.setPlainText(text->text);
        modified = false;
        return true;
    }
    void showPageInBrowserPane(const QString &path) override { browserPane << path; }
    EditorAccess &editorAccess() override { return editor; }
    void setDocumentModified() override { modified = true; }
    void showStatus(int panel, const QString &text) override { status[panel] = text; }
    void openPictureInPowerImg(const QString &path) override { powerImg << path; }
    QString pageFolder() const override { return openPageFolder; }
    QString projectFolder() const override { return openProjectFolder; }
};
