#include "app/WelcomeModule.h"

#include "app/MainWindow.h"
#include "app/WelcomeWindow.h"
#include "link/SessionState.h"

#include <QApplication>
#include <QScreen>
#include <QUrl>

namespace orv {

TWelcomeModule::TWelcomeModule(TfMain& main, TSessionState& state) : m_main(main), m_state(state) {}

void TWelcomeModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::WelcomePage, [this] { showWelcomePage(); });
}

void TWelcomeModule::showWelcomePage() {
    m_state.welcomePage = m_state.room.WelcomePage();
    if (m_state.welcomePage.isEmpty())
        return;
    auto* welcome = new TfrmWelcome(QUrl(m_state.welcomePage), &m_main);
    const QRect area = m_main.centralWidget() ? m_main.centralWidget()->geometry() : m_main.rect();
    welcome->resize(area.size() * 3 / 4);
    if (const QScreen* screen = QApplication::primaryScreen())
        welcome->move(screen->availableGeometry().center() - welcome->rect().center());
    welcome->show();
}

} // namespace orv
