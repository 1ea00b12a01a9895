// Pacing accuracy: bytes per second the writer actually sends over a few seconds, against the rate it was set
// to.
#include "link/WriterThread.h"
#include "platform/AppMessageIds.h"
#include "protocol/PacketHeader.h"
#include "support/Loopback.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <atomic>
#include <cstdio>
#include <thread>

using namespace orv;

namespace {

// Notes when the writer reports its last piece.
class CompletionSink final : public IMessageSink {
public:
    explicit CompletionSink(std::size_t expected) : m_expected(expected) {}
    void post(int n, std::intptr_t wParam, std::intptr_t) override {
        if (n == MainMsg::UplinkProgress && m_started && (m_sent += std::size_t(wParam)) >= m_expected)
            m_doneNs = m_timer.nsecsElapsed();
    }
    void start() {
        m_timer.start();
        m_started = true;
    }
    qint64 doneNs() const { return m_doneNs.load(); }

private:
    std::size_t m_expected;
    std::size_t m_sent = 0;
    std::atomic<bool> m_started{false};
    QElapsedTimer m_timer;
    std::atomic<qint64> m_doneNs{0};
};

} // namespace

int main() {
    std::printf("%-12s %12s %12s %8s\n", "rate B/s", "actual B/s", "seconds", "ratio");
    for (std::int32_t rate : {21845, 100000}) {
        test::LoopbackPair pair;
        const std::size_t total = std::size_t(rate) * 3;
        CompletionSink sink(total);
        TVCRWriterThread writer(pair.client, sink);
        writer.SetRate(rate);
        std::thread drain([&] { pair.peerRead(total); });
        sink.start();
        writer.QueuePacket(QByteArray(qsizetype(total), 'x'));
        writer.Start();
        while (sink.doneNs() == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        drain.join();
        writer.Stop();
        const double seconds = double(sink.doneNs()) / 1e9;
        const double actual = double(total) / seconds;
        std::printf("%-12d %12.0f %12.3f %8.3f\n", rate, actual, seconds, actual / rate);
    }
    return 0;
}
