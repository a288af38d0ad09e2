#include "dialogs/HtmlColour.h"

#include <array>
#include <limits>

namespace {
// The classic desktop scheme, 0x00BBGGRR, indexed like the system's colour numbers.
constexpr std::array<quint32, 31> kSystemColours{{
    0xC0C0C0, // scroll bar
    0x808000, // desktop
    0x800000, // active caption
    0x808080, // inactive caption
    0xC0C0C0, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xC0C0C0, // active border
    0xC0C0C0, // inactive border
    0x808080, // application workspace
    0x800000, // highlight
    0xFFFFFF, // highlight text
    0xC0C0C0, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xC0C0C0, // inactive caption text
    0xFFFFFF, // button highlight
    0x000000, // 3D dark shadow
    0xDFDFDF, // 3D light
    0x000000, // tooltip text
    0xE1FFFF, // tooltip background
    0xB5B5B5, // (unused slot)
    0xFF0000, // hot-tracked item
    0x800000, // gradient active caption
    0x808080, // gradient inactive caption
    0x800000, // menu highlight
    0xC0C0C0, // menu bar
}};
} // namespace

namespace HtmlColour {

bool isSystemColour(quint32 value)
{
    const quint32 high = value >> 24;
    return high == 0x80 || high == 0xFF;
}

quint32 resolve(quint32 value)
{
    if (!isSystemColour(value))
        return value & 0xFFFFFF;
    const quint32 index = value & 0xFF;
    return index < kSystemColours.size() ? kSystemColours[index] : 0; // unknown index: black
}

QString text(quint32 value)
{
    const quint32 rgb = resolve(value);
    const auto hex = [](quint32 component) {
        return QStringLiteral("%1").arg(component & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return QLatin1Char('#') + hex(rgb) + hex(rgb >> 8) + hex(rgb >> 16);
}

std::optional<quint32> parse(const QString &stored)
{
    const QString value = stored.trimmed();
    bool ok = false;
    if (value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const quint32 number = value.mid(2).toUInt(&ok, 16);
        return ok ? std::optional<quint32>(number) : std::nullopt;
    }
    const qint64 number = value.toLongLong(&ok, 10);
    if (!ok || number < std::numeric_limits<qint32>::min() || number > qint64(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return quint32(number);
}

} // namespace HtmlColour
