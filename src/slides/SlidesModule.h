#pragma once
// Slides as a session module: the presentation upload wizard and its worker, the slide navigation that shows
// a presentation on the boards, the slide controls for the board window, and the menu item that opens the
// wizard. The presentation library page reaches it through IPresentations.

#include "session/Module.h"
#include "session/Presentations.h"
#include "slides/ExportThread.h"
#include "slides/SlideNavigation.h"

#include <QCoreApplication>
#include <QPointer>

class QAction;
class QWidget;

namespace orv {

class IBoardAccess;
class IParticipantMarks;
class IResourceTransfers;
class TSlideControlsPane;
class TfrmPPTExport;
struct TSessionContext;

struct TSlidesModuleParts {
    IBoardAccess& boards;
    IParticipantMarks& marks;
    IResourceTransfers& transfers;
    QString temporaryFolder;
    // How presentations become slides; LibreOffice when empty.
    TConverterFactory converters;
    // Whether a converter is installed; LibreOffice's program on the PATH when empty.
    std::function<bool()> converterAvailable;
};

class TSlidesModule final : public ISessionModule, public IPresentations {
    Q_DECLARE_TR_FUNCTIONS(orv::TSlidesModule)

public:
    TSlidesModule(TSessionContext& context, TSlidesModuleParts parts);
    ~TSlidesModule() override;

    void RegisterMessages(TMessageRouter& mainWindow) override;
    // Stops a running export (after the transfers ended) and forgets the presentation.
    void EndSession() override;
    void ResetRoom() override;

    void OpenPresentation(const TResourceRecord* record) override;
    void ShowUploadWizard() override;

    // The slide controls for the board window's top tool bar; whoever places them owns them.
    QWidget* TakeSlideControls();
    // The wizard's parent window, the main window.
    void SetWizardParent(QWidget* parent) { m_wizardParent = parent; }
    // A wizard that is not shown: tests show and drive it themselves.
    std::unique_ptr<TfrmPPTExport> NewWizard(QWidget* parent = nullptr);
    // The export order for a file and size, made now: user, tick count and temporary folder.
    TExportOrder Order(const QString& file, QSize size) const;

    TSlideNavigation& Navigation() { return m_navigation; }
    TExportThread& Export() { return m_export; }
    QAction* UploadAction() const { return m_upload; }

private:
    void refresh();

    TSessionContext& m_context;
    TSlidesModuleParts m_parts;
    TSlideNavigation m_navigation;
    TExportThread m_export;
    QAction* m_upload = nullptr; // owned by the main window's menu
    QPointer<TSlideControlsPane> m_controls;
    std::unique_ptr<TSlideControlsPane> m_ownControls; // until placed
    QPointer<QWidget> m_wizardParent;
};

} // namespace orv
