// Pacing accuracy measured where it matters, at the receiving end: the bytes that arrive per second while the
// writer sends a few seconds' worth, against the rate it was set to. The writer's own progress reports and
// sleeps play no part in the figure.
#include "link/WriterThread.h"
#include "platform/AppMessage.h"
#include "support/Loopback.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <sys/socket.h>

#include <cstdio>
#include <thread>

using namespace orv;

namespace {

struct Arrival {
    std::size_t bytes = 0;
    double firstSeconds = 0; // when the first byte arrived
    double lastSeconds = 0;  // when the last one did
    std::size_t firstRead = 0;
};

// Reads `total` bytes from the peer's socket as they come, noting when they came.
Arrival receive(int fd, std::size_t total) {
    Arrival a;
    QElapsedTimer timer;
    timer.start();
    char block[65536];
    while (a.bytes < total) {
        const ssize_t n = ::recv(fd, block, sizeof block, 0);
        if (n <= 0)
            break;
        const double now = double(timer.nsecsElapsed()) / 1e9;
        if (a.bytes == 0) {
            a.firstSeconds = now;
            a.firstRead = std::size_t(n);
        }
        a.bytes += std::size_t(n);
        a.lastSeconds = now;
    }
    return a;
}

} // namespace

int main() {
    std::printf("%-12s %14s %12s %8s\n", "rate B/s", "received B/s", "seconds", "ratio");
    for (std::int32_t rate : {21845, 100000}) {
        test::LoopbackPair pair;
        const std::size_t total = std::size_t(rate) * 3;
        NullMessageSink sink;
        TVCRWriterThread writer(pair.client, sink);
        writer.SetRate(rate);
        Arrival arrival;
        std::thread receiver([&] { arrival = receive(pair.peerFd(), total); });
        // Packets of 1 KiB, as a busy session queues them.
        for (std::size_t queued = 0; queued < total; queued += 1024)
            writer.QueuePacket(QByteArray(qsizetype(std::min<std::size_t>(1024, total - queued)), 'x'));
        writer.Start();
        receiver.join();
        writer.Stop();
        // The first read is what arrived before the clock could tell a rate: it does not count.
        const double seconds = arrival.lastSeconds - arrival.firstSeconds;
        const double received = seconds > 0 ? double(arrival.bytes - arrival.firstRead) / seconds : 0;
        if (arrival.bytes != total)
            std::printf("only %zu of %zu bytes arrived\n", arrival.bytes, total);
        std::printf("%-12d %14.0f %12.3f %8.3f\n", rate, received, seconds, received / rate);
    }
    return 0;
}
