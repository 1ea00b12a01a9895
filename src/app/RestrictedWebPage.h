#pragma once
// A web page that follows only http, https and about:blank: addresses shown here come from the server or
// from other participants.

#include <QWebEnginePage>

namespace orv {

class TRestrictedWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;
    static bool IsAllowed(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    // A page's console goes to the program's log, not to the terminal.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;
};

} // namespace orv
