#pragma once
// Personal information: the card with another participant's profile (from the participant record), the own
// profile (the own account record), which the user edits and sends back to the server, and the own photo.

#include "protocol/SignInRecords.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>

namespace orv {

class Roster;
class TUserNode;
class TUserPhotos;
struct TSessionContext;

struct TProfileCard {
    QString caption;
    QString location;
    QString age; // "Age: 30 yrs", empty outside 1 to 99
    QString profession;
    QString languages;
    QString localTime;
    QString gender;
    QString email;
    QString type;
    bool own = false; // the user's own card offers "Upload Image"
};

// The fields of the profile window, as typed.
struct TProfileForm {
    QString firstName;
    QString lastName;
    QString email;
    QString address;
    QString city;
    QString zip;
    QString phones;
    QString company;
    QString languages;
    QString gender; // "M" or "F"
    QDate birthDate;
};

enum class TProfileField { FirstName, LastName, Email };
struct TProfileProblem {
    TProfileField field;
    QString message;
};

enum class TProfileSaved { Invalid, Sent, NotConnected };

class TPersonalInfo {
    Q_DECLARE_TR_FUNCTIONS(orv::TPersonalInfo)
public:
    TPersonalInfo(TSessionContext& context, Roster& roster, TUserPhotos& photos);

    TProfileCard CardOf(const TUserNode& entry) const;
    // The form filled from the own account record, trimmed; the last name is what follows the full name's
    // first blank.
    TProfileForm OwnForm() const;
    // The first missing required field, in the order first name, last name, e-mail.
    static std::optional<TProfileProblem> Check(const TProfileForm& form);
    // Writes the form into the record, each value trimmed and cut to its field.
    static void Write(TAccountRecord& record, const TProfileForm& form);
    // Checks, writes into the own account record and sends it; tells the user what happened. Invalid forms
    // change nothing.
    TProfileSaved Save(const TProfileForm& form);
    // Command 72 with the own account record; false while the connection is down.
    bool SendOwnRecord();

    // A photo larger than this is refused.
    static qint64 MaxPhotoBytes();
    // Refuses a file that is too large, with the warning; otherwise uploads it as the own photo.
    bool UploadPhoto(const QString& path);

    Roster& Participants() { return m_roster; }
    TUserPhotos& Photos() { return m_photos; }
    std::uint16_t OwnUserId() const;
    bool IsPlayback() const;

private:
    TSessionContext& m_context;
    Roster& m_roster;
    TUserPhotos& m_photos;
};

} // namespace orv
