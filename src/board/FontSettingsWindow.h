#pragma once
// "Font Settings" (TFontsForm): the floating tool window beside an open text box, with the colour, the font
// name and the size of the box's text. Every change goes to the box and becomes the text defaults.

#include <QWidget>

#include <functional>

class QFontComboBox;
class QSpinBox;

namespace orv {

class TBoardTools;
class TColorChoiceBox;

class TFontsForm final : public QWidget {
    Q_OBJECT

public:
    // `refocus` gives the keyboard back to the text box after a change.
    TFontsForm(TBoardTools& tools, std::function<void()> refocus, QWidget* parent = nullptr);

    // Shows the box's font, at the top right corner of the screen.
    void ShowBeside();

    TColorChoiceBox* ColorBox() const { return m_color; }
    QFontComboBox* FontBox() const { return m_font; }
    QSpinBox* SizeBox() const { return m_size; }

private:
    void changed();

    TBoardTools& m_tools;
    std::function<void()> m_refocus;
    TColorChoiceBox* m_color;
    QFontComboBox* m_font;
    QSpinBox* m_size;
    bool m_filling = false;
};

} // namespace orv
