#pragma once
// The text box of the text tool (TTextEditControl): a borderless white panel over the board holding a
// borderless single-line edit field. It shows the text box of TBoardTools and tells it every change; Enter
// and Escape go to the board window as messages.

#include <QFrame>

class QLineEdit;

namespace orv {

class TBoardTools;

class TTextEditControl final : public QFrame {
    Q_OBJECT

public:
    TTextEditControl(TBoardTools& tools, QWidget* parent);

    QLineEdit* Edit() const { return m_edit; }
    // Takes the box's font, colour and size from the tools.
    void Refresh();

private:
    TBoardTools& m_tools;
    QLineEdit* m_edit;
};

} // namespace orv
