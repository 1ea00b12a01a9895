#pragma once
// The clients of the playback tests: a live client with roster, chat and boards, and the program's way into a
// recording — the playback module on a session wired as the program wires it, the sign-in handlers included.

#include "board/BoardModule.h"
#include "chat/ChatModule.h"
#include "moderation/ModerationModule.h"
#include "playback/PlaybackModule.h"
#include "roster/RosterModule.h"
#include "support/LiveClient.h"

#include <QTemporaryDir>
#include <QTextDocument>

namespace orv::test {

struct ChatClient : LiveClient {
    explicit ChatClient(const QString& folder) : LiveClient(folder) {
        add(roster);
        add(chat);
        add(board);
        add(moderation);
    }
    TRosterModule roster{context};
    TChatModule chat{context, roster.Directory(), nullptr};
    TBoardModule board{context};
    TModerationModule moderation{context, roster.Participants(), [] { return std::optional<QString>(); }};
};

// The program's way into a recording.
struct ProgramReplay {
    struct Window final : IPlayerWindow {
        void SetCallbacks(TPlayerCallbacks) override {}
        void ShowAtCorner(bool) override {}
        void Refresh(std::int64_t) override {}
        void ShowVolume(int, bool) override {}
        void SetPlaying(bool) override {}
    };
    ProgramReplay() {
        client.state.launchMode = TLaunchMode::LocalFile;
        client.add(roster);
        client.add(chat);
        client.add(board);
        client.add(moderation);
        client.add(playback);
    }
    TPlaybackModuleParts parts() {
        TPlaybackShell shell;
        shell.playbackLayout = [this] { ++layouts; };
        shell.resetRoom = [this] {
            roster.ResetRoom();
            chat.ResetRoom();
            board.ResetRoom();
        };
        shell.recordedResource = [this](const TIncomingPacket& p) {
            board.Sharing().ReceiveRecordedResource(p);
        };
        shell.showBoard = [this](int b) { board.Sharing().SwitchBoard(b, false); };
        TPlaybackModuleParts p{client.context, client.connection, home.path(),
                               [](TPlayerStatus&) { return std::make_unique<Window>(); }, std::move(shell)};
        p.fileStartDelayMs = 0;
        return p;
    }
    QString log() {
        const QTextDocument* doc = chat.Conversations().FindConversation(0);
        return doc ? doc->toPlainText() : QString();
    }

    QTemporaryDir home;
    LiveClient client{home.path()};
    TRosterModule roster{client.context};
    TChatModule chat{client.context, roster.Directory(), nullptr};
    TBoardModule board{client.context};
    TModerationModule moderation{client.context, roster.Participants(),
                                 [] { return std::optional<QString>(); }};
    int layouts = 0;
    TPlaybackModule playback{parts()};
};

} // namespace orv::test
