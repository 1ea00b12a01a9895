#pragma once
// The room's participants as a test sets them, in display order, with the roster's selection.

#include "session/ParticipantDirectory.h"

#include <optional>
#include <utility>
#include <vector>

namespace orv::test {

class FakeDirectory final : public IParticipantDirectory {
public:
    explicit FakeDirectory(std::vector<TParticipantInfo> list = {}) : people(std::move(list)) {}
    std::optional<TParticipantInfo> Lookup(std::uint16_t id) const override {
        for (const TParticipantInfo& p : people)
            if (p.userId == id)
                return p;
        return std::nullopt;
    }
    std::vector<TParticipantInfo> InDisplayOrder() const override { return people; }
    std::optional<std::uint16_t> SelectedUser() const override { return selected; }
    void add(std::uint16_t id, const QString& name) { people.push_back({id, name, name, name, 0}); }
    void remove(std::uint16_t id) {
        std::erase_if(people, [id](const TParticipantInfo& p) { return p.userId == id; });
    }

    std::vector<TParticipantInfo> people;
    std::optional<std::uint16_t> selected;
};

} // namespace orv::test
