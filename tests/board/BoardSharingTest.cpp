// Board sharing in one client: the lock, access, the pointer, placed text and images, slides, and the board
// histories a late joiner loads, checked against the boards of the participants who drew them.
#include "board/BoardJpeg.h"
#include "board/BoardMessageIds.h"
#include "board/BoardModule.h"
#include "link/Dispatcher.h"
#include "protocol/PacketHeader.h"
#include "protocol/ResultCodes.h"
#include "protocol/SessionMessages.h"
#include "session/Settings.h"
#include "support/BoardFixture.h"
#include "support/FakeSession.h"
#include "support/RoomEventLog.h"

#include <QCoreApplication>
#include <QPainter>

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr std::uint16_t kSelf = 5, kOther = 9;

struct Client : test::FakeSession {
    TBoardModule module{context};
    TPacketDispatcher dispatcher;
    TMessageRouter router;

    explicit Client(std::uint16_t self = kSelf, bool moderator = false) {
        state.account.SetUserId(self);
        state.account.SetAccountType(moderator ? 1000 : 0);
        module.RegisterHandlers(dispatcher);
        module.RegisterMessages(router);
        module.ApplySettings(TSettings{});
        module.Sharing().SetPublicBoardAccess(moderator);
    }
    TBoardSharing& sharing() { return module.Sharing(); }
    Whiteboard& boards() { return module.Boards(); }
    void receive(std::uint16_t command, const QByteArray& payload, std::uint16_t from = kOther,
                 std::uint16_t result = 0) {
        const QByteArray stream = BuildPacket(command, from, 100, payload, result);
        dispatcher.DispatchPacket(TPacketHeader::decode(stream), stream);
        QCoreApplication::sendPostedEvents(&module.Mailbox());
    }
    std::vector<std::uint16_t> sentCodes() const {
        std::vector<std::uint16_t> codes;
        for (const test::SentPacket& p : sender.sent)
            codes.push_back(p.command);
        return codes;
    }
};

QImage QuarteredPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(0, 0), size / 2), QColor(30, 90, 200));
    painter.fillRect(QRect(QPoint(size.width() / 2, size.height() / 2), size / 2), QColor(220, 40, 40));
    return image;
}

TEST(BoardSharing, LockGrantedRefusedAndHeldByOthers) {
    Client c(kSelf, true);
    c.sharing().ExecuteLockBoard();
    EXPECT_EQ(c.sentCodes(), std::vector<std::uint16_t>{cmLockBoard});
    EXPECT_TRUE(c.sharing().LockBoardChecked()) << "checked at once";

    c.receive(cmLockBoard, {}, kSelf, ResultCode::NotPermitted);
    EXPECT_FALSE(c.sharing().LockBoardChecked());
    EXPECT_EQ(c.sharing().BoardLockHolder(), 0) << "a refusal leaves the holder as it was";
    EXPECT_FALSE(c.sharing().ClearBoardEnabled());
    EXPECT_EQ(c.dialogs.shown, QStringList{"error: You do not have permission to access the whiteboard."});

    c.receive(cmLockBoard, {}, kSelf);
    EXPECT_TRUE(c.sharing().HoldsLock());
    EXPECT_TRUE(c.module.LockBoardAction()->isChecked());
    EXPECT_EQ(c.sink.withNumber(MainMsg::BoardGranted).size(), 1u);
    EXPECT_TRUE(c.sharing().ClearBoardEnabled());

    // The lock-granted message brings everybody to the holder's board.
    c.sender.sent.clear();
    c.router.Deliver(MainMsg::BoardGranted, 0, 0);
    EXPECT_EQ(c.sentCodes(), (std::vector<std::uint16_t>{cmSetView, cmShowBoardHolder}));

    c.receive(cmLockBoard, {}, kOther);
    EXPECT_EQ(c.sharing().BoardLockHolder(), kOther);
    EXPECT_FALSE(c.sharing().LockBoardChecked());
    c.receive(cmUnlockBoard, {}, kOther);
    EXPECT_EQ(c.sharing().BoardLockHolder(), 0);

    // Lock Board is for public boards only.
    c.sharing().SwitchBoard(0, true);
    EXPECT_FALSE(c.sharing().LockBoardEnabled());
    EXPECT_FALSE(c.module.LockBoardAction()->isEnabled());
}

