#include "protocol/ChatMessages.h"

#include "protocol/Windows1252.h"
#include "protocol/WireFormat.h"

namespace orv {
namespace {

// The text up to the first NUL of its form; all of it when there is none (a last odd byte of wide text is
// dropped).
QString textUpToNul(const QByteArray& bytes, TChatTextForm form) {
    if (form == TChatTextForm::Ansi) {
        const qsizetype nul = bytes.indexOf('\0');
        return fromWindows1252(bytes.constData(), nul < 0 ? bytes.size() : nul);
    }
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = wire::load<std::uint16_t>(p + i);
        if (unit == 0)
            break;
        text += QChar(unit);
    }
    return text;
}

} // namespace

QByteArray TChatMessage::encode(TChatTextForm form) const {
    QByteArray textBytes;
    if (!text.isEmpty()) {
        if (form == TChatTextForm::Ansi) {
            textBytes = toWindows1252(QStringView(text).left(kMaxAnsiLength));
            textBytes.append('\0');
        } else {
            const QStringView cut = QStringView(text).left(kMaxWideLength);
            textBytes.resize((cut.size() + 1) * 2);
            auto* p = reinterpret_cast<std::uint8_t*>(textBytes.data());
            for (qsizetype i = 0; i < cut.size(); ++i)
                wire::store(p + 2 * i, cut[i].unicode());
            wire::store(p + 2 * cut.size(), std::uint16_t(0));
        }
    }
    TChatMessageRecord r = record;
    r.SetTextSize(std::uint16_t(textBytes.size()));
    QByteArray bytes = r.toByteArray();
    if (!textBytes.isEmpty())
        bytes += textBytes + QByteArray(1, '\0');
    return bytes;
}

TChatMessage TChatMessage::decode(PayloadReader& reader, TChatTextForm form) {
    TChatMessage message;
    message.record.readFrom(reader);
    const std::size_t size = message.record.TextSize();
    if (size > 0) {
        const std::size_t present = std::min(size + 1, reader.remaining());
        message.text = textUpToNul(reader.bytes(present), form);
    }
    return message;
}

QString ChatTextFromLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + "\r\n";
    return text;
}

QByteArray TChatPermissionMessage::encode() const {
    return wire::bytesOf(level);
}

TChatPermissionMessage TChatPermissionMessage::decode(PayloadReader& reader) {
    return {reader.i32()};
}

} // namespace orv
