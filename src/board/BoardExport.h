#pragma once
// Boards kept outside the session: one board as a PNG picture, every board with something on it as a page
// of one PDF whose metadata name the room and the time.

#include <QDateTime>
#include <QImage>
#include <QString>

#include <vector>

namespace orv {

// Whether any pixel is other than white.
bool BoardHasContent(const QImage& board);
bool ExportBoardImage(const QImage& board, const QString& path);
// One page per image, each page the image's size at 96 pixels per inch; the number of pages written, 0 when
// there were none or the file could not be written.
int ExportBoardsPdf(const std::vector<QImage>& boards, const QString& path, const QString& roomName,
                    const QDateTime& when);

} // namespace orv
