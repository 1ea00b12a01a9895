#pragma once
// Reversible scrambling of stored passwords. Not encryption: it keeps passwords from being read at a glance.
// The UTF-8 bytes are shifted by a fixed table and stored as hexadecimal text.

#include <QString>

namespace orv {

QString Scramble(const QString& plain);
// An empty or malformed stored text unscrambles to an empty text.
QString Unscramble(const QString& stored);

} // namespace orv
