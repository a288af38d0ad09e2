#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

enum class Answer { Yes, No, Cancel };

// What a file dialog is asked to show. `filter` uses the program's own form
// "HTML Files|*.html;*.htm|All Files|*.*"; `filterIndex` counts from 1.
struct FileDialogRequest {
    QString title;
    QString folder;
    QString fileName;
    QString filter;
    int filterIndex = 1;
    QString defaultSuffix;
    // The filter entry (from 1) that lists only files the user may run; 0 for none. A
    // program on Linux has no extension to filter on.
    int executablesEntry = 0;
};

// The one place where the program asks or tells the user something in a modal box.
// The real implementation shows Qt dialogs; tests script the answers.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual void information(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    virtual bool confirm(const QString &text) = 0; // Yes / No
    virtual Answer askYesNoCancel(const QString &text) = 0;

    // Each returns an empty result when the user cancels.
    virtual QString openFile(const FileDialogRequest &request) = 0;
    virtual QStringList openFiles(const FileDialogRequest &request) = 0;
    virtual QString saveFile(const FileDialogRequest &request) = 0;
    virtual QString chooseFolder(const QString &title, const QString &folder) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    virtual bool choosePrinter(QPrinter &printer) = 0;
};
