#include "resources/LibraryModule.h"

#include "link/SessionState.h"
#include "platform/MessageRouter.h"
#include "resources/DocumentOfferBox.h"
#include "resources/LibraryWindow.h"
#include "resources/PresentationsPage.h"
#include "resources/ResourceMessageIds.h"
#include "resources/ResourcesModule.h"
#include "session/MainPanes.h"
#include "session/ResourceTransfers.h"
#include "session/RoomEvents.h"
#include "session/SessionContext.h"

#include <QAction>

namespace orv {

TLibraryModule::TLibraryModule(TSessionContext& context, TResourcesModule& resources,
                               const IParticipantDirectory& participants, IParticipantMarks& marks,
                               TLibraryFolders folders)
    : m_context(context), m_folders(std::move(folders)),
      m_library(context, resources, participants, marks, m_folders.temporary) {
    // Every transfer has ended by the session's end, before any module goes.
    resources.SetLibraryWindows(&m_library.Documents().Sink(), &m_library.Images().Sink());
    m_library.SetOfferDocument([this](const TDocumentOffer& o) { offer(o); });

    const auto action = [](const QString& text, const QString& name, const QString& hint) {
        auto* a = new QAction(text);
        a->setObjectName(name);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        return a;
    };
    m_documentsAction = action(tr("Documents"), "acDocuments", tr("Shared Documents"));
    m_imagesAction = action(tr("Images"), "acImages", tr("Image Library"));
    m_documentsMenu = action(tr("Shared Documents..."), "miDocuments", tr("Shared Documents"));
    m_imagesMenu = action(tr("Image Library..."), "miImages", tr("Image Library"));
    QObject::connect(m_documentsAction, &QAction::triggered, [this] { ShowDocuments(); });
    QObject::connect(m_documentsMenu, &QAction::triggered, [this] { ShowDocuments(); });
    QObject::connect(m_imagesAction, &QAction::triggered, [this] { ShowImages(); });
    QObject::connect(m_imagesMenu, &QAction::triggered, [this] { ShowImages(); });
    context.panes.InstallToolAction(m_documentsAction);
    context.panes.InstallToolAction(m_imagesAction);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_documentsMenu);
    context.panes.InstallMenuAction(TMainMenu::Actions, m_imagesMenu);
    context.panes.InstallNavigationPage(TNavigationPage::PowerPoint, NewPresentationsPage(m_library));
    updateActions();
}

TLibraryModule::~TLibraryModule() {
    EndSession();
    m_documentsWindow.reset();
    m_imagesWindow.reset();
}

void TLibraryModule::RegisterHandlers(TPacketDispatcher& dispatcher) {
    m_library.RegisterHandlers(dispatcher);
}

void TLibraryModule::RegisterMessages(TMessageRouter& mainWindow) {
    // Presented content was shown here: its presenter is told (not for a failure, nor for nobody).
    mainWindow.Register(MainMsg::AcknowledgeContent, [this](std::intptr_t presenter, std::intptr_t failed) {
        if (failed == 0)
            m_library.SendLoadedAck(std::uint16_t(presenter));
    });
    mainWindow.Register(MainMsg::PresentationDeleted, [this](std::intptr_t code, std::intptr_t) {
        m_library.PresentationDeleted(std::uint16_t(code));
    });
    m_context.events.contentShown.Listen(
        [this](std::uint16_t presenter) { m_library.SendLoadedAck(presenter); });
    m_context.events.accountType.Listen([this](std::uint16_t, std::int32_t) { updateActions(); });
}

void TLibraryModule::RegisterRoomEntry(TRoomEntrySteps& steps) {
    steps.Add(TRoomEntryStep::Rights, [this] { updateActions(); });
}

void TLibraryModule::EndSession() {
    for (const QPointer<QObject>& o : m_offers)
        delete o.data();
    m_offers.clear();
}

void TLibraryModule::ShowDocuments() {
    if (m_library.IsPlayback())
        return;
    if (!m_documentsWindow)
        m_documentsWindow = NewDocumentsWindow(m_library, m_folders.localData);
    m_documentsWindow->ShowFloating();
}

void TLibraryModule::ShowImages() {
    if (m_library.IsPlayback())
        return;
    if (!m_imagesWindow)
        m_imagesWindow = NewImagesWindow(m_library);
    m_imagesWindow->ShowFloating();
}

std::size_t TLibraryModule::OpenOffers() {
    std::erase_if(m_offers, [](const QPointer<QObject>& o) { return o.isNull(); });
    return m_offers.size();
}

void TLibraryModule::updateActions() {
    const bool enabled = m_library.CanManageLibrary();
    for (QAction* a : {m_documentsAction, m_imagesAction, m_documentsMenu, m_imagesMenu})
        a->setEnabled(enabled);
}

void TLibraryModule::offer(const TDocumentOffer& offer) {
    OpenOffers(); // forgets the closed ones
    m_offers.emplace_back(ShowDocumentOffer(m_library, offer));
}

} // namespace orv
