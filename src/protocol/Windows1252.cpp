#include "protocol/Windows1252.h"

#include <array>

namespace orv {
namespace {

// 0x80..0x9F; 0 marks the five unassigned positions, which map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t decodeByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char16_t c = kHighControls[b - 0x80];
        return c ? c : char16_t(b);
    }
    return char16_t(b);
}

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c || (kHighControls[i] == 0 && c == 0x80 + i))
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray toWindows1252(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A surrogate pair is one character that has no form here.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out.append(encodeChar(ch.unicode()));
    }
    return out;
}

QString fromWindows1252(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(decodeByte(static_cast<unsigned char>(data[i])));
    return out;
}

} // namespace orv
