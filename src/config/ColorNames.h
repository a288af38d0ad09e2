#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Colour values are integers of the form 0x00BBGGRR.
// The ten colour names, compared exactly (case-sensitive).
std::optional<quint32> ColorFromName(const QString &name);
// The name of a value of the table, or empty when it has none.
QString ColorToName(quint32 value);

QColor toQColor(quint32 bgr);
quint32 fromQColor(const QColor &colour);
