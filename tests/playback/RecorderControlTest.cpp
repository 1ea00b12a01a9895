// The moderator's recorder controls against our server: who may start, what a pause leaves out, the
// buttons and messages after each answer, and a press that could not be sent.
#include "playback/RecorderControl.h"
#include "protocol/ResultCodes.h"
#include "support/FileBytes.h"
#include "support/LiveClient.h"
#include "support/ServerThread.h"
#include "support/TestAccounts.h"

#include "ReplayFixtures.h"

#include <QDir>

#include <gtest/gtest.h>

namespace orv::recorder_control {

using test::pumpUntil;

struct RecorderClient : test::ChatClient {
    explicit RecorderClient(const QString& folder) : ChatClient(folder) {
        recorder.RegisterHandlers(dispatcher);
        recorder.RegisterMessages(mainWindow.router);
    }
    // Waits for the message box the next answer brings.
    QString answer() {
        const qsizetype before = dialogs.shown.size();
        EXPECT_TRUE(pumpUntil([&] { return dialogs.shown.size() > before; }));
        return dialogs.shown.isEmpty() ? QString() : dialogs.shown.back();
    }
    TRecorderControl recorder{context};
};

QByteArray Wide(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

TEST(RecorderControl, StartsPausesAndStopsTheServersRecorderAndShowsEachAnswer) {
    QTemporaryDir store, homes[2];
    server::ServerConfig config =
        test::ClassroomConfig({{"teacher", 1, 1000, "Tess"}, {"alice", 2, 0, "Alice"}});
    config.storePath = store.path();
    config.rooms[100].recorder = true;
    test::ServerThread server(config);
    RecorderClient teacher(homes[0].path()), alice(homes[1].path());
    teacher.enter(server.port(), "teacher", test::PasswordOf("teacher"), 100);
    alice.enter(server.port(), "alice", test::PasswordOf("alice"), 100);
    const QString recording = QDir(store.path()).filePath("recordings/1.orvane");
    for (RecorderClient* client : {&teacher, &alice})
        client->recorder.UpdateVisibility();
    EXPECT_TRUE(teacher.recorder.StartAction().isVisible());
    EXPECT_FALSE(alice.recorder.StartAction().isVisible()) << "the recorder is a moderator's";

    // A participant is refused all the same, and the buttons say stopped.
    alice.recorder.Start();
    EXPECT_TRUE(alice.answer().startsWith("error: Session recorder is not started! " +
                                          QString::number(ResultCode::NoPermission)));
    EXPECT_FALSE(alice.recorder.Recording());
    EXPECT_TRUE(alice.recorder.StopAction().isChecked());
    EXPECT_FALSE(QFileInfo::exists(recording));

    teacher.recorder.Start();
    EXPECT_EQ(teacher.answer(), "info: Session recorder is now running. The session is being recorded!");
    EXPECT_TRUE(teacher.recorder.Recording());
    EXPECT_TRUE(teacher.recorder.StartAction().isChecked());
    EXPECT_TRUE(teacher.recorder.PauseAction().isEnabled());
    ASSERT_TRUE(QFileInfo::exists(recording));

    // A second start is not sent: the recorder runs.
    teacher.recorder.Start();
    EXPECT_TRUE(teacher.recorder.StartAction().isChecked());

    // While paused, the room goes on unrecorded. The teacher speaks: the server takes one connection's
    // packets in order, so each line comes after the pause or resume before it.
    teacher.recorder.PauseAction().setChecked(true);
    teacher.recorder.Pause();
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("not for the record"));
    teacher.recorder.PauseAction().setChecked(false);
    teacher.recorder.Pause();
    ASSERT_TRUE(teacher.chat.Handlers().SendTyped("on the record"));
    ASSERT_TRUE(pumpUntil([&] { return test::ReadFile(recording).contains(Wide("on the record")); }));
    EXPECT_FALSE(test::ReadFile(recording).contains(Wide("not for the record")));

    teacher.recorder.Stop();
    EXPECT_EQ(teacher.answer(), "info: Session recorder is now stopped.");
    EXPECT_FALSE(teacher.recorder.Recording());
    EXPECT_TRUE(teacher.recorder.StopAction().isChecked());
    EXPECT_FALSE(teacher.recorder.PauseAction().isEnabled());

    // A press that cannot reach the server leaves the buttons as they were.
    teacher.link.StopWriter();
    teacher.recorder.Start();
    EXPECT_TRUE(teacher.recorder.StopAction().isChecked());
    EXPECT_FALSE(teacher.recorder.Recording());
}

} // namespace orv::recorder_control
