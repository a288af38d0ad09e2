#pragma once

#include "platform/Prompts.h"

class QFileDialog;
class QWidget;

// Title, folder, filters and file name of a request; the executables entry lists runnable
// files only while it is the chosen filter.
void prepareFileDialog(QFileDialog &dialog, const FileDialogRequest &request);

// Prompts shown as Qt dialogs; message boxes carry the application's title.
class DialogPrompts final : public Prompts {
public:
    explicit DialogPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void information(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    QString openFile(const FileDialogRequest &request) override;
    QStringList openFiles(const FileDialogRequest &request) override;
    QString saveFile(const FileDialogRequest &request) override;
    QString chooseFolder(const QString &title, const QString &folder) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    bool choosePrinter(QPrinter &printer) override;

private:
    QWidget *m_parent;
};
