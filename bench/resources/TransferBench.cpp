// Upload and download of a large file through the client's transfer threads and a real orvane-session-server
// process on loopback, against a plain TCP copy of the same bytes in the same run. Each is timed until the
// receiver has every byte in its file: the server for an upload (its reply comes once the file is kept), the
// client for a download. Prints the throughput ratios (best of five rounds each) and the client's and the
// server's peak memory. Every copy is checked against the source; a wrong copy, a failed transfer or a
// client whose memory grows with the file makes it exit with 1. Files live in /dev/shm where it exists.
// Usage: bench_transfers [MiB, default 256]
#include "BenchRatio.h"

#include "platform/MainThreadHandover.h"
#include "resources/FileDownloadThread.h"
#include "resources/FileUploadThread.h"
#include "support/Loopback.h"
#include "support/ServerProcess.h"
#include "support/SimulatedClient.h"
#include "support/SocksProxies.h"

#include "protocol/RoomMessages.h"

#include "ResourceStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

using namespace orv;

namespace {

constexpr qint64 kBlock = 256 * 1024;
constexpr int kRounds = 5;

QByteArray hashOf(const QString& path) {
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!f.open(QIODevice::ReadOnly) || !hash.addData(&f))
        return "<unreadable>";
    return hash.result();
}

// Bytes that do not compress or repeat, written in blocks.
QByteArray writeSource(const QString& path, qint64 size) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QByteArray block(kBlock, Qt::Uninitialized);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (qint64 left = size; left > 0; left -= block.size()) {
        for (qsizetype i = 0; i + 8 <= block.size(); i += 8) {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            std::memcpy(block.data() + i, &x, 8);
        }
        const QByteArray piece = block.left(qsizetype(std::min<qint64>(left, block.size())));
        f.write(piece);
        hash.addData(piece);
    }
    return hash.result();
}

void sendFile(int fd, const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QByteArray block(kBlock, Qt::Uninitialized);
    for (qint64 n; (n = f.read(block.data(), block.size())) > 0;)
        for (qint64 sent = 0; sent < n;) {
            const ssize_t k = ::send(fd, block.constData() + sent, std::size_t(n - sent), MSG_NOSIGNAL);
            if (k <= 0)
                return;
            sent += k;
        }
}

void receiveFile(int fd, const QString& path) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    QByteArray block(kBlock, Qt::Uninitialized);
    for (ssize_t n; (n = ::recv(fd, block.data(), std::size_t(block.size()), 0)) > 0;)
        f.write(block.constData(), n);
}

int connectLoopback(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    return fd;
}

// The plain copy: one side sends the file on a loopback connection and closes, the other writes what comes
// to its file. Seconds until the receiver's file is closed.
double plainCopySeconds(const QString& from, const QString& to, bool timedSideListens) {
    test::LoopbackListener listener;
    QElapsedTimer timer;
    timer.start();
    double seconds = 0;
    std::thread other([&] {
        if (timedSideListens) {
            const int fd = connectLoopback(listener.port());
            sendFile(fd, from);
            ::close(fd);
        } else {
            const int fd = listener.accept();
            sendFile(fd, from);
            ::close(fd);
        }
    });
    if (timedSideListens) {
        const int fd = listener.accept();
        receiveFile(fd, to);
        ::close(fd);
    } else {
        const int fd = connectLoopback(listener.port());
        receiveFile(fd, to);
        ::close(fd);
    }
    seconds = double(timer.nsecsElapsed()) / 1e9;
    other.join();
    return seconds;
}

struct NoActions final : IDownloadActions {
    void OpenDocument(const QString&) override {}
    void RefuseToOpen(const QString&) override {}
    void DrawOnBoard(int, const QImage&) override {}
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 size = qint64(argc > 1 ? std::atoi(argv[1]) : 256) * 1024 * 1024;
    // In memory where there is such a file system: the disk's write-back would otherwise time the disk.
    QTemporaryDir dir(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/bench_transfers-XXXXXX"
                                                         : QDir::temp().filePath("bench_transfers-XXXXXX"));
    const QString source = dir.filePath("source.bin");
    const QByteArray sourceHash = writeSource(source, size);

