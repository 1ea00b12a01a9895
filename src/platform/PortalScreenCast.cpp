#include "platform/PortalScreenCast.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>

namespace orv {

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenCast = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString kRemoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// Source and cursor kinds of the screen cast portal.
constexpr uint kMonitorSource = 1;
constexpr uint kCursorEmbedded = 2;
constexpr uint kCursorMetadata = 4;

QVariant PortalProperty(QDBusConnection bus, const QString& interface, const QString& name) {
    QDBusMessage get =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, "org.freedesktop.DBus.Properties", "Get");
    get << interface << name;
    const QDBusMessage reply = bus.call(get, QDBus::Block, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().front().value<QDBusVariant>().variant();
}

// The first stream of a Start response: a(ua{sv}), the node and its properties ("size" is (ii)).
bool FirstStream(const QVariant& streams, TScreenCastStream& stream) {
    if (!streams.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument list = streams.value<QDBusArgument>();
    bool found = false;
    list.beginArray();
    while (!list.atEnd()) {
        uint node = 0;
        QVariantMap properties;
        list.beginStructure();
        list >> node >> properties;
        list.endStructure();
        if (found)
            continue;
        found = true;
        stream.node = node;
        const QVariant size = properties.value("size");
        if (size.canConvert<QDBusArgument>()) {
            int width = 0, height = 0;
            const QDBusArgument pair = size.value<QDBusArgument>();
            pair.beginStructure();
            pair >> width >> height;
            pair.endStructure();
            stream.size = QSize(width, height);
        }
    }
    list.endArray();
    return found;
}

} // namespace

PortalScreenCast::PortalScreenCast(QDBusConnection bus) : m_bus(bus) {}

PortalScreenCast::~PortalScreenCast() {
    Close();
}

bool PortalScreenCast::Offered(QDBusConnection bus) {
    return bus.isConnected() && PortalProperty(bus, kScreenCast, "version").toUInt() >= 1;
}

bool PortalScreenCast::RemoteDesktopOffered(QDBusConnection bus) {
    return bus.isConnected() && PortalProperty(bus, kRemoteDesktop, "version").toUInt() >= 1;
}

void PortalScreenCast::Start(std::function<void(TScreenCastStream)> started,
                             std::function<void(QString why)> failed) {
    Close();
    m_started = std::move(started);
    m_failed = std::move(failed);
    m_cursorModes = PortalProperty(m_bus, kScreenCast, "AvailableCursorModes").toUInt();
    const QString token = QString("orv_session_%1").arg(++m_tokens);
    request(TStep::CreateSession, "CreateSession", {}, {{"session_handle_token", token}});
}

void PortalScreenCast::request(TStep step, const QString& method, const QList<QVariant>& arguments,
                               QVariantMap options) {
    // The request's object path follows from our bus name and the token we give.
    const QString token = QString("orv_request_%1").arg(++m_tokens);
    const QString sender = m_bus.baseService().mid(1).replace('.', '_');
    const QString path = QString("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    options.insert("handle_token", token);
    if (!m_requestPath.isEmpty())
        m_bus.disconnect(kPortal, m_requestPath, kRequest, "Response", this,
                         SLOT(onResponse(uint, QVariantMap)));
    m_requestPath = path;
    m_step = step;
    m_bus.connect(kPortal, path, kRequest, "Response", this, SLOT(onResponse(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kScreenCast, method);
    QList<QVariant> all = arguments;
    all << options;
    call.setArguments(all);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, step] {
        watcher->deleteLater();
        if (watcher->isError() && m_step == step)
            failWith(watcher->error().message());
    });
}

void PortalScreenCast::onResponse(uint response, const QVariantMap& results) {
    const TStep step = m_step;
    m_step = TStep::Idle;
    if (response != 0) {
        // 1: the user cancelled the choice; 2: the desktop refused.
        failWith(response == 1 ? tr("The screen was not chosen.")
                               : tr("The desktop refused to share the screen."));
        return;
    }
    switch (step) {
    case TStep::CreateSession:
        m_session = results.value("session_handle").toString();
        if (m_session.isEmpty())
            m_session = results.value("session_handle").value<QDBusObjectPath>().path();
        selectSources();
        break;
    case TStep::SelectSources:
        startCast();
        break;
    case TStep::Start:
        openRemote(results);
        break;
    case TStep::Idle:
        break;
    }
}

void PortalScreenCast::selectSources() {
    QVariantMap options{{"types", kMonitorSource}, {"multiple", false}};
    if (m_cursorModes & kCursorMetadata)
        options.insert("cursor_mode", kCursorMetadata);
    else if (m_cursorModes & kCursorEmbedded)
        options.insert("cursor_mode", kCursorEmbedded);
    request(TStep::SelectSources, "SelectSources", {QVariant::fromValue(QDBusObjectPath(m_session))},
            options);
}

void PortalScreenCast::startCast() {
    request(TStep::Start, "Start", {QVariant::fromValue(QDBusObjectPath(m_session)), QString()}, {});
}

void PortalScreenCast::openRemote(const QVariantMap& results) {
    TScreenCastStream stream;
    if (!FirstStream(results.value("streams"), stream)) {
        failWith(tr("The desktop shares no screen."));
        return;
    }
    stream.cursorAsMetadata = (m_cursorModes & kCursorMetadata) != 0;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kScreenCast, "OpenPipeWireRemote");
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariantMap();
    const QDBusReply<QDBusUnixFileDescriptor> remote = m_bus.call(call, QDBus::Block, 30000);
    if (!remote.isValid() || !remote.value().isValid()) {
        failWith(remote.error().message());
        return;
    }
    stream.remote = remote.value();
    if (auto started = std::exchange(m_started, {}))
        started(stream);
}

void PortalScreenCast::failWith(const QString& why) {
    m_started = {};
    if (auto failed = std::exchange(m_failed, {}))
        failed(why);
}

void PortalScreenCast::Close() {
    if (!m_requestPath.isEmpty())
        m_bus.disconnect(kPortal, m_requestPath, kRequest, "Response", this,
                         SLOT(onResponse(uint, QVariantMap)));
    m_requestPath.clear();
    m_step = TStep::Idle;
    m_started = {};
    m_failed = {};
    if (!m_session.isEmpty())
        m_bus.asyncCall(
            QDBusMessage::createMethodCall(kPortal, m_session, "org.freedesktop.portal.Session", "Close"));
    m_session.clear();
}

} // namespace orv
