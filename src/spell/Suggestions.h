#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <compare>
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
    // Likeliest first for the word the user typed (see SuggestionLikelihood); equally likely
    // ones alphabetically.
    void sortByLikelihood(QStringView typed);

private:
    QStringList m_items;
};

// How likely a suggestion is the word meant by a typed word; smaller is likelier. First the
// edit distance (inserted, deleted or replaced letters and swapped neighbours, letters
// compared without regard to case), then how near the cheapest set of those edits lies on
// the keyboard: slips of the fingers (neighbours swapped, a letter doubled or not, a key
// beside the right one) weigh less than other edits. Word lists carry no frequencies, so
// that is where the order ends.
struct SuggestionLikelihood {
    int distance = 0;
    double keyboard = 0;
    auto operator<=>(const SuggestionLikelihood &) const = default;
};
SuggestionLikelihood suggestionLikelihood(QStringView typed, QStringView candidate);

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
