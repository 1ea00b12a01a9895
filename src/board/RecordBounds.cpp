#include "board/RecordBounds.h"

#include "board/MarkImages.h"

namespace orv {

bool KindUsesPenWidth(std::uint8_t kind) {
    switch (kind) {
    case BoardKind::Line:
    case BoardKind::Rectangle:
    case BoardKind::Oval:
    case BoardKind::RoundRectangle:
    case BoardKind::Handwriting:
    case BoardKind::Circle:
    case BoardKind::Eraser:
        return true;
    default:
        return false;
    }
}

bool IsReplayable(const TBBItem& item) {
    if (!IsPublicBoard(item.Board()))
        return false;
    if (item.Kind() == BoardKind::Mark && !IsMarkImage(item.X2()))
        return false;
    return !KindUsesPenWidth(item.Kind()) ||
           (item.PenWidth() >= kMinPenWidth && item.PenWidth() <= kMaxPenWidth);
}

} // namespace orv