TEST(BoardSharing, AccessFromTheServerAndThePointer) {
    Client c;
    c.sharing().PointerPress({10, 10});
    EXPECT_TRUE(c.sender.sent.empty()) << "no pointer without access";
    c.receive(cmGiveBoard, TBoardAccessMessage{kSelf}.encode());
    EXPECT_TRUE(c.sharing().PublicBoardAccess());
    EXPECT_EQ(c.dialogs.shown.size(), 1);
    EXPECT_TRUE(c.sharing().LockBoardEnabled());

    c.sharing().PointerPress({10, 10});
    c.sharing().PointerMove({12, 14});
    c.sharing().PointerMove({70000, 15}); // sent as it is, cut to 16 bits on the wire
    c.sharing().PointerRelease({13, 15});
    ASSERT_EQ(c.sender.sent.size(), 4u);
    const std::uint16_t kinds[] = {pkRight, pkRight, pkRight, pkHidden};
    for (std::size_t i = 0; i < 4; ++i) {
        PayloadReader reader(c.sender.sent[i].payload);
        const TPointerMessage m = TPointerMessage::decode(reader);
        EXPECT_EQ(m.kind, kinds[i]) << i;
        EXPECT_EQ(m.board, 1);
    }
    EXPECT_EQ(c.sender.sent[2].payload.left(2), QByteArray::fromHex("7011"));

    // Somebody points on board 3 while board 1 is shown.
    c.receive(cmPointer, TPointerMessage{40, 50, 3, pkLeft}.encode());
    EXPECT_EQ(c.boards().CurrentBoard(), 3);
    EXPECT_EQ(c.sharing().Pointer().kind, pkLeft);
    EXPECT_EQ(c.sharing().Pointer().position, QPoint(40, 50));
    EXPECT_TRUE(c.sharing().Pointer().scrollIntoView);

    c.receive(cmBanBoard, TBoardAccessMessage{kSelf}.encode());
    EXPECT_FALSE(c.sharing().PublicBoardAccess());
    EXPECT_FALSE(c.state.OwnBoardAllowed);
}

TEST(BoardSharing, ImagesSlidesAndClearsReceived) {
    Client c(kSelf, true);
    c.receive(cmLockBoard, {}, kSelf);
    c.sender.sent.clear();
    c.receive(cmClearBoard, TBoardIndexMessage{1}.encode());
    EXPECT_TRUE(c.sender.sent.empty()) << "a received clear is never sent on";

    TBoardImageMessage image;
    image.board = 2;
    image.record.SetBoard(2);
    image.jpeg = EncodeBoardJpeg(QuarteredPicture({1200, 900}));
    const auto shown = test::LogRaises(c.events.contentShown);
    c.receive(cmBoardImage, image.encode(), kOther);
    EXPECT_EQ(c.boards().CurrentBoard(), 2);
    EXPECT_EQ(c.boards().Board(2).Image().size(), QSize(1200, 900)) << "enlarged before drawing";
    test::DeliverRaised(c.events);
    EXPECT_EQ(*shown, std::vector<std::tuple<std::uint16_t>>{{kOther}}) << "its presenter is acknowledged";

    // A JPEG whose header claims a picture beyond the reader's limits is refused before any allocation.
    QByteArray huge = EncodeBoardJpeg(QuarteredPicture({16, 16}));
    const qsizetype sof = huge.indexOf("\xff\xc0");
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xff), huge[sof + 6] = char(0xf0), huge[sof + 7] = char(0xff),
               huge[sof + 8] = char(0xf0);
    EXPECT_FALSE(DecodeBoardJpeg(huge));
    EXPECT_FALSE(DecodeBoardJpeg("not a jpeg"));

    const QImage before = c.boards().Board(4).Image().copy();
    c.receive(cmShowSlide, {}, kOther, ResultCode::FileNotFound);
    ASSERT_EQ(c.notices.chatLines.size(), 1u);
    EXPECT_EQ(c.notices.chatLines[0].name, "Server");
    EXPECT_EQ(c.notices.lines, QStringList{"The slide/image is not available. It may has been deleted."});
    EXPECT_TRUE(test::SameImage(c.boards().Board(4).Image(), before));

    TBoardPictureMessage slide;
    slide.board = 4;
    slide.jpeg = EncodeBoardJpeg(QuarteredPicture({100, 80}));
    slide.record.SetFileSize(std::int32_t(slide.jpeg.size()));
    c.receive(cmShowSlide, slide.encode(), kOther);
    EXPECT_EQ(c.boards().CurrentBoard(), 4);
    EXPECT_EQ(c.boards().Board(4).Image().size(), QSize(1024, 768));
    EXPECT_EQ(c.boards().Board(4).Image().pixel(90, 70), DecodeBoardJpeg(slide.jpeg)->pixel(90, 70));
    EXPECT_EQ(c.boards().Board(4).Image().pixel(500, 500), qRgb(255, 255, 255));
}

