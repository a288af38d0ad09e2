#pragma once

#include "platform/Prompts.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <variant>

// Prompts whose answers a test gives in advance, in order. Every shown text is recorded;
// a prompt with no scripted answer, or of another kind than scripted, fails the test.
class ScriptedPrompts final : public Prompts {
public:
    enum class Kind { Information, Error, Confirm, YesNoCancel, OpenFile, OpenFiles, SaveFile, Folder, Color, Printer };

    struct Shown {
        Kind kind;
        QString text; // message text, or the dialog's title
        FileDialogRequest request;
    };

    ~ScriptedPrompts() override;

    // Scripting: each call queues one expected prompt and its answer.
    ScriptedPrompts &expectInformation();
    ScriptedPrompts &expectError();
    ScriptedPrompts &expectConfirm(bool yes);
    ScriptedPrompts &expectQuestion(Answer answer);
    ScriptedPrompts &expectOpenFile(const QString &path); // empty: cancel
    ScriptedPrompts &expectOpenFiles(const QStringList &paths);
    ScriptedPrompts &expectSaveFile(const QString &path); // empty: cancel
    ScriptedPrompts &expectFolder(const QString &path);
    ScriptedPrompts &expectColor(std::optional<QColor> color);
    // `configure` may point the printer at a PDF file before the command prints.
    ScriptedPrompts &expectPrinter(bool accept, std::function<void(QPrinter &)> configure = {});

    const std::vector<Shown> &shown() const { return m_shown; }
    QStringList shownTexts() const;
    const Shown &last() const;
    bool allAnswered() const { return m_script.empty(); }
    void clear();

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
    using Reply = std::variant<std::monostate, bool, Answer, QString, QStringList, std::optional<QColor>>;
    struct Step {
        Kind kind;
        Reply reply;
    };

    Reply take(Kind kind, const QString &text, const FileDialogRequest &request = {});

    std::deque<Step> m_script;
    std::deque<std::function<void(QPrinter &)>> m_printerSetups;
    std::vector<Shown> m_shown;
};

const char *kindName(ScriptedPrompts::Kind kind);
