#include "spell/SpellMarks.h"

#include "spell/Suggestions.h"
#include "spell/TParser.h"
#include "spell/TSpellEngine.h"

namespace SpellMarks {

std::vector<MarkedWord> unknownWords(const TSpellEngine &engine, const QString &text)
{
    if (!engine.isActive())
        return {};
    QString walked = text; // the string parser may edit its text; this one never does
    TStringParser parser(walked);
    engine.configure(parser);
    std::vector<MarkedWord> unknown;
    while (parser.nextWord()) {
        const QStringView word = parser.wordView();
        if (!engine.isAccepted(word) && !engine.isSpared(word, parser.isAddressWord()))
            unknown.push_back({parser.position() - 1, parser.wordLength()});
    }
    return unknown;
}

QStringList menuSuggestions(TSpellEngine &engine, const QString &word, int count)
{
    SuggestionList list;
    for (const bool withBackground : {false, true}) {
        for (const QString &suggestion : engine.suggestionsFor(word, withBackground))
            list.add(suggestion);
        if (!list.isEmpty())
            break;
    }
    list.sortByLikelihood(word);
    return list.items().mid(0, count);
}

std::optional<bool> tagOpenAtEnd(QStringView line)
{
    for (qsizetype i = line.size() - 1; i >= 0; --i) {
        if (line[i] == QLatin1Char('<'))
            return true;
        if (line[i] == QLatin1Char('>'))
            return false;
    }
    return std::nullopt;
}

} // namespace SpellMarks
