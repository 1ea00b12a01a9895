#pragma once
// How `AddChatLine` writes into a conversation's log: a system line is one plain line (name, time, ": ",
// text); a normal line is the sender's name and time in bold black on a line of their own, then the text in
// its colour with its emoticons as pictures. Every line goes at the end of the log.

#include "session/RoomNotices.h"

#include <QString>
#include <QTime>
#include <QUrl>

class QTextDocument;

namespace orv {

struct TChatLineStyle {
    int fontSize = 8; // points
    bool showTiming = false;
    QTime time; // the line's local time, shown when the timing is on
};

// " [hh:nn] " when the timing shows, else empty.
QString ChatTimePart(const TChatLineStyle& style);

void AppendChatLine(QTextDocument& log, const QString& name, TChatLineKind kind, TColor color,
                    const QString& text, const TChatLineStyle& style);

// The name under which a log holds an emoticon picture, and back (-1 for any other name).
QUrl EmoticonResource(int picture);
int EmoticonOfResource(const QString& name);

} // namespace orv
