#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace orv {
namespace {
const QString kProgramGroup = QStringLiteral("Browser");
}

QString TSettingsStore::defaultPath() {
    const QString overridden = qEnvironmentVariable("ORVANE_SETTINGS_FILE");
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Tamlock/Orvane Live.ini";
}

namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                       QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// The file may hold a remembered password: only its owner may read it. The file is created empty with that
// mode before the first save, and each atomic save keeps the mode of the file it replaces.
void keepPrivate(const QString& path) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, kOwnerOnly | QFile::ExeOwner);
    } else if (path == TSettingsStore::defaultPath() && !qEnvironmentVariableIsSet("ORVANE_SETTINGS_FILE")) {
        QFile::setPermissions(folder, kOwnerOnly | QFile::ExeOwner); // our own folder
    }
    if (!info.exists()) {
        QFile file(path);
        file.open(QIODevice::WriteOnly, kOwnerOnly);
    } else if (QFile::permissions(path) & kOthers) {
        QFile::setPermissions(path, kOwnerOnly);
    }
}

} // namespace

TSettingsStore::TSettingsStore(const QString& path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {
    m_settings->setAtomicSyncRequired(true);
    keepPrivate(path);
}

TSettingsStore::~TSettingsStore() {
    Flush();
}

QString TSettingsStore::EscapeName(const QString& name) {
    return QString::fromLatin1(QUrl::toPercentEncoding(name, " "));
}

QString TSettingsStore::UnescapeName(const QString& escaped) {
    return QUrl::fromPercentEncoding(escaped.toLatin1());
}

QString TSettingsStore::fullKey(const QString& key, const QString& name) const {
    return fullKey(key.split('\\', Qt::SkipEmptyParts), name);
}

QString TSettingsStore::fullKey(const KeyPath& key, const QString& name) {
    QString group = kProgramGroup;
    for (const QString& part : key)
        group += '/' + EscapeName(part);
    return group + '/' + EscapeName(name);
}

bool TSettingsStore::Exists(const QString& key, const QString& name) const {
    return m_settings->contains(fullKey(key, name));
}

namespace {

std::int32_t integerOf(const QVariant& v) {
    if (!v.isValid())
        return -1;
    bool ok = false;
    const qlonglong value = v.toString().trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return -1;
    return std::int32_t(value);
}

bool flagOf(const QVariant& v) {
    if (!v.isValid())
        return false;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    return ok && value != 0;
}

} // namespace

std::int32_t TSettingsStore::ReadInteger(const QString& key, const QString& name) const {
    return integerOf(m_settings->value(fullKey(key, name)));
}

bool TSettingsStore::ReadFlag(const QString& key, const QString& name) const {
    return flagOf(m_settings->value(fullKey(key, name)));
}

QString TSettingsStore::ReadText(const QString& key, const QString& name) const {
    const QVariant v = m_settings->value(fullKey(key, name));
    return v.canConvert<QString>() ? v.toString() : QString();
}

void TSettingsStore::WriteInteger(const QString& key, const QString& name, std::int64_t value) {
    m_settings->setValue(fullKey(key, name), QString::number(value));
}

void TSettingsStore::WriteFlag(const QString& key, const QString& name, bool value) {
    m_settings->setValue(fullKey(key, name), value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TSettingsStore::WriteText(const QString& key, const QString& name, const QString& value) {
    m_settings->setValue(fullKey(key, name), value);
}

void TSettingsStore::Remove(const QString& key, const QString& name) {
    m_settings->remove(fullKey(key, name));
}

QStringList TSettingsStore::Names(const QString& key) const {
    const QString group = fullKey(key, QString()).chopped(1);
    m_settings->beginGroup(group);
    QStringList names;
    for (const QString& escaped : m_settings->childKeys())
        names << UnescapeName(escaped);
    m_settings->endGroup();
    return names;
}

std::int32_t TSettingsStore::ReadInteger(const KeyPath& key, const QString& name) const {
    return integerOf(m_settings->value(fullKey(key, name)));
}

bool TSettingsStore::ReadFlag(const KeyPath& key, const QString& name) const {
    return flagOf(m_settings->value(fullKey(key, name)));
}

void TSettingsStore::WriteInteger(const KeyPath& key, const QString& name, std::int64_t value) {
    m_settings->setValue(fullKey(key, name), QString::number(value));
}

void TSettingsStore::WriteFlag(const KeyPath& key, const QString& name, bool value) {
    m_settings->setValue(fullKey(key, name), value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TSettingsStore::KeyExists(const KeyPath& key) const {
    m_settings->beginGroup(fullKey(key, QString()).chopped(1));
    const bool exists = !m_settings->allKeys().isEmpty();
    m_settings->endGroup();
    return exists;
}

QStringList TSettingsStore::Subkeys(const KeyPath& key) const {
    m_settings->beginGroup(fullKey(key, QString()).chopped(1));
    QStringList names;
    for (const QString& escaped : m_settings->childGroups())
        names << UnescapeName(escaped);
    m_settings->endGroup();
    return names;
}

void TSettingsStore::RemoveKey(const KeyPath& key) {
    m_settings->remove(fullKey(key, QString()).chopped(1));
}

bool TSettingsStore::Flush() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString TSettingsStore::path() const {
    return m_settings->fileName();
}

} // namespace orv
