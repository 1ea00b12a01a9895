#include "support/portal/TestPortalService.h"

#include "support/portal/CastPicture.h"
#include "support/portal/CastVideoSource.h"
#include "support/portal/PortalAdaptors.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMetaType>
#include <QFile>
#include <QPoint>
#include <QTimer>
#include <QUrl>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace orv::test {

namespace {

const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// One entry of a Start response's streams, a(ua{sv}).
struct CastStreamEntry {
    uint node = 0;
    QVariantMap properties;
};

// The caller's unique name as portal object paths carry it: ":1.42" becomes "1_42".
QString SenderPart(const QDBusMessage& message) {
    return message.service().mid(1).replace('.', '_');
}

// A new connection to the PipeWire daemon of this process's runtime folder; -1 when none.
int ConnectToPipeWire() {
    const QByteArray path = QFile::encodeName(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/pipewire-0");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= int(sizeof address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

} // namespace

} // namespace orv::test

Q_DECLARE_METATYPE(orv::test::CastStreamEntry)

namespace orv::test {

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const CastStreamEntry& entry) {
    argument.beginStructure();
    argument << entry.node << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, CastStreamEntry& entry) {
    argument.beginStructure();
    argument >> entry.node >> entry.properties;
    argument.endStructure();
    return argument;
}

} // namespace

TestPortalService::TestPortalService(QDBusConnection bus, Options options,
                                     std::function<void(const QString&)> report)
    : m_bus(bus), m_options(options), m_report(std::move(report)) {
    qDBusRegisterMetaType<CastStreamEntry>();
    qDBusRegisterMetaType<QList<CastStreamEntry>>();
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    new ScreenCastAdaptor(this);
    new ScreenshotAdaptor(this);
    if (m_options.globalShortcuts)
        m_shortcuts = new GlobalShortcutsAdaptor(this);
}

TestPortalService::~TestPortalService() = default;

bool TestPortalService::Register() {
    return m_bus.registerObject(kPortalPath, this, QDBusConnection::ExportAdaptors) &&
           m_bus.registerService("org.freedesktop.portal.Desktop");
}

void TestPortalService::ShowScene(int scene) {
    m_scene = scene;
    for (auto& [path, session] : m_sessions)
        if (session.cast)
            session.cast->ShowScene(scene);
    m_report(QString("scene %1").arg(scene));
}

QString TestPortalService::RequestPath(const QDBusMessage& message, const QVariantMap& options) {
    return QString("/org/freedesktop/portal/desktop/request/%1/%2")
        .arg(SenderPart(message), options.value("handle_token").toString());
}

void TestPortalService::respond(const QString& request, uint response, const QVariantMap& results) {
    // After the method's reply, as the portal itself does.
    QTimer::singleShot(0, this, [this, request, response, results] {
        QDBusMessage signal =
            QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        signal << response << results;
        m_bus.send(signal);
    });
}

void TestPortalService::refuse(const QDBusMessage& message, const QString& why) {
    message.setDelayedReply(true);
    m_bus.send(message.createErrorReply(QDBusError::AccessDenied, why));
    m_report("refused " + why);
}

TestPortalService::Session* TestPortalService::sessionOf(const QDBusObjectPath& path,
                                                         const QDBusMessage& message) {
    const auto found = m_sessions.find(path.path());
    if (found == m_sessions.end() || found->second.owner != message.service())
        return nullptr;
    return &found->second;
}

QDBusObjectPath TestPortalService::CreateSession(const QVariantMap& options, const QDBusMessage& message) {
    const QString token = options.value("session_handle_token").toString();
    const QString request = RequestPath(message, options);
    if (token.isEmpty() || options.value("handle_token").toString().isEmpty()) {
        refuse(message, "a token is missing");
        return {};
    }
    const QString path =
        QString("/org/freedesktop/portal/desktop/session/%1/%2").arg(SenderPart(message), token);
    Session& session = m_sessions[path];
    session.owner = message.service();
    session.object = std::make_unique<PortalSessionObject>(this, path);
    m_bus.registerObject(path, session.object.get(), QDBusConnection::ExportAllSlots);
    m_report("session " + path);
    respond(request, 0, {{"session_handle", path}});
    return QDBusObjectPath(request);
}

QDBusObjectPath TestPortalService::SelectSources(const QDBusObjectPath& path, const QVariantMap& options,
                                                 const QDBusMessage& message) {
    Session* session = sessionOf(path, message);
    if (!session || session->started) {
        refuse(message, "no such session, or already started");
        return {};
    }
    session->sourcesSelected = true;
    session->cursorMode = options.value("cursor_mode", 1u).toUInt();
    m_report(QString("sources cursor_mode=%1").arg(session->cursorMode));
    const QString request = RequestPath(message, options);
    respond(request, 0, {});
    return QDBusObjectPath(request);
}

