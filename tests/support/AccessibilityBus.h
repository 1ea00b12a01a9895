#pragma once
// The desktop's accessibility bus (AT-SPI) for a test's own session bus: at-spi-bus-launcher starts it, and
// the registry daemon it activates keeps the list of accessible programs. Stopped with the object.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace orv::test {

class AccessibilityBus {
public:
    AccessibilityBus(const QString& sessionBusAddress, const QString& display);
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    // The bus's address, empty when it could not start; failure() then says why.
    QString address() const { return m_address; }
    QString failure() const { return m_failure; }

private:
    QTemporaryDir m_runtime; // where the bus's socket lives, never in the user's folders
    QProcess m_launcher;
    QString m_address;
    QString m_failure;
};

} // namespace orv::test
