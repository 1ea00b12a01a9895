// Reading a large synthetic recording packet by packet against reading the same file's bytes in large
// blocks, and a forward seek over 100 000 packets through the player into a dispatcher.
// Usage: bench_recording_read [MIB]   (default 1024)
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

// Packets of 20 to 2 KiB of payload, like a session's mix of chat, roster and drawing.
std::int64_t writeRecording(const QString& path, std::int64_t bytes, std::int32_t& packets) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(TRecordedSessionHeader().toByteArray());
    std::mt19937 random(7);
    const QByteArray filler(4096, 'p');
    std::int64_t written = 740;
    packets = 0;
    QByteArray block;
    while (written < bytes) {
        TRecordedPacket p;
        p.header.Command = cmChat;
        p.header.Stamp = 45000.0 + packets * 1e-7;
        p.payload = filler.left(20 + int(random() % 2028));
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
    std::int64_t read = 0;
    while (reader.Next(size, size) == TNextPacket::Packet)
        ++read;
    const double readerSeconds = seconds(t);
    std::printf("recording of %lld MiB, %lld packets: raw read %.0f MiB/s, packet reader %.0f MiB/s "
                "(%.0f packets/s), ratio %.2f\n",
                static_cast<long long>(mib), static_cast<long long>(read), double(mib) / rawSeconds,
                double(mib) / readerSeconds, double(read) / readerSeconds, rawSeconds / readerSeconds);

    // Forward seek: 100 000 packets through the player's hand-over into a dispatcher.
    QFile::resize(path, 0);
    const std::int64_t seekSize = writeRecording(path, 100000LL * 1044, packets);
    TAvailableBytes there;
    there.Finish(seekSize);
    TPacketDispatcher dispatcher;
    std::int64_t handled = 0;
    dispatcher.RegisterHandler({cmChat}, [&](const TIncomingPacket&) { ++handled; });
    NullMessageSink window, mainWindow;
    QObject context;
    TPlayerThread player({&context, window, mainWindow, SystemClock::instance(), there,
                          [&](const TPacketHeader& h, QByteArrayView s) { dispatcher.DispatchPacket(h, s); },
                          [] {}},
                         path, true, seekSize);
    player.Pause();
    player.Start();
    t.restart();
    // The file holds about 100 000 packets; the seek goes to its last one.
    const std::int32_t target = packets;
    player.RequestSeek(target);
    player.Resume();
    while (handled < target) {
        QCoreApplication::processEvents();
        QThread::yieldCurrentThread();
    }
    const double seekSeconds = seconds(t);
    player.Stop();
    std::printf("forward seek over %d packets: %.3f s (%.0f packets/s)\n", target, seekSeconds,
                target / seekSeconds);
    return 0;
}
