#pragma once
// A conversation's log as a Rich Text Format file: its lines with their weight, size and colour, characters
// beyond ASCII as Unicode escapes, and emoticons as PNG pictures.

#include <QByteArray>

class QTextDocument;

namespace orv {

QByteArray WriteRtf(const QTextDocument& log);

} // namespace orv
