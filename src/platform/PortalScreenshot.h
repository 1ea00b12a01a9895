#pragma once
// A picture of the screen through the desktop portal's screenshot, for a Wayland desktop where a program
// cannot read the screen itself: asked for, answered later with the file the desktop saved it in.

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace orv {

class PortalScreenshot final : public QObject {
    Q_OBJECT
public:
    explicit PortalScreenshot(QDBusConnection bus = QDBusConnection::sessionBus());

    // Whether the bus offers the screenshot portal.
    static bool Offered(QDBusConnection bus = QDBusConnection::sessionBus());

    // Asks for the whole screen (`interactive`: the desktop may let its user choose and adjust first).
    // Exactly one of the two is called later, on this thread; a new request replaces an unanswered one.
    void Take(bool interactive, std::function<void(QImage)> taken, std::function<void(QString why)> failed);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void finish(QImage picture, const QString& why);

    QDBusConnection m_bus;
    QString m_requestPath;
    int m_tokens = 0;
    std::function<void(QImage)> m_taken;
    std::function<void(QString)> m_failed;
};

} // namespace orv
