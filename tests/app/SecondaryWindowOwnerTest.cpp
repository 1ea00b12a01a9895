#include "app/SecondaryWindowOwner.h"

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace orv {
namespace {

struct OwnershipCase {
    const char* what;
    Qt::WindowFlags flags;
    bool mainShown;
    bool owned;
};

TEST(SecondaryWindowOwner, SecondaryWindowsShownWhileTheMainWindowIsUpBelongToIt) {
    const OwnershipCase cases[] = {
        {"a tool window", Qt::Tool | Qt::WindowStaysOnTopHint, true, true},
        {"a plain window", Qt::Window, true, true},
        {"a dialog", Qt::Dialog, true, true},
        {"a pop-up, which Qt places itself", Qt::Popup, true, false},
        {"a window shown while the main window is hidden", Qt::Tool, false, false},
    };
    for (const OwnershipCase& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget main;
        TSecondaryWindowOwner owner(main);
        if (c.mainShown)
            main.show();
        QWidget secondary(nullptr, c.flags);
        secondary.show();
        ASSERT_TRUE(secondary.windowHandle());
        EXPECT_EQ(secondary.windowHandle()->transientParent(), c.owned ? main.windowHandle() : nullptr);
        EXPECT_EQ(main.windowHandle() ? main.windowHandle()->transientParent() : nullptr, nullptr)
            << "the main window owns itself to nobody";
    }
}

TEST(SecondaryWindowOwner, AWindowWithAParentOfItsOwnKeepsIt) {
    QWidget main;
    TSecondaryWindowOwner owner(main);
    main.show();
    QWidget dialogOwner;
    dialogOwner.show();
    QWidget secondary(&dialogOwner, Qt::Tool);
    secondary.show();
    EXPECT_EQ(secondary.windowHandle()->transientParent(), dialogOwner.windowHandle());
}

} // namespace
} // namespace orv
