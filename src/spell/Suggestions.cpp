#include "spell/Suggestions.h"

#include "spell/TrieDictionary.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

bool SuggestionList::contains(QStringView word) const
{
    return std::any_of(m_items.begin(), m_items.end(),
                       [&](const QString &item) { return QStringView(item).compare(word, Qt::CaseInsensitive) == 0; });
}

bool SuggestionList::add(const QString &word)
{
    if (word.isEmpty() || contains(word))
        return false;
    m_items.append(word);
    return true;
}

void SuggestionList::sort()
{
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

void SuggestionList::sortByLikelihood(QStringView typed)
{
    QHash<QString, SuggestionLikelihood> likelihood;
    for (const QString &item : std::as_const(m_items))
        likelihood.insert(item, suggestionLikelihood(typed, item));
    std::stable_sort(m_items.begin(), m_items.end(), [&](const QString &a, const QString &b) {
        const SuggestionLikelihood la = likelihood.value(a);
        const SuggestionLikelihood lb = likelihood.value(b);
        return la != lb ? la < lb : a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

namespace {
// Where a key lies on a QWERTY keyboard: its row and its column, the rows shifted by their
// stagger; none for characters without a key of their own. Asked for every cell of the
// likelihood table, so the keys are looked up in a table made once.
std::optional<std::pair<double, double>> keyPosition(QChar c)
{
    using Position = std::optional<std::pair<double, double>>;
    static const std::array<Position, 128> positions = [] {
        static const char *const rows[] = {"1234567890-", "qwertyuiop", "asdfghjkl;'", "zxcvbnm,./"};
        static const double stagger[] = {0, 0.5, 0.75, 1.25};
        std::array<Position, 128> table{};
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; rows[row][column]; ++column)
                table[size_t(rows[row][column])] = std::pair{double(row), column + stagger[row]};
        }
        return table;
    }();
    const char16_t lower = c.toLower().unicode();
    return lower < positions.size() ? positions[lower] : std::nullopt;
}

bool besideOnKeyboard(QChar a, QChar b)
{
    const auto pa = keyPosition(a);
    const auto pb = keyPosition(b);
    return pa && pb && std::abs(pa->first - pb->first) <= 1 && std::abs(pa->second - pb->second) <= 1;
}

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toLower() == b.toLower();
}

// The weights of single edits as typing slips.
constexpr double kSlip = 0.3;    // neighbours swapped; a letter doubled or not doubled
constexpr double kNearKey = 0.5; // the key beside the right one hit instead, or as well
constexpr double kOther = 1.0;

// A letter typed that does not belong between `before` and `after` (either may be null).
double extraLetterCost(QChar extra, QChar before, QChar after)
{
    if (sameLetter(extra, before) || sameLetter(extra, after))
        return kSlip;
    if (besideOnKeyboard(extra, before) || besideOnKeyboard(extra, after))
        return kNearKey;
    return kOther;
}
} // namespace

SuggestionLikelihood suggestionLikelihood(QStringView typed, QStringView candidate)
{
    // Optimal string alignment over both measures at once: the fewest edits, and among
    // alignments with that many, the lightest as slips.
    const qsizetype n = typed.size();
    const qsizetype m = candidate.size();
    struct Cell {
        int edits;
        double weight;
        bool operator<(const Cell &o) const { return edits != o.edits ? edits < o.edits : weight < o.weight; }
    };
    std::vector<Cell> table(size_t((n + 1) * (m + 1)));
    const auto at = [&](qsizetype i, qsizetype j) -> Cell & { return table[size_t(i * (m + 1) + j)]; };
    const auto charAt = [](QStringView s, qsizetype i) { return i >= 0 && i < s.size() ? s[i] : QChar(); };
    // A letter of the candidate the user left out, at typed position i.
    const auto missing = [&](qsizetype i, QChar letter) {
        return extraLetterCost(letter, charAt(typed, i - 1), charAt(typed, i));
    };
    // The typed letter i that the candidate does not have.
    const auto extra = [&](qsizetype i) {
        return extraLetterCost(typed[i], charAt(typed, i - 1), charAt(typed, i + 1));
    };
    at(0, 0) = {0, 0};
    for (qsizetype i = 1; i <= n; ++i)
        at(i, 0) = {int(i), at(i - 1, 0).weight + extra(i - 1)};
    for (qsizetype j = 1; j <= m; ++j)
        at(0, j) = {int(j), at(0, j - 1).weight + missing(0, candidate[j - 1])};
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const QChar t = typed[i - 1];
            const QChar c = candidate[j - 1];
            Cell best = at(i - 1, j - 1);
            if (!sameLetter(t, c)) {
                best.edits += 1;
                best.weight += besideOnKeyboard(t, c) ? kNearKey : kOther;
            } else if (t != c) {
                best.weight += 0.1; // only the case differs
            }
            Cell dropped = at(i - 1, j);
            dropped.edits += 1;
            dropped.weight += extra(i - 1);
            Cell added = at(i, j - 1);
            added.edits += 1;
            added.weight += missing(i, c);
            best = std::min({best, dropped, added});
            if (i > 1 && j > 1 && sameLetter(t, candidate[j - 2]) && sameLetter(typed[i - 2], c) && !sameLetter(t, c)) {
                Cell swapped = at(i - 2, j - 2);
                swapped.edits += 1;
                swapped.weight += kSlip;
                best = std::min(best, swapped);
            }
            at(i, j) = best;
        }
    }
    return {at(n, m).edits, at(n, m).weight};
}

