#include "spell/SpellConfiguration.h"

#include "spell/TrieDictionary.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
const QString kId = QStringLiteral("ID");
const QString kDescriptions = QStringLiteral("M_DCT");
const QString kMainEntries = QStringLiteral("U_MU_DCT");
const QString kUserEntries = QStringLiteral("U_DCT");
const QString kUserIndex = QStringLiteral("UserIndex");

QString listKey(const QString &name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}
QString countKey(const QString &name)
{
    return name + QStringLiteral("_ListCount");
}

// "T" or "F" followed by the path.
bool parseEntry(const QString &item, QString &path, bool &active)
{
    if (item.size() < 2)
        return false;
    active = item.at(0).toUpper() == QLatin1Char('T');
    path = item.mid(1);
    return true;
}

QString entryText(bool active, const QString &path)
{
    return (active ? QStringLiteral("T") : QStringLiteral("F")) + path;
}

// Missing keys of a section that has an ID read as on for these.
bool optionOnWhenMissing(TSpellOption option)
{
    switch (option) {
    case soUpcase:
    case soAutoSuggest:
    case soPrimaryOnly:
    case soRecheck:
    case soRepeated:
    case soHTML:
    case soInternet:
    case soQuoted:
        return true;
    default:
        return false;
    }
}
} // namespace

