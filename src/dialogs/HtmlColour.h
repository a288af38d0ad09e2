#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Colour values are 0x00BBGGRR. A value with the high byte 0x80 or 0xFF names a system
// colour by its index in the low byte instead.
namespace HtmlColour {

bool isSystemColour(quint32 value);
// The RGB value of a system colour (the classic desktop scheme); other values unchanged.
quint32 resolve(quint32 value);
// "#RRGGBB", upper-case hexadecimal, after resolving a system colour.
QString text(quint32 value);
// A stored colour: decimal (a negative number is a system colour written signed) or
// hexadecimal with a leading "0x". nullopt for anything else.
std::optional<quint32> parse(const QString &stored);

} // namespace HtmlColour
