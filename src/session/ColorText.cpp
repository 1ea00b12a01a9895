#include "session/ColorText.h"

#include <array>
#include <utility>

namespace orv {
namespace {

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array<NamedColor, 20> kNamed = {{
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},       {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},     {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

} // namespace

QString ColorToText(TColor color) {
    for (const auto& named : kNamed)
        if (named.value == color)
            return QString::fromLatin1(named.name);
    return QString("$%1").arg(color, 8, 16, QChar('0')).toUpper();
}

std::optional<TColor> TextToColor(const QString& text) {
    const QString t = text.trimmed();
    for (const auto& named : kNamed)
        if (t.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    bool ok = false;
    qulonglong value = 0;
    if (t.startsWith('$'))
        value = t.mid(1).toULongLong(&ok, 16);
    else if (t.startsWith("0x", Qt::CaseInsensitive))
        value = t.mid(2).toULongLong(&ok, 16);
    else
        value = t.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFull)
        return std::nullopt;
    // Only the colour bytes carry meaning here; the top byte of the stored form is a system-colour flag.
    return TColor(value) & 0xFFFFFF;
}

QColor ToQColor(TColor color) {
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

} // namespace orv
