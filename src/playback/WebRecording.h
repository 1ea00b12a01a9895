#pragma once
// A recorded session on the web: downloaded with HTTP into a temporary file that the player reads while it
// grows.

#include "platform/AppMessage.h"
#include "playback/AvailableBytes.h"

#include <QString>

#include <atomic>
#include <thread>

namespace orv {

class TSessionURLReaderThread {
public:
    TSessionURLReaderThread(QString url, QString file, TAvailableBytes& available, IMessageSink& window);
    ~TSessionURLReaderThread();
    TSessionURLReaderThread(const TSessionURLReaderThread&) = delete;
    TSessionURLReaderThread& operator=(const TSessionURLReaderThread&) = delete;

    void Start();
    void Stop();
    bool Succeeded() const { return m_succeeded; }
    // A paused download receives nothing until it is resumed.
    void SetPaused(bool paused) { m_paused = paused; }

private:
    void Execute();

    QString m_url;
    QString m_file;
    TAvailableBytes& m_available;
    IMessageSink& m_window;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_succeeded{false};
    std::atomic<bool> m_paused{false};
    std::thread m_thread;
};

} // namespace orv
