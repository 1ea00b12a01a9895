// The player window on its own: a click on the position bar seeks to where it was clicked.
#include "playback/PlayerWindow.h"
#include "playback/PlayerStatus.h"

#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace orv {
namespace {

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
