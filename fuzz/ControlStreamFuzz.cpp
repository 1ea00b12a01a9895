// Arbitrary bytes as a control connection's stream: framing, then dispatch to every registered handler.
#include "chat/ChatConversations.h"
#include "chat/ChatHandlers.h"
#include "chat/ChatState.h"
#include "link/Dispatcher.h"
#include "link/KeepAlive.h"
#include "link/ReaderThread.h"
#include "link/SessionSender.h"
#include "link/SignInSession.h"
#include "platform/Clock.h"
#include "platform/DesktopNotifier.h"
#include "platform/MemoryChannel.h"
#include "platform/MessageRouter.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"
#include "platform/Timer.h"
#include "roster/Roster.h"
#include "roster/RosterDirectory.h"
#include "roster/RosterHandlers.h"
#include "session/RoomEvents.h"
#include "session/RoomNotices.h"
#include "support/FakeSession.h"
#include "support/FakeShell.h"

#include <QDir>
#include <QGuiApplication>
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

// Hands what the handlers post straight to the main window's handlers registered on it.
class RoutingSink final : public orv::IMessageSink {
public:
    void post(int n, std::intptr_t wParam, std::intptr_t lParam) override {
        router.Deliver(n, wParam, lParam);
    }
    orv::TMessageRouter router;
};

// The client's own handlers, wired to a session whose connection is closed; codes without one get a
// reader that walks the payload.
struct Client {
    Client() {
        for (const auto& command : orv::AllCommands())
            dispatcher.RegisterHandler({static_cast<orv::TCommandCode>(command.code)}, readEverything);
        session.RegisterHandlers(dispatcher);
        roster.RegisterHandlers(dispatcher);
        chat.RegisterHandlers(dispatcher);
        keepAlive.RegisterHandlers(dispatcher);
        chat.RegisterMessages(sink.router);
        notices.SetChatLines(&conversations);
    }
    orv::TcpClient connection;
    RoutingSink sink;
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
    orv::TRoomEvents events;
    orv::TSessionContext context{
        state,   sender,  dialogs, shell.progress, panes, sink, orv::SystemClock::instance(),
        notices, desktop, events};
    orv::Roster participants{state};
    orv::RosterHandlers roster{context, participants};
    orv::RosterDirectory directory{participants};
    orv::ChatConversations conversations;
    orv::ChatState chatState{state, directory, conversations};
    orv::ChatHandlers chat{context, directory, conversations, chatState};
    orv::TKeepAlive keepAlive{sender, sink, orv::QtTimerFactory::instance()};
};

Client& client() {
    static Client instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // The chat's logs are rich text, which needs the fonts of a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    client().participants.ClearRoster(); // each input starts with an empty room
    client().conversations.DiscardAll();
    if (size == 0)
        return 0;
    // The first byte picks how the stream arrives: in pieces of 1 to 256 bytes, so packets split at every
    // position and several come in one read.
    orv::MemoryChannel channel(data + 1, size - 1);
    channel.setChunk(std::size_t(data[0]) + 1);
    orv::TPacketSource source(channel, 1 << 20);
    orv::TPacketBatch batch;
    while (source.ReadBatch(batch) == orv::TReadResult::Packet) {
        for (std::size_t i = 0; i < batch.size(); ++i)
            client().dispatcher.DispatchPacket(orv::TPacketHeader::decode(batch[i]), batch[i]);
    }
    // What the handlers raised runs too, and nothing is left waiting for the next input.
    QCoreApplication::sendPostedEvents(&client().events.receiver);
    return 0;
}
