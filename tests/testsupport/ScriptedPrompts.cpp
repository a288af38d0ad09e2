#include "testsupport/ScriptedPrompts.h"

#include <gtest/gtest.h>

const char *kindName(ScriptedPrompts::Kind kind)
{
    using K = ScriptedPrompts::Kind;
    switch (kind) {
    case K::Information:
        return "information";
    case K::Error:
        return "error";
    case K::Confirm:
        return "Yes/No question";
    case K::YesNoCancel:
        return "Yes/No/Cancel question";
    case K::OpenFile:
        return "open dialog";
    case K::OpenFiles:
        return "multi-open dialog";
    case K::SaveFile:
        return "save dialog";
    case K::Folder:
        return "folder dialog";
    case K::Color:
        return "colour dialog";
    case K::Printer:
        return "print dialog";
    }
    return "?";
}

ScriptedPrompts::~ScriptedPrompts()
{
    EXPECT_TRUE(m_script.empty()) << m_script.size() << " scripted prompt(s) never shown, first: "
                                  << (m_script.empty() ? "" : kindName(m_script.front().kind));
}

ScriptedPrompts &ScriptedPrompts::expectInformation()
{
    m_script.push_back({Kind::Information, {}});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectError()
{
    m_script.push_back({Kind::Error, {}});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectConfirm(bool yes)
{
    m_script.push_back({Kind::Confirm, yes});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectQuestion(Answer answer)
{
    m_script.push_back({Kind::YesNoCancel, answer});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectOpenFile(const QString &path)
{
    m_script.push_back({Kind::OpenFile, path});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectOpenFiles(const QStringList &paths)
{
    m_script.push_back({Kind::OpenFiles, paths});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectSaveFile(const QString &path)
{
    m_script.push_back({Kind::SaveFile, path});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectFolder(const QString &path)
{
    m_script.push_back({Kind::Folder, path});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectColor(std::optional<QColor> color)
{
    m_script.push_back({Kind::Color, color});
    return *this;
}
ScriptedPrompts &ScriptedPrompts::expectPrinter(bool accept, std::function<void(QPrinter &)> configure)
{
    m_script.push_back({Kind::Printer, accept});
    m_printerSetups.push_back(std::move(configure));
    return *this;
}

QStringList ScriptedPrompts::shownTexts() const
{
    QStringList texts;
    for (const Shown &s : m_shown)
        texts << s.text;
    return texts;
}

const ScriptedPrompts::Shown &ScriptedPrompts::last() const
{
    static const Shown none{Kind::Information, QStringLiteral("<no prompt shown>"), {}};
    return m_shown.empty() ? none : m_shown.back();
}

void ScriptedPrompts::clear()
{
    m_script.clear();
    m_shown.clear();
}

ScriptedPrompts::Reply ScriptedPrompts::take(Kind kind, const QString &text, const FileDialogRequest &request)
{
    m_shown.push_back({kind, text, request});
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << text.toStdString();
        return {};
    }
    Step step = m_script.front();
    m_script.pop_front();
    if (step.kind != kind) {
        ADD_FAILURE() << "expected " << kindName(step.kind) << " but got " << kindName(kind) << ": "
                      << text.toStdString();
        return {};
    }
    return step.reply;
}

void ScriptedPrompts::information(const QString &text)
{
    take(Kind::Information, text);
}
void ScriptedPrompts::error(const QString &text)
{
    take(Kind::Error, text);
}

bool ScriptedPrompts::confirm(const QString &text)
{
    const Reply r = take(Kind::Confirm, text);
    return std::holds_alternative<bool>(r) && std::get<bool>(r);
}

Answer ScriptedPrompts::askYesNoCancel(const QString &text)
{
    const Reply r = take(Kind::YesNoCancel, text);
    return std::holds_alternative<Answer>(r) ? std::get<Answer>(r) : Answer::Cancel;
}

static QString
textReply(const std::variant<std::monostate, bool, Answer, QString, QStringList, std::optional<QColor>> &r)
{
    return std::holds_alternative<QString>(r) ? std::get<QString>(r) : QString();
}

QString ScriptedPrompts::openFile(const FileDialogRequest &request)
{
    return textReply(take(Kind::OpenFile, request.title, request));
}

QStringList ScriptedPrompts::openFiles(const FileDialogRequest &request)
{
    const Reply r = take(Kind::OpenFiles, request.title, request);
    return std::holds_alternative<QStringList>(r) ? std::get<QStringList>(r) : QStringList();
}

QString ScriptedPrompts::saveFile(const FileDialogRequest &request)
{
    return textReply(take(Kind::SaveFile, request.title, request));
}

QString ScriptedPrompts::chooseFolder(const QString &title, const QString &folder)
{
    FileDialogRequest request;
    request.title = title;
    request.folder = folder;
    return textReply(take(Kind::Folder, title, request));
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor &)
{
    const Reply r = take(Kind::Color, QStringLiteral("colour"));
    return std::holds_alternative<std::optional<QColor>>(r) ? std::get<std::optional<QColor>>(r) : std::nullopt;
}

bool ScriptedPrompts::choosePrinter(QPrinter &printer)
{
    if (!m_printerSetups.empty()) {
        if (m_printerSetups.front())
            m_printerSetups.front()(printer);
        m_printerSetups.pop_front();
    }
    const Reply r = take(Kind::Printer, QStringLiteral("print"));
    return std::holds_alternative<bool>(r) && std::get<bool>(r);
}
