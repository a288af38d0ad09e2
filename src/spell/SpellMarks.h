#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

class TSpellEngine;

// A word of a text that a spell check would question: zero-based, within the text handed in.
struct MarkedWord {
    int start = 0;
    int length = 0;
    friend bool operator==(const MarkedWord &, const MarkedWord &) = default;
};

namespace SpellMarks {

// The words of `text` (lines joined by '\n') that a check with the engine would question, in
// order: the check's word characters, skipped tags and addresses, spared capitals and numbers,
// dictionaries, user dictionaries and Ignore All list. A repeated word is no unknown word. An
// engine that is not active has no dictionaries open to tell: none then.
std::vector<MarkedWord> unknownWords(const TSpellEngine &engine, const QString &text);

// The first `count` of the engine's suggestions for a marked word, likeliest first: a menu
// shows only these. The engine's quick suggestions when it has any, else its slower ones.
QStringList menuSuggestions(TSpellEngine &engine, const QString &word, int count);

// Whether a tag is still open at the end of the line: true when its last '<' or '>' is a '<',
// nullopt when it has neither (the answer lies in the lines above).
std::optional<bool> tagOpenAtEnd(QStringView line);

} // namespace SpellMarks
