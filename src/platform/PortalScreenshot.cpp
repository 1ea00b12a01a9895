#include "platform/PortalScreenshot.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QUrl>

namespace orv {

namespace {

const QString kShotPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kShotPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kShotRequest = QStringLiteral("org.freedesktop.portal.Request");

} // namespace

PortalScreenshot::PortalScreenshot(QDBusConnection bus) : m_bus(bus) {}

bool PortalScreenshot::Offered(QDBusConnection bus) {
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(kShotPortal, kShotPortalPath,
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << kScreenshot << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, 10000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().front().value<QDBusVariant>().variant().toUInt() >= 1;
}

void PortalScreenshot::Take(bool interactive, std::function<void(QImage)> taken,
                            std::function<void(QString why)> failed) {
    if (!m_requestPath.isEmpty())
        m_bus.disconnect(kShotPortal, m_requestPath, kShotRequest, "Response", this,
                         SLOT(onResponse(uint, QVariantMap)));
    m_taken = std::move(taken);
    m_failed = std::move(failed);
    // The Response comes on a request object whose path follows from our bus name and the token we give:
    // subscribed before the call, it cannot be missed.
    const QString token = QString("orv_shot_%1").arg(++m_tokens);
    const QString sender = m_bus.baseService().mid(1).replace('.', '_');
    m_requestPath = QString("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_bus.connect(kShotPortal, m_requestPath, kShotRequest, "Response", this,
                  SLOT(onResponse(uint, QVariantMap)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kShotPortal, kShotPortalPath, kScreenshot, "Screenshot");
    call << QString() << QVariantMap{{"handle_token", token}, {"interactive", interactive}, {"modal", true}};
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const QString path = m_requestPath;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, path] {
        watcher->deleteLater();
        if (watcher->isError() && path == m_requestPath)
            finish({}, watcher->error().message());
    });
}

void PortalScreenshot::onResponse(uint response, const QVariantMap& results) {
    if (response != 0) {
        finish({}, response == 1 ? tr("The screenshot was cancelled.")
                                 : tr("The desktop refused to take a screenshot."));
        return;
    }
    const QUrl uri(results.value("uri").toString());
    const QImage picture(uri.toLocalFile());
    finish(picture, picture.isNull() ? tr("The desktop's screenshot cannot be read.") : QString());
}

void PortalScreenshot::finish(QImage picture, const QString& why) {
    m_bus.disconnect(kShotPortal, m_requestPath, kShotRequest, "Response", this,
                     SLOT(onResponse(uint, QVariantMap)));
    m_requestPath.clear();
    auto taken = std::exchange(m_taken, {});
    auto failed = std::exchange(m_failed, {});
    if (!picture.isNull() && taken)
        taken(std::move(picture));
    else if (picture.isNull() && failed)
        failed(why);
}

} // namespace orv
