#include "dialogs/ColourText.h"

#include "platform/Prompts.h"

namespace ColourText {
QString htmlColour(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString quotedHtmlColour(const QColor &colour)
{
    return QLatin1Char('"') + htmlColour(colour) + QLatin1Char('"');
}
} // namespace ColourText

std::optional<QString> pickColourText(Prompts &prompts, QColor &last)
{
    const std::optional<QColor> chosen = prompts.chooseColor(last);
    if (!chosen)
        return std::nullopt;
    last = *chosen;
    return ColourText::quotedHtmlColour(*chosen);
}
