// The player window on its own: what its captions and labels say as playing goes on, and a click on the
// position bar seeks to where it was clicked.
#include "playback/PlayerWindow.h"
#include "playback/PlayerStatus.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace orv {
namespace {

QLabel* LabelNamed(const QWidget& window, const QString& accessibleName) {
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->accessibleName() == accessibleName)
            return label;
    return nullptr;
}

TEST(PlayerWindow, CaptionPositionAndTimesFollowTheDownloadAndThePlayer) {
    TPlayerStatus status;
    status.SetPacketCount(400);
    TfrmPlayer window(status);
    QLabel* time = LabelNamed(window, "Elapsed and total time");
    ASSERT_NE(time, nullptr);
    QSlider* position = nullptr;
    for (QSlider* slider : window.findChildren<QSlider*>())
        if (slider->accessibleName() == "Position")
            position = slider;
    ASSERT_NE(position, nullptr);

    const struct Step {
        std::int64_t total, done;           // the download
        std::int32_t played;                // packets
        std::optional<std::int64_t> length; // the recording's, once measured
        std::int64_t elapsedMs;
        TPlayerStatusText state;
        const char *caption, *timeText, *percent, *stateText;
    } steps[] = {
        {200 * 1024, 50 * 1024, 10, std::nullopt, 65000, TPlayerStatusText::Playing,
         "Orvane Live Player - Downloading 50 KB of 200 KB", "0:01:05", "2.50%", "PLAYING"},
        {200 * 1024, 200 * 1024, 100, 750000, 3725000, TPlayerStatusText::Paused,
         "Orvane Live Player - Downloaded", "1:02:05 / 0:12:30", "25.00%", "PAUSED"},
        {200 * 1024, 200 * 1024, 400, 750000, 750000, TPlayerStatusText::Stopped,
         "Orvane Live Player - Downloaded", "0:12:30 / 0:12:30", "100.00%", "STOPPED"},
    };
    for (const Step& s : steps) {
        status.Downloaded(s.total, s.done);
        status.Played(s.played, false, 0);
        status.SetTotalMs(s.length);
        status.SetStatus(s.state);
        window.Refresh(s.elapsedMs);
        EXPECT_EQ(window.windowTitle(), s.caption);
        EXPECT_EQ(time->text(), s.timeText);
        EXPECT_EQ(position->value(), s.played);
        bool percentShown = false, stateShown = false;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            percentShown = percentShown || label->text() == s.percent;
            stateShown = stateShown || label->text() == s.stateText;
        }
        EXPECT_TRUE(percentShown) << s.percent;
        EXPECT_TRUE(stateShown) << s.stateText;
    }
}

TEST(PlayerWindow, AClickOnThePositionBarSeeksToWhereItWasClicked) {
    TPlayerStatus status;
    status.SetPacketCount(1000);
    TfrmPlayer window(status);
    window.resize(400, window.sizeHint().height());
    window.show();
    QSlider* position = nullptr;
    for (QSlider* slider : window.findChildren<QSlider*>())
        if (slider->accessibleName() == "Position")
            position = slider;
    ASSERT_NE(position, nullptr);
    QSignalSpy seeks(&window, &TfrmPlayer::seekRequested);
    QTest::mouseClick(position, Qt::LeftButton, {},
                      QPoint(position->width() * 3 / 4, position->height() / 2));
    ASSERT_EQ(seeks.size(), 1);
    EXPECT_NEAR(seeks[0][0].toInt(), 750, 30) << "three quarters along the bar";
}

} // namespace
} // namespace orv
