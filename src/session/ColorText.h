#pragma once
// Colours as stored in the settings: a colour name such as "clBlack", otherwise "$" and eight hexadecimal
// digits in 0x00BBGGRR order.

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace orv {

// A colour in the stored 0x00BBGGRR form.
using TColor = std::uint32_t;

QString ColorToText(TColor color);
// What the user sees: the colour's name where it has one ("Black"), else "#RRGGBB".
QString ColorDisplayName(TColor color);
// Names, "$XXXXXXXX", "0xXXXXXXXX" and plain decimal numbers; empty for anything else.
std::optional<TColor> TextToColor(const QString& text);

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

constexpr TColor kBlack = 0x000000;
constexpr TColor kMaroon = 0x000080;
constexpr TColor kGray = 0x808080;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

} // namespace orv
