// Push-to-talk on a display of the test's own, keys pressed with xdotool: the desktop-wide hook takes and
// gives back the floor while another window has the focus, the main window's own keys do so without the hook,
// holding a key that repeats never gives the floor back, and F3 toggles Speak on its release.
#include "voice/PushToTalk.h"
#include "app/MainWindow.h"
#include "link/SessionState.h"
#include "platform/KeyboardHook.h"
#include "platform/Timer.h"
#include "platform/VirtualKeys.h"
#include "protocol/CommandCatalogue.h"
#include "support/DesktopTestMain.h"
#include "support/EventPump.h"
#include "support/FakeSession.h"
#include "voice/VoiceMessageIds.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QThread>

#include <gtest/gtest.h>

namespace orv {
namespace {

test::VirtualDesktop* g_desktop = nullptr;

// Counts the auto-repeated key presses Qt sees, to show the display really repeats the held key.
struct RepeatCounter : QObject {
    int repeats = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->isAutoRepeat())
            ++repeats;
        return false;
    }
};

class PushToTalkOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(g_desktop, nullptr) << "no virtual desktop: Xvfb and openbox";
        session.state.account.SetUserId(1);
        session.state.OwnMicAllowed = true;
        speak.setEnabled(true);
        QObject::connect(&speak, &QAction::triggered, &speak, [this] {
            speak.setChecked(!speak.isChecked());
            talk.ToggleSpeak();
        });
        main.SetKeyPreview(
            [this](std::int32_t key, bool released) { pushToTalk.OnWindowKey(key, released); });
        main.RegisterMessageHandler(MainMsg::PushToTalkKey, [this](std::intptr_t key, std::intptr_t flags) {
            pushToTalk.OnHookReport(key, flags);
        });
    }
    void TearDown() override {
        hook.Remove();
        sink.detach();
    }

    void installHook() {
        ASSERT_TRUE(hook.Install(sink, MainMsg::PushToTalkKey)) << "XInput2 on the virtual display";
        pushToTalk.SetHookInstalled(true);
    }
    void showMainWindow() {
        main.resize(400, 300);
        main.show();
        ASSERT_TRUE(test::pumpUntil([&] {
            main.activateWindow();
            return main.isActiveWindow();
        }));
    }
    void xdotool(const QStringList& arguments) { g_desktop->run("xdotool", arguments); }
    int count(std::uint16_t command) const {
        return int(std::count_if(session.sender.sent.begin(), session.sender.sent.end(),
                                 [command](const test::SentPacket& p) { return p.command == command; }));
    }
    int takes() const { return count(cmTakeMicrophone); }
    int releases() const { return count(cmReleaseMicrophone); }
    // Runs the event loop for a while, as time passes with a key held.
    static void hold(int ms) {
        test::pumpUntil([] { return false; }, ms);
    }

    test::FakeSession session;
    test::FakeDialogs dialogs;
    TfMain main{dialogs};
    QAction speak;
    TTalkProtocol talk{session.context, speak, [] { return nullptr; }};
    TPushToTalk pushToTalk{session.context, speak, talk, QtTimerFactory::instance()};
    QtMessageSink sink{&main};
    TKeyboardHook hook;
};

TEST_F(PushToTalkOnX11, TheHookTakesAndGivesBackTheFloorWithoutTheMainWindow) {
    installHook();
    pushToTalk.SetKey(VirtualKey::Control);
    xdotool({"keydown", "Control_L"});
    ASSERT_TRUE(test::pumpUntil([&] { return takes() == 1; }));
    EXPECT_TRUE(speak.isChecked());
    xdotool({"keyup", "Control_L"});
    ASSERT_TRUE(test::pumpUntil([&] { return releases() == 1; }));
    EXPECT_FALSE(speak.isChecked());
    EXPECT_EQ(takes(), 1);

    pushToTalk.SetKey(0);
    xdotool({"key", "Control_L"});
    hold(300);
    EXPECT_EQ(takes(), 1) << "push-to-talk switched off";
}

TEST_F(PushToTalkOnX11, HoldingARepeatingKeyNeverGivesTheFloorBack) {
    for (const bool hooked : {true, false}) {
        SCOPED_TRACE(hooked ? "with the hook" : "the main window's own keys");
        session.sender.sent.clear();
        if (hooked)
            installHook();
        showMainWindow();
        RepeatCounter repeats;
        qApp->installEventFilter(&repeats);
        pushToTalk.SetKey(VirtualKey::Escape);
        xdotool({"keydown", "Escape"});
        ASSERT_TRUE(test::pumpUntil([&] { return takes() == 1; }));
        hold(1500);
        EXPECT_GT(repeats.repeats, 0) << "the display repeats the held key";
        EXPECT_EQ(releases(), 0);
        EXPECT_EQ(takes(), 1);
        EXPECT_TRUE(speak.isChecked());
        xdotool({"keyup", "Escape"});
        ASSERT_TRUE(test::pumpUntil([&] { return releases() == 1; }));
        EXPECT_FALSE(speak.isChecked());
        qApp->removeEventFilter(&repeats);
        hook.Remove();
        pushToTalk.SetHookInstalled(false);
        hold(200);
    }
}

TEST_F(PushToTalkOnX11, F3TogglesSpeakOnItsReleaseAndThePushToTalkKeyLeavesAToggledFloorAlone) {
    installHook();
    showMainWindow();
    pushToTalk.SetKey(VirtualKey::Control);
    xdotool({"keydown", "F3"});
    hold(200);
    EXPECT_EQ(takes(), 0) << "not on the press";
    xdotool({"keyup", "F3"});
    ASSERT_TRUE(test::pumpUntil([&] { return takes() == 1; }));
    EXPECT_TRUE(talk.ToggleMark());
    xdotool({"key", "Control_L"});
    hold(300);
    EXPECT_EQ(releases(), 0) << "talking started with Speak goes on";
    xdotool({"key", "F3"});
    ASSERT_TRUE(test::pumpUntil([&] { return releases() == 1; }));
    EXPECT_FALSE(speak.isChecked());
    EXPECT_EQ(takes(), 1) << "one press, one toggle";

    session.state.OwnMicAllowed = false;
    xdotool({"key", "F3"});
    xdotool({"keydown", "Control_L"});
    hold(300);
    xdotool({"keyup", "Control_L"});
    hold(300);
    EXPECT_EQ(takes(), 1) << "without the microphone right nothing happens";
    EXPECT_EQ(releases(), 1);
}

} // namespace
} // namespace orv

int main(int argc, char** argv) {
    return orv::test::RunOnOwnDesktop(argc, argv, orv::g_desktop);
}
