#include "RecordingService.h"

#include "ClientConnection.h"
#include "ResourceStore.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServerConfig.h"
#include "ServiceHost.h"
#include "protocol/RoomMessages.h"
#include "protocol/Stamp.h"

#include <QDir>

namespace orv::server {

RecordingService::RecordingService(IServiceHost& host)
    : m_host(host), m_shelf(QDir(host.resources().root()).filePath("recordings")) {
    host.registerHandler({cmStartRecording}, TRecorderCredentials::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             const TRecorderCredentials credentials = TRecorderCredentials::decode(payload);
                             m_host.log(
                                 QString("%1 asks to record as \"%2\"").arg(c.who(), credentials.UserName()));
                             onStart(c);
                         });
    host.registerHandler({cmStopRecording}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { onStop(c); });
    host.registerHandler({cmPauseRecording}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { onPause(c); });
    host.registerRoomTrafficHandler(
        [this](std::int32_t room, const QByteArray& packet) { onTraffic(room, packet); });
    host.registerMembershipHandler(
        [this](ClientConnection&, std::int32_t room, MemberChange) { onMembership(room); });

    host.registerHandler({cmRecordingList}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { onList(c); });
    host.registerHandler({cmOpenRecording}, TRecordedSessionHeader::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             onOpen(c, TRecordedSessionHeader::decode(payload));
                         });
    host.registerHandler({cmReadRecording}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { onNext(c); });
}

std::uint16_t RecordingService::refusal(const ClientConnection& client) const {
    const auto room = m_host.members().roomOf(client);
    if (!room)
        return ResultCode::InvalidRoom;
    if (!m_host.rights().mayRecord(client))
        return ResultCode::NoPermission;
    return ResultCode::Success;
}

void RecordingService::onStart(ClientConnection& client) {
    std::uint16_t code = refusal(client);
    if (code == ResultCode::Success) {
        const std::int32_t room = *m_host.members().roomOf(client);
        if (m_recorders.contains(room)) {
            code = ResultCode::RecordingRunning;
        } else {
            auto recorder = std::make_unique<Recorder>();
            const auto [path, id] = m_shelf.reserve();
            const RoomConfig* config = m_host.config().findRoom(room);
            TRecordedSessionHeader header;
            header.SetSessionId(id);
            header.SetTitle(config->name);
            header.SetRecorded(stampFromLocal(QDateTime::currentDateTime()));
            header.SetSecondDate(header.Recorded());
            header.SetDescription(QString("Recorded by %1").arg(client.account().FullName()));
            if (recorder->writer.open(path, header)) {
                writeOpening(*recorder, client, room);
                m_recorders[room] = std::move(recorder);
                m_host.log(
                    QString("%1 started recording room %2 into %3").arg(client.who()).arg(room).arg(path));
            } else {
                code = ResultCode::OperationFailed;
            }
        }
    }
    m_host.reply(client, {cmStartRecording, {}, code});
}

void RecordingService::writeOpening(Recorder& recorder, ClientConnection& starter, std::int32_t room) {
    const std::uint16_t viewer = starter.account().UserId();
    // One stamp for all of it: the replay shows the room as it was at the start, in one step.
    const double start = stampFromLocal(QDateTime::currentDateTime());
    for (const RoomStatePacket& state : m_host.roomState(starter, room)) {
        const OutgoingPacket& p = state.packet;
        TPacketHeader header;
        FillHeader(p.command, state.from != 0 ? state.from : viewer, std::uint16_t(room), header);
        header.Stamp = start;
        header.ResultCode = p.resultCode;
        header.DataSize = std::int32_t(p.payload.size());
        recorder.writer.append(PacketToStream(header, p.payload.constData(), std::size_t(p.payload.size())));
    }
}

void RecordingService::onStop(ClientConnection& client) {
    std::uint16_t code = refusal(client);
    if (code == ResultCode::Success) {
        const std::int32_t room = *m_host.members().roomOf(client);
        const auto it = m_recorders.find(room);
        if (it == m_recorders.end()) {
            code = ResultCode::NoRecordingRunning;
        } else {
            m_host.log(QString("%1 stopped recording room %2 after %3 packets")
                           .arg(client.who())
                           .arg(room)
                           .arg(it->second->writer.packetCount()));
            m_recorders.erase(it);
        }
    }
    m_host.reply(client, {cmStopRecording, {}, code});
}

void RecordingService::onPause(ClientConnection& client) {
    std::uint16_t code = refusal(client);
    if (code == ResultCode::Success) {
        const auto it = m_recorders.find(*m_host.members().roomOf(client));
        if (it == m_recorders.end())
            code = ResultCode::NoRecordingRunning;
        else
            it->second->paused = !it->second->paused;
    }
    m_host.reply(client, {cmPauseRecording, {}, code});
}

void RecordingService::onTraffic(std::int32_t room, const QByteArray& packet) {
    const auto it = m_recorders.find(room);
    if (it != m_recorders.end() && !it->second->paused)
        it->second->writer.append(packet);
}

void RecordingService::onMembership(std::int32_t room) {
    // The last one out ends the room's recording.
    if (m_host.members().count(room) == 0)
        m_recorders.erase(room);
}

void RecordingService::onList(ClientConnection& client) {
    TRecordingList list;
    list.recordings = m_shelf.list();
    m_host.reply(client, {cmRecordingList, list.recordings.empty() ? QByteArray() : list.encode(),
                          list.recordings.empty() ? ResultCode::NoRecordings : ResultCode::Success});
}

void RecordingService::onOpen(ClientConnection& client, const TRecordedSessionHeader& request) {
    const auto path = m_shelf.find(request.SessionId());
    QFile file(path.value_or(QString()));
    if (!path || !file.open(QIODevice::ReadOnly)) {
        m_host.reply(client, {cmOpenRecording, {}, ResultCode::FileNotFound});
        return;
    }
    const QByteArray header = file.read(qint64(TRecordedSessionHeader::kSize));
    if (header.size() != qsizetype(TRecordedSessionHeader::kSize)) {
        m_host.reply(client, {cmOpenRecording, {}, ResultCode::FileNotFound});
        return;
    }
    m_downloads[client.account().UserId()] = {*path, qint64(TRecordedSessionHeader::kSize)};
    m_host.reply(client, {cmOpenRecording, header});
}

void RecordingService::onNext(ClientConnection& client) {
    const auto it = m_downloads.find(client.account().UserId());
    const QByteArray packet =
        it == m_downloads.end() ? QByteArray() : RecordingShelf::packetAt(it->second.path, it->second.offset);
    if (packet.isEmpty()) {
        if (it != m_downloads.end())
            m_downloads.erase(it);
        m_host.reply(client, {cmReadRecording, {}, ResultCode::NoRecordings});
        return;
    }
    it->second.offset += packet.size();
    m_host.reply(client, {cmReadRecording, packet});
}

} // namespace orv::server
