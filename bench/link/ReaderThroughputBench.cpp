// Packets per second through the reader, the hand-over to the main thread and the dispatcher, on loopback,
// against two baselines on the same kind of channel in the same run: the same bytes read in the reader's
// block size and cut into packets, without hand-over or dispatch ("framed"), and the same bytes only read
// ("raw"). Each packet carries its number in its stamp: the link and the framed cut must give every packet
// once, in order and whole, or the run fails.
// Usage: bench_reader_throughput [SCALE]   (default 1: a million 20-byte packets, 200 000 of 1 KiB)
#include "BenchRatio.h"

#include "link/SessionLink.h"
#include "protocol/PacketHeader.h"
#include "support/Loopback.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <thread>

using namespace orv;

namespace {

QByteArray makeStream(std::size_t payload, int count) {
    TPacketHeader header;
    FillHeader(cmChat, 1, 1, header);
    header.DataSize = std::int32_t(payload);
    const qsizetype size = qsizetype(TPacketHeader::kSize + payload);
    QByteArray all(size * count, 'p');
    for (int i = 0; i < count; ++i) {
        header.Stamp = i;
        header.encode(reinterpret_cast<std::uint8_t*>(all.data() + size * i));
    }
    return all;
}

// Whether a packet is the index-th of the stream, whole.
bool InPlace(const TPacketHeader& header, QByteArrayView stream, std::size_t payload, int index) {
    return header.Command == cmChat && header.Stamp == index && header.payloadSize() == payload &&
           std::size_t(stream.size()) == TPacketHeader::kSize + payload;
}

double rawReadSeconds(const QByteArray& bytes) {
    test::LoopbackPair pair;
    std::thread feeder([&] { pair.peerWrite(bytes); });
    QElapsedTimer timer;
    timer.start();
    std::vector<char> block(TPacketSource::kReadBlock);
    for (std::size_t got = 0; got < std::size_t(bytes.size());)
        got += pair.client.readSome(block.data(), block.size());
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    feeder.join();
    return seconds;
}

// Negative when a packet came wrong or the channel failed.
double framedReadSeconds(const QByteArray& bytes, std::size_t payload, int count) {
    test::LoopbackPair pair;
    std::thread feeder([&] { pair.peerWrite(bytes); });
    QElapsedTimer timer;
    timer.start();
    TPacketSource source(pair.client);
    TPacketBatch batch;
    int cut = 0;
    bool right = true;
    while (right && cut < count) {
        right = source.ReadBatch(batch) == TReadResult::Packet;
        for (std::size_t i = 0; right && i < batch.size(); ++i, ++cut)
            right = InPlace(TPacketHeader::decode(batch[i]), batch[i], payload, cut);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    feeder.join();
    return right && cut == count ? seconds : -1;
}

// Negative when a packet came wrong or not all came within a minute of the last.
double linkSeconds(const QByteArray& bytes, std::size_t payload, int count) {
    test::LoopbackPair pair;
    NullMessageSink sink;
    TPacketDispatcher dispatcher;
    QObject context;
    TSessionLink link(pair.client, dispatcher, sink, &context);
    int handled = 0;
    bool right = true;
    dispatcher.RegisterHandler({cmChat}, [&](const TIncomingPacket& p) {
        right = right && InPlace(p.header, p.stream, payload, handled);
        ++handled;
    });
    link.StartReader();
    std::thread feeder([&] {
        try {
            pair.peerWrite(bytes);
        } catch (const std::exception&) {
            // the reader was stopped on a stall; the run fails on the count
        }
    });
    QTimer wake; // lets the loop see a stall
    wake.start(1000);
    QElapsedTimer timer, progress;
    timer.start();
    progress.start();
    for (int seen = 0; handled < count && progress.elapsed() < 60000;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (handled != seen) {
            seen = handled;
            progress.restart();
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    link.StopReader(); // disconnects, which also releases a feeder stuck on a stalled reader
    feeder.join();
    return right && handled == count ? seconds : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const double scale = argc > 1 ? std::atof(argv[1]) : 1;
    std::printf("%-10s %12s %12s %12s %14s %12s\n", "packet", "link pkt/s", "framed pkt/s", "raw pkt/s",
                "link/framed", "link/raw");
    for (std::size_t payload : {std::size_t(0), std::size_t(1024 - 20)}) {
        const int count = std::max(1, int((payload == 0 ? 1000000 : 200000) * scale));
        const QByteArray bytes = makeStream(payload, count);
        const double raw = rawReadSeconds(bytes);
        const double framed = framedReadSeconds(bytes, payload, count);
        const double link = linkSeconds(bytes, payload, count);
        const char* name = payload == 0 ? "20 bytes" : "1 KiB";
        if (framed < 0 || link < 0) {
            std::printf("FAILED: %s packets: the %s did not give every packet once, in order and whole\n",
                        name, framed < 0 ? "framed cut" : "link");
            return 1;
        }
        std::printf("%-10s %12.0f %12.0f %12.0f %14.3f %12.3f\n", name, count / link, count / framed,
                    count / raw, framed / link, raw / link);
        const bool small = payload == 0;
        bench::PrintRatio(small ? "reader_20B_vs_framed" : "reader_1KiB_vs_framed", framed / link,
                          "packets/s through reader, hand-over and dispatch / the same bytes read and cut; "
                          "higher is better");
        bench::PrintRatio(small ? "reader_20B_vs_raw" : "reader_1KiB_vs_raw", raw / link,
                          "packets/s through reader, hand-over and dispatch / the same bytes only read; "
                          "higher is better");
    }
    return 0;
}
