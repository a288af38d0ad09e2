#pragma once

#include <QByteArrayView>
#include <QSize>

#include <optional>

// The size in pixels an SVG picture asks for, read from its outer <svg> element: width and
// height in absolute units (px, pt, pc, in, cm, mm; 96 pixels to the inch), else from the
// viewBox, keeping its proportions when only one of the two is given. nullopt when the text
// is no SVG or names no positive size up to the pixel ceiling.
namespace SvgSize {
inline constexpr int kMaxSide = 100000;
std::optional<QSize> read(QByteArrayView bytes);
} // namespace SvgSize
