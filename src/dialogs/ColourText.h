#pragma once

#include <QColor>
#include <QString>

namespace ColourText {
// "#" and red, green, blue as two upper-case hexadecimal digits each: "#FF0000".
QString htmlColour(const QColor &colour);
// The colour picker's text, quotes included: "\"#FF0000\"", nine characters.
QString quotedHtmlColour(const QColor &colour);
} // namespace ColourText
