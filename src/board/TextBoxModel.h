#pragma once
// The one text box of the text tool: where it sits on the board, its text and font, and its size, which
// follows the text. Committing draws the text with the shared text layout and, on a public board with
// access, sends it to the room. The edit field that shows it is TTextEditControl.

#include "board/BoardColor.h"

#include <QRect>
#include <QString>

namespace orv {

class TBoardSharing;
class Whiteboard;

struct TTextBoxFont {
    QString name = QStringLiteral("Arial");
    int points = 12;
    TColor color = kBoardBlack;
    friend bool operator==(const TTextBoxFont&, const TTextBoxFont&) = default;
};

class TTextBoxModel {
public:
    static constexpr int kMaxTyped = 250;  // typed characters; pasted text is not limited
    static constexpr int kAboveClick = 10; // the box's top lies this far above the clicked point
    static constexpr int kBelowBox = 7;    // Enter opens the next box this far below the box

    TTextBoxModel(Whiteboard& boards, TBoardSharing& sharing);

    bool IsOpen() const { return m_open; }
    // Changes each time a box opens, so a view can tell a new box from the one it shows.
    int Serial() const { return m_serial; }
    // In board coordinates.
    const QRect& Rect() const { return m_rect; }
    const QString& Text() const { return m_text; }
    const TTextBoxFont& Font() const { return m_font; }

    // An empty box whose top-left corner is `kAboveClick` pixels above the clicked point.
    void Open(QPoint clicked, const TTextBoxFont& font);
    void SetText(const QString& text);
    void SetFont(const TTextBoxFont& font);
    // Draws the text (an empty one too) on the current board and sends it on a public board with access.
    void Commit();
    void Close() { m_open = false; }

    // The box for a text: font size + 5 by font size + 7 when empty; otherwise font size + text width + 5
    // wide and text height + 2 high, the text measured on one line with tabs expanded.
    static QSize SizeFor(const QString& text, const TTextBoxFont& font);

private:
    void resize() { m_rect.setSize(SizeFor(m_text, m_font)); }

    Whiteboard& m_boards;
    TBoardSharing& m_sharing;
    bool m_open = false;
    int m_serial = 0;
    QRect m_rect;
    QString m_text;
    TTextBoxFont m_font;
};

} // namespace orv
