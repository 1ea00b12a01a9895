// Arbitrary bytes as a control connection's stream: framing, then dispatch to every registered handler.
#include "link/Dispatcher.h"
#include "link/ReaderThread.h"
#include "link/SessionSender.h"
#include "link/SignInSession.h"
#include "platform/Clock.h"
#include "platform/DesktopNotifier.h"
#include "platform/MemoryChannel.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"
#include "roster/Roster.h"
#include "roster/RosterHandlers.h"
#include "session/RoomNotices.h"
#include "support/FakeSession.h"
#include "support/FakeShell.h"

#include <QDir>
#include <QtGlobal>

namespace {

// Touches every field form a handler may read, so the reader's bounds are exercised on hostile payloads.
void readEverything(const orv::TIncomingPacket& packet) {
    auto r = packet.payload();
    while (!r.atEnd()) {
        switch (r.u8() % 6) {
        case 0:
            r.u16();
            break;
        case 1:
            r.i32();
            break;
        case 2:
            r.f64();
            break;
        case 3:
            r.shortString(r.u8());
            break;
        case 4:
            r.wideText(r.u16());
            break;
        default:
            r.bytes(r.u8());
            break;
        }
    }
}

// The client's own handlers, wired to a session whose connection is closed; codes without one get a
// reader that walks the payload.
struct Client {
    Client() {
        for (const auto& command : orv::AllCommands())
            dispatcher.RegisterHandler({static_cast<orv::TCommandCode>(command.code)}, readEverything);
        session.RegisterHandlers(dispatcher);
        roster.RegisterHandlers(dispatcher);
    }
    orv::TcpClient connection;
    orv::NullMessageSink sink;
    orv::TPacketDispatcher dispatcher;
    orv::TSessionLink link{connection, dispatcher, sink, nullptr};
    orv::test::FakeShell shell;
    orv::TSettingsStore store{QDir::temp().filePath("orvane-fuzz-settings.ini")}; // never written
    orv::TSessionState state;
    orv::TSignInSession session{connection, link, state, sink, shell, store, {}};
    orv::TSessionSender sender{link, state};
    orv::test::FakeDialogs dialogs;
    orv::test::FakePanes panes;
    orv::TRoomNoticesRelay notices;
    orv::NullDesktopNotifier desktop;
    orv::TSessionContext context{
        state, sender, dialogs, shell.progress, panes, sink, orv::SystemClock::instance(), notices, desktop};
    orv::Roster participants{state};
    orv::RosterHandlers roster{context, participants};
};

Client& client() {
    static Client instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    client().participants.ClearRoster(); // each input starts with an empty room
    orv::MemoryChannel channel(data, size);
    QByteArray stream;
    while (orv::ReadPacket(channel, stream, 1 << 20) == orv::TReadResult::Packet) {
        const auto header = orv::TPacketHeader::decode(stream);
        client().dispatcher.DispatchPacket(header, stream);
    }
    return 0;
}