bool toLatin1(QStringView word, std::string &out)
{
    out.resize(size_t(word.size()));
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c > 0xFF)
            return false;
        out[size_t(i)] = char(c);
    }
    return true;
}

QString fromLatin1(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

void forEachEdit(std::string_view word, std::string_view alphabet, const std::function<bool(std::string_view)> &known,
                 const std::function<bool(std::string_view)> &accept)
{
    const size_t n = word.size();
    if (n == 0)
        return;
    std::string c;
    c.reserve(n + 2);
    const auto offer = [&](std::string_view candidate) { return !known(candidate) || accept(candidate); };

    // 1. case of one letter
    for (size_t i = 0; i < n; ++i) {
        const char ch = word[i];
        char changed = ch;
        if (ch >= 'a' && ch <= 'z')
            changed = char(ch - 'a' + 'A');
        else if (ch >= 'A' && ch <= 'Z')
            changed = char(ch - 'A' + 'a');
        if (changed == ch)
            continue;
        c.assign(word);
        c[i] = changed;
        if (!offer(c))
            return;
    }
    // 2. neighbours swapped
    for (size_t i = 0; i + 1 < n; ++i) {
        if (word[i] == word[i + 1])
            continue;
        c.assign(word);
        std::swap(c[i], c[i + 1]);
        if (!offer(c))
            return;
    }
    // 3. one character deleted
    for (size_t i = 0; i < n; ++i) {
        if (n < 2)
            break;
        c.assign(word.substr(0, i));
        c.append(word.substr(i + 1));
        if (!offer(c))
            return;
    }
    // 4. one character inserted, never before the first
    for (size_t i = 1; i <= n; ++i) {
        for (char a : alphabet) {
            c.assign(word.substr(0, i));
            c.push_back(a);
            c.append(word.substr(i));
            if (!offer(c))
                return;
        }
    }
    // 5. one character replaced
    for (size_t i = 0; i < n; ++i) {
        for (char a : alphabet) {
            if (a == word[i])
                continue;
            c.assign(word);
            c[i] = a;
            if (!offer(c))
                return;
        }
    }
    // 6. characters two apart swapped
    if (n > 2) {
        for (size_t i = 0; i + 2 < n; ++i) {
            if (word[i] == word[i + 2])
                continue;
            c.assign(word);
            std::swap(c[i], c[i + 2]);
            if (!offer(c))
                return;
        }
    }
    // 7. two characters deleted
    if (n > 4) {
        std::string once;
        for (size_t i = 0; i < n; ++i) {
            once.assign(word.substr(0, i));
            once.append(word.substr(i + 1));
            for (size_t j = 0; j < once.size(); ++j) {
                c.assign(once.substr(0, j));
                c.append(once.substr(j + 1));
                if (!offer(c))
                    return;
            }
        }
    }
    // 8. split into two known words
    if (n > 3) {
        for (size_t at = 2; at + 2 <= n; ++at) {
            if (!known(word.substr(0, at)) || !known(word.substr(at)))
                continue;
            c.assign(word.substr(0, at));
            c.push_back(' ');
            c.append(word.substr(at));
            if (!accept(c))
                return;
        }
    }
}

void suggestFromDictionary(const TrieDictionary &dictionary, std::string_view word, SuggestionList &list, int limit)
{
    if (list.size() > limit)
        return;
    forEachEdit(
        word, dictionary.lettersInUse(), [&](std::string_view candidate) { return dictionary.contains(candidate); },
        [&](std::string_view candidate) {
            list.add(fromLatin1(candidate));
            return list.size() <= limit;
        });
}

QString adaptCase(QStringView questioned, const QString &suggestion)
{
    if (questioned.isEmpty() || !suggestion.isLower())
        return suggestion;
    QString adapted = suggestion;
    const qsizetype common = std::min(questioned.size(), adapted.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (questioned[i].isUpper())
            adapted[i] = adapted[i].toUpper();
    }
    if (adapted.size() > questioned.size() && questioned.back().isUpper()) {
        for (qsizetype i = questioned.size(); i < adapted.size(); ++i)
            adapted[i] = adapted[i].toUpper();
    }
    return adapted;
}
