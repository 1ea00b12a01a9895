#include "slides/SlidesModule.h"

#include "link/LinkMessageIds.h"
#include "link/SessionState.h"
#include "platform/Clock.h"
#include "platform/MessageRouter.h"
#include "session/MainPanes.h"
#include "session/SessionContext.h"
#include "slides/LibreOfficeConverter.h"
#include "slides/PPTExportDialog.h"
#include "slides/SlideControlsPane.h"

#include <QAction>

namespace orv {

namespace {

TSlidesModuleParts WithDefaults(TSlidesModuleParts parts) {
    if (!parts.converters)
        parts.converters = [] { return std::make_unique<LibreOfficeConverter>(); };
    if (!parts.converterAvailable)
        parts.converterAvailable = [] { return !LibreOfficeConverter::FindProgram().isEmpty(); };
    return parts;
}

} // namespace

TSlidesModule::TSlidesModule(TSessionContext& context, TSlidesModuleParts parts)
    : m_context(context), m_parts(WithDefaults(std::move(parts))),
      m_navigation(context, m_parts.boards, m_parts.marks),
      m_export(m_parts.transfers, context.dialogs, m_parts.converters) {
    m_ownControls = std::make_unique<TSlideControlsPane>(m_navigation);
    m_controls = m_ownControls.get();
    m_navigation.SetChanged([this] { refresh(); });
    if (!context.state.IsPlayback()) {
        m_upload = new QAction(tr("Upload a Presentation"));
        m_upload->setObjectName("acUploadPresentation");
        QObject::connect(m_upload, &QAction::triggered, m_upload, [this] { ShowUploadWizard(); });
        context.panes.InstallMenuAction(TMainMenu::Resources, m_upload);
    }
}

TSlidesModule::~TSlidesModule() {
    m_export.Stop();
}

QWidget* TSlidesModule::TakeSlideControls() {
    return m_ownControls.release();
}

void TSlidesModule::refresh() {
    if (m_controls)
        m_controls->Refresh();
}

void TSlidesModule::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::LinkState, [this](std::intptr_t value, std::intptr_t) {
        if (value == LinkStateValue::Up)
            m_navigation.SetLinkUp(true);
        else if (value == LinkStateValue::ReaderEnded || value == LinkStateValue::HeartbeatFailed ||
                 value == LinkStateValue::WriteFailed)
            m_navigation.SetLinkUp(false);
    });
}

void TSlidesModule::EndSession() {
    m_export.Stop();
    m_export.Rearm();
    m_navigation.SetLinkUp(false);
    m_navigation.Clear();
}

void TSlidesModule::ResetRoom() {
    m_navigation.Clear();
}

void TSlidesModule::OpenPresentation(const TResourceRecord* record) {
    m_navigation.Open(record);
}

TExportOrder TSlidesModule::Order(const QString& file, QSize size) const {
    TExportOrder order;
    order.presentation = file;
    order.size = size;
    order.temporaryFolder = m_parts.temporaryFolder;
    order.userId = m_context.state.account.UserId();
    order.tick = m_context.clock.tickCount();
    return order;
}

std::unique_ptr<TfrmPPTExport> TSlidesModule::NewWizard(QWidget* parent) {
    return std::make_unique<TfrmPPTExport>(
        m_export, m_context.dialogs, [this](const QString& file, QSize size) { return Order(file, size); },
        m_parts.converterAvailable(), parent);
}

void TSlidesModule::ShowUploadWizard() {
    if (m_context.state.IsPlayback())
        return;
    // The main window owns it while it is open and may go first, at the program's end.
    const QPointer<TfrmPPTExport> wizard = NewWizard(m_wizardParent).release();
    wizard->exec();
    delete wizard.data();
}

} // namespace orv
