#include "polls/StoredPolls.h"

#include "platform/SettingsStore.h"

namespace orv {
namespace {

const QString kGroup = QStringLiteral("StoredPolls");

TSettingsStore::KeyPath keyOf(const QString& question) {
    return {kGroup, question};
}

} // namespace

bool StoredPolls::Store(const TPollRecord& record) {
    const QString question = record.Question().trimmed();
    if (question.isEmpty())
        return false;
    const auto key = keyOf(question);
    m_store.WriteInteger(key, "Id", record.Id());
    m_store.WriteInteger(key, "FromId", record.FromId());
    m_store.WriteInteger(key, "ToId", record.ToId());
    m_store.WriteInteger(key, "PingType", record.PingType());
    m_store.WriteFlag(key, "MustReply", record.MustReply());
    m_store.WriteFlag(key, "MultipleAns", record.MultipleAns());
    m_store.WriteInteger(key, "AnswerMask", record.AnswerMask());
    return m_store.Flush();
}

std::optional<TPollRecord> StoredPolls::Load(const QString& question) const {
    const auto key = keyOf(question);
    if (question.isEmpty() || !m_store.KeyExists(key))
        return std::nullopt;
    // A value missing or unreadable reads as -1, as the store gives it.
    TPollRecord record;
    record.SetId(m_store.ReadInteger(key, "Id"));
    record.SetFromId(std::uint16_t(m_store.ReadInteger(key, "FromId")));
    record.SetToId(std::uint16_t(m_store.ReadInteger(key, "ToId")));
    record.SetPingType(std::uint16_t(m_store.ReadInteger(key, "PingType")));
    record.SetMustReply(m_store.ReadFlag(key, "MustReply"));
    record.SetMultipleAns(m_store.ReadFlag(key, "MultipleAns"));
    record.SetAnswerMask(m_store.ReadInteger(key, "AnswerMask"));
    record.SetQuestion(question.left(TPollRecord::kQuestionCapacity));
    return record;
}

QStringList StoredPolls::List() const {
    return m_store.Subkeys({kGroup});
}

void StoredPolls::Delete(const QString& question) {
    if (question.isEmpty())
        return;
    m_store.RemoveKey(keyOf(question));
    m_store.Flush();
}

void StoredPolls::DeleteAll() {
    m_store.RemoveKey({kGroup});
    m_store.Flush();
}

} // namespace orv
