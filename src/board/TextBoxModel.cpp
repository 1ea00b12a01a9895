#include "board/TextBoxModel.h"

#include "board/BoardSharing.h"
#include "board/BoardText.h"
#include "board/Whiteboard.h"

#include <QFontMetrics>

namespace orv {

TTextBoxModel::TTextBoxModel(Whiteboard& boards, TBoardSharing& sharing)
    : m_boards(boards), m_sharing(sharing) {}

void TTextBoxModel::Open(QPoint clicked, const TTextBoxFont& font) {
    m_open = true;
    ++m_serial;
    m_text.clear();
    m_font = font;
    m_rect = QRect(QPoint(clicked.x(), clicked.y() - kAboveClick), SizeFor(m_text, m_font));
}

void TTextBoxModel::SetText(const QString& text) {
    m_text = text;
    resize();
}

void TTextBoxModel::SetFont(const TTextBoxFont& font) {
    m_font = font;
    resize();
}

QSize TTextBoxModel::SizeFor(const QString& text, const TTextBoxFont& font) {
    if (text.isEmpty())
        return {font.points + 5, font.points + 7};
    const QFontMetrics metrics(BoardTextFont(font.name, font.points));
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::TextSingleLine | Qt::TextExpandTabs, text);
    return {font.points + bounds.width() + 5, bounds.height() + 2};
}

void TTextBoxModel::Commit() {
    if (!m_open)
        return;
    const int board = m_boards.CurrentBoard();
    m_boards.PlaceText(board, m_rect, m_text, m_font.name, m_font.points, m_font.color);
    if (m_boards.PublicBoardAccess() && board > kPrivateBoard)
        m_sharing.SendBoardText(m_text, m_font.name, m_font.points, m_font.color, board, m_rect);
}

} // namespace orv