QDBusObjectPath TestPortalService::Start(const QDBusObjectPath& path, const QString&,
                                         const QVariantMap& options, const QDBusMessage& message) {
    Session* session = sessionOf(path, message);
    if (!session || !session->sourcesSelected || session->started) {
        refuse(message, "no sources selected");
        return {};
    }
    const QString request = RequestPath(message, options);
    if (m_options.startAnswer != 0) {
        m_report(QString("answered %1").arg(m_options.startAnswer));
        respond(request, m_options.startAnswer, {});
        return QDBusObjectPath(request);
    }
    session->started = true;
    // Answered once the stream has its node on the PipeWire daemon.
    const QString sessionPath = path.path();
    session->cast =
        std::make_unique<CastVideoSource>(m_options.size, [this, sessionPath, request](std::uint32_t node) {
            QMetaObject::invokeMethod(
                this, [this, sessionPath, request, node] { castReady(sessionPath, request, node); },
                Qt::QueuedConnection);
        });
    session->cast->ShowScene(m_scene);
    return QDBusObjectPath(request);
}

void TestPortalService::castReady(const QString& sessionPath, const QString& request, std::uint32_t node) {
    if (!m_sessions.count(sessionPath))
        return;
    if (node == 0) {
        m_report("cast failed");
        respond(request, 2, {});
        return;
    }
    CastStreamEntry entry{node,
                          {{"source_type", 1u},
                           {"position", QVariant::fromValue(QPoint(0, 0))},
                           {"size", QVariant::fromValue(m_options.size)}}};
    m_report(QString("started %1").arg(node));
    respond(request, 0, {{"streams", QVariant::fromValue(QList<CastStreamEntry>{entry})}});
}

QDBusUnixFileDescriptor TestPortalService::OpenPipeWireRemote(const QDBusObjectPath& path, const QVariantMap&,
                                                              const QDBusMessage& message) {
    Session* session = sessionOf(path, message);
    if (!session || !session->cast) {
        refuse(message, "the session casts nothing");
        return {};
    }
    const int fd = ConnectToPipeWire();
    if (fd < 0) {
        refuse(message, "no PipeWire daemon");
        return {};
    }
    QDBusUnixFileDescriptor remote(fd); // a copy of its own
    close(fd);
    m_report("remote");
    return remote;
}

QDBusObjectPath TestPortalService::Screenshot(const QVariantMap& options, const QDBusMessage& message) {
    const QString request = RequestPath(message, options);
    const QString file = m_files.filePath(QString("screenshot-%1.png").arg(++m_screenshots));
    if (!CastPicture(m_options.size, m_scene).save(file)) {
        respond(request, 2, {});
        return QDBusObjectPath(request);
    }
    m_report(QString("screenshot interactive=%1").arg(options.value("interactive").toBool()));
    respond(request, 0, {{"uri", QUrl::fromLocalFile(file).toString()}});
    return QDBusObjectPath(request);
}

QDBusObjectPath TestPortalService::CreateShortcutsSession(const QVariantMap& options,
                                                          const QDBusMessage& message) {
    return CreateSession(options, message);
}

QDBusObjectPath TestPortalService::BindShortcuts(const QDBusObjectPath& path,
                                                 const QList<PortalShortcut>& shortcuts,
                                                 const QVariantMap& options, const QDBusMessage& message) {
    Session* session = sessionOf(path, message);
    if (!session) {
        refuse(message, "no such session");
        return {};
    }
    QList<PortalShortcut> bound;
    for (const PortalShortcut& shortcut : shortcuts) {
        session->shortcuts << shortcut.id;
        m_report(QString("bound %1 %2 (%3)")
                     .arg(shortcut.id, shortcut.properties.value("preferred_trigger").toString(),
                          shortcut.properties.value("description").toString()));
        bound << PortalShortcut{shortcut.id,
                                {{"description", shortcut.properties.value("description")},
                                 {"trigger_description", "the test's key"}}};
    }
    const QString request = RequestPath(message, options);
    respond(request, 0, {{"shortcuts", QVariant::fromValue(bound)}});
    return QDBusObjectPath(request);
}

void TestPortalService::PressShortcut(const QString& id, bool pressed) {
    if (!m_shortcuts)
        return;
    for (const auto& [path, session] : m_sessions)
        if (session.shortcuts.contains(id)) {
            if (pressed)
                emit m_shortcuts->Activated(QDBusObjectPath(path), id, 0, {});
            else
                emit m_shortcuts->Deactivated(QDBusObjectPath(path), id, 0, {});
        }
    m_report(QString(pressed ? "pressed %1" : "released %1").arg(id));
}

void TestPortalService::CloseSession(const QString& path) {
    const auto found = m_sessions.find(path);
    if (found == m_sessions.end())
        return;
    m_bus.unregisterObject(path);
    // Called from that object's own slot.
    found->second.object.release()->deleteLater();
    m_sessions.erase(found);
    m_report("closed " + path);
}

} // namespace orv::test
