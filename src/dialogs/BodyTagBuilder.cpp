#include "dialogs/BodyTagBuilder.h"

#include "config/Settings.h"
#include "dialogs/HtmlColour.h"

#include <array>
#include <utility>

namespace {
using Member = quint32 BodyColours::*;
constexpr std::array<std::pair<SettingKey, Member>, 5> kColourKeys{{
    {SettingKey::ColorBg, &BodyColours::background},
    {SettingKey::ColorText, &BodyColours::text},
    {SettingKey::ColorLink, &BodyColours::link},
    {SettingKey::ColorVLink, &BodyColours::visitedLink},
    {SettingKey::ColorALink, &BodyColours::activeLink},
}};

const QString kCrLf = QStringLiteral("\r\n");
} // namespace

BodyColours readBodyColours(const Settings &settings)
{
    BodyColours colours;
    for (const auto &[key, member] : kColourKeys) {
        if (const std::optional<quint32> value = HtmlColour::parse(settings.storedText(key)))
            colours.*member = *value;
    }
    return colours;
}

void storeBodyColours(Settings &settings, const BodyColours &colours)
{
    for (const auto &[key, member] : kColourKeys)
        settings.store(key, QString::number(colours.*member));
}

namespace BodyTagBuilder {

QString bareFileName(const QString &path)
{
    const qsizetype cut = std::max(
        {path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}

QString imageReference(const BodyFields &fields)
{
    if (fields.imagePath.isEmpty())
        return {};
    const QString name = bareFileName(fields.imagePath);
    // The prefix is taken as typed: no separator is added.
    return fields.insertPath ? fields.pathPrefix + name : name;
}

QString bodyTag(const BodyFields &fields)
{
    const BodyColours &c = fields.colours;
    QString tag = QStringLiteral("<BODY ");
    if (fields.tiledImage)
        tag += QStringLiteral("BACKGROUND=\"") + imageReference(fields) + QStringLiteral("\" ");
    else
        tag += QStringLiteral("BGCOLOR=") + HtmlColour::text(c.background) + QLatin1Char(' ');
    tag += QStringLiteral("TEXT=\"") + HtmlColour::text(c.text) + QLatin1Char('"');
    tag += QStringLiteral(" LINK=") + HtmlColour::text(c.link);
    tag += QStringLiteral(" ALINK=") + HtmlColour::text(c.activeLink);
    tag += QStringLiteral(" VLINK=") + HtmlColour::text(c.visitedLink);
    tag += QLatin1Char('>');
    return tag;
}

QStringList resultLines(const BodyFields &fields)
{
    const QString body = bodyTag(fields);
    const QString endBody = QStringLiteral("</BODY>");
    if (!fields.html && !fields.head && !fields.title && !fields.meta) {
        QStringList lines{body};
        if (fields.endBodyTag)
            lines << endBody;
        return lines;
    }
    QStringList lines;
    if (fields.html)
        lines << QStringLiteral("<HTML>");
    if (fields.head)
        lines << QStringLiteral("<HEAD>");
    if (fields.title)
        lines << QStringLiteral("    <TITLE>") + fields.titleText + QStringLiteral("</TITLE>");
    if (fields.meta) {
        lines << QStringLiteral("    <META Name=\"Description\" Content=\"") + fields.description +
                     QStringLiteral("\">");
        lines << QStringLiteral("    <META Name=\"Keywords\" Content=\"") + fields.keywords + QStringLiteral("\">");
    }
    if (fields.head)
        lines << QStringLiteral("</HEAD>");
    lines << body << endBody; // a skeleton always closes its BODY
    if (fields.html)
        lines << QStringLiteral("</HTML>");
    return lines;
}

QString resultText(const BodyFields &fields)
{
    QString text;
    for (const QString &line : resultLines(fields))
        text += line + kCrLf;
    return text;
}

} // namespace BodyTagBuilder
