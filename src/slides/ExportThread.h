#pragma once
// The upload wizard's worker thread: one export at a time. Stages are posted to the wizard; failure texts
// are shown as message boxes on the main thread while the worker waits (the session's end releases it).
// Cancel ends a running export soon without waiting for it; Stop also waits, for the session's end.

#include "platform/MainThreadHandover.h"
#include "slides/PresentationExport.h"

#include <QObject>

#include <memory>
#include <mutex>

class QThread;

namespace orv {

class IDialogs;
class IMessageSink;
class IResourceTransfers;

class TExportThread {
public:
    TExportThread(IResourceTransfers& transfers, IDialogs& dialogs, TConverterFactory converters);
    // Stops and waits.
    ~TExportThread();

    // Starts an export reporting to `wizard` (ExportMsg::Status: value, stage); false while one runs.
    bool Start(const TExportOrder& order, std::shared_ptr<IMessageSink> wizard);
    bool Running() const;
    void Cancel();
    void Stop();
    // Serves again after Stop, for a session that goes on after a reconnection.
    void Rearm();
    // The last export's result, once it ended.
    TExportResult LastResult() const;

private:
    class Report;
    void reap();

    IResourceTransfers& m_transfers;
    IDialogs& m_dialogs;
    TConverterFactory m_converters;
    QObject m_mainThread;
    MainThreadHandover m_handover{&m_mainThread};
    mutable std::mutex m_mutex; // guards the converter in use, the result and the running flag
    IPresentationConverter* m_converter = nullptr;
    TExportResult m_result;
    bool m_running = false;
    std::atomic<bool> m_stop{false};
    QThread* m_thread = nullptr;
};

} // namespace orv
