#pragma once
// The session server: accepts control connections and hosts the services, handing each the bare records and
// framed requests it registered for. Keeps who is signed in and who is in which room. Event-driven on one
// thread.

#include "AccountDatabase.h"
#include "BulkTransferServer.h"
#include "ClientConnection.h"
#include "RequestTable.h"
#include "ResourceStore.h"
#include "RoomMembers.h"
#include "RoomRights.h"
#include "ServerConfig.h"
#include "ServiceHost.h"
#include "ServiceList.h"
#include "SortingListener.h"
#include "VoiceFloor.h"
#include "VoiceRelayServer.h"

#include <QHostAddress>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <map>
#include <memory>

namespace orv::server {

class SessionServer : public QObject, public IServiceHost, public BulkHost, public VoiceHost {
    Q_OBJECT
public:
    // `services` creates the services this server runs; tests may pass a list of their own.
    explicit SessionServer(ServerConfig config, const ServiceFactory& services = createServices,
                           QObject* parent = nullptr);
    ~SessionServer() override;

    bool listen(const QHostAddress& address, std::uint16_t port);
    std::uint16_t port() const;
    // The bulk-transfer port; room entry replies name the port it listens on.
    bool listenBulk(const QHostAddress& address, std::uint16_t port);
    BulkTransferServer* bulk() { return m_bulk.get(); }
    // The voice port; room entry replies name the port it listens on.
    bool listenVoice(const QHostAddress& address, std::uint16_t port);
    VoiceRelayServer* voice() { return m_voice.get(); }

    void handleVersion(ClientConnection& client, const TVersionRecord& version);
    void handleSignIn(ClientConnection& client, const TSignInRecord& signIn);
    void handlePacket(ClientConnection& client, const TPacketHeader& header, const QByteArray& stream);
    // Why a request with this header is refused (an unknown or wrong-way code, a size its service does not
    // take), or empty. Asked as soon as the header arrives, before the payload is buffered.
    QString headerRefusal(const TPacketHeader& header) const;

    std::size_t connectionCount() const { return m_connections.size(); }
    std::size_t signedInCount() const { return m_byUser.size(); }
    std::size_t inRoomCount(std::int32_t room) const { return m_members.count(room); }
    // From now on the accounts and rooms are the database's, read again whenever another program changes it.
    void useAccountDatabase(std::unique_ptr<AccountDatabase> database);
    void setQuiet(bool quiet) { m_quiet = quiet; }
    // Logs every request too, not only connections, sign-ins and room changes.
    void setVerbose(bool verbose) { m_verbose = verbose; }

    // IServiceHost
    void registerHandler(std::initializer_list<TCommandCode> codes, int payloadSize,
                         Handler handler) override;
    void registerVersionHandler(VersionHandler handler) override;
    void registerSignInHandler(SignInHandler handler) override;
    void registerMembershipHandler(MembershipHandler handler) override;
    void registerRoomTrafficHandler(RoomTrafficHandler handler) override;
    void registerRoomStateHandler(RoomStateHandler handler) override;
    std::vector<RoomStatePacket> roomState(const ClientConnection& viewer, std::int32_t room) const override;
    void voiceRelayed(std::int32_t room, const QByteArray& packet) override;
    const ServerConfig& config() const override { return m_config; }
    void log(const QString& line) const override;
    ResourceStore& resources() override { return *m_store; }
    VoiceFloor& voiceFloor() override { return m_floor; }
    RoomRights& rights() override { return m_rights; }
    void signIn(ClientConnection& client, const TAccountRecord& account) override;
    void enterRoom(ClientConnection& client, std::int32_t room) override;
    const RoomMembers& members() const override { return m_members; }
    void reply(ClientConnection& requester, const OutgoingPacket& packet) override;
    bool sendToUser(std::uint16_t userId, const ClientConnection& from,
                    const OutgoingPacket& packet) override;
    void sendToRoom(std::int32_t room, const ClientConnection& from, const OutgoingPacket& packet) override;
    void sendToOthersInRoom(const ClientConnection& sender, const OutgoingPacket& packet) override;

    // BulkHost
    std::optional<TAccountRecord> memberInRoom(std::uint16_t userId, std::uint16_t roomId) const override;
    // VoiceHost
    const VoiceFloor& floor() const override { return m_floor; }

private:
    void onNewConnection();
    void onClosed(ClientConnection* client);
    void sendProbes();
    // Takes the client out of its room, if it is in one, and tells the services.
    void leaveRoom(ClientConnection& client);
    void tellMembership(ClientConnection& client, std::int32_t room, MemberChange change);
    void reloadAccounts();

    ServerConfig m_config;
    SortingListener m_listener;
    QTimer m_probeTimer;
    QTimer m_watchdog;
    RequestTable m_requests;
    VersionHandler m_versionHandler;
    SignInHandler m_signInHandler;
    std::vector<MembershipHandler> m_membershipHandlers;
    std::vector<RoomTrafficHandler> m_trafficHandlers;
    std::vector<RoomStateHandler> m_stateHandlers;
    std::vector<ClientConnection*> m_connections;
    std::map<std::uint16_t, ClientConnection*> m_byUser;
    RoomMembers m_members;
    VoiceFloor m_floor;
    RoomRights m_rights{m_config, m_members, m_floor};
    bool m_quiet = false;
    bool m_verbose = false;
    std::unique_ptr<QTemporaryDir> m_privateStore; // when no store is configured
    std::unique_ptr<ResourceStore> m_store;
    std::unique_ptr<AccountDatabase> m_accounts;
    std::int64_t m_accountsVersion = -1;
    QTimer m_accountsWatch;
    std::unique_ptr<BulkTransferServer> m_bulk;
    std::unique_ptr<VoiceRelayServer> m_voice;
    Services m_services; // last: they go first, while what they registered with still exists
};

} // namespace orv::server
