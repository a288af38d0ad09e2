#include "dialogs/FrameSetBuilder.h"

#include <algorithm>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kFramesetEnd = QStringLiteral("<NOFRAME>\r\n</NOFRAME>\r\n</FRAMESET>\r\n");
constexpr int kMainIndent = 4;
constexpr int kSubIndent = 8;
} // namespace

namespace FrameText {
QString sizeList(int parts)
{
    QString list = QStringLiteral("\"");
    for (int i = 1; i < parts; ++i)
        list += QString::number(100 / parts) + QStringLiteral("%,");
    return list + QStringLiteral("*\"");
}

QString frameLine(const FrameRecord &frame, const QString &name, int indent)
{
    return QString(indent, QLatin1Char(' ')) + QStringLiteral("<FRAME NAME=\"") + name + QStringLiteral("\" SRC=\"") +
           frame.url + QStringLiteral("\" SCROLLING=\"") + frame.scrolling + QStringLiteral("\" ") +
           (frame.noResize ? QStringLiteral("NORESIZE") : QString()) +
           (frame.noBorder ? QStringLiteral(" FRAMEBORDER=\"0\"") : QString()) + QLatin1Char('>');
}

QString keyword(FrameLayout layout)
{
    return layout == FrameLayout::Columns ? QStringLiteral("COLS") : QStringLiteral("ROWS");
}

QString otherKeyword(FrameLayout layout)
{
    return keyword(layout == FrameLayout::Columns ? FrameLayout::Rows : FrameLayout::Columns);
}

QString pictureCaption(int mainFrame, int subFrame, bool split)
{
    const QString main = QStringLiteral("Frame%1").arg(mainFrame);
    return split ? main + QChar(u'A' + subFrame - 1) : main;
}
} // namespace FrameText

void FrameWizardModel::setMainCount(int count)
{
    m_mainCount = std::clamp(count, 2, kMaxFrames);
}

void FrameWizardModel::setSubCount(int mainFrame, int count)
{
    m_subCounts.at(mainFrame - 1) = std::clamp(count, 1, kMaxFrames);
}

void FrameWizardModel::resetUnusedSubCounts()
{
    for (int m = m_mainCount + 1; m <= kMaxFrames; ++m)
        setSubCount(m, 1);
}

QString FrameWizardModel::defaultName(int mainFrame, int subFrame) const
{
    // Records 2..5 of a main frame only ever show as sub-frames.
    return FrameText::pictureCaption(mainFrame, subFrame, subFrame > 1 || isSplit(mainFrame));
}

QString FrameWizardModel::nameOf(int mainFrame, int subFrame) const
{
    return record(mainFrame, subFrame).name.value_or(defaultName(mainFrame, subFrame));
}

void FrameWizardModel::storeName(int mainFrame, int subFrame, const QString &name)
{
    if (name == defaultName(mainFrame, subFrame))
        record(mainFrame, subFrame).name.reset();
    else
        record(mainFrame, subFrame).name = name;
}

void FrameWizardModel::giveDefaultNames()
{
    for (int m = 1; m <= kMaxFrames; ++m)
        for (int j = 1; j <= kMaxFrames; ++j)
            if (!record(m, j).name)
                record(m, j).name = defaultName(m, j);
}

QString FrameWizardModel::generate() const
{
    QString text = QStringLiteral("<FRAMESET ") + FrameText::otherKeyword(layout) + QStringLiteral("=\"100%\" ") +
                   FrameText::keyword(layout) + QLatin1Char('=') + FrameText::sizeList(m_mainCount) + QLatin1Char('>') +
                   kCrLf;
    for (int m = 1; m <= m_mainCount; ++m) {
        if (!isSplit(m)) {
            text += FrameText::frameLine(record(m, 1), nameOf(m, 1), kMainIndent) + kCrLf;
            continue;
        }
        text += QStringLiteral("    <FRAMESET ") + FrameText::otherKeyword(layout) + QLatin1Char('=') +
                FrameText::sizeList(subCount(m)) + QLatin1Char('>') + kCrLf;
        for (int j = 1; j <= subCount(m); ++j)
            text += FrameText::frameLine(record(m, j), nameOf(m, j), kSubIndent) + kCrLf;
        text += QStringLiteral("    </FRAMESET>") + kCrLf;
    }
    return text + kFramesetEnd;
}

