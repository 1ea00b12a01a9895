#include "chat/EmoticonParser.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

// A segment list written compactly: text as it is, pictures as {N}.
QString Shown(const QString& text) {
    QString out;
    for (const TChatSegment& s : ParseEmoticons(text))
        out += s.picture < 0 ? s.text : QString("{%1}").arg(s.picture);
    return out;
}

TEST(EmoticonParser, FindsEachPictureAsTheStateTableSays) {
    const struct Case {
        const char* text;
        const char* shown;
    } cases[] = {
        // The examples of the state table.
        {":-)", "{11}"},
        {"LOL", "{8}"},
        {"O :-)", "{6}"},
        {"O :)", "O {11}"},
        {":-&", "{4}"},
        {":k)", ":{11}"},
        {"(blush)", "{3}"},
        {"(bLush)", "(bLush)"},
        // Every text of the picture table.
        {":@", "{0}"},
        {":-@", "{0}"},
        {"8-)", "{1}"},
        {":,(", "{2}"},
        {":,-(", "{2}"},
        {":(", "{5}"},
        {":-(", "{5}"},
        {":*", "{7}"},
        {":D", "{8}"},
        {":-D", "{8}"},
        {":-$", "{9}"},
        {":-x", "{10}"},
        {":-X", "{10}"},
        {":)", "{11}"},
        {":-o", "{12}"},
        {":-p", "{13}"},
        {":-/", "{14}"},
        {":-\\", "{14}"},
        {";-)", "{15}"},
        // In running text, several in a row, and near misses.
        {"hi :) and :-( bye", "hi {11} and {5} bye"},
        {":):D;-)", "{11}{8}{15}"},
        {"LO :)", "LO {11}"},
        {"lol", "lol"},
        {":-P", ":-P"},
        {"8)", "8)"},
        {"a:-read)", "a:-read)"},
        {"", ""},
        {"plain text", "plain text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(c.text), c.shown) << c.text;
}

TEST(EmoticonParser, CountsCharactersSoAPairOfSurrogatesIsNeverSplit) {
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two UTF-16 units
    EXPECT_EQ(Shown(":" + face + ")"), ":{11}") << "the character between is swallowed whole";
    EXPECT_EQ(Shown(face + ":)"), face + "{11}");
    EXPECT_EQ(Shown("O " + face + ":-)"), "O{6}");
    EXPECT_EQ(Shown(face + face), face + face);
    const QString lone(QChar(0xD83D));
    EXPECT_EQ(Shown(lone + ":)"), lone + "{11}") << "a lone surrogate is a character of its own";

    // Each menu caption is read back as its own picture.
    for (int i = 0; i < kEmoticonCount; ++i)
        EXPECT_EQ(Shown(EmoticonCaptions()[i]), QString("{%1}").arg(i))
            << EmoticonCaptions()[i].toStdString();
}

} // namespace
} // namespace orv
