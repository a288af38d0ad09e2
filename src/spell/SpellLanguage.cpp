#include "spell/SpellLanguage.h"

namespace {
const QString kEndMarker = QStringLiteral("@@@");
}

TLanguageModule::TLanguageModule(QString name, QStringList texts) : m_name(std::move(name)), m_texts(std::move(texts))
{
    while (m_texts.size() < kTextCount)
        m_texts.append(QString());
    m_texts.resize(kTextCount);
}

QString TLanguageModule::messageText(int index) const
{
    QString shown = text(index);
    shown.replace(QLatin1Char('\\'), QLatin1Char('\n'));
    return shown;
}

QStringList TLanguageModule::toStored() const
{
    QStringList stored{m_name};
    stored += m_texts;
    stored += kEndMarker;
    return stored;
}

std::optional<TLanguageModule> TLanguageModule::fromStored(const QStringList &stored, qsizetype &at)
{
    const qsizetype end = stored.indexOf(kEndMarker, at);
    if (end < 0 || end - at != 1 + kTextCount)
        return std::nullopt;
    TLanguageModule module(stored.at(at), stored.mid(at + 1, kTextCount));
    at = end + 1;
    return module;
}

const TLanguageModule &TLanguageModule::englishUs()
{
    static const TLanguageModule module(
        QStringLiteral("English (US)"),
        {
            QStringLiteral("Spell Check Complete"),
            QStringLiteral("Words Checked: "),
            QString(),
            QStringLiteral("Spell Check"),
            QStringLiteral("&Change All"),
            QStringLiteral("C&hange"),
            QStringLiteral("&Ignore All"),
            QStringLiteral("I&gnore"),
            QStringLiteral("&Add"),
            QStringLiteral("Au&to-Correct"),
            QStringLiteral("S&uggest"),
            QStringLiteral("Start"),
            QStringLiteral("Undo &Last"),
            QStringLiteral("&Options"),
            QStringLiteral("&Delete"),
            QStringLiteral("Hel&p"),
            QStringLiteral("Cancel"),
            QStringLiteral("Not Found:"),
            QStringLiteral("Repeated Word:"),
            QStringLiteral("Replace With:"),
            QStringLiteral("Suggestions:"),
            QStringLiteral("(Working...)"),
            QStringLiteral("Spell Check Configuration"),
            QStringLiteral("Dictionaries"),
            QStringLiteral("Options"),
            QStringLiteral("&OK"),
            QStringLiteral("&Cancel"),
            QStringLiteral(" Main Dictionaries: "),
            QStringLiteral("&Add"),
            QStringLiteral("&Remove"),
            QStringLiteral(" User Dictionaries: "),
            QStringLiteral("A&dd"),
            QStringLiteral("R&emove"),
            QStringLiteral("&New"),
            QStringLiteral("Add Words &To;"),
            QStringLiteral(" Ignore: "),
            QStringLiteral(" Suggestions: "),
            QStringLiteral(" General: "),
            QStringLiteral("Reset Ignore &All"),
            QStringLiteral("R&eset Change All"),
            QStringLiteral("Words in &UPPERCASE"),
            QStringLiteral("Words Containing &Numbers"),
            QStringLiteral("&HTML Tags"),
            QStringLiteral("UR&Ls and E-mail Addresses"),
            QStringLiteral("Quoted Lines"),
            QStringLiteral("&Generate Automatically"),
            QStringLiteral("From &Primary Dictionary Only"),
            QStringLiteral("Re-check Replaced Words"),
            QStringLiteral("Prompt on Repeated Word"),
            QStringLiteral("Prompt on &DUal CAps"),
            QStringLiteral("User Option 1"),
            QStringLiteral("User Option 2"),
            QStringLiteral("User Option 3"),
            QStringLiteral("User Option 4"),
            QStringLiteral("Dictionary Files"),
            QStringLiteral("Open Main Dictionary"),
            QStringLiteral("User Dictionaries"),
            QStringLiteral("Open User Dictionary"),
            QStringLiteral("User Dictionary File"),
            QStringLiteral("New User Dictionary"),
            QStringLiteral(R"(A main dictionary has yet to be\set for this configuration.\\Edit configuration?)"),
            QStringLiteral(
                R"(This dictionary file could not be\located.  It needs to be moved\to the specified directory or\this entry should be removed.)"),
            QStringLiteral("Unable to find dictionary file:"),
            QStringLiteral("Exit without saving configuration?"),
        });
    return module;
}
