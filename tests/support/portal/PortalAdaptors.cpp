#include "support/portal/PortalAdaptors.h"

#include "support/portal/TestPortalService.h"

namespace orv::test {

ScreenCastAdaptor::ScreenCastAdaptor(TestPortalService* service)
    : QDBusAbstractAdaptor(service), m_service(service) {}

QDBusObjectPath ScreenCastAdaptor::CreateSession(const QVariantMap& options, const QDBusMessage& message) {
    return m_service->CreateSession(options, message);
}

QDBusObjectPath ScreenCastAdaptor::SelectSources(const QDBusObjectPath& session, const QVariantMap& options,
                                                 const QDBusMessage& message) {
    return m_service->SelectSources(session, options, message);
}

QDBusObjectPath ScreenCastAdaptor::Start(const QDBusObjectPath& session, const QString& parent_window,
                                         const QVariantMap& options, const QDBusMessage& message) {
    return m_service->Start(session, parent_window, options, message);
}

QDBusUnixFileDescriptor ScreenCastAdaptor::OpenPipeWireRemote(const QDBusObjectPath& session,
                                                              const QVariantMap& options,
                                                              const QDBusMessage& message) {
    return m_service->OpenPipeWireRemote(session, options, message);
}

ScreenshotAdaptor::ScreenshotAdaptor(TestPortalService* service)
    : QDBusAbstractAdaptor(service), m_service(service) {}

QDBusObjectPath ScreenshotAdaptor::Screenshot(const QString&, const QVariantMap& options,
                                              const QDBusMessage& message) {
    return m_service->Screenshot(options, message);
}

GlobalShortcutsAdaptor::GlobalShortcutsAdaptor(TestPortalService* service)
    : QDBusAbstractAdaptor(service), m_service(service) {}

QDBusObjectPath GlobalShortcutsAdaptor::CreateSession(const QVariantMap& options,
                                                      const QDBusMessage& message) {
    return m_service->CreateShortcutsSession(options, message);
}

QDBusObjectPath GlobalShortcutsAdaptor::BindShortcuts(const QDBusObjectPath& session,
                                                      const QList<PortalShortcut>& shortcuts, const QString&,
                                                      const QVariantMap& options,
                                                      const QDBusMessage& message) {
    return m_service->BindShortcuts(session, shortcuts, options, message);
}

PortalSessionObject::PortalSessionObject(TestPortalService* service, QString path)
    : m_service(service), m_path(std::move(path)) {}

void PortalSessionObject::Close() {
    m_service->CloseSession(m_path);
}

} // namespace orv::test

QDBusArgument& operator<<(QDBusArgument& argument, const orv::test::PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, orv::test::PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}
