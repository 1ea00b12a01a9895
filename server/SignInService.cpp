#include "SignInService.h"

#include "ClientConnection.h"
#include "PasswordHash.h"
#include "ServiceHost.h"
#include "protocol/ResultCodes.h"
#include "protocol/SessionMessages.h"
#include "protocol/SignInMessages.h"
#include "protocol/Stamp.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <memory>

namespace orv::server {
namespace {
constexpr qint64 kMaxBannerBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxUpdateBytes = 0xFFFFFFFFll;

qint64 readableSize(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable() || info.size() > limit)
        return -1;
    return info.size();
}
} // namespace

TAccountRecord makeAccountRecord(const AccountConfig& a, const QString& password) {
    TAccountRecord r;
    r.SetUserId(a.userId);
    r.SetRoom(0);
    r.SetFirstName(a.firstName);
    r.SetFullName(QString("%1 %2").arg(a.firstName, a.lastName).trimmed());
    r.SetEmail(a.email);
    r.SetPostalAddress(a.postalAddress);
    r.SetCity(a.city);
    r.SetPostalCode(a.postalCode);
    r.SetTelephone(a.telephone);
    r.SetAccountType(a.accountType);
    r.SetGender(a.gender);
    r.SetPassword(password);
    r.SetProfession(a.profession);
    r.SetLanguages(a.languages);
    if (a.birthDate.isValid())
        r.SetBirthDate(stampFromLocal(QDateTime(a.birthDate, QTime(0, 0))));
    r.SetResourceRole(a.resourceRole);
    r.SetRoomRole(a.roomRole);
    r.SetUserName(a.userName);
    return r;
}

void applyProfile(TAccountRecord& r, const TAccountRecord& edited) {
    r.SetFirstName(edited.FirstName());
    r.SetFullName(edited.FullName());
    r.SetEmail(edited.Email());
    r.SetPostalAddress(edited.PostalAddress());
    r.SetCity(edited.City());
    r.SetPostalCode(edited.PostalCode());
    r.SetTelephone(edited.Telephone());
    r.SetGender(edited.Gender());
    r.SetBirthDate(edited.BirthDate());
    r.SetProfession(edited.Profession());
    r.SetLanguages(edited.Languages());
}

SignInService::SignInService(IServiceHost& host, std::function<std::int64_t()> clock)
    : m_host(host), m_clock(std::move(clock)) {
    if (!m_clock)
        m_clock = [timer = std::make_shared<QElapsedTimer>()] {
            if (!timer->isValid())
                timer->start();
            return timer->elapsed();
        };
    host.registerHandler({cmUpdateProfile}, TProfileUpdate::kSize,
                         [this](ClientConnection& c, const TIncomingPacket& p) {
                             auto payload = p.payload();
                             keepProfile(c, TProfileUpdate::decode(payload).account);
                         });
    host.registerVersionHandler(
        [this](ClientConnection& c, const TVersionRecord& r) { answerVersion(c, r); });
    host.registerSignInHandler([this](ClientConnection& c, const TSignInRecord& r) { answerSignIn(c, r); });
    host.registerHandler({cmStartupInfo}, 0,
                         [this](ClientConnection& c, const TIncomingPacket&) { answerStartupInfo(c); });
    host.registerHandler({cmHeartbeat}, 0, [](ClientConnection&, const TIncomingPacket&) {});
}

void SignInService::answerVersion(ClientConnection& client, const TVersionRecord& version) {
    if (version.bytes()[0] > 10) {
        // No client of ours: its version text is longer than the record holds. Most likely an encrypted
        // connection's opening, which a server without a certificate ends here, before the rest of it is
        // taken for a sign-in; the client then knows that this server does not offer encryption.
        client.abort("not a version record: an encrypted connection, or none of ours");
        return;
    }
    const auto& update = m_host.config().update;
    m_host.log(QString("%1 version %2 (%3)").arg(client.peer(), version.Version(), version.BuildDate()));
    if (!update || update->version == version.Version()) {
        client.send(EncodeBareReply(ResultCode::Success));
        return;
    }
    TVersionRecord offered;
    offered.SetVersion(update->version);
    offered.SetBuildDate(update->buildDate);
    const qint64 size = std::max<qint64>(0, readableSize(update->filePath, kMaxUpdateBytes));
    client.send(EncodeBareReply(ResultCode::VersionTooOld));
    client.send(TUpdateOffer{offered, std::uint32_t(size)}.encode());
    client.sendFile(update->filePath, size);
    client.closeAfterFlush(QString("update %1 offered, %2 bytes").arg(update->version).arg(size));
}

