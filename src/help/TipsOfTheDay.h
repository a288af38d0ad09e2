#pragma once

#include <QStringList>

// The tips of the day, one short paragraph each.
namespace TipsOfTheDay {
const QStringList &tips();
inline const QString caption = QStringLiteral("Tovarel Pro Tip of the Day");
inline const QString title = QStringLiteral("Did you know...");
inline constexpr unsigned kBackground = 15532031; // 0x00BBGGRR
} // namespace TipsOfTheDay