QList<std::pair<int, QString>> TConfigIniFile::readIndexedList(const IniSection &section, const QString &name)
{
    QList<std::pair<int, QString>> items;
    const int count = std::max(0, IniText::parseInt(section.value(countKey(name)).value_or(QString())).value_or(0));
    const QString prefix = name + QLatin1Char('_');
    for (const QString &key : section.keys()) {
        if (!key.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        // Only the plain decimal spelling is the item's key ("L_7", not "L_07" or "L_+7").
        const QStringView digits = QStringView(key).sliced(prefix.size());
        bool isNumber = false;
        const int index = digits.toInt(&isNumber);
        if (isNumber && index >= 0 && index < count && digits == QString::number(index))
            items.append({index, *section.value(key)});
    }
    std::sort(items.begin(), items.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return items;
}

QStringList TConfigIniFile::readList(const IniSection &section, const QString &name)
{
    QStringList items;
    for (const auto &[index, item] : readIndexedList(section, name))
        if (!item.isEmpty())
            items.append(item);
    return items;
}

QString TConfigIniFile::readListItem(const IniSection &section, const QString &name, int index)
{
    return section.value(listKey(name, index)).value_or(QString());
}

bool TConfigIniFile::writeList(const QString &section, const QString &name, const QStringList &items) const
{
    // Items of a longer old list would otherwise linger unread in the file: the ones present
    // past the new end go, in one rewrite.
    QStringList stale;
    for (const auto &[index, item] : readIndexedList(readSection(section), name))
        if (index >= items.size())
            stale << listKey(name, index);
    bool ok = m_ini.writeInt(section, countKey(name), int(items.size()));
    for (int i = 0; i < items.size(); ++i)
        ok = m_ini.writeString(section, listKey(name, i), items[i]) && ok;
    if (!stale.isEmpty())
        ok = m_ini.deleteKeys(section, stale) && ok;
    return ok;
}

const QList<QPair<QString, TSpellOption>> &TConfiguration::optionKeys()
{
    static const QList<QPair<QString, TSpellOption>> keys = {
        {QStringLiteral("soUpcase"), soUpcase},
        {QStringLiteral("soNumbers"), soNumbers},
        {QStringLiteral("soAutoSuggest"), soAutoSuggest},
        {QStringLiteral("soPrimaryOnly"), soPrimaryOnly},
        {QStringLiteral("soRecheck"), soRecheck},
        {QStringLiteral("soRepeated"), soRepeated},
        {QStringLiteral("soDualCaps"), soDualCaps},
        {QStringLiteral("soHTML"), soHTML},
        {QStringLiteral("soInternet"), soInternet},
        {QStringLiteral("soQuoted"), soQuoted},
        {QStringLiteral("soUser1"), soUser1},
        {QStringLiteral("soUser2"), soUser2},
        {QStringLiteral("soUser3"), soUser3},
        {QStringLiteral("soUser4"), soUser4},
        {QStringLiteral("soBestGuessesFirst"), soBestGuessesFirst},
    };
    return keys;
}

QString TConfiguration::folder() const
{
    QString dir = QFileInfo(filePath).absolutePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString TConfiguration::resolve(const QString &storedPath) const
{
    QString path = storedPath;
    if (!QDir::isRelativePath(path))
        return path;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString beside = folder() + path;
    if (shippedFolder.isEmpty() || QFileInfo::exists(beside) || !QFileInfo::exists(shippedFolder + path))
        return beside;
    return shippedFolder + path;
}

void TConfiguration::load(const QString &path, const QString &sectionName, const TConfigDefaults &defaults)
{
    filePath = path;
    section = sectionName;
    shippedFolder = defaults.shippedFolder;
    mains.clear();
    users.clear();
    userIndex = -1;
    writeBack = false;
    loaded = true;

    const IniSection stored = TConfigIniFile(path).readSection(section);
    const auto readInt = [&](const QString &key, int fallback) {
        return IniText::parseInt(stored.value(key).value_or(QString())).value_or(fallback);
    };
    if (readInt(kId, 0) == 1) {
        for (const auto &[index, item] : TConfigIniFile::readIndexedList(stored, kMainEntries)) {
            TMain entry;
            if (!parseEntry(item, entry.path, entry.active))
                continue;
            const QString filePathOfEntry = resolve(entry.path);
            if (!QFileInfo::exists(filePathOfEntry))
                entry.active = false;
            entry.description = TConfigIniFile::readListItem(stored, kDescriptions, index);
            if (entry.description.isEmpty())
                entry.description = TrieDictionary::readDescription(filePathOfEntry);
            mains.append(entry);
        }
        for (const QString &item : TConfigIniFile::readList(stored, kUserEntries)) {
            TUser entry;
            if (parseEntry(item, entry.path, entry.active))
                users.append(entry);
        }
        for (const auto &[key, option] : optionKeys())
            options.set(option, readInt(key, optionOnWhenMissing(option) ? 1 : 0) != 0);
        userIndex = readInt(kUserIndex, -1);
        if (userIndex < -1 || userIndex >= users.size())
            userIndex = -1;
        return;
    }

    // No valid section: every dictionary beside the configuration file (and shipped).
    QDir dir(folder());
    QStringList mainNames;
    for (const QString &mainFolder : {folder(), shippedFolder}) {
        if (mainFolder.isEmpty())
            continue;
        const QStringList mainFiles = QDir(mainFolder).entryList({QStringLiteral("*.dct")}, QDir::Files, QDir::Name);
        for (const QString &name : mainFiles) {
            if (mainNames.contains(name, Qt::CaseInsensitive))
                continue; // the user's own copy comes first
            mainNames.append(name);
            TMain entry;
            entry.path = mainFolder + name;
            entry.active = name.toLower() == defaults.defaultMain.toLower();
            entry.description = TrieDictionary::readDescription(entry.path);
            mains.append(entry);
        }
    }
    const QStringList userFiles = dir.entryList({QStringLiteral("*.udt")}, QDir::Files, QDir::Name);
    for (const QString &name : userFiles) {
        const bool isDefault = name.toLower() == defaults.defaultUser.toLower();
        users.append({folder() + name, isDefault});
        if (isDefault && userIndex < 0)
            userIndex = int(users.size()) - 1;
    }
    if (userFiles.isEmpty()) {
        users.append({folder() + defaults.defaultUser, true});
        userIndex = 0;
    }
    options = defaults.defaultOptions;
    writeBack = true;
}

bool TConfiguration::save() const
{
    const TConfigIniFile file(filePath);
    bool ok = file.ini().writeInt(section, kId, 1);
    QStringList descriptions;
    QStringList mainItems;
    for (const TMain &m : mains) {
        descriptions.append(m.description);
        mainItems.append(entryText(m.active, m.path));
    }
    ok = file.writeList(section, kDescriptions, descriptions) && ok;
    ok = file.writeList(section, kMainEntries, mainItems) && ok;
    QStringList userItems;
    for (const TUser &u : users)
        userItems.append(entryText(u.active, u.path));
    ok = file.writeList(section, kUserEntries, userItems) && ok;
    for (const auto &[key, option] : optionKeys())
        ok = file.ini().writeInt(section, key, options.has(option) ? 1 : 0) && ok;
    ok = file.ini().writeInt(section, kUserIndex, userIndex) && ok;
    return ok;
}

void TConfiguration::release()
{
    if (loaded && writeBack && save())
        writeBack = false;
}
