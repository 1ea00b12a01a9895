#pragma once
// One client program's session against a test server, wired as the program wires it: the real sign-in chain,
// session link and dispatcher, with the program's windows replaced by fakes. The modules under test join it;
// when the server answers a room entry, their room entry steps run in the table's order, and the link is
// reported up as the main window does.

#include "link/LinkMessageIds.h"
#include "link/SessionSender.h"
#include "link/SignInSession.h"
#include "platform/SettingsStore.h"
#include "platform/TcpClient.h"
#include "session/Module.h"
#include "session/Settings.h"
#include "support/EventPump.h"
#include "support/FakeSession.h"
#include "support/MessageTarget.h"

#include <gtest/gtest.h>

#include <memory>

namespace orv::test {

struct LiveClient {
    // `panes` stands for the main window when given; fakes otherwise.
    explicit LiveClient(const QString& folder, IMainPanes* mainPanes = nullptr)
        : store(folder + "/settings.ini"),
          context{state,      sender, dialogs, progress, mainPanes ? *mainPanes : panes,
                  mainWindow, clock,  notices, desktop,  events} {
        TSignInOptions options;
        options.programFolder = folder;
        options.exchangeTimeoutMs = 5000;
        signIn = std::make_unique<TSignInSession>(connection, link, state, mainWindow, shell, store, options);
        signIn->RegisterHandlers(dispatcher);
        mainWindow.router.Register(MainMsg::RoomEntered, [this](std::intptr_t code, std::intptr_t) {
            if (code != 0)
                return;
            state.MarkEntered(QDateTime::currentDateTime());
            for (const TRoomEntryStepInfo& info : RoomEntryStepTable())
                for (const TRoomEntrySteps::Action& action : steps.ActionsOf(info.step))
                    action();
        });
        steps.Add(TRoomEntryStep::LinkUp,
                  [this] { mainWindow.post(MainMsg::LinkState, LinkStateValue::Up, 0); });
    }
    ~LiveClient() {
        link.StopReader();
        link.StopWriter();
    }

    // A module of this session: its handlers, messages, steps and settings, and its chat lines.
    void add(ISessionModule& module) {
        if (IChatLines* lines = module.ChatLines())
            notices.forwardTo = lines;
        module.RegisterHandlers(dispatcher);
        module.RegisterMessages(mainWindow.router);
        module.RegisterRoomEntry(steps);
        module.ApplySettings(settings);
    }

    // Signs in and enters the room; returns once the room entry steps have run.
    void enter(std::uint16_t port, const QString& user, const QString& password, std::int32_t room) {
        signIn->SetCredentials(user, password);
        ASSERT_TRUE(signIn->StartSession("127.0.0.1", port));
        signIn->SendTimeZone();
        signIn->EnterRoom(room);
        ASSERT_TRUE(pumpUntil([&] { return state.inRoom; })) << user.toStdString() << " is not in the room";
    }

    TcpClient connection;
    MessageTarget mainWindow;
    TPacketDispatcher dispatcher;
    TSessionLink link{connection, dispatcher, mainWindow, &mainWindow};
    FakeShell shell;
    TSettingsStore store;
    TSessionState state;
    std::unique_ptr<TSignInSession> signIn;
    TSessionSender sender{link, state};
    TSettings settings;
    FakeDialogs dialogs;
    FakeProgress progress;
    FakePanes panes;
    FakeClock clock;
    RecordingNotices notices;
    RecordingNotifier desktop;
    TRoomEvents events;
    TSessionContext context;
    TRoomEntrySteps steps;
};

} // namespace orv::test
