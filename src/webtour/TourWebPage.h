#pragma once
// The tour browser's page: every navigation passes the tour's rules, pop-up windows are refused with a
// warning, and a top-level page that posts form data is reported to the tour.

#include "webtour/QuietWebPage.h"

#include <memory>

namespace orv {

class TWebTour;

class TTourWebPage final : public TQuietWebPage {
    Q_OBJECT
public:
    TTourWebPage(TWebTour& tour, QObject* parent = nullptr);
    ~TTourWebPage() override;

    // The tour is going away: from now on the page follows only the web's own schemes and tells nobody.
    void Detach() { m_tour = nullptr; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    class PostWatcher;
    TWebTour* m_tour;
    std::unique_ptr<PostWatcher> m_postWatcher;
};

} // namespace orv
