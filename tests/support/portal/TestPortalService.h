#pragma once
// The desktop portal as the tests stand it in, on their own session bus: org.freedesktop.portal.Desktop
// with the screen cast (sessions, the Request objects' Response signal, a PipeWire connection to the test's
// daemon carrying CastVideoSource's stream), the screenshot (of the cast's scene) and, when asked, the
// global shortcuts. The screen cast's Start is
// granted, cancelled (1) or refused (2) as told. What happens is reported as lines of text for the test to
// wait on.

#include "support/portal/PortalAdaptors.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <map>
#include <memory>

namespace orv::test {

class CastVideoSource;

class TestPortalService final : public QObject {
    Q_OBJECT
public:
    struct Options {
        QSize size;         // of the cast's picture
        uint startAnswer{}; // the Response code of the screen cast's Start: 0 granted, 1 cancelled, 2 refused
        bool globalShortcuts{}; // whether the global shortcuts portal is offered too
    };
    TestPortalService(QDBusConnection bus, Options options, std::function<void(const QString&)> report);
    ~TestPortalService() override;

    // Registers the portal's object and takes its bus name; false when either cannot be had.
    bool Register();
    // The scene every running cast shows from now on.
    void ShowScene(int scene);

    // The screen cast's methods, called by its adaptor with the message they came in.
    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message);
    QDBusObjectPath SelectSources(const QDBusObjectPath& session, const QVariantMap& options,
                                  const QDBusMessage& message);
    QDBusObjectPath Start(const QDBusObjectPath& session, const QString& parent, const QVariantMap& options,
                          const QDBusMessage& message);
    QDBusUnixFileDescriptor OpenPipeWireRemote(const QDBusObjectPath& session, const QVariantMap& options,
                                               const QDBusMessage& message);
    // The screenshot's method: the current scene, saved in a file of the portal's.
    QDBusObjectPath Screenshot(const QVariantMap& options, const QDBusMessage& message);
    // The global shortcuts' methods.
    QDBusObjectPath CreateShortcutsSession(const QVariantMap& options, const QDBusMessage& message);
    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session, const QList<PortalShortcut>& shortcuts,
                                  const QVariantMap& options, const QDBusMessage& message);
    // As if the user pressed (or released) the key bound to shortcut `id`, in every session binding it.
    void PressShortcut(const QString& id, bool pressed);
    // A session's Close.
    void CloseSession(const QString& path);

private:
    struct Session {
        QString owner;
        bool sourcesSelected = false;
        uint cursorMode = 0;
        bool started = false;
        std::unique_ptr<CastVideoSource> cast;
        QStringList shortcuts;           // the ids bound in a global shortcuts session
        std::unique_ptr<QObject> object; // the org.freedesktop.portal.Session on the bus
    };
    // The request object's path for a call from `message` carrying `options`' handle_token.
    static QString RequestPath(const QDBusMessage& message, const QVariantMap& options);
    Session* sessionOf(const QDBusObjectPath& path, const QDBusMessage& message);
    void respond(const QString& request, uint response, const QVariantMap& results);
    void refuse(const QDBusMessage& message, const QString& why);
    void castReady(const QString& session, const QString& request, std::uint32_t node);

    QDBusConnection m_bus;
    Options m_options;
    std::function<void(const QString&)> m_report;
    std::map<QString, Session> m_sessions;
    int m_scene = 0;
    GlobalShortcutsAdaptor* m_shortcuts = nullptr;
    QTemporaryDir m_files; // the screenshots
    int m_screenshots = 0;
};

} // namespace orv::test
