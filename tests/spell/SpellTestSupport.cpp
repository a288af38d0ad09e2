#include "SpellTestSupport.h"

#include "spell/TSpellEngine.h"

QByteArray dictionaryOf(const QStringList &words, const QString &description, const TrieWriteLimits &limits)
{
    std::vector<std::string> latin1;
    for (const QString &w : words) {
        const QByteArray bytes = w.toLatin1();
        latin1.emplace_back(bytes.constData(), size_t(bytes.size()));
    }
    return writeTrieDictionary(latin1, description, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ'0123456789",
                               nullptr, nullptr, limits);
}

void ScriptedSpellLoop::waitForInput()
{
    if (steps.empty()) {
        ranOut = true;
        engine->action(SpellAction::Cancel);
        return;
    }
    auto step = std::move(steps.front());
    steps.pop_front();
    step(*engine);
}

ScriptedSpellLoop &ScriptedSpellLoop::then(SpellAction code, const QString &replacement, FakeSpellDialog *dialog)
{
    steps.push_back([code, replacement, dialog](TSpellEngine &e) {
        if (dialog && !replacement.isNull()) {
            dialog->replacement = replacement;
            e.replacementEdited(true);
        }
        e.action(code);
    });
    return *this;
}
