// Reading a large synthetic recording packet by packet against reading the same file's bytes in large
// blocks, and a forward seek over 100 000 packets through the player into a dispatcher. Every packet read
// and every packet dispatched is compared with the one written (header and payload, in order); a missing,
// extra or altered packet fails the run.
// Usage: bench_recording_read [MIB]   (default 1024)
#include "BenchRatio.h"

#include "link/Dispatcher.h"
#include "platform/Clock.h"
#include "playback/PlayerThread.h"
#include "playback/RecordingReader.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <random>

using namespace orv;

namespace {

// The packets of the recording, made again the same way to check what comes back: 20 bytes to 2 KiB of
// payload, like a session's mix of chat, roster and drawing, each cut from its own place in random bytes.
class Packets {
public:
    Packets() : m_filler(4096, Qt::Uninitialized) {
        std::mt19937 bytes(3);
        for (char& c : m_filler)
            c = char(bytes());
    }
    double Stamp(std::int32_t index) const { return 45000.0 + index * 1e-7; }
    // The next packet's payload; valid until the next call.
    QByteArrayView NextPayload(std::int32_t index) {
        return QByteArrayView(m_filler).sliced(index % 1024, 20 + int(m_random() % 2028));
    }

private:
    QByteArray m_filler;
    std::mt19937 m_random{7};
};

std::int64_t writeRecording(const QString& path, std::int64_t bytes, std::int32_t& packets) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(TRecordedSessionHeader().toByteArray());
    Packets made;
    std::int64_t written = 740;
    packets = 0;
    QByteArray block;
    while (written + block.size() < bytes) {
        TRecordedPacket p;
        p.header.Command = cmChat;
        p.header.Stamp = made.Stamp(packets);
        p.payload = made.NextPayload(packets).toByteArray();
        block += p.encode();
        ++packets;
        if (block.size() > (1 << 20)) {
            written += f.write(block);
            block.clear();
        }
    }
    written += f.write(block);
    return written;
}

// Whether a packet read back is the index-th written: `expected` makes the written ones again, in order.
bool Same(Packets& expected, std::int32_t index, const TPacketHeader& header, QByteArrayView stream) {
    const QByteArrayView payload = expected.NextPayload(index);
    return header.Command == cmChat && header.Stamp == expected.Stamp(index) &&
           header.DataSize == payload.size() && stream.sliced(qsizetype(TPacketHeader::kSize)) == payload;
}

double seconds(QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::int64_t mib = argc > 1 ? std::atoll(argv[1]) : 1024;
    QTemporaryDir dir;
    const QString path = dir.filePath("big.orvane");
    std::int32_t packets = 0;
    const std::int64_t size = writeRecording(path, mib << 20, packets);

    QElapsedTimer t;
    t.start();
    {
        QFile raw(path);
        raw.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        std::vector<char> buffer(1 << 20);
        while (raw.read(buffer.data(), qint64(buffer.size())) > 0) {
        }
    }
    const double rawSeconds = seconds(t);
    t.restart();
    TRecordingReader reader(path, true);
    Packets expected;
    std::int32_t read = 0;
    bool same = true;
    while (same && reader.Next(size, size) == TNextPacket::Packet)
        same = Same(expected, read++, reader.Header(), reader.Packet());
    const double readerSeconds = seconds(t);
    if (!same || read != packets) {
        std::printf("FAILED: the reader gave %d packets of %d written%s\n", read, packets,
                    same ? "" : ", the last of them not as written");
        return 1;
    }
    std::printf("recording of %lld MiB, %d packets: raw read %.0f MiB/s, packet reader %.0f MiB/s "
                "(%.0f packets/s, each compared with the one written), ratio %.2f\n",
                static_cast<long long>(mib), read, double(mib) / rawSeconds, double(mib) / readerSeconds,
                double(read) / readerSeconds, rawSeconds / readerSeconds);

    // Forward seek: 100 000 packets through the player's hand-over into a dispatcher.
    QFile::resize(path, 0);
    const std::int64_t seekSize = writeRecording(path, 100000LL * 1044, packets);
    TAvailableBytes there;
    there.Finish(seekSize);
    TPacketDispatcher dispatcher;
    std::int32_t handled = 0;
    Packets dispatched;
    dispatcher.RegisterHandler({cmChat}, [&](const TIncomingPacket& p) {
        same = same && Same(dispatched, handled, p.header, p.stream);
        ++handled;
    });
    NullMessageSink window, mainWindow;
    QObject context;
    TPlayerThread player({&context, window, mainWindow, SystemClock::instance(), there,
                          [&](const TPacketHeader& h, QByteArrayView s) { dispatcher.DispatchPacket(h, s); },
                          [] {}},
                         path, true, seekSize);
    player.Pause();
    player.Start();
    t.restart();
    // The file holds about 100 000 packets; the seek goes to its last one, after which the player ends.
    const std::int32_t target = packets;
    player.RequestSeek(target);
    player.Resume();
    while (handled < target && player.Running() && t.elapsed() < 600000) {
        QCoreApplication::processEvents();
        QThread::yieldCurrentThread();
    }
    const double seekSeconds = seconds(t);
    player.Stop();
    QCoreApplication::processEvents();
    if (!same || handled != target) {
        std::printf("FAILED: the seek dispatched %d packets of %d%s\n", handled, target,
                    same ? "" : ", not all as written");
        return 1;
    }
    std::printf("forward seek over %d packets: %.3f s (%.0f packets/s), each compared with the one written\n",
                target, seekSeconds, target / seekSeconds);
    bench::PrintRatio("recording_read", rawSeconds / readerSeconds,
                      "packet reader's MiB/s / reading the file's bytes in 1 MiB blocks; higher is better");
    return 0;
}
