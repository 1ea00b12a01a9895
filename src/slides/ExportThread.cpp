#include "slides/ExportThread.h"

#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "slides/SlidesMessageIds.h"

#include <QThread>

namespace orv {

class TExportThread::Report final : public IExportReport {
public:
    Report(IMessageSink& wizard, MainThreadHandover& handover, IDialogs& dialogs)
        : m_wizard(wizard), m_handover(handover), m_dialogs(dialogs) {}
    void Stage(TExportStage stage, int value) override { m_wizard.post(ExportMsg::Status, value, stage); }
    void Error(const QString& text) override {
        m_handover.run([this, &text] { m_dialogs.Error(text); });
    }

private:
    IMessageSink& m_wizard;
    MainThreadHandover& m_handover;
    IDialogs& m_dialogs;
};

TExportThread::TExportThread(IResourceTransfers& transfers, IDialogs& dialogs, TConverterFactory converters)
    : m_transfers(transfers), m_dialogs(dialogs), m_converters(std::move(converters)) {}

TExportThread::~TExportThread() {
    Stop();
}

bool TExportThread::Running() const {
    std::lock_guard lock(m_mutex);
    return m_running;
}

TExportResult TExportThread::LastResult() const {
    std::lock_guard lock(m_mutex);
    return m_result;
}

void TExportThread::reap() {
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
}

bool TExportThread::Start(const TExportOrder& order, std::shared_ptr<IMessageSink> wizard) {
    {
        std::lock_guard lock(m_mutex);
        if (m_running)
            return false;
        m_running = true;
        m_result = {};
    }
    reap(); // the last one has ended
    m_stop = false;
    m_thread = QThread::create([this, order, wizard] {
        std::unique_ptr<IPresentationConverter> converter = m_converters();
        {
            std::lock_guard lock(m_mutex);
            m_converter = converter.get();
        }
        if (m_stop)
            converter->Abort();
        Report report(*wizard, m_handover, m_dialogs);
        const TExportResult result = TPresentationExport::Run(order, *converter, m_transfers, report, m_stop);
        {
            std::lock_guard lock(m_mutex);
            m_converter = nullptr;
            m_result = result;
            m_running = false;
        }
        converter.reset();
        wizard->post(ExportMsg::Status, 0, esEnded);
    });
    m_thread->setObjectName(QStringLiteral("PresentationExport"));
    m_thread->start();
    return true;
}

void TExportThread::Cancel() {
    m_stop = true;
    std::lock_guard lock(m_mutex);
    if (m_converter)
        m_converter->Abort();
}

void TExportThread::Stop() {
    Cancel();
    m_handover.abandon(); // a worker waiting for a message box goes on at once
    reap();
}

void TExportThread::Rearm() {
    m_handover.rearm();
}

} // namespace orv
