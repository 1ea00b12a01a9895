#include "platform/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace orv {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A notification nobody clicked or closed is forgotten after this many newer ones.
constexpr std::size_t kRemembered = 64;

} // namespace

TDBusNotifier::TDBusNotifier(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(std::move(bus)) {
    if (!m_bus.isConnected())
        return;
    m_bus.connect(kService, kPath, kInterface, "ActionInvoked", this, SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, "NotificationClosed", this, SLOT(onClosed(uint, uint)));
}

void TDBusNotifier::Notify(const QString& summary, const QString& body, std::function<void()> activated) {
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    const QVariantMap hints{{"desktop-entry", QStringLiteral("orvane-live")},
                            {"category", QStringLiteral("im.received")}};
    // Servers may read the body as markup: what others typed is shown as typed.
    call << QStringLiteral("Orvane Live Browser") << uint(0) << QStringLiteral("orvane-live") << summary
         << body.toHtmlEscaped() << QStringList{"default", tr("Open")} << hints << std::int32_t(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, activated = std::move(activated)](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> reply = *w;
                w->deleteLater();
                if (reply.isError() || !activated)
                    return; // no service: nothing was shown
                if (m_shown.size() >= kRemembered)
                    m_shown.erase(m_shown.begin());
                m_shown[reply.value()] = activated;
            });
}

void TDBusNotifier::onActionInvoked(uint id, const QString& action) {
    const auto it = m_shown.find(id);
    if (it == m_shown.end() || action != "default")
        return;
    const std::function<void()> activated = it->second;
    m_shown.erase(it);
    activated();
}

void TDBusNotifier::onClosed(uint id, uint) {
    m_shown.erase(id);
}

} // namespace orv
