#include "app/RestrictedWebPage.h"

#include <QDebug>

namespace orv {

bool TRestrictedWebPage::IsAllowed(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == "http" || scheme == "https" || url.toString() == "about:blank";
}

bool TRestrictedWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    return IsAllowed(url);
}

// Pop-ups open in this page rather than in windows nobody manages.
QWebEnginePage* TRestrictedWebPage::createWindow(WebWindowType) {
    return this;
}

void TRestrictedWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                                  int line, const QString& source) {
    qDebug().noquote() << "page" << source << line << message;
}

} // namespace orv
