#include "board/TextEditBox.h"

#include "board/BoardText.h"
#include "board/BoardTools.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace orv {

namespace {

// Keys that edit or move rather than type: they keep working when the box is full.
bool TypesCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

class TextField final : public QLineEdit {
public:
    TextField(TBoardTools& tools, QWidget* parent) : QLineEdit(parent), m_tools(tools) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !(event->modifiers() & Qt::ControlModifier)) {
            m_tools.TextBoxEnter();
            return;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return; // the line break itself is never typed
        if (key == Qt::Key_Escape) {
            m_tools.TextBoxEscape();
            return;
        }
        if (TypesCharacter(*event) && text().size() >= TTextBoxModel::kMaxTyped)
            return;
        QLineEdit::keyPressEvent(event);
    }

private:
    TBoardTools& m_tools;
};

} // namespace

TTextEditControl::TTextEditControl(TBoardTools& tools, QWidget* parent)
    : QFrame(parent), m_tools(tools), m_edit(new TextField(tools, this)) {
    setObjectName("TextEditControl");
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
    m_edit->setFrame(false);
    m_edit->setTextMargins(0, 0, 0, 0);
    m_edit->setContentsMargins(0, 0, 0, 0);
    m_edit->setAccessibleName(tr("Text on the board"));
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tools.SetTextBoxText(text); });
    Refresh();
}

void TTextEditControl::Refresh() {
    const TTextBoxModel& box = m_tools.TextBox();
    const TTextBoxFont& font = box.Font();
    m_edit->setFont(BoardTextFont(font.name, font.points));
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, ToQColor(font.color));
    palette.setColor(QPalette::Base, Qt::white);
    m_edit->setPalette(palette);
    m_edit->setGeometry(0, 0, box.Rect().width(), box.Rect().height());
}

} // namespace orv
