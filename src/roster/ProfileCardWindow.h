#pragma once
// The profile card: a small stay-on-top window with a participant's profile and photo that rolls out to
// the right from beside the side column. Only pointers cross this header.

#include <cstdint>

class QWidget;

namespace orv {

class TPersonalInfo;

// `ShowProfileCard`: expands the entry in the roster and shows its card beside `anchor` (the side
// column), fetching the photo afresh; nothing for a user without an entry. Returns the card, or null.
QWidget* ShowProfileCard(TPersonalInfo& info, std::uint16_t userId, QWidget* anchor);
// `UploadPersonalImage`: the own card, then a JPEG chosen by the user, at most 51200 bytes.
void UploadPersonalImage(TPersonalInfo& info, QWidget* anchor);

} // namespace orv
