#pragma once
// The user's favourite polls in the settings store: one subkey of StoredPolls per poll, named by its
// trimmed question, holding the record's other fields. Any text may name a poll, '/' and '\' included.

#include "protocol/PollMessages.h"

#include <QStringList>

#include <optional>

namespace orv {

class TSettingsStore;

class StoredPolls {
public:
    explicit StoredPolls(TSettingsStore& store) : m_store(store) {}

    // Keeps the poll under its trimmed question (replacing one of the same question); false for an empty
    // question or when the store cannot be written.
    bool Store(const TPollRecord& record);
    // None when no poll of that question is kept.
    std::optional<TPollRecord> Load(const QString& question) const;
    // The questions, in the store's order.
    QStringList List() const;
    void Delete(const QString& question);
    void DeleteAll();

private:
    TSettingsStore& m_store;
};

} // namespace orv
