#include "session/Settings.h"

#include "platform/Scramble.h"
#include "platform/SettingsStore.h"
#include "session/SettingsTable.h"

#include <QDir>
#include <QFileInfo>

namespace orv {
namespace {

const QString kKey; // the program's own key

template <typename T> T defaultOf(const TSettingRow& row) {
    return std::get<T>(row.defaultValue);
}

template <typename T> void assignDefault(TSettings& s, T TSettings::*field, const TSettingRow& row) {
    s.*field = defaultOf<T>(row);
}

// A text row's value: an empty stored text means the default.
QString textOr(const QString& stored, const TSettingRow& row) {
    return stored.isEmpty() ? defaultOf<QString>(row) : stored;
}

void loadRow(const TSettingRow& row, const TSettingsStore& store, TSettings& s) {
    const QString name = QString::fromLatin1(row.key);
    switch (row.form) {
    case TStoredForm::Integer: {
        const std::int32_t stored = store.ReadInteger(kKey, name); // -1 when missing or unreadable
        const bool accepted = row.accepted.contains(stored);
        s.*FieldOf<std::int32_t>(row) = accepted ? stored : defaultOf<std::int32_t>(row);
        if (row.defaultInUse)
            s.*row.defaultInUse = !accepted;
        return;
    }
    case TStoredForm::Flag:
        s.*FieldOf<bool>(row) = store.Exists(kKey, name) ? store.ReadFlag(kKey, name) : defaultOf<bool>(row);
        return;
    case TStoredForm::Text:
        s.*FieldOf<QString>(row) = textOr(store.ReadText(kKey, name), row);
        return;
    case TStoredForm::ScrambledText:
        s.*FieldOf<QString>(row) = textOr(Unscramble(store.ReadText(kKey, name)), row);
        return;
    case TStoredForm::ColorText:
        s.*FieldOf<TColor>(row) = TextToColor(store.ReadText(kKey, name)).value_or(defaultOf<TColor>(row));
        return;
    }
}

void saveRow(const TSettingRow& row, const TSettings& s, TSettingsStore& store) {
    const QString name = QString::fromLatin1(row.key);
    switch (row.form) {
    case TStoredForm::Integer:
        store.WriteInteger(kKey, name, s.*FieldOf<std::int32_t>(row));
        return;
    case TStoredForm::Flag:
        store.WriteFlag(kKey, name, s.*FieldOf<bool>(row));
        return;
    case TStoredForm::Text:
        store.WriteText(kKey, name, s.*FieldOf<QString>(row));
        return;
    case TStoredForm::ScrambledText:
        store.WriteText(kKey, name, Scramble(s.*FieldOf<QString>(row)));
        return;
    case TStoredForm::ColorText:
        store.WriteText(kKey, name, ColorToText(s.*FieldOf<TColor>(row)));
        return;
    }
}

// Recordings need a folder that exists: fall back to the program's "Sessions" folder, create it and store it.
void ensureRecordingsFolder(TSettingsStore& store, const QString& programFolder, TSettings& s) {
    if (!s.RecSessionsFolder.isEmpty() && QFileInfo(s.RecSessionsFolder).isDir())
        return;
    s.RecSessionsFolder = QDir(programFolder).filePath("Sessions");
    store.WriteText(kKey, "RecSessionsFolder", s.RecSessionsFolder);
    QDir().mkpath(s.RecSessionsFolder);
}

} // namespace

TSettings::TSettings() {
    for (const TSettingRow& row : SettingRows())
        std::visit([&](auto field) { assignDefault(*this, field, row); }, row.field);
}

TSettings LoadSettings(TSettingsStore& store, const QString& programFolder) {
    TSettings s;
    for (const TSettingRow& row : SettingRows())
        if (row.transfer != TSettingTransfer::SaveOnly)
            loadRow(row, store, s);
    ensureRecordingsFolder(store, programFolder, s);
    return s;
}

void SaveSettings(TSettingsStore& store, const TSettings& s) {
    for (const TSettingRow& row : SettingRows())
        if (row.transfer != TSettingTransfer::LoadOnly)
            saveRow(row, s, store);
    store.Flush();
}

void WriteIdentitySettings(TSettingsStore& store, const QString& programFile) {
    store.WriteText(kKey, "Version", kClientVersion);
    store.WriteText(kKey, "VersionDate", kClientBuildDate);
    store.WriteText(kKey, "InstallPath", programFile);
    store.Flush();
}

} // namespace orv
