#pragma once

#include <QColor>
#include <QString>

#include <optional>

class Prompts;

namespace ColourText {
// "#" and red, green, blue as two upper-case hexadecimal digits each: "#FF0000".
QString htmlColour(const QColor &colour);
// The colour picker's text, quotes included: "\"#FF0000\"", nine characters.
QString quotedHtmlColour(const QColor &colour);
} // namespace ColourText

// The colour picker: asks for a colour, starting from `last` (the one chosen last in this
// run), and gives its quoted text; nothing when the user cancels. `last` takes the choice.
std::optional<QString> pickColourText(Prompts &prompts, QColor &last);