void SignInService::answerSignIn(ClientConnection& client, const TSignInRecord& signIn) {
    const QString name = signIn.UserName();
    const std::int64_t now = m_clock();
    if (const std::int64_t wait = m_throttle.waitBeforeTrying(name, client.address(), now); wait > 0) {
        m_host.log(QString("%1: sign-in as \"%2\" too soon after failures, refused unchecked")
                       .arg(client.peer(), name));
        refuse(client, name, ResultCode::WrongCredentials, wait);
        return;
    }
    const AccountConfig* account = m_host.config().findAccount(name);
    if (!account || !PasswordMatches(account->passwordHash, signIn.Password())) {
        const std::int64_t delay = m_throttle.failed(name, client.address(), now);
        if (delay > 0)
            m_host.log(QString("%1: repeated failed sign-ins, as \"%2\" the last; answered in %3 ms")
                           .arg(client.peer(), name)
                           .arg(delay));
        refuse(client, name, ResultCode::WrongCredentials, delay);
        return;
    }
    m_throttle.succeeded(name);
    if (account->blocked || account->expired) {
        refuse(client, name, account->blocked ? ResultCode::Blocked : ResultCode::AccountExpired, 0);
        return;
    }
    TAccountRecord record = makeAccountRecord(*account, signIn.Password());
    if (const auto edited = m_profiles.find(record.UserId()); edited != m_profiles.end())
        applyProfile(record, edited->second);
    m_host.signIn(client, record);
    client.send(EncodeSignInReply(ResultCode::Success, client.account()));
}

void SignInService::refuse(ClientConnection& client, const QString& userName, std::uint16_t code,
                           std::int64_t delayMs) {
    const auto answer = [&client, userName, code] {
        client.send(EncodeBareReply(code));
        client.closeAfterFlush(QString("sign-in as \"%1\" refused with code %2").arg(userName).arg(code));
    };
    if (delayMs <= 0) {
        answer();
        return;
    }
    // The connection stays open, silent, until then; a client that gives up closes it and the timer with it.
    QTimer::singleShot(std::chrono::milliseconds(delayMs), &client, answer);
}

void SignInService::keepProfile(ClientConnection& client, const TAccountRecord& edited) {
    // Only the sender's own profile, whatever user id the record names.
    const std::uint16_t user = client.account().UserId();
    TAccountRecord& kept = m_profiles.try_emplace(user, client.account()).first->second;
    applyProfile(kept, edited);
    m_host.log(QString("%1 updated the profile for the next sign-in").arg(client.who()));
}

void SignInService::answerStartupInfo(ClientConnection& client) {
    const ServerConfig& config = m_host.config();
    TStartupInfo info;
    const qint64 bannerSize = readableSize(config.bannerPath, kMaxBannerBytes);
    if (bannerSize >= 0) {
        info.SetBannerFlag(true);
        info.SetBannerFileName(QFileInfo(config.bannerPath).fileName());
        info.SetBannerFileSize(std::uint32_t(bannerSize));
        info.SetStretchFlag(config.bannerStretch);
    }
    info.SetWelcomeFlag(!config.welcomeUrl.isEmpty());
    info.SetWelcomePage(config.welcomeUrl);
    client.sendPacketWithFile(cmStartupInfo, info.toByteArray(), config.bannerPath,
                              std::max<qint64>(0, bannerSize));
}

} // namespace orv::server
