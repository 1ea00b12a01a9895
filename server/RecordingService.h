#pragma once
// Recording and playing back sessions. A moderator starts, pauses and stops the recorder of the room; while
// it runs, every packet the room's members are sent goes into the recording with its stamp. Any signed-in
// user lists the recordings and downloads one packet by packet.

#include "RecordingFiles.h"
#include "RoomRecording.h"
#include "Service.h"

#include <map>
#include <memory>

namespace orv::server {

class ClientConnection;
class IServiceHost;
enum class MemberChange;

class RecordingService final : public Service, public IRoomRecording {
public:
    explicit RecordingService(IServiceHost& host);

    bool isRecording(std::int32_t room) const override { return m_recorders.contains(room); }

private:
    struct Recorder {
        RecordingWriter writer;
        bool paused = false;
    };
    // Where a user's download stands: the recording and the offset of its next packet.
    struct Download {
        QString path;
        std::int64_t offset = 0;
    };

    void onStart(ClientConnection& client);
    void onStop(ClientConnection& client);
    void onPause(ClientConnection& client);
    // Why the client may not control its room's recorder, or 0.
    std::uint16_t refusal(const ClientConnection& client) const;
    // The room as a recording starts, as the starter would be sent it on entering now: the replay starts
    // from the room's state, not from empty boards and a bare participant list.
    void writeOpening(Recorder& recorder, ClientConnection& starter, std::int32_t room);
    void onTraffic(std::int32_t room, const QByteArray& packet);
    void onMembership(std::int32_t room);

    void onList(ClientConnection& client);
    void onOpen(ClientConnection& client, const TRecordedSessionHeader& request);
    void onNext(ClientConnection& client);

    IServiceHost& m_host;
    RecordingShelf m_shelf;
    std::map<std::int32_t, std::unique_ptr<Recorder>> m_recorders;
    std::map<std::uint16_t, Download> m_downloads; // by user: one download each
};

} // namespace orv::server
