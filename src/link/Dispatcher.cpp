#include "link/Dispatcher.h"

#include <QDebug>

namespace orv {

void TPacketDispatcher::RegisterHandler(std::initializer_list<TCommandCode> codes,
                                        const TPacketHandler& handler) {
    for (TCommandCode code : codes)
        m_handlers[code] = handler;
}

void TPacketDispatcher::UnregisterHandler(TCommandCode code) {
    m_handlers[code] = nullptr;
}

bool TPacketDispatcher::HasHandler(std::uint16_t code) const {
    return code < kCommandCodeLimit && static_cast<bool>(m_handlers[code]);
}

void TPacketDispatcher::DispatchPacket(const TPacketHeader& header, QByteArrayView stream) {
    if (!HasHandler(header.Command) || stream.size() < qsizetype(TPacketHeader::kSize))
        return;
    // Handlers may run nested (a handler that pumps events while playback feeds packets): restore on exit.
    const TPacketHeader outerHeader = m_currentHeader;
    const QByteArrayView outerPacket = m_currentPacket;
    m_currentHeader = header;
    m_currentPacket = stream;
    // Copied: a handler may replace its own registration while it runs.
    const TPacketHandler handler = m_handlers[header.Command];
    try {
        handler(TIncomingPacket{m_currentHeader, stream});
    } catch (const EPayloadError& e) {
        qDebug() << "dropped" << CommandName(header.Command).c_str() << "packet:" << e.what();
    } catch (const std::exception& e) {
        qWarning() << "handler for" << CommandName(header.Command).c_str() << "failed:" << e.what();
    } catch (...) {
        qWarning() << "handler for" << CommandName(header.Command).c_str() << "failed";
    }
    m_currentHeader = outerHeader;
    m_currentPacket = outerPacket;
}

} // namespace orv
