#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <string>
#include <string_view>

class TrieDictionary;

// A suggestion list that never holds two entries equal without regard to case.
class SuggestionList {
public:
    bool contains(QStringView word) const;
    // False when it was there already.
    bool add(const QString &word);
    qsizetype size() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const QStringList &items() const { return m_items; }
    void clear() { m_items.clear(); }
    // Alphabetical without regard to case, as the dialog shows it.
    void sort();

private:
    QStringList m_items;
};

// The eight edit kinds in their order: change the case of one letter; swap neighbours;
// delete one character; insert an alphabet character before positions 2 to n+1 (never
// before the first); replace one character by each alphabet character; swap characters
// two apart (n > 2); delete two characters (n > 4); split in two known words (n > 3).
// `known` tests a candidate, `accept` takes a known one and returns false to stop.
void forEachEdit(std::string_view word, std::string_view alphabet, const std::function<bool(std::string_view)> &known,
                 const std::function<bool(std::string_view)> &accept);

// Suggestions from one main dictionary: each known candidate not yet in the list is added,
// until the list holds more than `limit`.
void suggestFromDictionary(const TrieDictionary &dictionary, std::string_view word, SuggestionList &list, int limit);

// A wholly lower-case suggestion takes the capitals of the questioned word: each position
// where the word has a capital gets one, and when the suggestion is longer and the word
// ends in a capital, the rest is capitalised too (Teh: the -> The; TEH: the -> THE).
QString adaptCase(QStringView questioned, const QString &suggestion);

// Latin-1 conversions for words: false when a character has no Latin-1 form.
bool toLatin1(QStringView word, std::string &out);
QString fromLatin1(std::string_view bytes);
