#include "platform/IniFile.h"

#include "platform/IniText.h"
#include "platform/TextFile.h"

#include <QFileInfo>

#include <optional>

namespace {

// The file's contents, or nullopt when it cannot be read. A missing file is an empty
// one; any other failure must stop a write, or the rewrite would throw the file away.
std::optional<QByteArray> currentBytes(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    return readFileBytes(path);
}

std::optional<IniText> load(const QString &path)
{
    std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return IniText(*bytes);
}

bool store(const QString &path, const QByteArray &oldBytes, const QByteArray &newBytes)
{
    // Rewriting identical bytes would only touch the file's date.
    if (newBytes == oldBytes && QFileInfo::exists(path))
        return true;
    return writeFileAtomically(path, newBytes);
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<IniText> ini = load(m_path);
    if (!ini)
        return defaultValue;
    return ini->value(section, key).value_or(defaultValue);
}

int IniFile::readInt(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<IniText> ini = load(m_path);
    if (!ini)
        return defaultValue;
    const std::optional<QString> text = ini->value(section, key);
    if (!text)
        return defaultValue;
    return IniText::parseInt(*text).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const std::optional<IniText> ini = load(m_path);
    return ini && ini->value(section, key).has_value();
}

QStringList IniFile::readKeys(const QString &section) const
{
    const std::optional<IniText> ini = load(m_path);
    return ini ? ini->keys(section) : QStringList();
}

QStringList IniFile::readSections() const
{
    const std::optional<IniText> ini = load(m_path);
    return ini ? ini->sections() : QStringList();
}

IniText IniFile::readAll() const
{
    return load(m_path).value_or(IniText(QByteArray()));
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    const std::optional<QByteArray> bytes = currentBytes(m_path);
    if (!bytes)
        return false;
    const std::optional<QByteArray> updated = IniText(*bytes).withValue(section, key, value);
    return updated && store(m_path, *bytes, *updated);
}

bool IniFile::writeInt(const QString &section, const QString &key, int value) const
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value) const
{
    return writeInt(section, key, value ? 1 : 0);
}

bool IniFile::deleteKey(const QString &section, const QString &key) const
{
    return deleteKeys(section, {key});
}

bool IniFile::deleteKeys(const QString &section, const QStringList &keys) const
{
    const std::optional<QByteArray> bytes = currentBytes(m_path);
    if (!bytes)
        return false;
    const std::optional<QByteArray> updated = IniText(*bytes).withoutKeys(section, keys);
    if (!updated)
        return true; // no such key: the file already says what was asked
    return store(m_path, *bytes, *updated);
}
