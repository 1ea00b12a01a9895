#include "webtour/ViewerWebPage.h"

#include <QWebEngineSettings>

namespace orv {

TViewerWebPage::TViewerWebPage(QObject* parent) : TQuietWebPage(parent) {
    settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true); // the PDF viewer
    settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
}

QWebEnginePage* TViewerWebPage::createWindow(WebWindowType) {
    return nullptr;
}

} // namespace orv
