#pragma once
// A drop-down of the standard and extended colours, each with its swatch and name.

#include "board/BoardColor.h"

#include <QComboBox>

namespace orv {

class TColorChoiceBox final : public QComboBox {
    Q_OBJECT

public:
    explicit TColorChoiceBox(QWidget* parent = nullptr);

    TColor Color() const;
    // A colour not in the list is added at its end.
    void SetColor(TColor color);

signals:
    void ColorChosen(TColor color);
};

} // namespace orv
