#pragma once
// The chat's messages of the control connection: public and private messages and notes (cmChat,
// cmPrivateChat; from the server also cmChatAnsi and cmPrivateChatAnsi with byte text), and the room's chat
// permission level (cmChatPermissions, cmSetChatPermissions). The permission query is header-only.

#include "protocol/CommandCatalogue.h"
#include "protocol/FixedRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orv {

// What a chat packet carries: a public message, a private one, or a session note or question.
enum TChatKind : std::uint16_t { ckPublic = 0, ckPrivate = 1, ckNote = 5 };

// The room's chat permission level: who may chat, and how.
enum TChatPermission : std::int32_t {
    cpAllowAll = 0,    // public and private
    cpPublicOnly = 1,  // private messages blocked
    cpAllowAllToo = 2, // all allowed; no menu item stands for it
    cpDenyAll = 3,     // participants may not chat at all
};
constexpr bool IsKnown(TChatPermission level) {
    return level >= cpAllowAll && level <= cpDenyAll;
}

// How the text after the record is written: UTF-16LE with a 2-byte NUL (cmChat, cmPrivateChat), or
// Windows-1252 bytes with a 1-byte NUL (cmChatAnsi, cmPrivateChatAnsi).
enum class TChatTextForm { Wide, Ansi };
constexpr TChatTextForm TextFormOf(std::uint16_t command) {
    return command == cmChatAnsi || command == cmPrivateChatAnsi ? TChatTextForm::Ansi : TChatTextForm::Wide;
}

// The fixed part of every chat packet.
class TChatMessageRecord : public TFixedRecord<14> {
public:
    std::uint16_t From() const { return get<std::uint16_t, 0>(); }
    void SetFrom(std::uint16_t v) { set<std::uint16_t, 0>(v); }
    // The addressee of a private message or note (0: a note to everybody); a public message carries the
    // sender's current partner, which receivers ignore.
    std::uint16_t To() const { return get<std::uint16_t, 2>(); }
    void SetTo(std::uint16_t v) { set<std::uint16_t, 2>(v); }
    // The sender's room; receivers ignore it.
    std::uint16_t Room() const { return get<std::uint16_t, 4>(); }
    void SetRoom(std::uint16_t v) { set<std::uint16_t, 4>(v); }
    TChatKind Kind() const { return TChatKind(get<std::uint16_t, 6>()); }
    void SetKind(TChatKind v) { set<std::uint16_t, 6>(v); }
    // Bytes of text including its NUL; 0 without text. Text size + 1 bytes follow the record.
    std::uint16_t TextSize() const { return get<std::uint16_t, 8>(); }
    void SetTextSize(std::uint16_t v) { set<std::uint16_t, 8>(v); }
};

// cmChat, cmPrivateChat, cmChatAnsi, cmPrivateChatAnsi: the record, then the text, its NUL and one more
// zero byte.
struct TChatMessage {
    // The longest text, in characters of its form, whose size still fits the record's 16-bit field.
    static constexpr qsizetype kMaxWideLength = 0xFFFF / 2 - 1;
    static constexpr qsizetype kMaxAnsiLength = 0xFFFF - 1;

    TChatMessageRecord record;
    QString text; // up to its first NUL

    // Sets the record's text size from the text, which is cut to the longest that fits.
    QByteArray encode(TChatTextForm form = TChatTextForm::Wide) const;
    // Reads the record and at most text size + 1 bytes, never past the payload's end; the text ends at its
    // first NUL, or with the bytes there are when it has none. Throws EPayloadError on a short record.
    static TChatMessage decode(PayloadReader& reader, TChatTextForm form);
};

// A typed message as it travels: each line followed by CR LF.
QString ChatTextFromLines(const QStringList& lines);

// cmChatPermissions reply, cmSetChatPermissions both ways: the level. Values outside the known levels are
// carried as they are.
struct TChatPermissionMessage {
    static constexpr std::size_t kSize = 4;

    std::int32_t level = cpAllowAll;

    QByteArray encode() const;
    static TChatPermissionMessage decode(PayloadReader& reader);
};

} // namespace orv
