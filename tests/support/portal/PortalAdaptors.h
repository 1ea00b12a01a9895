#pragma once
// The bus faces of the test portal: the interfaces of its one object, and a session's object; each passes
// its calls to TestPortalService.

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>

namespace orv::test {

class TestPortalService;

class ScreenCastAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.ScreenCast")
    Q_PROPERTY(uint AvailableSourceTypes READ AvailableSourceTypes)
    Q_PROPERTY(uint AvailableCursorModes READ AvailableCursorModes)
    Q_PROPERTY(uint version READ version)
public:
    explicit ScreenCastAdaptor(TestPortalService* service);
    uint AvailableSourceTypes() const { return 1; }     // monitors
    uint AvailableCursorModes() const { return 2 | 4; } // drawn in, or as metadata
    uint version() const { return 4; }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message);
    QDBusObjectPath SelectSources(const QDBusObjectPath& session, const QVariantMap& options,
                                  const QDBusMessage& message);
    QDBusObjectPath Start(const QDBusObjectPath& session, const QString& parent_window,
                          const QVariantMap& options, const QDBusMessage& message);
    QDBusUnixFileDescriptor OpenPipeWireRemote(const QDBusObjectPath& session, const QVariantMap& options,
                                               const QDBusMessage& message);

private:
    TestPortalService* m_service;
};

class ScreenshotAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version READ version)
public:
    explicit ScreenshotAdaptor(TestPortalService* service);
    uint version() const { return 2; }

public slots:
    QDBusObjectPath Screenshot(const QString& parent_window, const QVariantMap& options,
                               const QDBusMessage& message);

private:
    TestPortalService* m_service;
};

// One shortcut of GlobalShortcuts, (sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

class GlobalShortcutsAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)
public:
    explicit GlobalShortcutsAdaptor(TestPortalService* service);
    uint version() const { return 1; }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options, const QDBusMessage& message);
    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session,
                                  const QList<orv::test::PortalShortcut>& shortcuts,
                                  const QString& parent_window, const QVariantMap& options,
                                  const QDBusMessage& message);

signals:
    void Activated(const QDBusObjectPath& session_handle, const QString& shortcut_id, qulonglong timestamp,
                   const QVariantMap& options);
    void Deactivated(const QDBusObjectPath& session_handle, const QString& shortcut_id, qulonglong timestamp,
                     const QVariantMap& options);

private:
    TestPortalService* m_service;
};

class PortalSessionObject final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Session")
public:
    PortalSessionObject(TestPortalService* service, QString path);

public slots:
    void Close();

private:
    TestPortalService* m_service;
    QString m_path;
};

} // namespace orv::test

Q_DECLARE_METATYPE(orv::test::PortalShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const orv::test::PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, orv::test::PortalShortcut& shortcut);
