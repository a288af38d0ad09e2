#include "config/ColorNames.h"

#include <array>

namespace {
struct NamedColour {
    const char *name;
    quint32 value;
};

constexpr std::array<NamedColour, 10> kNamedColours{{
    {"clBlack", 0x000000},
    {"clBlue", 0xFF0000},
    {"clRed", 0x0000FF},
    {"clGreen", 0x008000},
    {"clGray", 0x808080},
    {"clNavy", 0x800000},
    {"clMaroon", 0x000080},
    {"clPurple", 0x800080},
    {"clOlive", 0x008080},
    {"clTeal", 0x808000},
}};
} // namespace

std::optional<quint32> ColorFromName(const QString &name)
{
    for (const NamedColour &c : kNamedColours)
        if (name == QLatin1String(c.name))
            return c.value;
    return std::nullopt;
}

QString ColorToName(quint32 value)
{
    for (const NamedColour &c : kNamedColours)
        if (c.value == value)
            return QLatin1String(c.name);
    return {};
}

QColor toQColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 fromQColor(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
