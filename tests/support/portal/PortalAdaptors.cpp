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

PortalSessionObject::PortalSessionObject(TestPortalService* service, QString path)
    : m_service(service), m_path(std::move(path)) {}

void PortalSessionObject::Close() {
    m_service->CloseSession(m_path);
}

} // namespace orv::test
