#pragma once
// The roster's status pictures, drawn by the program itself at 16 x 16, by their index in the main picture
// list: motions (9 hand, 10 clapping, 11 smiling, 61 yes, 62 no), the acknowledgement mark (27), the
// microphone (12 requesting, 42 speaking, 43 allowed, 44 muted on the air, 50 forbidden, 58 granted) and
// the camera (46 requesting, 49 broadcasting). Any other index gives a null picture.

#include <QPixmap>

#include <vector>

namespace orv {

namespace RosterPictureIndex {
constexpr int MikeRequest = 12;
constexpr int MikeSpeak = 42;
constexpr int MikeAllowed = 43;
constexpr int MikeMuted = 44;
constexpr int MikeForbidden = 50;
constexpr int MikeGranted = 58;
constexpr int CamRequest = 46;
constexpr int CamBroadcast = 49;
} // namespace RosterPictureIndex

QPixmap RosterPicture(int index);
// Every index the roster draws.
const std::vector<int>& RosterPictureIndexes();

} // namespace orv
