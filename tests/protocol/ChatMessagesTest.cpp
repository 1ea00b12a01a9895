#include "protocol/ChatMessages.h"
#include "protocol/WireFormat.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TChatMessage message(TChatKind kind, const QString& text) {
    TChatMessage m;
    m.record.SetFrom(7);
    m.record.SetTo(9);
    m.record.SetRoom(100);
    m.record.SetKind(kind);
    m.text = text;
    return m;
}

TChatMessage decoded(const QByteArray& bytes, TChatTextForm form, bool wholePayloadRead = true) {
    PayloadReader reader(bytes);
    TChatMessage m = TChatMessage::decode(reader, form);
    EXPECT_EQ(reader.atEnd(), wholePayloadRead);
    return m;
}

TEST(ChatMessages, ATwoLetterLineTravelsAsTextSizeTenInATwentyFiveBytePayload) {
    const TChatMessage m = message(ckPublic, ChatTextFromLines({"ab"}));
    const QByteArray bytes = m.encode();
    ASSERT_EQ(bytes.size(), 25);
    EXPECT_EQ(bytes.left(14).toHex(), QByteArray("07000900640000000a0000000000"));
    EXPECT_EQ(bytes.mid(14), QByteArray("a\0b\0\r\0\n\0\0\0\0", 11));

    const TChatMessage back = decoded(bytes, TChatTextForm::Wide);
    EXPECT_EQ(back.record.From(), 7);
    EXPECT_EQ(back.record.To(), 9);
    EXPECT_EQ(back.record.Room(), 100);
    EXPECT_EQ(back.record.Kind(), ckPublic);
    EXPECT_EQ(back.record.TextSize(), 10);
    EXPECT_EQ(back.text, "ab\r\n");
}

TEST(ChatMessages, ByteTextAndNoTextHaveTheirOwnSizes) {
    const TChatMessage ansi = message(ckPrivate, QString::fromUtf8("caf\u00e9"));
    const QByteArray bytes = ansi.encode(TChatTextForm::Ansi);
    ASSERT_EQ(bytes.size(), 14 + 5 + 1);
    EXPECT_EQ(wire::load<std::uint16_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()) + 8), 5);
    EXPECT_EQ(bytes.mid(14), QByteArray("caf\xe9\0\0", 6));
    EXPECT_EQ(decoded(bytes, TChatTextForm::Ansi).text, QString::fromUtf8("caf\u00e9"));

    const QByteArray empty = message(ckPublic, "").encode();
    EXPECT_EQ(empty.size(), 14);
    const TChatMessage none = decoded(empty, TChatTextForm::Wide);
    EXPECT_EQ(none.record.TextSize(), 0);
    EXPECT_TRUE(none.text.isEmpty());

    // A text beyond what the 16-bit size can count is cut to the longest that fits.
    const QByteArray huge = message(ckPublic, QString(40000, 'x')).encode();
    EXPECT_EQ(decoded(huge, TChatTextForm::Wide).text.size(), TChatMessage::kMaxWideLength);
    EXPECT_EQ(huge.size(), 14 + 0xFFFE + 1);
}

TEST(ChatMessages, TheTextReadIsBoundedByThePayloadAndEndsAtItsFirstNul) {
    const auto withText = [](std::uint16_t textSize, const QByteArray& after) {
        TChatMessageRecord r;
        r.SetTextSize(textSize);
        return r.toByteArray() + after;
    };
    const struct Case {
        const char* what;
        QByteArray payload;
        TChatTextForm form;
        QString text;
        bool wholePayloadRead;
    } cases[] = {
        {"size beyond the payload", withText(1000, QByteArray("h\0i\0", 4)), TChatTextForm::Wide, "hi", true},
        {"no NUL at all", withText(4, QByteArray("h\0i\0!", 5)), TChatTextForm::Wide, "hi", true},
        {"an odd last byte", withText(60, QByteArray("h\0i", 3)), TChatTextForm::Wide, "h", true},
        {"text after the NUL", withText(8, QByteArray("h\0\0\0x\0\0\0\0", 9)), TChatTextForm::Wide, "h",
         true},
        {"bytes beyond the size", withText(3, QByteArray("ab\0\0zz", 6)), TChatTextForm::Ansi, "ab", false},
        {"byte text without NUL", withText(9000, "abc"), TChatTextForm::Ansi, "abc", true},
        {"size 0 with bytes after", withText(0, "junk"), TChatTextForm::Wide, "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decoded(c.payload, c.form, c.wholePayloadRead).text, c.text) << c.what;

    const QByteArray thirteen(13, '\0');
    PayloadReader shortRecord(thirteen);
    EXPECT_THROW(TChatMessage::decode(shortRecord, TChatTextForm::Wide), EPayloadError);
}

TEST(ChatMessages, PermissionLevelIsASigned32BitValueAndTheFormFollowsTheCommand) {
    const QByteArray bytes = TChatPermissionMessage{cpDenyAll}.encode();
    EXPECT_EQ(bytes, QByteArray("\x03\0\0\0", 4));
    const QByteArray minusOne("\xff\xff\xff\xff", 4);
    PayloadReader reader(minusOne);
    EXPECT_EQ(TChatPermissionMessage::decode(reader).level, -1);
    EXPECT_FALSE(IsKnown(TChatPermission(-1)));
    EXPECT_TRUE(IsKnown(cpAllowAllToo));

    EXPECT_EQ(TextFormOf(cmChat), TChatTextForm::Wide);
    EXPECT_EQ(TextFormOf(cmPrivateChat), TChatTextForm::Wide);
    EXPECT_EQ(TextFormOf(cmChatAnsi), TChatTextForm::Ansi);
    EXPECT_EQ(TextFormOf(cmPrivateChatAnsi), TChatTextForm::Ansi);
}

} // namespace
} // namespace orv
