// The welcome window with its embedded browser; runs under a virtual display.
#include "app/WelcomeWindow.h"
#include "app/RestrictedWebPage.h"
#include "support/EventPump.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(RestrictedWebPage, FollowsOnlyWebAddresses) {
    const std::pair<const char*, bool> cases[] = {
        {"http://example.org/a", true},     {"HTTPS://example.org", true},  {"about:blank", true},
        {"file:///etc/passwd", false},      {"javascript:alert(1)", false}, {"ftp://example.org", false},
        {"data:text/html,<b>x</b>", false}, {"about:config", false},
    };
    for (auto [url, allowed] : cases)
        EXPECT_EQ(TRestrictedWebPage::IsAllowed(QUrl(url)), allowed) << url;
}

TEST(WelcomeWindow, ShowsThePageAndClosesOnItsTimer) {
    auto* window = new TfrmWelcome(QUrl("data:text/html,<h1>Welcome</h1>"));
    QPointer<TfrmWelcome> alive(window);
    window->show();
    EXPECT_TRUE(window->view()->url().isEmpty()) << "an address it may not follow is not loaded";
    EXPECT_EQ(window->closeTimer()->interval(), 60000);
    EXPECT_TRUE(window->closeTimer()->isActive());
    window->view()->setHtml("<h1>Welcome</h1>");
    QSignalSpy loaded(window->view(), &QWebEngineView::loadFinished);
    EXPECT_TRUE(test::pumpUntil([&] { return !loaded.isEmpty(); }));
    emit window->closeTimer()->timeout({});
    EXPECT_TRUE(test::pumpUntil([&] { return alive.isNull(); })) << "closes and frees itself";
}

TEST(WelcomeWindow, EscapeClosesItWhileThePageHasTheFocus) {
    auto* window = new TfrmWelcome(QUrl("about:blank"));
    QPointer<TfrmWelcome> alive(window);
    window->show();
    QApplication::setActiveWindow(window);
    window->view()->setHtml("<input id=i autofocus>");
    QSignalSpy loaded(window->view(), &QWebEngineView::loadFinished);
    ASSERT_TRUE(test::pumpUntil([&] { return !loaded.isEmpty(); }));
    window->view()->setFocus();
    QWidget* target = window->view()->focusProxy() ? window->view()->focusProxy() : window->view();
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_TRUE(test::pumpUntil([&] { return alive.isNull(); })) << "closes and frees itself";
}

} // namespace
} // namespace orv
