#include "platform/PortalGlobalShortcuts.h"

#include "platform/AppMessage.h"
#include "platform/KeyboardHook.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace orv {

namespace {

const QString kKeysPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kKeysPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kKeysRequest = QStringLiteral("org.freedesktop.portal.Request");

// One shortcut of BindShortcuts, (sa{sv}): its id and its description and proposed trigger.
struct TPortalShortcut {
    QString id;
    QVariantMap properties;
};

} // namespace

} // namespace orv

Q_DECLARE_METATYPE(orv::TPortalShortcut)

namespace orv {

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const TPortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, TPortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

PortalGlobalShortcuts::PortalGlobalShortcuts(QDBusConnection bus) : m_bus(bus) {
    qDBusRegisterMetaType<TPortalShortcut>();
    qDBusRegisterMetaType<QList<TPortalShortcut>>();
}

PortalGlobalShortcuts::~PortalGlobalShortcuts() {
    if (!m_session.isEmpty())
        m_bus.asyncCall(QDBusMessage::createMethodCall(kKeysPortal, m_session,
                                                       "org.freedesktop.portal.Session", "Close"));
}

QString PortalGlobalShortcuts::TriggerOf(std::int32_t virtualKey) {
    switch (virtualKey) {
    case 16:
        return QStringLiteral("Shift_L");
    case 17:
        return QStringLiteral("Control_L");
    case 27:
        return QStringLiteral("Escape");
    default:
        return {};
    }
}

bool PortalGlobalShortcuts::Offered(QDBusConnection bus) {
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(kKeysPortal, kKeysPortalPath,
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << kShortcuts << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, 10000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().front().value<QDBusVariant>().variant().toUInt() >= 1;
}

bool PortalGlobalShortcuts::Start(IMessageSink& target, int number, QString trigger,
                                  std::function<std::int32_t()> key,
                                  std::function<void(const QString& why)> failed) {
    if (!Offered(m_bus))
        return false;
    m_target = &target;
    m_number = number;
    m_trigger = std::move(trigger);
    m_key = std::move(key);
    m_failed = std::move(failed);
    m_bus.connect(kKeysPortal, kKeysPortalPath, kShortcuts, "Activated", this,
                  SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    m_bus.connect(kKeysPortal, kKeysPortalPath, kShortcuts, "Deactivated", this,
                  SLOT(onDeactivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    request(TStep::CreateSession, "CreateSession", {},
            {{"session_handle_token", QString("orv_keys_%1").arg(++m_tokens)}});
    return true;
}

void PortalGlobalShortcuts::request(TStep step, const QString& method, QList<QVariant> arguments,
                                    QVariantMap options) {
    // The Response comes on a request object whose path follows from our bus name and the token we give:
    // subscribed before the call, it cannot be missed.
    const QString token = QString("orv_keys_request_%1").arg(++m_tokens);
    const QString sender = m_bus.baseService().mid(1).replace('.', '_');
    if (!m_requestPath.isEmpty())
        m_bus.disconnect(kKeysPortal, m_requestPath, kKeysRequest, "Response", this,
                         SLOT(onResponse(uint, QVariantMap)));
    m_requestPath = QString("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_step = step;
    m_bus.connect(kKeysPortal, m_requestPath, kKeysRequest, "Response", this,
                  SLOT(onResponse(uint, QVariantMap)));
    options.insert("handle_token", token);
    arguments << options;
    QDBusMessage call = QDBusMessage::createMethodCall(kKeysPortal, kKeysPortalPath, kShortcuts, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, step] {
        watcher->deleteLater();
        if (watcher->isError() && m_step == step)
            fail(watcher->error().message());
    });
}

void PortalGlobalShortcuts::onResponse(uint response, const QVariantMap& results) {
    const TStep step = m_step;
    m_step = TStep::Idle;
    if (response != 0) {
        fail(tr("The desktop did not bind the push-to-talk key."));
        return;
    }
    if (step == TStep::CreateSession) {
        m_session = results.value("session_handle").toString();
        if (m_session.isEmpty())
            m_session = results.value("session_handle").value<QDBusObjectPath>().path();
        const TPortalShortcut shortcut{
            ShortcutId(), {{"description", tr("Push to talk")}, {"preferred_trigger", m_trigger}}};
        request(TStep::Bind, "BindShortcuts",
                {QVariant::fromValue(QDBusObjectPath(m_session)),
                 QVariant::fromValue(QList<TPortalShortcut>{shortcut}), QString()},
                {});
    } else if (step == TStep::Bind) {
        m_bound = true;
    }
}

void PortalGlobalShortcuts::fail(const QString& why) {
    m_bound = false;
    if (m_failed)
        m_failed(why);
}

void PortalGlobalShortcuts::report(const QDBusObjectPath& session, const QString& id, bool released) {
    if (!m_bound || !m_target || session.path() != m_session || id != ShortcutId())
        return;
    const std::int32_t key = m_key ? m_key() : 0;
    if (key != 0)
        m_target->post(m_number, key, released ? std::intptr_t(KeyFlagRelease) : 0);
}

void PortalGlobalShortcuts::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                        const QVariantMap&) {
    report(session, id, false);
}

void PortalGlobalShortcuts::onDeactivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                          const QVariantMap&) {
    report(session, id, true);
}

} // namespace orv
