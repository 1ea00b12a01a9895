// A picture of the screen through the desktop portal's screenshot, against the tests' own portal on a
// private bus: the picture the portal saved arrives whole, and a second request gets the screen as it is
// then.
#include "platform/PortalScreenshot.h"
#include "support/EventPump.h"
#include "support/SessionBus.h"
#include "support/TestPortal.h"
#include "support/portal/CastPicture.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(PortalScreenshot, ThePictureTheDesktopSavedArrives) {
    test::PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon must be installed";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
    const QSize size(120, 90);
    test::TestPortal portal(environment, size);
    ASSERT_TRUE(portal.failure().isEmpty()) << portal.failure().toStdString();
    const QDBusConnection client = bus.connect("client");
    ASSERT_TRUE(PortalScreenshot::Offered(client));

    PortalScreenshot shot(client);
    for (const int scene : {0, 1}) {
        SCOPED_TRACE(scene);
        portal.showScene(scene);
        ASSERT_TRUE(test::pumpUntil([&] { return portal.reported(QString("scene %1").arg(scene)); }));
        QImage picture;
        QString failed;
        shot.Take(
            scene == 1, [&](const QImage& taken) { picture = taken; },
            [&](const QString& why) { failed = why; });
        ASSERT_TRUE(test::pumpUntil([&] { return !picture.isNull() || !failed.isEmpty(); }));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();
        EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), test::CastPicture(size, scene));
        EXPECT_TRUE(portal.reported(QString("screenshot interactive=%1").arg(scene)));
    }
}

} // namespace
} // namespace orv
