#include "spell/Suggestions.h"

#include "spell/TrieDictionary.h"

#include <algorithm>

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
