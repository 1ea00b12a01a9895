#include "webtour/TourWebPage.h"

#include "webtour/WebTour.h"

#include <QPointer>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace orv {

// Sees each request of the page; a top-level request that posts data is told to the tour on the page's
// thread, once the request is under way.
class TTourWebPage::PostWatcher final : public QWebEngineUrlRequestInterceptor {
public:
    explicit PostWatcher(TTourWebPage* page) : m_page(page) {}
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame ||
            info.requestMethod() != "POST")
            return;
        QMetaObject::invokeMethod(
            m_page,
            [page = m_page] {
                if (page && page->m_tour)
                    page->m_tour->PostingData();
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<TTourWebPage> m_page;
};

TTourWebPage::TTourWebPage(TWebTour& tour, QObject* parent)
    : TQuietWebPage(parent), m_tour(&tour), m_postWatcher(std::make_unique<PostWatcher>(this)) {
    // Scripts may ask for windows, so that every attempt reaches createWindow and is refused with a warning.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    setUrlRequestInterceptor(m_postWatcher.get());
}

TTourWebPage::~TTourWebPage() {
    setUrlRequestInterceptor(nullptr);
}

bool TTourWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (!m_tour)
        return !isMainFrame || TWebTour::IsFollowable(url);
    return m_tour->BeforeNavigation(url, isMainFrame);
}

QWebEnginePage* TTourWebPage::createWindow(WebWindowType) {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_tour)
                m_tour->PopupBlocked();
        },
        Qt::QueuedConnection);
    return nullptr;
}

} // namespace orv
