#pragma once
// The file viewer's page: shows local files and web addresses, opens no windows and hands no address to
// other programs.

#include "webtour/QuietWebPage.h"

namespace orv {

class TViewerWebPage final : public TQuietWebPage {
    Q_OBJECT
public:
    explicit TViewerWebPage(QObject* parent = nullptr);

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
};

} // namespace orv
