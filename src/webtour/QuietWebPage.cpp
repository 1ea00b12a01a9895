#include "webtour/QuietWebPage.h"

#include <QAuthenticator>
#include <QDebug>
#include <QWebEngineCertificateError>
#include <QWebEngineSettings>

namespace orv {

TQuietWebPage::TQuietWebPage(QObject* parent) : QWebEnginePage(parent) {
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    connect(this, &QWebEnginePage::certificateError, this, [](QWebEngineCertificateError error) {
        qInfo().noquote() << "web page: certificate refused for" << error.url().toString()
                          << error.description();
        error.rejectCertificate();
    });
    connect(this, &QWebEnginePage::authenticationRequired, this,
            [](const QUrl&, QAuthenticator* authenticator) { *authenticator = QAuthenticator(); });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [](const QUrl&, QAuthenticator* authenticator, const QString&) {
                *authenticator = QAuthenticator();
            });
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& origin, Feature feature) {
                setFeaturePermission(origin, feature, PermissionDeniedByUser);
            });
}

void TQuietWebPage::javaScriptAlert(const QUrl&, const QString& message) {
    qDebug().noquote() << "web page alert:" << message.left(200);
}

bool TQuietWebPage::javaScriptConfirm(const QUrl&, const QString& message) {
    qDebug().noquote() << "web page question refused:" << message.left(200);
    return false;
}

bool TQuietWebPage::javaScriptPrompt(const QUrl&, const QString& message, const QString&, QString*) {
    qDebug().noquote() << "web page prompt refused:" << message.left(200);
    return false;
}

QStringList TQuietWebPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) {
    return {};
}

void TQuietWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                             const QString& source) {
    qDebug().noquote() << "page" << source << line << message;
}

} // namespace orv