    const std::uint16_t port = test::freeLoopbackPort(), bulkPort = test::freeLoopbackPort();
    const QString store = dir.filePath("store");
    QFile config(dir.filePath("bench.ini"));
    config.open(QIODevice::WriteOnly);
    config.write(QString("[server]\nport=%1\nbulk_port=%2\nstore=%3\n"
                         "[account.teacher]\nuser_id=1\npassword=pw\nfirst_name=Tess\nlast_name=Marlowe\n"
                         "account_type=1000\n[room.100]\nname=Bench\n")
                     .arg(port)
                     .arg(bulkPort)
                     .arg(store)
                     .toUtf8());
    config.close();
    QProcess server;
    if (!test::StartServerProcess(server, ORV_SERVER_BINARY, config.fileName(), bulkPort))
        return 1;
    test::SimulatedClient control;
    TAccountRecord account = control.connectAndSignIn(port, "teacher", "pw");
    control.sendPacket(cmEnterRoom, TEnterRoomRequest{100}.encode());
    if (control.readPacket().header.ResultCode != 0)
        return 1;
    account.SetRoom(100);
    const TTransferEndpoint endpoint{"127.0.0.1", bulkPort, {}, {}, 20000, 60000};
    QObject mainContext;
    MainThreadHandover handover(&mainContext);
    NoActions actions;

    const long setupPeakKb = test::PeakMemoryKb(QCoreApplication::applicationPid());
    double best[4] = {1e9, 1e9, 1e9, 1e9}; // plain up, transfer up, plain down, transfer down
    bool right = true;
    for (int round = 0; round < kRounds; ++round) {
        const QString name = QString("big-%1.bin").arg(round);
        const QString plainUp = dir.filePath("plain-up.bin"), plainDown = dir.filePath("plain-down.bin");
        const QString down = dir.filePath("down.bin");

        best[0] = std::min(best[0], plainCopySeconds(source, plainUp, true));
        right &= hashOf(plainUp) == sourceHash;

        QFile::copy(source, dir.filePath(name));
        TFileUploadThread upload(endpoint, account, tkDocument, dir.filePath(name), "bench", 0, {});
        QElapsedTimer timer;
        timer.start();
        right &= upload.Execute() == 0;
        best[1] = std::min(best[1], double(timer.nsecsElapsed()) / 1e9);
        TResourceRecord asked;
        asked.SetFileName(name);
        const auto kept = server::ResourceStore(store).find(100, tkDocument, asked); // as the server left it
        right &= kept && hashOf(kept->path) == sourceHash;

        best[2] = std::min(best[2], plainCopySeconds(kept ? kept->path : source, plainDown, false));
        right &= hashOf(plainDown) == sourceHash;

        TDownloadOrder order;
        order.name = name;
        order.localPath = down;
        TFileDownloadThread download(endpoint, account, order, handover, actions);
        timer.restart();
        right &= download.Execute() == 0;
        best[3] = std::min(best[3], double(timer.nsecsElapsed()) / 1e9);
        right &= hashOf(down) == sourceHash;

        for (const QString& f : {plainUp, plainDown, down, dir.filePath(name), kept ? kept->path : QString()})
            QFile::remove(f);
    }

    const long clientPeakKb = test::PeakMemoryKb(QCoreApplication::applicationPid());
    const long serverPeakKb = test::PeakMemoryKb(server.processId());
    server.terminate();
    server.waitForFinished(5000);

    const double mb = double(size) / (1024 * 1024);
    std::printf("file: %.0f MiB, best of %d rounds each, timed until the receiver has it all\n", mb, kRounds);
    std::printf("upload:   plain TCP %7.1f MiB/s, transfer %7.1f MiB/s, ratio %.2f\n", mb / best[0],
                mb / best[1], best[0] / best[1]);
    std::printf("download: plain TCP %7.1f MiB/s, transfer %7.1f MiB/s, ratio %.2f\n", mb / best[2],
                mb / best[3], best[2] / best[3]);
    std::printf("peak memory: client %ld KiB (%ld KiB before the transfers), server %ld KiB\n", clientPeakKb,
                setupPeakKb, serverPeakKb);
    if (!right) {
        std::printf("FAILED: a transfer failed or a copy differs from the source\n");
        return 1;
    }
    // Streamed transfers hold a few blocks; holding the file would add a quarter of it at least.
    if (clientPeakKb < 0 || (clientPeakKb - setupPeakKb) * 1024 > size / 4) {
        std::printf("FAILED: the client's memory grew with the file\n");
        return 1;
    }
    bench::PrintRatio("transfer_upload", best[0] / best[1],
                      "upload MiB/s through the transfer thread and the server / a plain TCP copy; higher is "
                      "better");
    bench::PrintRatio("transfer_download", best[2] / best[3],
                      "download MiB/s through the server and the transfer thread / a plain TCP copy; higher "
                      "is better");
    return 0;
}
