#pragma once
// Every stored setting as one row: its stored name and form, the TSettings field it fills, its default and
// check, and the module that owns it. Loading, saving, the defaults and the settings window work from the
// rows, so a setting is declared once.

#include "session/ColorText.h"
#include "session/SettingsChoices.h"

#include <QString>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orv {

struct TSettings;

// The module that acts on a setting, after the source folders; a module asks for the rows it owns.
enum class TSettingOwner { App, Link, Roster, Chat, Board, Voice, Video, AppShare, Playback };

// The group a setting is listed under.
enum class TSettingGroup { Connection, Appearance, Audio, Video, Recording, Board, Sharing };

// How the value is kept in the store.
enum class TStoredForm { Integer, Flag, Text, ScrambledText, ColorText };

// Which of LoadSettings and SaveSettings carry the value. Load-only values are stored by their own module
// when they change (or never); a save-only value is reset to its default by every load.
enum class TSettingTransfer { LoadAndSave, LoadOnly, SaveOnly };

// The integers a row accepts; a stored value outside the range, unreadable or missing, loads as the default.
struct TIntRange {
    std::int32_t low = std::numeric_limits<std::int32_t>::min();
    std::int32_t high = std::numeric_limits<std::int32_t>::max();

    bool contains(std::int32_t v) const { return v >= low && v <= high; }
};
constexpr TIntRange Between(std::int32_t low, std::int32_t high) {
    return {low, high};
}
constexpr TIntRange AtLeast(std::int32_t low) {
    return {low, std::numeric_limits<std::int32_t>::max()};
}

// The TSettings member a row fills, and a value of that member's type.
using TSettingField =
    std::variant<std::int32_t TSettings::*, bool TSettings::*, QString TSettings::*, TColor TSettings::*>;
using TSettingValue = std::variant<std::int32_t, bool, QString, TColor>;

struct TSettingRow {
    TSettingGroup group;
    const char* key; // the stored name, spelled exactly as existing files have it
    TStoredForm form;
    TSettingField field;
    TSettingValue defaultValue; // same alternative as `field`
    TSettingOwner owner;
    TIntRange accepted;                            // integer rows only
    const std::vector<TChoice>* choices = nullptr; // what the settings window offers, when it offers a list
    TSettingTransfer transfer = TSettingTransfer::LoadAndSave;
    bool TSettings::*defaultInUse = nullptr; // when set, loading notes there whether the default was taken

    // Modifiers for the table's less common rows.
    TSettingRow offering(const std::vector<TChoice>& list) const;
    TSettingRow loadOnly() const;
    TSettingRow saveOnly() const;
    TSettingRow notingDefaultIn(bool TSettings::*flag) const;
};

// Every row, in load and save order.
const std::vector<TSettingRow>& SettingRows();
// The row stored under `key`; an unknown key is a programming error and throws std::out_of_range.
const TSettingRow& SettingRow(std::string_view key);
std::vector<const TSettingRow*> SettingRowsOwnedBy(TSettingOwner owner);

// The row's field as a member of type T; throws std::logic_error when the field has another type.
template <typename T> T TSettings::*FieldOf(const TSettingRow& row) {
    if (const auto* field = std::get_if<T TSettings::*>(&row.field))
        return *field;
    throw std::logic_error(std::string("setting ") + row.key + " is not of the type asked for");
}

} // namespace orv
