#include "spell/UserDictionary.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QHash>

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

// One pass over an INI text collecting the keys of one section (lower-cased, first wins),
// with the rules of the program's INI files: names ignore case, values are trimmed and lose
// one pair of enclosing quotes, ';' starts a comment line. A user dictionary may hold many
// thousand keys; asking for each key separately would read the text once per word.
QHash<QString, QString> sectionValues(const QString &text, const QString &section)
{
    QHash<QString, QString> values;
    bool inSection = false;
    bool seenSection = false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
            if (close > 0) {
                // Only the first section of a name counts.
                inSection =
                    !seenSection && trimmed.mid(1, close - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
                seenSection = seenSection || inSection;
                continue;
            }
        }
        if (!inSection || trimmed.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString().toLower();
        if (key.isEmpty() || values.contains(key))
            continue;
        QStringView value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        values.insert(key, value.toString());
    }
    return values;
}

QStringList readList(const QHash<QString, QString> &values, const QString &name)
{
    QStringList items;
    bool ok = false;
    const int count = values.value(name.toLower() + QStringLiteral("_listcount")).toInt(&ok);
    if (!ok)
        return items;
    for (int i = 0; i < count; ++i) {
        const QString item = values.value(name.toLower() + QLatin1Char('_') + QString::number(i));
        if (!item.isEmpty())
            items.append(item);
    }
    return items;
}

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
    const std::optional<DecodedText> file = readTextFile(m_path);
    if (!file)
        return;
    if (m_readOnly) {
        for (QStringView line : QStringView(file->text).split(QLatin1Char('\n'))) {
            line = line.trimmed();
            if (!line.isEmpty())
                CaselessList::insert(m_words, line.toString());
        }
        return;
    }
    for (const QString &word : readList(sectionValues(file->text, kAddedSection), QStringLiteral("IGN")))
        CaselessList::insert(m_words, word);
    for (const QString &pair : readList(sectionValues(file->text, kAutoCorrectSection), QStringLiteral("AC"))) {
        const qsizetype at = pair.indexOf(kPairSeparator);
        if (at <= 0)
            continue;
        const QString misspelling = pair.left(at);
        const QString replacement = pair.mid(at + kPairSeparator.size());
        // A pair that would replace a word by nothing is no correction.
        if (!replacement.isEmpty() && replacementFor(misspelling).isNull()) {
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
