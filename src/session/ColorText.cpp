#include "session/ColorText.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace orv {
namespace {

struct NamedColor {
    const char* name;    // as stored
    const char* display; // as shown
    TColor value;
};

constexpr std::array<NamedColor, 20> kNamed = {{
    {"clBlack", QT_TRANSLATE_NOOP("Colors", "Black"), 0x000000},
    {"clMaroon", QT_TRANSLATE_NOOP("Colors", "Maroon"), 0x000080},
    {"clGreen", QT_TRANSLATE_NOOP("Colors", "Green"), 0x008000},
    {"clOlive", QT_TRANSLATE_NOOP("Colors", "Olive"), 0x008080},
    {"clNavy", QT_TRANSLATE_NOOP("Colors", "Navy"), 0x800000},
    {"clPurple", QT_TRANSLATE_NOOP("Colors", "Purple"), 0x800080},
    {"clTeal", QT_TRANSLATE_NOOP("Colors", "Teal"), 0x808000},
    {"clGray", QT_TRANSLATE_NOOP("Colors", "Gray"), 0x808080},
    {"clSilver", QT_TRANSLATE_NOOP("Colors", "Silver"), 0xC0C0C0},
    {"clRed", QT_TRANSLATE_NOOP("Colors", "Red"), 0x0000FF},
    {"clLime", QT_TRANSLATE_NOOP("Colors", "Lime"), 0x00FF00},
    {"clYellow", QT_TRANSLATE_NOOP("Colors", "Yellow"), 0x00FFFF},
    {"clBlue", QT_TRANSLATE_NOOP("Colors", "Blue"), 0xFF0000},
    {"clFuchsia", QT_TRANSLATE_NOOP("Colors", "Fuchsia"), 0xFF00FF},
    {"clAqua", QT_TRANSLATE_NOOP("Colors", "Aqua"), 0xFFFF00},
    {"clWhite", QT_TRANSLATE_NOOP("Colors", "White"), 0xFFFFFF},
    {"clMoneyGreen", QT_TRANSLATE_NOOP("Colors", "Money green"), 0xC0DCC0},
    {"clSkyBlue", QT_TRANSLATE_NOOP("Colors", "Sky blue"), 0xF0CAA6},
    {"clCream", QT_TRANSLATE_NOOP("Colors", "Cream"), 0xF0FBFF},
    {"clMedGray", QT_TRANSLATE_NOOP("Colors", "Medium gray"), 0xA4A0A0},
}};

} // namespace

QString ColorToText(TColor color) {
    for (const auto& named : kNamed)
        if (named.value == color)
            return QString::fromLatin1(named.name);
    return QString("$%1").arg(color, 8, 16, QChar('0')).toUpper();
}

QString ColorDisplayName(TColor color) {
    for (const auto& named : kNamed)
        if (named.value == color)
            return QCoreApplication::translate("Colors", named.display);
    return ToQColor(color).name().toUpper();
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
