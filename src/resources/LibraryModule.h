#pragma once
// The room's libraries as a session module: the library logic with its packets, the main window's
// "Documents" and "Images" actions and menu items that show the floating library windows, the "PowerPoint
// Library" page, the offer windows of presented documents, and the loaded acknowledgement the main window
// sends for presented content.

#include "resources/ResourceLibrary.h"
#include "session/Module.h"

#include <QPointer>

#include <memory>
#include <vector>

class QAction;

namespace orv {

class ILibraryWindow;
class TResourcesModule;

struct TLibraryFolders {
    QString temporary; // presented documents and images download here
    QString localData; // where the folder chooser of a download opens
};

class TLibraryModule final : public ISessionModule {
    Q_DECLARE_TR_FUNCTIONS(orv::TLibraryModule)

public:
    TLibraryModule(TSessionContext& context, TResourcesModule& resources,
                   const IParticipantDirectory& participants, IParticipantMarks& marks,
                   TLibraryFolders folders);
    // The windows go before the library they show.
    ~TLibraryModule() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher) override;
    void RegisterMessages(TMessageRouter& mainWindow) override;
    void RegisterRoomEntry(TRoomEntrySteps& steps) override;
    void OwnRoleChanged() override { updateActions(); }
    // The offers of the session close with it.
    void EndSession() override;

    TResourceLibrary& Library() { return m_library; }
    // "Documents" and "Images": the floating window to the front, asking for its list; nothing in playback.
    void ShowDocuments();
    void ShowImages();
    QAction* DocumentsAction() const { return m_documentsAction; }
    QAction* ImagesAction() const { return m_imagesAction; }
    // The open offer windows.
    std::size_t OpenOffers();

private:
    void updateActions();
    void offer(const TDocumentOffer& offer);

    TSessionContext& m_context;
    TLibraryFolders m_folders;
    TResourceLibrary m_library;
    std::unique_ptr<ILibraryWindow> m_documentsWindow;
    std::unique_ptr<ILibraryWindow> m_imagesWindow;
    std::vector<QPointer<QObject>> m_offers;
    QAction* m_documentsAction = nullptr; // owned by the main window
    QAction* m_imagesAction = nullptr;
    QAction* m_documentsMenu = nullptr;
    QAction* m_imagesMenu = nullptr;
};

} // namespace orv
