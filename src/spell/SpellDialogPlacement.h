#pragma once

#include "spell/SpellTypes.h"

#include <QPoint>
#include <QRect>

// Where the spell dialog goes. All rectangles are in screen coordinates; the result is the
// dialog's new top left, always such that the whole dialog stays on the screen.
namespace SpellDialogPlacement {
// When the dialog first appears (ipUserDefined is the caller's: it passes its own point).
QPoint initial(TInitialPos position, const QRect &dialog, const QRect &control, const QRect &word, const QRect &screen);
// At each later word.
QPoint follow(TSelBehavior behavior, const QRect &dialog, const QRect &word, const QRect &screen);
QPoint clipped(QPoint topLeft, const QRect &dialog, const QRect &screen);
} // namespace SpellDialogPlacement
