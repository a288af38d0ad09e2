#include "dialogs/ColourText.h"

#include "config/ColorNames.h"
#include "dialogs/HtmlColour.h"
#include "platform/Prompts.h"

namespace ColourText {
QString htmlColour(const QColor &colour)
{
    return HtmlColour::text(fromQColor(colour)); // the same text as Power BODY's colours
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