namespace FrameTemplates {
bool usesPink(int templateNumber)
{
    return templateNumber == 3 || templateNumber == 4;
}

QString ColourFrames::nameOf(TemplateColour colour) const
{
    return frames.at(int(colour)).name.value_or(QString());
}

QString generate(int templateNumber, const ColourFrames &colours)
{
    struct Layout {
        const char *frameset;
        std::array<int, 3> order; // colours in order; -1 ends the list
    };
    constexpr int Y = int(TemplateColour::Yellow), W = int(TemplateColour::White), P = int(TemplateColour::Pink);
    static const Layout layouts[kCount] = {
        {"<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">", {Y, W, -1}},
        {"<FRAMESET COLS=\"100%\" ROWS=\"20%,*\">", {Y, W, -1}},
        {"<FRAMESET COLS=\"100%\" ROWS=\"20%,60%,*\">", {Y, W, P}},
        {"<FRAMESET ROWS=\"100%\" COLS=\"20%,*\">", {Y, -1, -1}},
        {"<FRAMESET COLS=\"100%\" ROWS=\"80%,*\">", {W, Y, -1}},
    };
    const Layout &layout = layouts[std::clamp(templateNumber, 1, kCount) - 1];
    const auto line = [&](int colour, int indent) {
        return FrameText::frameLine(colours.frames.at(colour), colours.nameOf(TemplateColour(colour)), indent) + kCrLf;
    };
    QString text = QLatin1String(layout.frameset) + kCrLf;
    for (int colour : layout.order)
        if (colour >= 0)
            text += line(colour, kMainIndent);
    if (templateNumber == 4) // a pink strip above a white area, right of the yellow column
        text += QStringLiteral("    <FRAMESET ROWS=\"20%,*\">") + kCrLf + line(P, kSubIndent) + line(W, kSubIndent) +
                QStringLiteral("    </FRAMESET>") + kCrLf;
    return text + kFramesetEnd;
}
} // namespace FrameTemplates

namespace FramesetDialogText {
QString indentLines(const QString &text)
{
    if (text.isEmpty())
        return text;
    QStringList lines = text.split(kCrLf);
    const bool endsWithBreak = text.endsWith(kCrLf);
    if (endsWithBreak)
        lines.removeLast(); // a closing break makes no further line
    for (QString &line : lines)
        line.prepend(QStringLiteral("    "));
    return lines.join(kCrLf) + (endsWithBreak ? kCrLf : QString());
}

QString wrap(const QString &cols, const QString &rows, const QString &indentedText)
{
    QString head = QStringLiteral("<FRAMESET");
    if (!cols.isEmpty())
        head += QStringLiteral(" COLS=\"") + cols + QLatin1Char('"');
    if (!rows.isEmpty())
        head += QStringLiteral(" ROWS=\"") + rows + QLatin1Char('"');
    head += QLatin1Char('>') + kCrLf;
    const bool closedLine = indentedText.isEmpty() || indentedText.endsWith(kCrLf);
    return head + indentedText + (closedLine ? QString() : kCrLf) + QStringLiteral("</FRAMESET>") +
           (closedLine ? kCrLf : QString());
}

QString frameTag(const QString &name, const QString &url, const QString &scrolling, bool noResize, bool noBorder)
{
    return QStringLiteral("<FRAME NAME=\"") + name + QStringLiteral("\" SRC=\"") + url +
           QStringLiteral("\" SCROLLING=\"") + scrolling + QStringLiteral("\" ") +
           (noResize ? QStringLiteral(" NORESIZE") : QString()) +
           (noBorder ? QStringLiteral(" FRAMEBORDER=\"0\"") : QString()) + QLatin1Char('>') + kCrLf;
}
} // namespace FramesetDialogText
