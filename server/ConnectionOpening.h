#pragma once
// Tells an encrypted connection from a plain one by its first bytes, before anything is read from it.
//
// An encrypted connection opens with a TLS ClientHello: a handshake record (0x16), record version 3.1 to
// 3.3 (03 01..03), two length bytes, then the ClientHello message type (01). No plain opening on any port
// starts that way:
// - control: the version record starts with its text's length byte, 0 to 10;
// - bulk transfers and video: a packet header, whose command is a 16-bit little-endian code below 256, so
//   the second byte is 0, never 03 (an image upload's code 22 does start with 0x16);
// - voice: the sign-on starts with the user id (little-endian) and the password's length byte; it could
//   match only for user 790 (16 03) with a three-character password whose third character is U+0001,
//   which the sign-in window cannot produce.
// A plain opening is known at its first differing byte, so plain clients are never held back.

#include <QByteArrayView>

namespace orv::server {

enum class OpeningKind { Plain, Tls, Undecided };

// How many bytes the decision needs at most.
inline constexpr qsizetype kOpeningBytes = 6;

// `peeked` holds the connection's first bytes so far; Undecided while they are a prefix of both kinds.
OpeningKind classifyOpening(QByteArrayView peeked);

} // namespace orv::server
