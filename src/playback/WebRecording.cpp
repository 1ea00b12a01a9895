#include "playback/WebRecording.h"

#include "platform/HttpDownload.h"
#include "playback/PlaybackMessageIds.h"
#include "protocol/RecordingMessages.h"

#include <QFile>

namespace orv {

TSessionURLReaderThread::TSessionURLReaderThread(QString url, QString file, TAvailableBytes& available,
                                                 IMessageSink& window)
    : m_url(std::move(url)), m_file(std::move(file)), m_available(available), m_window(window) {}

TSessionURLReaderThread::~TSessionURLReaderThread() {
    Stop();
}

void TSessionURLReaderThread::Start() {
    if (!m_thread.joinable())
        m_thread = std::thread([this] { Execute(); });
}

void TSessionURLReaderThread::Stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void TSessionURLReaderThread::Execute() {
    QFile file(m_file);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_available.Finish(0);
        return;
    }
    std::int64_t received = 0;
    std::int32_t total = 0; // from the recording's header, once it has arrived
    QByteArray head;
    m_window.post(PlayerMsg::Progress, 0, 0);
    m_available.Publish(0);
    const bool whole = HttpGet(
        m_url,
        [&](const char* data, std::size_t size) {
            if (file.write(data, qint64(size)) != qint64(size) || !file.flush())
                return false;
            received += std::int64_t(size);
            if (head.size() < qsizetype(TRecordedSessionHeader::kSize)) {
                head.append(data, qsizetype(std::min<std::size_t>(size, TRecordedSessionHeader::kSize -
                                                                            std::size_t(head.size()))));
                if (head.size() == qsizetype(TRecordedSessionHeader::kSize)) {
                    PayloadReader reader(head);
                    total = std::max(0, TRecordedSessionHeader::decode(reader).TotalSize());
                }
            }
            m_available.Publish(received);
            m_window.post(PlayerMsg::Progress, total, std::intptr_t(received));
            return true;
        },
        m_stop, &m_paused);
    m_succeeded = whole;
    m_window.post(PlayerMsg::Progress, std::intptr_t(received), std::intptr_t(received));
    m_available.Finish(file.size());
}

} // namespace orv
