// A private message while the main window is in the background reaches a notification service on a session
// bus of the test's own; clicking the notification brings the window up on that conversation.
#include "chat/ChatModule.h"
#include "link/Dispatcher.h"
#include "platform/DesktopNotifier.h"
#include "protocol/PacketHeader.h"
#include "session/Settings.h"
#include "support/EventPump.h"
#include "support/FakeDirectory.h"
#include "support/FakeSession.h"
#include "support/QtPrinters.h"
#include "support/SessionBus.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ChatNotifications, APrivateMessageInTheBackgroundReachesTheDesktopAndItsClickOpensTheConversation) {
    test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon must be installed";
    test::FakeNotificationService service;
    ASSERT_TRUE(service.registerOn(bus.connect("notifications")));
    TDBusNotifier notifier(bus.connect("client"));

    test::FakeSession session;
    session.state.account.SetUserId(2);
    TSessionContext context{session.state, session.sender, session.dialogs, session.progress, session.panes,
                            session.sink,  session.clock,  session.notices, notifier,         session.events};
    test::FakeDirectory directory({{7, "Bob", "Bob Okafor", "Bob", 0}});
    TChatModule chat(context, directory, nullptr);
    TPacketDispatcher dispatcher;
    chat.RegisterHandlers(dispatcher);
    chat.ApplySettings(TSettings());
    const auto receive = [&](const QString& text) {
        TChatMessage m;
        m.record.SetFrom(7);
        m.record.SetTo(2);
        m.record.SetKind(ckPrivate);
        m.text = text;
        const QByteArray packet = BuildPacket(cmPrivateChat, 7, 100, m.encode());
        dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    };

    session.panes.active = true;
    receive("while you look");
    session.panes.active = false;
    session.panes.page = TNavigationPage::Notes;
    receive("are you there?");
    ASSERT_TRUE(test::pumpUntil([&] { return !service.shown.isEmpty(); }));
    test::pumpUntil([] { return false; }, 200);
    ASSERT_EQ(service.shown.size(), 1) << "none while the window is active";
    EXPECT_EQ(service.shown[0].summary, "Private message from Bob");
    EXPECT_EQ(service.shown[0].body, "are you there?");

    chat.State().SelectConversation(ckPublic, 0);
    service.click(1);
    ASSERT_TRUE(test::pumpUntil([&] { return session.panes.raised == 1; }));
    EXPECT_EQ(session.panes.page, TNavigationPage::TextChat);
    EXPECT_EQ(chat.State().Shown(), 7);
}

} // namespace
} // namespace orv
