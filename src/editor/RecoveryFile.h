#pragma once

#include "platform/TextFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class Clock;

// The unsaved text of the open page as the recovery file keeps it.
struct RecoveredPage {
    QString pageName; // the page's path (the untitled name for a new page)
    QDateTime changed;
    QString text; // '\n' line breaks
    // How the page's file is written, so a restored page saves as the file was: its encoding,
    // its first line end, and the lines that end otherwise.
    TextFormat format{};
    LineEndMarks otherLineEnds{};
};

namespace RecoveryTexts {
inline const QString fileName = QStringLiteral("recovery.dat");
// The start-up question after a crash: the page's name and the time of its last change.
QString restoreQuestion(const RecoveredPage &page);
} // namespace RecoveryTexts

// The file: a first line naming the format, "page=", "changed=" and "format=" lines in UTF-8,
// an empty line, then the text as saving the page would write it. A copy of the first format
// (its text in UTF-8 with LF line ends, no "format=") is still read.
namespace RecoveryFile {
QByteArray encode(const RecoveredPage &page);
std::optional<RecoveredPage> decode(const QByteArray &bytes, QString *error = nullptr);
// Written through a temporary file and renamed over the old one: a crash while writing
// leaves the previous copy whole.
bool write(const QString &path, const RecoveredPage &page, QString *error = nullptr);
std::optional<RecoveredPage> read(const QString &path, QString *error = nullptr);
} // namespace RecoveryFile

// When the copy is written and removed. The window reports each change of the text and
// ticks about once a second; the copy follows a few seconds after typing stops.
class RecoveryKeeper final {
public:
    static constexpr int kQuietSeconds = 3;

    RecoveryKeeper(QString filePath, const Clock &clock);

    const QString &filePath() const { return m_filePath; }
    void textChanged();
    // `unsaved`: the page has changes no file holds. `page` is asked only when a copy is due.
    template <typename PageOf> void tick(bool unsaved, PageOf page)
    {
        if (!unsaved) {
            if (m_onDisk)
                discard();
        } else if (due()) {
            keep(page());
        }
    }
    // Saved, closed or thrown away: no copy is wanted.
    void discard();

private:
    bool due() const;
    void keep(RecoveredPage page);

    QString m_filePath;
    const Clock &m_clock;
    std::optional<QDateTime> m_pendingChange; // the last change not yet in the copy
    bool m_onDisk;                            // a copy may be there (one left by a crash, too)
};
