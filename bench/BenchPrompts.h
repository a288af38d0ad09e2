#pragma once

#include "platform/Prompts.h"

// Prompts for benchmarks: no one is there to answer, so every question gets the answer the
// benchmark set (No by default) and the open dialog returns whatever path it set.
class BenchPrompts final : public Prompts {
public:
    explicit BenchPrompts(bool yes = false) : answerYes(yes) {}

    QString openPath;
    bool answerYes;

    void information(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return answerYes; }
    Answer askYesNoCancel(const QString &) override { return answerYes ? Answer::Yes : Answer::No; }
    QString openFile(const FileDialogRequest &) override { return openPath; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    bool choosePrinter(QPrinter &) override { return false; }
};
