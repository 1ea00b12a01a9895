#include "roster/RosterModule.h"

#include "link/SessionState.h"
#include "roster/ParticipantListPane.h"
#include "roster/ProfileCardWindow.h"
#include "roster/ProfileEditWindow.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"

#include <QAction>

namespace orv {

TRosterModule::TRosterModule(TSessionContext& context, ITimerFactory* timers, TUtcClock utcNow)
    : m_roster(context.state), m_handlers(context, m_roster), m_photos(context.state),
      m_personalInfo(context, m_roster, m_photos),
      m_showProfile(new QAction(RosterHandlers::tr("Show the participant's profile"))),
      m_stepOut(new QAction) {
    m_roster.SetTimers(timers, std::move(utcNow));
    m_stepOut->setObjectName("stepOut");
    m_stepOut->setCheckable(true);
    // Only the user's press sends; showing the own entry's status does not.
    QObject::connect(m_stepOut, &QAction::triggered, &m_receiver, [this](bool down) {
        m_handlers.SendOnlineStatus(down ? usAway : usOnline);
        showOwnStatus();
    });
    QObject::connect(&m_roster, &Roster::Changed, &m_receiver, [this] { showOwnStatus(); });
    showOwnStatus();
    context.panes.InstallToolAction(m_stepOut);
    m_pane = NewParticipantListPane(m_roster, m_photos);
    m_paneGuard = PaneObject(m_pane);
    context.panes.InstallParticipantList(m_pane);

    m_showProfile->setObjectName("showProfile");
    QObject::connect(m_showProfile.get(), &QAction::triggered, &m_receiver, [this] {
        if (const TUserNode* selected = m_roster.Selected())
            ShowProfileCard(m_personalInfo, selected->UID(), pane());
    });
    // The own profile's items do nothing in a recording.
    const TSessionState& state = context.state;
    auto* viewProfile = new QAction(RosterHandlers::tr("View My Profile"));
    viewProfile->setObjectName("viewMyProfile");
    QObject::connect(viewProfile, &QAction::triggered, &m_receiver, [this, &state] {
        if (!state.IsPlayback())
            ShowProfileCard(m_personalInfo, state.account.UserId(), pane());
    });
    auto* editProfile = new QAction(RosterHandlers::tr("Edit My Profile"));
    editProfile->setObjectName("editMyProfile");
    QObject::connect(editProfile, &QAction::triggered, &m_receiver, [this, &state] {
        if (!state.IsPlayback())
            OpenProfileEditWindow(m_personalInfo, pane());
    });
    auto* uploadImage = new QAction(RosterHandlers::tr("Change / Upload Personal Image"));
    uploadImage->setObjectName("uploadPersonalImage");
    QObject::connect(uploadImage, &QAction::triggered, &m_receiver,
                     [this] { UploadPersonalImage(m_personalInfo, pane()); });
    for (QAction* action : {viewProfile, editProfile, uploadImage})
        context.panes.InstallMenuAction(TMainMenu::File, action);
}

void TRosterModule::SetTransfers(IResourceTransfers* transfers, const QString& folder) {
    m_photos.SetTransfers(transfers, folder);
}

void TRosterModule::SetListParts(const TParticipantListParts& parts) {
    if (QWidget* list = pane())
        SetParticipantListParts(*list, parts);
}

void TRosterModule::showOwnStatus() {
    if (const TUserNode* own = m_roster.OwnEntry())
        m_stepOut->setChecked(own->OnlineStatus() == usAway);
    m_stepOut->setText(m_stepOut->isChecked() ? RosterHandlers::tr("Step In")
                                              : RosterHandlers::tr("Step Out"));
}

} // namespace orv
