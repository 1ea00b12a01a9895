#include "roster/PersonalInfo.h"

#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/Constants.h"
#include "protocol/SessionMessages.h"
#include "protocol/Stamp.h"
#include "roster/Roster.h"
#include "roster/UserPhotos.h"
#include "session/ResourceTransfers.h"
#include "session/SessionContext.h"

#include <QFileInfo>
#include <QImageReader>

namespace orv {

TPersonalInfo::TPersonalInfo(TSessionContext& context, Roster& roster, TUserPhotos& photos)
    : m_context(context), m_roster(roster), m_photos(photos) {}

std::uint16_t TPersonalInfo::OwnUserId() const {
    return m_context.state.account.UserId();
}

bool TPersonalInfo::IsPlayback() const {
    return m_context.state.IsPlayback();
}

TProfileCard TPersonalInfo::CardOf(const TUserNode& entry) const {
    const TParticipantRecord& r = entry.Record();
    TProfileCard card;
    card.caption = entry.UserName();
    card.location = r.Location();
    const std::int32_t age = r.Age();
    if (age >= 1 && age <= 99)
        card.age = tr("Age: ") + QString::number(age) + tr(" yrs");
    card.profession = r.Profession();
    card.languages = r.Languages();
    card.localTime = entry.InfoText();
    card.gender = r.Gender();
    card.email = r.Email();
    switch (entry.UserType()) {
    case utModerator:
        card.type = tr("Moderator");
        break;
    case utSuperModerator:
        card.type = tr("Super Moderator");
        break;
    default:
        card.type = tr("Participant");
        break;
    }
    card.own = entry.UID() == OwnUserId();
    return card;
}

TProfileForm TPersonalInfo::OwnForm() const {
    const TAccountRecord& a = m_context.state.account;
    TProfileForm form;
    form.firstName = a.FirstName().trimmed();
    const QString full = a.FullName();
    const qsizetype blank = full.indexOf(u' ');
    form.lastName = blank < 0 ? QString() : full.mid(blank + 1).trimmed();
    form.email = a.Email().trimmed();
    form.address = a.PostalAddress().trimmed();
    form.city = a.City().trimmed();
    form.zip = a.PostalCode().trimmed();
    form.phones = a.Telephone().trimmed();
    form.company = a.Profession().trimmed();
    form.languages = a.Languages().trimmed();
    form.gender = a.Gender().trimmed();
    form.birthDate = localFromStamp(a.BirthDate()).date();
    return form;
}

std::optional<TProfileProblem> TPersonalInfo::Check(const TProfileForm& form) {
    if (form.firstName.trimmed().isEmpty())
        return TProfileProblem{TProfileField::FirstName, tr("First Name is required !")};
    if (form.lastName.trimmed().isEmpty())
        return TProfileProblem{TProfileField::LastName, tr("Last Name is required !")};
    if (form.email.trimmed().isEmpty())
        return TProfileProblem{TProfileField::Email, tr("eMail Address is required !")};
    return std::nullopt;
}

void TPersonalInfo::Write(TAccountRecord& record, const TProfileForm& form) {
    // Each setter cuts the text to its field's capacity.
    const QString first = form.firstName.trimmed();
    record.SetFirstName(first);
    record.SetFullName(first + u' ' + form.lastName.trimmed());
    record.SetEmail(form.email.trimmed());
    record.SetPostalAddress(form.address.trimmed());
    record.SetCity(form.city.trimmed());
    record.SetPostalCode(form.zip.trimmed());
    record.SetTelephone(form.phones.trimmed());
    record.SetProfession(form.company.trimmed());
    record.SetLanguages(form.languages.trimmed());
    if (form.birthDate.isValid())
        record.SetBirthDate(stampFromLocal(QDateTime(form.birthDate, QTime(0, 0))));
    record.SetGender(form.gender.trimmed());
}

TProfileSaved TPersonalInfo::Save(const TProfileForm& form) {
    if (const auto problem = Check(form)) {
        m_context.dialogs.Error(problem->message);
        return TProfileSaved::Invalid;
    }
    Write(m_context.state.account, form);
    if (!SendOwnRecord()) {
        // Saying it was sent when it was not would lose the changes without a word.
        m_context.dialogs.Error(tr("Your profile could not be sent: there is no connection to the server. "
                                   "Please try again once the connection is back."));
        return TProfileSaved::NotConnected;
    }
    m_context.dialogs.Information(
        tr("Updates were sent to server. They will be applied next time you log into."));
    return TProfileSaved::Sent;
}

bool TPersonalInfo::SendOwnRecord() {
    return m_context.sender.Send(cmUpdateProfile, TProfileUpdate{m_context.state.account}.encode());
}

qint64 TPersonalInfo::MaxPhotoBytes() {
    return kMaxPictureBytes;
}

bool TPersonalInfo::UploadPhoto(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        m_context.dialogs.Error(tr("The image could not be read."));
        return false;
    }
    if (file.size() > MaxPhotoBytes()) {
        m_context.dialogs.Error(
            tr("The image you have selected is too large. Your personal image must not exceed 50 KB."));
        return false;
    }
    QImageReader picture(path);
    picture.setDecideFormatFromContent(true);
    if (picture.format() != "jpeg") {
        m_context.dialogs.Error(tr("The file is not a JPEG picture: %1").arg(path));
        return false;
    }
    if (m_context.state.IsPlayback())
        return false;
    return m_photos.Upload(path);
}

} // namespace orv
