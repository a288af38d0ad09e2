#pragma once

#include "platform/Prompts.h"

// Prompts for benchmarks: no one is there to answer, so every question is declined and
// the open dialog returns whatever the benchmark set.
class BenchPrompts final : public Prompts {
public:
    QString openPath;

    void information(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return false; }
    Answer askYesNoCancel(const QString &) override { return Answer::No; }
    QString openFile(const FileDialogRequest &) override { return openPath; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    bool choosePrinter(QPrinter &) override { return false; }
};
