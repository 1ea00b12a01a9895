#pragma once
// A button that shows a colour as a swatch and its name; clicking it picks another.

#include "session/ColorText.h"

#include <QPushButton>

namespace orv {

class TColorButton final : public QPushButton {
    Q_OBJECT
public:
    explicit TColorButton(QWidget* parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);

private:
    void pick();

    TColor m_color = kBlack;
};

} // namespace orv
