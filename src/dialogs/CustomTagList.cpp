#include "dialogs/CustomTagList.h"

#include "dialogs/SortedEntries.h"

QString CustomTagList::entryLine(const QString &name, const QString &startTag, const QString &endTag)
{
    return name + QStringLiteral(" * ") + startTag + endTag;
}

QStringList CustomTagList::comboItems() const
{
    return QStringList{CustomTagTexts::selectHeader, CustomTagTexts::noneHeader} + m_entries;
}

int CustomTagList::add(const QString &entry)
{
    return insertSorted(m_entries, entry);
}

void CustomTagList::replaceAll(const QStringList &entries)
{
    m_entries = entries;
    sortEntries(m_entries);
}

namespace {
// The field already holds the brackets the normalisation added, so typing them as well
// would double them ("<B>>"); no tag starts with "<<" or ends with ">>".
QString withoutDoubledBrackets(QString text)
{
    if (text.startsWith(QStringLiteral("<<")))
        text.remove(0, 1);
    if (text.endsWith(QStringLiteral(">>")))
        text.chop(1);
    return text;
}
} // namespace

NormalisedStart normaliseStartTag(const QString &typed)
{
    if (typed.isEmpty())
        return {{typed, 0}, std::nullopt};
    QString text = withoutDoubledBrackets(typed);
    if (!text.startsWith(QLatin1Char('<')))
        text.prepend(QLatin1Char('<'));
    if (!text.endsWith(QLatin1Char('>')))
        text.append(QLatin1Char('>'));
    return {{text, int(text.size()) - 1}, QStringLiteral("</") + text.mid(1)};
}

NormalisedTag normaliseEndTag(const QString &typed)
{
    if (typed.isEmpty())
        return {typed, 0};
    QString text = withoutDoubledBrackets(typed);
    if (text.startsWith(QStringLiteral("<//")))
        text.remove(1, 1);
    if (!text.startsWith(QLatin1Char('<')))
        text.prepend(QLatin1Char('<'));
    if (text.size() < 2 || text.at(1) != QLatin1Char('/'))
        text.insert(1, QLatin1Char('/'));
    if (!text.endsWith(QLatin1Char('>')))
        text.append(QLatin1Char('>'));
    return {text, int(text.size()) - 1};
}

CustomTagProblem checkCustomTag(const QString &name, const QString &startTag, const QString &endTag)
{
    if (name.isEmpty())
        return CustomTagProblem::NameEmpty;
    if (name.startsWith(QLatin1Char(' ')))
        return CustomTagProblem::NameStartsWithBlank;
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('<')) || name.contains(QLatin1Char('>')))
        return CustomTagProblem::NameHasForbiddenCharacter;
    if (startTag.isEmpty() || startTag == QLatin1String("<>"))
        return CustomTagProblem::StartMissing;
    if (endTag.isEmpty())
        return CustomTagProblem::EndMissing;
    return CustomTagProblem::None;
}