// What one participant does on board 2, as the packets it sends and its own board.
struct Drawer : Client {
    Drawer() : Client(kOther, true) { receive(cmLockBoard, {}, kOther, 0); }
    void draw(QPoint from, QPoint to) {
        sharing().SwitchBoard(2, false);
        boards().SetDrawTool(BoardKind::Line);
        module.Gesture().BoardMouseDown(Qt::LeftButton, from.x(), from.y());
        module.Gesture().BoardMouseUp(Qt::LeftButton, to.x(), to.y());
    }
    void text(const QString& text, QRect rect) {
        ASSERT_TRUE(sharing().SendBoardText(text, "DejaVu Sans", 14, 0x00FF0000, 2, rect));
        boards().PlaceText(2, rect, text, "DejaVu Sans", 14, 0x00FF0000);
    }
    void image(const QImage& picture, QPoint at) {
        ASSERT_TRUE(sharing().SendBoardImage(picture, QRect(at, picture.size()), 2));
        boards().PlaceImage(2, at, *DecodeBoardJpeg(EncodeBoardJpeg(picture)));
    }
    // The history the server would serve of what was sent.
    QByteArray history(const std::vector<test::SentPacket>& extra = {}) const {
        QByteArray bytes;
        for (const test::SentPacket& p : sender.sent)
            if (p.command == cmBoardDrawing || p.command == cmBoardText || p.command == cmBoardImage ||
                p.command == cmClearBoard)
                bytes += EmbedPacket(p.command, kOther, p.payload);
        for (const test::SentPacket& p : extra)
            bytes += EmbedPacket(p.command, kOther, p.payload);
        return bytes;
    }
};

TEST(BoardSharing, ALateJoinersHistoryRebuildsTheBoardsOfThoseWhoDrewThem) {
    Drawer drawer;
    drawer.draw({10, 10}, {300, 200});
    drawer.text("Hi\tthere, a text long enough to wrap over lines\r\nand a second one\nthat is cut off",
                {40, 60, 160, 70});
    drawer.image(QuarteredPicture({64, 48}), {200, 100});
    drawer.draw({5, 300}, {400, 20});

    // A broken entry between them is skipped, the rest still drawn.
    TBoardTextMessage broken;
    broken.board = 2;
    QByteArray brokenText = broken.encode();
    brokenText[4 + 161] = 99; // c beyond the payload
    QByteArray history = drawer.history();
    const qsizetype cut = history.size();
    history = history.left(cut) + EmbedPacket(cmBoardText, kOther, brokenText) +
              EmbedPacket(cmBoardTextAnsi, kOther, QByteArray(3, 'x')) + EmbedPacket(250, kOther, "?");
    Drawer more; // one more batch after the broken ones
    more.sender.sent.clear();
    more.draw({0, 0}, {50, 400});
    drawer.draw({0, 0}, {50, 400});
    history += more.history();

    Client joiner;
    joiner.receive(cmLoadBoard, history, kSelf);
    EXPECT_TRUE(test::SameImage(joiner.boards().Board(2).Image(), drawer.boards().Board(2).Image()));
    EXPECT_EQ(joiner.boards().CurrentBoard(), 1) << "a history draws without switching boards";
    EXPECT_EQ(joiner.progress.shown.front(), "15 Loading WhiteBoard # 2 Items 1");
    EXPECT_EQ(joiner.progress.shown.back(), "15 WhiteBoard # 2 Loaded... Displaying content. Please wait...");

    // A batch, a clear and another batch: only the second batch stays.
    Drawer clearer;
    clearer.draw({10, 10}, {100, 100});
    clearer.sharing().ClearBoard(2);
    clearer.draw({20, 50}, {120, 60});
    Client second;
    second.receive(cmLoadBoard, clearer.history());
    EXPECT_TRUE(test::SameImage(second.boards().Board(2).Image(), clearer.boards().Board(2).Image()));
}

TEST(BoardSharing, RoomEntryAsksForEveryBoardThenReportsTheCurrentOne) {
    Client c;
    TRoomEntrySteps steps;
    c.module.RegisterRoomEntry(steps);
    for (const TRoomEntryStepInfo& info : RoomEntryStepTable())
        for (const auto& action : steps.ActionsOf(info.step))
            action();
    ASSERT_EQ(c.sentCodes(), (std::vector<std::uint16_t>{cmLoadBoard, cmLoadBoard, cmLoadBoard, cmLoadBoard,
                                                         cmLoadBoard, cmShowBoard}));
    for (int b = 0; b < 5; ++b)
        EXPECT_EQ(c.sender.sent[std::size_t(b)].payload, TBoardIndexMessage{b + 1}.encode());
    c.progress.visible = true;
    c.receive(cmShowBoard, TBoardIndexMessage{3}.encode());
    EXPECT_EQ(c.boards().CurrentBoard(), 3);
    EXPECT_FALSE(c.progress.visible);

    c.receive(cmLockBoard, {}, kSelf);
    c.module.EndSession();
    EXPECT_EQ(c.sharing().BoardLockHolder(), 0);
    EXPECT_FALSE(c.sharing().LockBoardChecked());
}

} // namespace
} // namespace orv
