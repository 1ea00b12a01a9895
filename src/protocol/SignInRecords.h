#pragma once
// The records of the sign-in exchanges: version, sign-in, the own account and the start-up information.
// Each keeps its exact byte image; accessors name the fields the client reads or fills.

#include "protocol/FixedRecord.h"

namespace orv {

// Sent bare as the first bytes on a new control connection; received back when an update is offered.
class TVersionRecord : public TFixedRecord<32> {
public:
    QString Version() const { return text<0, 10>(); }
    void SetVersion(const QString& v) { setText<0, 10>(v); }
    QString BuildDate() const { return text<11, 20>(); }
    void SetBuildDate(const QString& v) { setText<11, 20>(v); }
};
static_assert(sizeof(TVersionRecord) == 32);

// Sent bare after the version check.
class TSignInRecord : public TFixedRecord<64> {
public:
    QString Password() const { return text<2, 10>(); }
    void SetPassword(const QString& v) { setText<2, 10>(v); }
    QString UserName() const { return text<13, 50>(); }
    void SetUserName(const QString& v) { setText<13, 50>(v); }
};
static_assert(sizeof(TSignInRecord) == 64);

// The signed-in user; its first two fields fill UserId and RoomId of every header the client builds.
class TAccountRecord : public TFixedRecord<1077> {
public:
    std::uint16_t UserId() const { return get<std::uint16_t, 0>(); }
    void SetUserId(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    std::int32_t Room() const { return get<std::int32_t, 2>(); }
    void SetRoom(std::int32_t v) { set<std::int32_t, 2>(v); }
    QString FirstName() const { return text<6, 20>(); }
    void SetFirstName(const QString& v) { setText<6, 20>(v); }
    QString FullName() const { return text<27, 128>(); }
    void SetFullName(const QString& v) { setText<27, 128>(v); }
    QString Email() const { return text<156, 128>(); }
    void SetEmail(const QString& v) { setText<156, 128>(v); }
    QString PostalAddress() const { return text<285, 128>(); }
    void SetPostalAddress(const QString& v) { setText<285, 128>(v); }
    QString City() const { return text<418, 50>(); }
    void SetCity(const QString& v) { setText<418, 50>(v); }
    QString PostalCode() const { return text<473, 20>(); }
    void SetPostalCode(const QString& v) { setText<473, 20>(v); }
    QString Telephone() const { return text<494, 100>(); }
    void SetTelephone(const QString& v) { setText<494, 100>(v); }
    std::int32_t AccountType() const { return get<std::int32_t, 645>(); }
    void SetAccountType(std::int32_t v) { set<std::int32_t, 645>(v); }
    QString Gender() const { return text<649, 3>(); }
    void SetGender(const QString& v) { setText<649, 3>(v); }
    double BirthDate() const { return get<double, 653>(); }
    void SetBirthDate(double v) { set<double, 653>(v); }
    QString Password() const { return text<661, 10>(); }
    void SetPassword(const QString& v) { setText<661, 10>(v); }
    QString Profession() const { return text<676, 100>(); }
    void SetProfession(const QString& v) { setText<676, 100>(v); }
    QString Languages() const { return text<777, 100>(); }
    void SetLanguages(const QString& v) { setText<777, 100>(v); }
    std::int32_t ResourceRole() const { return get<std::int32_t, 945>(); }
    void SetResourceRole(std::int32_t v) { set<std::int32_t, 945>(v); }
    std::int32_t RoomRole() const { return get<std::int32_t, 949>(); }
    void SetRoomRole(std::int32_t v) { set<std::int32_t, 949>(v); }
    QString UserName() const { return text<1026, 50>(); }
    void SetUserName(const QString& v) { setText<1026, 50>(v); }

    // Moderator rights come from the account type or the room role.
    bool IsModerator() const { return AccountType() >= 1000 || RoomRole() >= 1000; }
    // Library rights (uploading to and deleting from the room's libraries) come from the account type or the
    // resource role.
    bool CanManageLibrary() const { return AccountType() >= 1000 || ResourceRole() >= 1000; }
};
static_assert(sizeof(TAccountRecord) == 1077);

// The reply to the start-up information request; the banner file's bytes follow it when its size is nonzero.
class TStartupInfo : public TFixedRecord<519> {
public:
    bool BannerFlag() const { return get<std::uint8_t, 0>() != 0; }
    void SetBannerFlag(bool v) { set<std::uint8_t, 0>(v ? 1 : 0); }
    QString BannerFileName() const { return text<1, 255>(); }
    void SetBannerFileName(const QString& v) { setText<1, 255>(v); }
    bool WelcomeFlag() const { return get<std::uint8_t, 257>() != 0; }
    void SetWelcomeFlag(bool v) { set<std::uint8_t, 257>(v ? 1 : 0); }
    QString WelcomePage() const { return text<258, 255>(); }
    void SetWelcomePage(const QString& v) { setText<258, 255>(v); }
    std::uint32_t BannerFileSize() const { return get<std::uint32_t, 514>(); }
    void SetBannerFileSize(std::uint32_t v) { set<std::uint32_t, 514>(v); }
    bool StretchFlag() const { return get<std::uint8_t, 518>() != 0; }
    void SetStretchFlag(bool v) { set<std::uint8_t, 518>(v ? 1 : 0); }
};
static_assert(sizeof(TStartupInfo) == 519);

} // namespace orv
