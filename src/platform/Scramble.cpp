#include "platform/Scramble.h"

#include <QByteArray>

#include <array>

namespace orv {
namespace {

constexpr std::array<std::uint8_t, 61> kShift = {
    211, 17,  94,  140, 33, 250, 7,   168, 79, 122, 45,  199, 3,   230, 116, 58,  181, 92,  27,  243, 134,
    66,  9,   205, 151, 38, 174, 100, 221, 13, 87,  162, 49,  236, 118, 71,  190, 25,  143, 208, 60,  127,
    4,   252, 97,  176, 35, 154, 213, 81,  19, 138, 247, 110, 42,  185, 64,  228, 149, 11,  196};

std::uint8_t shiftAt(std::size_t length, std::size_t position) {
    return kShift[(length + position) % kShift.size()];
}

} // namespace

QString Scramble(const QString& plain) {
    QByteArray bytes = plain.toUtf8();
    const std::size_t n = std::size_t(bytes.size());
    for (std::size_t p = 1; p <= n; ++p) {
        auto& b = reinterpret_cast<std::uint8_t&>(bytes[qsizetype(p - 1)]);
        b = std::uint8_t(b + shiftAt(n, p));
    }
    return QString::fromLatin1(bytes.toHex());
}

QString Unscramble(const QString& stored) {
    const QByteArray hex = stored.toLatin1();
    if (hex.size() % 2 != 0)
        return {};
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    QByteArray bytes = QByteArray::fromHex(hex);
    const std::size_t n = std::size_t(bytes.size());
    for (std::size_t p = 1; p <= n; ++p) {
        auto& b = reinterpret_cast<std::uint8_t&>(bytes[qsizetype(p - 1)]);
        b = std::uint8_t(b - shiftAt(n, p));
    }
    return QString::fromUtf8(bytes);
}

} // namespace orv
