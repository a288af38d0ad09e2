#include "spell/SpellDialogPlacement.h"

#include <algorithm>

namespace SpellDialogPlacement {
namespace {
constexpr int kGap = 2;

bool coversCorner(const QRect &dialog, const QRect &word)
{
    return dialog.contains(word.topLeft()) || dialog.contains(word.topRight()) || dialog.contains(word.bottomLeft()) ||
           dialog.contains(word.bottomRight());
}

// Below the word when the dialog fits there, otherwise above it.
int besideVertically(const QRect &dialog, const QRect &word, const QRect &screen)
{
    const int below = word.bottom() + 1 + kGap;
    if (below + dialog.height() <= screen.bottom() + 1)
        return below;
    return word.top() - kGap - dialog.height();
}
} // namespace

QPoint clipped(QPoint topLeft, const QRect &dialog, const QRect &screen)
{
    const int x = std::max(screen.left(), std::min(topLeft.x(), screen.right() + 1 - dialog.width()));
    const int y = std::max(screen.top(), std::min(topLeft.y(), screen.bottom() + 1 - dialog.height()));
    return {x, y};
}

QPoint initial(TInitialPos position, const QRect &dialog, const QRect &control, const QRect &word, const QRect &screen)
{
    switch (position) {
    case ipScreenCenter:
    case ipUserDefined:
        return clipped(screen.center() - QPoint(dialog.width() / 2, dialog.height() / 2), dialog, screen);
    case ipUnderSelection:
        return follow(sbMove, dialog, word, screen);
    case ipAvoidControl: {
        // Beside the control when there is room, so nothing of the text is covered; else
        // over the control but off the word.
        if (control.right() + 1 + dialog.width() <= screen.right() + 1)
            return clipped({control.right() + 1, control.top()}, dialog, screen);
        if (control.left() - dialog.width() >= screen.left())
            return clipped({control.left() - dialog.width(), control.top()}, dialog, screen);
        const QPoint centred = control.center() - QPoint(dialog.width() / 2, dialog.height() / 2);
        return follow(sbAvoidUpDown, QRect(clipped(centred, dialog, screen), dialog.size()), word, screen);
    }
    case ipIgnore:
        break;
    }
    return dialog.topLeft();
}

QPoint follow(TSelBehavior behavior, const QRect &dialog, const QRect &word, const QRect &screen)
{
    if (behavior == sbNone || word.isNull())
        return clipped(dialog.topLeft(), dialog, screen);
    const bool always = behavior == sbMove || behavior == sbMoveUpDown;
    if (!always && !coversCorner(dialog, word))
        return clipped(dialog.topLeft(), dialog, screen);
    const bool alignLeft = behavior == sbAvoid || behavior == sbMove;
    const int x = alignLeft ? word.left() : dialog.left();
    return clipped({x, besideVertically(dialog, word, screen)}, dialog, screen);
}
} // namespace SpellDialogPlacement
