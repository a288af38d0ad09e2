#pragma once

#include <QRect>
#include <QString>

// The horizontal rule dialog's choices and what they give: the HR tag and the sample line.
struct HorizontalRuleRequest {
    QString align = QStringLiteral("CENTER"); // "LEFT", "RIGHT" or "CENTER"
    int thickness = 2;
    bool percentWidth = true;
    int percent = 50;
    int pixels = 100;
    bool noShade = false;
};

// One line, no line end; the pieces carry their own blanks, so SIZE and WIDTH each follow
// two: <HR ALIGN="CENTER"  SIZE="2"  WIDTH="50%">.
QString buildHorizontalRule(const HorizontalRuleRequest &request);

// The sample line on a strip this wide, standing for a page of twice the width.
inline constexpr int kSampleStripWidth = 320;
QRect sampleLineRect(const HorizontalRuleRequest &request);
