#pragma once
// Desktop notifications through the freedesktop notification service on the session bus. Where no service
// runs, or no session bus, nothing is shown and nothing fails.

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

namespace orv {

class IDesktopNotifier {
public:
    virtual ~IDesktopNotifier() = default;
    // Shows a notification; `activated` runs on this thread when the user clicks it.
    virtual void Notify(const QString& summary, const QString& body, std::function<void()> activated) = 0;
};

class TDBusNotifier final : public QObject, public IDesktopNotifier {
    Q_OBJECT
public:
    explicit TDBusNotifier(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    void Notify(const QString& summary, const QString& body, std::function<void()> activated) override;

private slots:
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    std::map<uint, std::function<void()>> m_shown; // by the service's id, until clicked or closed
};

// Accepts and drops every notification.
class NullDesktopNotifier final : public IDesktopNotifier {
public:
    void Notify(const QString&, const QString&, std::function<void()>) override {}
};

} // namespace orv
