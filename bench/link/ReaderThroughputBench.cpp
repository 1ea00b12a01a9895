// Packets per second through the reader, the hand-over to the main thread and the dispatcher, on loopback,
// against two baselines on the same kind of channel in the same run: the same bytes read in the reader's
// block size and cut into packets, without hand-over or dispatch ("framed"), and the same bytes only read
// ("raw").
#include "link/SessionLink.h"
#include "protocol/PacketHeader.h"
#include "support/Loopback.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <thread>

using namespace orv;

namespace {

QByteArray makeStream(std::size_t payload, int count) {
    const QByteArray packet = BuildPacket(cmChat, 1, 1, QByteArray(qsizetype(payload), 'p'));
    QByteArray all;
    all.reserve(packet.size() * count);
    for (int i = 0; i < count; ++i)
        all += packet;
    return all;
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

double framedReadSeconds(const QByteArray& bytes, int count) {
    test::LoopbackPair pair;
    std::thread feeder([&] { pair.peerWrite(bytes); });
    QElapsedTimer timer;
    timer.start();
    TPacketSource source(pair.client);
    TPacketBatch batch;
    std::size_t cut = 0;
    while (cut < std::size_t(count)) {
        source.ReadBatch(batch);
        cut += batch.size();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    feeder.join();
    return seconds;
}

double linkSeconds(const QByteArray& bytes, int count) {
    test::LoopbackPair pair;
    NullMessageSink sink;
    TPacketDispatcher dispatcher;
    QObject context;
    TSessionLink link(pair.client, dispatcher, sink, &context);
    int handled = 0;
    dispatcher.RegisterHandler({cmChat}, [&](const TIncomingPacket&) { ++handled; });
    link.StartReader();
    std::thread feeder([&] { pair.peerWrite(bytes); });
    QElapsedTimer timer;
    timer.start();
    while (handled < count)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    feeder.join();
    link.StopReader();
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::printf("%-10s %12s %12s %12s %14s %12s\n", "packet", "link pkt/s", "framed pkt/s", "raw pkt/s",
                "link/framed", "link/raw");
    for (std::size_t payload : {std::size_t(0), std::size_t(1024 - 20)}) {
        const int count = payload == 0 ? 1000000 : 200000;
        const QByteArray bytes = makeStream(payload, count);
        const double raw = rawReadSeconds(bytes);
        const double framed = framedReadSeconds(bytes, count);
        const double link = linkSeconds(bytes, count);
        std::printf("%-10s %12.0f %12.0f %12.0f %14.3f %12.3f\n", payload == 0 ? "20 bytes" : "1 KiB",
                    count / link, count / framed, count / raw, framed / link, raw / link);
    }
    return 0;
}
