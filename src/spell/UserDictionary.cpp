#include "spell/UserDictionary.h"

#include "platform/IniText.h"
#include "platform/TextFile.h"
#include "spell/SpellConfiguration.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace CaselessList {
qsizetype lowerBound(const QStringList &list, QStringView word)
{
    const auto it = std::lower_bound(list.begin(), list.end(), word, [](const QString &item, QStringView w) {
        return QStringView(item).compare(w, Qt::CaseInsensitive) < 0;
    });
    return it - list.begin();
}

bool contains(const QStringList &list, QStringView word)
{
    const qsizetype at = lowerBound(list, word);
    return at < list.size() && QStringView(list[at]).compare(word, Qt::CaseInsensitive) == 0;
}

bool insert(QStringList &list, const QString &word)
{
    const qsizetype at = lowerBound(list, word);
    if (at < list.size() && list[at].compare(word, Qt::CaseInsensitive) == 0)
        return false;
    list.insert(at, word);
    return true;
}

void sortUnique(QStringList &list)
{
    const auto less = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    const auto same = [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    std::stable_sort(list.begin(), list.end(), less);
    list.erase(std::unique(list.begin(), list.end(), same), list.end());
}

bool remove(QStringList &list, QStringView word)
{
    const qsizetype at = lowerBound(list, word);
    if (at >= list.size() || QStringView(list[at]).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    list.removeAt(at);
    return true;
}
} // namespace CaselessList

namespace {
const QString kAddedSection = QStringLiteral("Added");
const QString kAutoCorrectSection = QStringLiteral("Auto Correct");
const QString kPairSeparator = QStringLiteral("@@@");

void writeList(QString &out, const QString &name, const QStringList &items)
{
    out += name + QStringLiteral("_ListCount=") + QString::number(items.size()) + QLatin1Char('\n');
    for (qsizetype i = 0; i < items.size(); ++i)
        out += name + QLatin1Char('_') + QString::number(i) + QLatin1Char('=') + items[i] + QLatin1Char('\n');
}
} // namespace

TUserDictionary::TUserDictionary(QString path) : m_path(std::move(path))
{
    m_readOnly = QFileInfo(m_path).suffix().compare(QLatin1String("dic"), Qt::CaseInsensitive) == 0;
}

TUserDictionary::~TUserDictionary()
{
    save();
}

void TUserDictionary::load()
{
    m_words.clear();
    m_misspellings.clear();
    m_replacements.clear();
    m_modified = false;
    m_loaded = true;
    const std::optional<QByteArray> bytes = readFileBytes(m_path);
    if (!bytes)
        return;
    if (m_readOnly) {
        const QString text = decodeText(*bytes).text;
        for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
            line = line.trimmed();
            if (!line.isEmpty())
                m_words.append(line.toString());
        }
        CaselessList::sortUnique(m_words);
        return;
    }
    // Read once; the lists visit only the items present, whatever counts the file claims.
    const IniText ini(*bytes);
    m_words = TConfigIniFile::readList(ini.section(kAddedSection), QStringLiteral("IGN"));
    CaselessList::sortUnique(m_words);
    QSet<QString> misspelt; // case-folded: the first pair of a misspelling wins
    for (const QString &pair : TConfigIniFile::readList(ini.section(kAutoCorrectSection), QStringLiteral("AC"))) {
        const qsizetype at = pair.indexOf(kPairSeparator);
        if (at <= 0)
            continue;
        const QString misspelling = pair.left(at);
        const QString replacement = pair.mid(at + kPairSeparator.size());
        // A pair that would replace a word by nothing is no correction.
        if (!replacement.isEmpty() && !misspelt.contains(misspelling.toCaseFolded())) {
            misspelt.insert(misspelling.toCaseFolded());
            m_misspellings.append(misspelling);
            m_replacements.append(replacement);
        }
    }
}

QByteArray TUserDictionary::toBytes() const
{
    QString text;
    text += QLatin1Char('[') + kAddedSection + QStringLiteral("]\n");
    writeList(text, QStringLiteral("IGN"), m_words);
    text += QStringLiteral("\n[") + kAutoCorrectSection + QStringLiteral("]\n");
    QStringList pairs;
    for (qsizetype i = 0; i < m_misspellings.size(); ++i)
        pairs.append(m_misspellings[i] + kPairSeparator + m_replacements[i]);
    writeList(text, QStringLiteral("AC"), pairs);
    return encodeText(text, TextFormat{TextEncoding::Latin1, LineEnd::CrLf, false});
}

bool TUserDictionary::save()
{
    if (!m_modified || m_readOnly)
        return true;
    if (!writeFileAtomically(m_path, toBytes()))
        return false;
    m_modified = false;
    return true;
}

bool TUserDictionary::contains(QStringView word) const
{
    return CaselessList::contains(m_words, word);
}

bool TUserDictionary::addWord(const QString &word)
{
    if (m_readOnly || word.isEmpty() || !CaselessList::insert(m_words, word))
        return false;
    m_modified = true;
    return true;
}

bool TUserDictionary::removeWord(QStringView word)
{
    if (m_readOnly || !CaselessList::remove(m_words, word))
        return false;
    m_modified = true;
    return true;
}

QString TUserDictionary::replacementFor(QStringView word) const
{
    for (qsizetype i = 0; i < m_misspellings.size(); ++i) {
        if (QStringView(m_misspellings[i]).compare(word, Qt::CaseInsensitive) == 0)
            return m_replacements[i];
    }
    return QString();
}

bool TUserDictionary::addPair(const QString &misspelling, const QString &replacement)
{
    if (m_readOnly || misspelling.isEmpty() || replacement.isEmpty())
        return false;
    for (qsizetype i = 0; i < m_misspellings.size(); ++i) {
        if (m_misspellings[i].compare(misspelling, Qt::CaseInsensitive) == 0) {
            if (m_replacements[i] == replacement)
                return false;
            m_replacements[i] = replacement;
            m_modified = true;
            return true;
        }
    }
    m_misspellings.append(misspelling);
    m_replacements.append(replacement);
    m_modified = true;
    return true;
}

bool TUserDictionary::removePair(QStringView misspelling)
{
    if (m_readOnly)
        return false;
    for (qsizetype i = 0; i < m_misspellings.size(); ++i) {
        if (QStringView(m_misspellings[i]).compare(misspelling, Qt::CaseInsensitive) == 0) {
            m_misspellings.removeAt(i);
            m_replacements.removeAt(i);
            m_modified = true;
            return true;
        }
    }
    return false;
}
