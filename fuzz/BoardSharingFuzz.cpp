// Arbitrary bytes as a received board sharing packet: the first byte picks the code (a board history most
// often, whose embedded packets reach every other decoder), the rest is the payload. Counts, sizes and board
// indices from the bytes must never make the handlers read past the payload, allocate without bound or draw
// outside the boards.
#include "board/BoardSharing.h"
#include "board/BoardText.h"
#include "link/Dispatcher.h"
#include "platform/Mailbox.h"
#include "protocol/PacketHeader.h"
#include "support/FakeSession.h"

#include <QGuiApplication>

#include <array>

namespace {
int argc = 1;
char name[] = "board_sharing";
char* argv[] = {name, nullptr};
} // namespace

// The application and the font caches text drawing fills once, before any input: what they keep is not a
// leak of one input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    QImage warm(64, 32, QImage::Format_RGB32);
    orv::DrawBoardText(warm, {0, 0, 64, 32}, "Hi\tthere", orv::BoardTextFont("DejaVu Sans", 12), 0);
    orv::DrawBoardText(warm, {0, 0, 64, 32}, "Hi", orv::BoardTextFont("Arial", 12), 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static orv::test::FakeSession session;
    static orv::Whiteboard boards([](std::uint16_t, const QByteArray&) { return true; }, {200, 150});
    static orv::TMailbox mailbox;
    static orv::TBoardSharing sharing(session.context, boards, mailbox.Sink());
    if (size == 0)
        return 0;
    constexpr std::array<std::uint16_t, 12> codes = {
        orv::cmLoadBoard, orv::cmBoardText, orv::cmBoardTextAnsi, orv::cmBoardImage,
        orv::cmShowSlide, orv::cmPointer,   orv::cmClearBoard,    orv::cmShowBoard,
        orv::cmLockBoard, orv::cmGiveBoard, orv::cmLoadBoard,     orv::cmShowLibraryImage};
    const std::uint16_t command = codes[data[0] % codes.size()];
    const QByteArray payload(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QByteArray stream = orv::BuildPacket(command, 9, 100, payload);
    const orv::TPacketHeader header = orv::TPacketHeader::decode(stream);
    try {
        sharing.Receive({header, stream});
    } catch (const orv::EPayloadError&) {
    }
    return 0;
}
