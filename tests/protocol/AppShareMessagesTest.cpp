// The byte layouts of application sharing's records and messages.
#include "protocol/AppShareMessages.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

QByteArray Le32(std::initializer_list<std::int32_t> values) {
    QByteArray out;
    for (std::int32_t v : values)
        out += wire::bytesOf(v);
    return out;
}

TEST(AppShareMessages, TileRecordPutsYBeforeX) {
    TTileRecord r;
    r.SetIndex(21);
    r.SetVersion(3);
    r.SetWidth(341);
    r.SetHeight(38);
    r.SetX(341);
    r.SetY(38);
    r.set<std::int32_t, 12>(77); // whatever was there, the update sends 0
    QByteArray update;
    AppendScreenTile(update, r, QByteArray("PNG!"));
    EXPECT_EQ(update, Le32({21, 3, 4, 0, 341, 38, 38, 341}) + "PNG!");
    TScreenTileWalker walker(update);
    const auto tile = walker.next();
    ASSERT_TRUE(tile);
    EXPECT_EQ(tile->record.X(), 341);
    EXPECT_EQ(tile->png, "PNG!");
    EXPECT_FALSE(walker.next());
}

TEST(AppShareMessages, CursorRecordAndItsBounds) {
    TCursorMessage m;
    m.record.SetX(-3);
    m.record.SetY(700);
    m.png = "abc";
    const QByteArray bytes = m.encode();
    EXPECT_EQ(bytes, Le32({-3, 700, 3, 0}) + "abc");
    PayloadReader reader(bytes);
    EXPECT_EQ(TCursorMessage::decode(reader).png, "abc");

    const QByteArray overlong = Le32({0, 0, 4, 0}) + "abc";
    PayloadReader cut(overlong);
    EXPECT_THROW(TCursorMessage::decode(cut), EPayloadError);
    const QByteArray negative = Le32({0, 0, -1, 0});
    PayloadReader none(negative);
    EXPECT_TRUE(TCursorMessage::decode(none).png.isEmpty());
}

TEST(AppShareMessages, SharingRecordLayoutAndGeometry) {
    TSharingRecord r;
    r.SetHostId(0x0102);
    r.SetHostName("Ann");
    r.SetItemName("Desktop");
    r.SetMode(smDesktop);
    r.SetWidth(1024);
    r.SetHeight(768);
    r.SetColumns(3);
    r.SetRows(20);
    r.SetPixelFormat(3);
    r.SetRefreshRate(1750);
    const QByteArray b = r.toByteArray();
    ASSERT_EQ(b.size(), 485);
    EXPECT_EQ(b.mid(0, 2), QByteArray("\x02\x01", 2));
    EXPECT_EQ(b[2], 3);
    EXPECT_EQ(b.mid(3, 3), "Ann");
    EXPECT_EQ(b[203], 7);
    EXPECT_EQ(b[459], 1);
    EXPECT_EQ(b.mid(460, 16), Le32({1024, 768, 3, 20}));
    EXPECT_EQ(b[476], 3);
    EXPECT_EQ(b.mid(477, 8), Le32({1750, 0}));
    EXPECT_TRUE(r.GeometryValid());
    for (auto spoil : std::initializer_list<void (*)(TSharingRecord&)>{
             [](TSharingRecord& x) { x.SetWidth(0); }, [](TSharingRecord& x) { x.SetHeight(16385); },
             [](TSharingRecord& x) { x.SetColumns(0); }, [](TSharingRecord& x) { x.SetRows(-20); },
             [](TSharingRecord& x) { x.SetColumns(65); }, [](TSharingRecord& x) { x.SetWidth(2); }}) {
        TSharingRecord copy = r;
        spoil(copy);
        EXPECT_FALSE(copy.GeometryValid());
    }
}

TEST(AppShareMessages, VersionsControlAndInput) {
    EXPECT_EQ((TTileVersions{{1, 2}}.encode()), Le32({1, 2}));
    const QByteArray odd("\1\2\3", 3);
    PayloadReader reader(odd);
    EXPECT_THROW(TTileVersions::decode(reader), EPayloadError);
    EXPECT_EQ(TGiveControlMessage{0x0709}.encode(), QByteArray("\x09\x07", 2));

    TRemoteInputRecord in;
    in.SetKind(ikMouse);
    in.SetFlags(0x8002);
    in.SetX(32768);
    in.SetY(65535);
    EXPECT_EQ(in.toByteArray(),
              QByteArray("\x01", 1) + Le32({0x8002, 32768, 65535, 0, 0}) + QByteArray(2, '\0'));
    TRemoteInputRecord key;
    key.SetFlags(InputFlag::KeyUp);
    key.SetVirtualKey(0x41);
    EXPECT_EQ(key.toByteArray(), QByteArray(1, '\0') + Le32({2, 0, 0, 0, 0}) + QByteArray("\x41\0", 2));
}

} // namespace
} // namespace orv
