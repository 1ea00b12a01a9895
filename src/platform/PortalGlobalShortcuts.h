#pragma once
// The push-to-talk key anywhere on a Wayland desktop, through the desktop portal's global shortcuts: a
// session, one shortcut bound (the desktop decides, or asks its user, which key triggers it), and its
// Activated and Deactivated signals reported like the X11 key hook's: the message number it was given, with
// the chosen key's code and the release bit on deactivation.

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <functional>

namespace orv {

class IMessageSink;

class PortalGlobalShortcuts final : public QObject {
    Q_OBJECT
public:
    explicit PortalGlobalShortcuts(QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalGlobalShortcuts() override;

    // Whether the bus offers the global shortcuts portal.
    static bool Offered(QDBusConnection bus = QDBusConnection::sessionBus());

    // Binds the push-to-talk shortcut, proposing `trigger` (in the portal's notation, e.g. "F3" or
    // "CTRL+SPACE"), and reports to `target` as message `number` from then on with the code `key` gives at
    // that moment (nothing while it gives 0). False when the portal is not offered. `failed` hears why a
    // binding was refused.
    bool Start(IMessageSink& target, int number, QString trigger, std::function<std::int32_t()> key,
               std::function<void(const QString& why)> failed = {});
    // Whether the desktop bound the shortcut.
    bool Bound() const { return m_bound; }

    static QString ShortcutId() { return QStringLiteral("push-to-talk"); }
    // A virtual-key code in the portal's notation of triggers (an XKB key name); empty for one it lacks.
    static QString TriggerOf(std::int32_t virtualKey);

private slots:
    void onResponse(uint response, const QVariantMap& results);
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    void onDeactivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                       const QVariantMap& options);

private:
    enum class TStep { Idle, CreateSession, Bind };
    void request(TStep step, const QString& method, QList<QVariant> arguments, QVariantMap options);
    void report(const QDBusObjectPath& session, const QString& id, bool released);
    void fail(const QString& why);

    QDBusConnection m_bus;
    IMessageSink* m_target = nullptr;
    int m_number = 0;
    QString m_trigger;
    std::function<std::int32_t()> m_key;
    std::function<void(const QString&)> m_failed;
    TStep m_step = TStep::Idle;
    QString m_requestPath;
    QString m_session;
    bool m_bound = false;
    int m_tokens = 0;
};

} // namespace orv
