// Pacing accuracy measured where it matters, at the receiving end: the bytes that arrive per second while the
// writer sends a few seconds' worth, against the rate it was set to. The writer's own progress reports and
// sleeps play no part in the figure. Every byte must arrive, in order, and not faster than the set rate, or
// the run fails.
#include "BenchRatio.h"

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

// Faster than this share of the set rate is a pacing fault; slower may be a busy machine.
constexpr double kFastest = 1.1;

// The byte at a place in the stream: a pattern that does not repeat within a packet, so that lost, repeated
// or reordered bytes show.
char Pattern(std::size_t at) {
    return char(at % 251);
}

struct Arrival {
    std::size_t bytes = 0;
    double firstSeconds = 0; // when the first byte arrived
    double lastSeconds = 0;  // when the last one did
    std::size_t firstRead = 0;
    bool inOrder = true;
};

// Reads `total` bytes from the peer's socket as they come, noting when they came; gives up on a pause of
// several seconds.
Arrival receive(int fd, std::size_t total) {
    const timeval pause{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &pause, sizeof pause);
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
        for (ssize_t i = 0; i < n; ++i)
            a.inOrder = a.inOrder && block[i] == Pattern(a.bytes + std::size_t(i));
        a.bytes += std::size_t(n);
        a.lastSeconds = now;
    }
    return a;
}

} // namespace

int main() {
    bool ok = true;
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
        for (std::size_t queued = 0; queued < total; queued += 1024) {
            QByteArray packet(qsizetype(std::min<std::size_t>(1024, total - queued)), Qt::Uninitialized);
            for (qsizetype i = 0; i < packet.size(); ++i)
                packet[i] = Pattern(queued + std::size_t(i));
            writer.QueuePacket(packet);
        }
        writer.Start();
        receiver.join();
        writer.Stop();
        // The first read is what arrived before the clock could tell a rate: it does not count.
        const double seconds = arrival.lastSeconds - arrival.firstSeconds;
        const double received = seconds > 0 ? double(arrival.bytes - arrival.firstRead) / seconds : 0;
        std::printf("%-12d %14.0f %12.3f %8.3f\n", rate, received, seconds, received / rate);
        // What came after the first read cannot have taken less than the rate allows.
        const double shortest = double(arrival.bytes - arrival.firstRead) / (kFastest * rate);
        if (arrival.bytes != total || !arrival.inOrder || seconds < shortest) {
            std::printf("FAILED: %zu of %zu bytes arrived%s, in %.3f s where at least %.3f s were due\n",
                        arrival.bytes, total, arrival.inOrder ? "" : " (not as sent)", seconds, shortest);
            ok = false;
            continue;
        }
        bench::PrintRatio(("writer_pacing_" + QByteArray::number(rate)).constData(), received / rate,
                          "bytes/s arriving at the receiver / the set rate; 1 is right");
    }
    return ok ? 0 : 1;
}
