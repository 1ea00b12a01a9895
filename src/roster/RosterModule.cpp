#include "roster/RosterModule.h"

#include "roster/ParticipantListPane.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"

#include <QAction>

namespace orv {

TRosterModule::TRosterModule(TSessionContext& context)
    : m_roster(context.state), m_handlers(context, m_roster), m_stepOut(new QAction) {
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
    context.panes.InstallParticipantList(NewParticipantListPane(m_roster));
}

void TRosterModule::showOwnStatus() {
    if (const TUserNode* own = m_roster.OwnEntry())
        m_stepOut->setChecked(own->OnlineStatus() == usAway);
    m_stepOut->setText(m_stepOut->isChecked() ? RosterHandlers::tr("Step In")
                                              : RosterHandlers::tr("Step Out"));
}

} // namespace orv
