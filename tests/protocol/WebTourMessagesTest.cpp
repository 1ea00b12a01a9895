#include "protocol/WebTourMessages.h"
#include "protocol/WireFormat.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(WebTourMessages, ListRoundTripsWithItsPlainCount) {
    TWebLinkList list;
    list.links.push_back(MakeWebLinkRecord("https://example.org/a", "A page", "Tess Marlowe"));
    list.links.push_back(MakeWebLinkRecord("http://example.org/b", "B page", "Ann Other"));
    const QByteArray bytes = list.encode();
    ASSERT_EQ(bytes.size(), 4 + 2 * 773);
    EXPECT_EQ(bytes.left(4), wire::bytesOf<std::int32_t>(2)) << "a plain 4-byte count, not a record";

    PayloadReader reader(bytes);
    const TWebLinkList back = TWebLinkList::decode(reader);
    EXPECT_TRUE(reader.atEnd());
    ASSERT_EQ(back.links.size(), 2u);
    EXPECT_EQ(back.links[0], list.links[0]);
    EXPECT_EQ(back.links[1].FileName(), "http://example.org/b");
    EXPECT_EQ(back.links[1].LocalPath(), "http://example.org/b");
    EXPECT_EQ(back.links[1].FileExt(), "WWW");
    EXPECT_EQ(back.links[1].Description(), "B page");
}

TEST(WebTourMessages, ListCountIsNeverTrustedBeyondThePayload) {
    const QByteArray record = MakeWebLinkRecord("https://example.org", "x", "y").toByteArray();
    struct Case {
        std::int32_t count;
        int records;
        int expected; // -1: the packet is refused
    };
    const Case cases[] = {
        {0, 0, 0},  {0, 1, 0},           {-5, 1, 0}, {1, 1, 1}, {2, 1, -1},
        {1, 0, -1}, {0x7fffffff, 1, -1}, {3, 3, 3},  {2, 3, 2},
    };
    for (const Case& c : cases) {
        QByteArray bytes = wire::bytesOf(c.count);
        for (int i = 0; i < c.records; ++i)
            bytes += record;
        PayloadReader reader(bytes);
        if (c.expected < 0) {
            EXPECT_THROW(TWebLinkList::decode(reader), EPayloadError) << c.count << " " << c.records;
        } else {
            EXPECT_EQ(TWebLinkList::decode(reader).links.size(), std::size_t(c.expected))
                << c.count << " " << c.records;
        }
    }
    PayloadReader empty(QByteArray(3, '\0'));
    EXPECT_THROW(TWebLinkList::decode(empty), EPayloadError) << "no room for the count";
}

TEST(WebTourMessages, PushAndTourAddressKeepTheirSizes) {
    TWebLinkPush push{3, MakeWebLinkRecord("https://example.org/tour", "Tour", "Tess")};
    const QByteArray bytes = push.encode();
    ASSERT_EQ(bytes.size(), 777);
    PayloadReader reader(bytes);
    const TWebLinkPush back = TWebLinkPush::decode(reader);
    EXPECT_EQ(back.board, 3);
    EXPECT_EQ(back.record, push.record);

    const QByteArray address = TWebTourAddress{"https://example.org/tour"}.encode();
    ASSERT_EQ(address.size(), 251);
    PayloadReader addressReader(address);
    EXPECT_EQ(TWebTourAddress::decode(addressReader).address, "https://example.org/tour");
    QByteArray longest(251, 'a');
    longest[0] = char(255); // a length byte beyond the capacity is held to it
    PayloadReader longReader(longest);
    EXPECT_EQ(TWebTourAddress::decode(longReader).address.size(), 250);
}

} // namespace
} // namespace orv
