#pragma once
// Finds the emoticons in a chat text: a state machine over its characters (not UTF-16 code units, so a
// character outside the basic plane is never split). Where an emoticon ends, the last characters that make
// it are replaced by its picture, also when other characters came between its parts.

#include <QString>
#include <QStringList>

#include <vector>

namespace orv {

constexpr int kEmoticonCount = 16;

// A run of text, or one picture of the emoticon image list.
struct TChatSegment {
    QString text;
    int picture = -1; // 0 to 15 for a picture, -1 for text

    friend bool operator==(const TChatSegment&, const TChatSegment&) = default;
};

std::vector<TChatSegment> ParseEmoticons(const QString& text);

// The smiley menu's caption for each picture, index 0 to 15.
const QStringList& EmoticonCaptions();

} // namespace orv
