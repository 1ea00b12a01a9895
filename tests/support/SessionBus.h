#pragma once
// A D-Bus session bus of the test's own (dbus-daemon --session), stopped when the object goes, and a fake
// freedesktop notification service on it that records what it is asked to show.

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace orv::test {

class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty when dbus-daemon could not start.
    QString address() const { return m_address; }
    // A connection of its own to this bus, under a name unique in the process.
    QDBusConnection connect(const QString& name) const;

private:
    QProcess m_daemon;
    QString m_address;
    mutable QStringList m_names; // connections made, closed with the bus
};

struct ShownNotification {
    QString appName;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
};

class FakeNotificationService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    // Takes the service's name on `bus`; false when the name cannot be had.
    bool registerOn(QDBusConnection bus);
    // As if the user clicked notification `id` (1 for the first shown).
    void click(uint id);

    QList<ShownNotification> shown;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);
    QStringList GetCapabilities() { return {"actions", "body"}; }
    void CloseNotification(uint) {}

private:
    std::optional<QDBusConnection> m_bus;
};

} // namespace orv::test
