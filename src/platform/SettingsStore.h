#pragma once
// The per-user settings store: named values under one key, with subkeys, kept in an INI file at the XDG
// config location. A missing or unreadable value reads as -1, false or an empty text.

#include <QSettings>
#include <QString>

#include <memory>

namespace orv {

class TSettingsStore {
public:
    // The file in use: $ORVANE_SETTINGS_FILE when set, else <XDG config>/Tamlock/Orvane Live.ini.
    static QString defaultPath();

    explicit TSettingsStore(const QString& path = defaultPath());
    ~TSettingsStore();

    // `key` is a subkey below the program's own ("" for the values themselves, "StoredPolls" for polls).
    std::int32_t ReadInteger(const QString& key, const QString& name) const;
    bool ReadFlag(const QString& key, const QString& name) const;
    QString ReadText(const QString& key, const QString& name) const;
    bool Exists(const QString& key, const QString& name) const;

    void WriteInteger(const QString& key, const QString& name, std::int64_t value);
    void WriteFlag(const QString& key, const QString& name, bool value);
    void WriteText(const QString& key, const QString& name, const QString& value);
    void Remove(const QString& key, const QString& name);
    // Names of the values under a subkey, unescaped.
    QStringList Names(const QString& key) const;

    // The same under a key given as its path of subkey names, each of which may hold any text, '\\'
    // included (a stored poll's question).
    using KeyPath = QStringList;
    std::int32_t ReadInteger(const KeyPath& key, const QString& name) const;
    bool ReadFlag(const KeyPath& key, const QString& name) const;
    void WriteInteger(const KeyPath& key, const QString& name, std::int64_t value);
    void WriteFlag(const KeyPath& key, const QString& name, bool value);
    // Whether the subkey holds any value.
    bool KeyExists(const KeyPath& key) const;
    // Names of the subkeys under a key, unescaped, in the file's order.
    QStringList Subkeys(const KeyPath& key) const;
    // Removes the subkey with all it holds.
    void RemoveKey(const KeyPath& key);

    // Writes pending changes: a new file renamed over the old one, so a crash never leaves half a file.
    bool Flush();
    QString path() const;

    // Value names may hold any text (a poll's question); escaped so that '/' and '\' never make groups.
    static QString EscapeName(const QString& name);
    static QString UnescapeName(const QString& escaped);

private:
    QString fullKey(const QString& key, const QString& name) const;
    static QString fullKey(const KeyPath& key, const QString& name);
    std::unique_ptr<QSettings> m_settings;
};

} // namespace orv
