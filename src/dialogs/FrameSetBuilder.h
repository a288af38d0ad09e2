#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The Frame Builder's model: a frameset of 2 to 5 main frames across one direction, each
// main frame either one frame or split into 2 to 5 sub-frames across the other.
enum class FrameLayout { Columns, Rows };

inline const QStringList kScrollingChoices{QStringLiteral("Auto"), QStringLiteral("Yes"), QStringLiteral("No")};

struct FrameRecord {
    std::optional<QString> name; // none until the user or the finish step gives one
    QString url;
    QString scrolling = QStringLiteral("Auto");
    bool noResize = true;
    bool noBorder = false;
};

inline constexpr int kMaxFrames = 5;

namespace FrameText {
// `"50%,*"` for two parts: k-1 times 100/k "%," then `*"`, between double quotes.
QString sizeList(int parts);
// indent + <FRAME NAME="..." SRC="..." SCROLLING="..." then NORESIZE and FRAMEBORDER="0"
// as ticked; with neither the line ends in `" >`.
QString frameLine(const FrameRecord &frame, const QString &name, int indent);
QString keyword(FrameLayout layout);
QString otherKeyword(FrameLayout layout);
// "Frame2", or "Frame2B" for a sub-frame (position counts from 1).
QString pictureCaption(int mainFrame, int subFrame, bool split);
} // namespace FrameText

class FrameWizardModel final {
public:
    FrameLayout layout = FrameLayout::Columns;

    int mainCount() const { return m_mainCount; }
    void setMainCount(int count); // 2 to 5
    int subCount(int mainFrame) const { return m_subCounts.at(mainFrame - 1); }
    void setSubCount(int mainFrame, int count); // 1 to 5; records stay as they are
    bool isSplit(int mainFrame) const { return subCount(mainFrame) >= 2; }
    // Entering step 2: the dials beyond the main frames go back to 1.
    void resetUnusedSubCounts();

    FrameRecord &record(int mainFrame, int subFrame) { return m_records.at(mainFrame - 1).at(subFrame - 1); }
    const FrameRecord &record(int mainFrame, int subFrame) const
    {
        return m_records.at(mainFrame - 1).at(subFrame - 1);
    }
    // The name a record gets when none is given: the caption of its picture.
    QString defaultName(int mainFrame, int subFrame) const;
    QString nameOf(int mainFrame, int subFrame) const;
    // Stores a name typed into the data panel. A name equal to the record's default stays
    // unset, so that it follows the default when the frame is split or joined later.
    void storeName(int mainFrame, int subFrame, const QString &name);
    // The finish step: every unset name gets its default.
    void giveDefaultNames();

    // The lines of the frameset, each followed by CR LF.
    QString generate() const;

private:
    int m_mainCount = 2;
    std::array<int, kMaxFrames> m_subCounts{1, 1, 1, 1, 1};
    std::array<std::array<FrameRecord, kMaxFrames>, kMaxFrames> m_records{};
};

// The five ready-made layouts of the Frame Builder's template page, in the colours of
// their frames' data groups.
enum class TemplateColour { Yellow, White, Pink };

namespace FrameTemplates {
inline constexpr int kCount = 5;
// Templates 3 and 4 have a pink frame as well.
bool usesPink(int templateNumber);
// Indexed by TemplateColour. Names are taken as typed (they start as "Frame1".."Frame3").
struct ColourFrames {
    std::array<FrameRecord, 3> frames;
    QString nameOf(TemplateColour colour) const;
};
QString generate(int templateNumber, const ColourFrames &frames);
} // namespace FrameTemplates

// The FRAMESET dialog: the selection, each of its lines indented by four blanks, between
// a FRAMESET line with the typed COLS and ROWS and "</FRAMESET>".
namespace FramesetDialogText {
QString indentLines(const QString &text);
QString wrap(const QString &cols, const QString &rows, const QString &indentedText);
// The FRAME dialog's one line and its CR LF; " NORESIZE" brings its own blank here.
QString frameTag(const QString &name, const QString &url, const QString &scrolling, bool noResize, bool noBorder);
} // namespace FramesetDialogText
