#include "RequestTable.h"

#include <stdexcept>
#include <string>

namespace orv::server {

void RequestTable::add(std::initializer_list<TCommandCode> codes, int payloadSize,
                       const IServiceHost::Handler& handler) {
    for (TCommandCode code : codes) {
        const auto info = FindCommand(code);
        if (!info || info->direction == TCommandDirection::FromServer ||
            (info->connection != TCommandConnection::Control &&
             info->connection != TCommandConnection::Download))
            throw std::logic_error("a handler for " + CommandName(code) + ", which no client sends here");
        if (m_entries[code].handler)
            throw std::logic_error(CommandName(code) + " is answered twice");
        m_entries[code] = {handler, payloadSize};
    }
}

const RequestTable::Entry* RequestTable::find(std::uint16_t code) const {
    if (code >= m_entries.size() || !m_entries[code].handler)
        return nullptr;
    return &m_entries[code];
}

} // namespace orv::server
