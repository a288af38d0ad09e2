#include "editor/RecoveryFile.h"

#include "platform/Clock.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QLocale>

namespace {
const QByteArray kMagic = "Tovarel Pro recovery 1\n";
const QByteArray kPageKey = "page=";
const QByteArray kChangedKey = "changed=";

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

QString RecoveryTexts::restoreQuestion(const RecoveredPage &page)
{
    return QStringLiteral("Tovarel Pro was not closed properly. Unsaved changes to\n%1\nwere kept from %2.\n\n"
                          "Restore them now? (No throws them away.)")
        .arg(page.pageName, QLocale::system().toString(page.changed, QLocale::ShortFormat));
}

namespace RecoveryFile {

QByteArray encode(const RecoveredPage &page)
{
    QByteArray bytes = kMagic;
    bytes += kPageKey + page.pageName.toUtf8() + '\n';
    bytes += kChangedKey + page.changed.toUTC().toString(Qt::ISODateWithMs).toUtf8() + '\n';
    bytes += '\n';
    return bytes + page.text.toUtf8();
}

std::optional<RecoveredPage> decode(const QByteArray &bytes, QString *error)
{
    if (!bytes.startsWith(kMagic)) {
        fail(error, QStringLiteral("not a recovery file"));
        return std::nullopt;
    }
    RecoveredPage page;
    bool named = false;
    qsizetype at = kMagic.size();
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) {
            fail(error, QStringLiteral("the header has no end"));
            return std::nullopt;
        }
        const QByteArray line = bytes.mid(at, end - at);
        at = end + 1;
        if (line.isEmpty())
            break;
        if (line.startsWith(kPageKey)) {
            page.pageName = QString::fromUtf8(line.mid(kPageKey.size()));
            named = true;
        } else if (line.startsWith(kChangedKey)) {
            page.changed = QDateTime::fromString(QString::fromLatin1(line.mid(kChangedKey.size())), Qt::ISODateWithMs)
                               .toLocalTime();
        }
    }
    if (!named || !page.changed.isValid()) {
        fail(error, QStringLiteral("the page's name or time is missing"));
        return std::nullopt;
    }
    page.text = QString::fromUtf8(bytes.mid(at));
    return page;
}

bool write(const QString &path, const RecoveredPage &page, QString *error)
{
    return writeFileAtomically(path, encode(page), error);
}

std::optional<RecoveredPage> read(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes, error);
}

} // namespace RecoveryFile

RecoveryKeeper::RecoveryKeeper(QString filePath, const Clock &clock)
    : m_filePath(std::move(filePath)), m_clock(clock), m_onDisk(QFile::exists(m_filePath))
{
}

void RecoveryKeeper::textChanged()
{
    m_pendingChange = m_clock.now();
}

bool RecoveryKeeper::due() const
{
    return m_pendingChange && m_pendingChange->secsTo(m_clock.now()) >= kQuietSeconds;
}

void RecoveryKeeper::keep(RecoveredPage page)
{
    page.changed = *m_pendingChange;
    // A copy that cannot be written is tried again at the next tick; typing goes on regardless.
    if (RecoveryFile::write(m_filePath, page)) {
        m_pendingChange.reset();
        m_onDisk = true;
    }
}

void RecoveryKeeper::discard()
{
    m_pendingChange.reset();
    QFile::remove(m_filePath);
    m_onDisk = false;
}
