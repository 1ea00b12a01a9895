#pragma once
// The desktop portal's screen cast over the session bus: a session, one monitor chosen (by the user or
// the desktop's own rule), started, and the PipeWire connection its stream is read through. Each portal
// request answers later with a Response signal on a request object whose path is known in advance, so the
// signal is subscribed before the call and cannot be missed.

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <functional>

namespace orv {

struct TScreenCastStream {
    QDBusUnixFileDescriptor remote; // the PipeWire connection
    std::uint32_t node = 0;         // the stream's node on it
    QSize size;                     // as the portal announced it; the stream's format has the last word
    bool cursorAsMetadata = false;  // the pointer comes as metadata rather than drawn into the picture
};

class PortalScreenCast final : public QObject {
    Q_OBJECT
public:
    explicit PortalScreenCast(QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalScreenCast() override;

    // Whether the bus offers the screen cast portal (asking it activates the portal where it can be).
    static bool Offered(QDBusConnection bus = QDBusConnection::sessionBus());
    // Whether the bus offers the remote desktop portal, through which input could be injected.
    static bool RemoteDesktopOffered(QDBusConnection bus = QDBusConnection::sessionBus());

    // Runs the handshake; exactly one of the two is called, on this thread, unless Close() comes first.
    void Start(std::function<void(TScreenCastStream)> started, std::function<void(QString why)> failed);
    // Ends the portal's session (the desktop stops showing that the screen is shared).
    void Close();

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    enum class TStep { Idle, CreateSession, SelectSources, Start };
    void request(TStep step, const QString& method, const QList<QVariant>& arguments, QVariantMap options);
    void failWith(const QString& why);
    void selectSources();
    void startCast();
    void openRemote(const QVariantMap& results);

    QDBusConnection m_bus;
    TStep m_step = TStep::Idle;
    QString m_requestPath;
    QString m_session;
    std::uint32_t m_cursorModes = 0;
    int m_tokens = 0;
    std::function<void(TScreenCastStream)> m_started;
    std::function<void(QString)> m_failed;
};

} // namespace orv
