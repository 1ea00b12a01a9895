#include "board/BoardExport.h"

#include "board/BoardColor.h"
#include "board/BoardText.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace orv {

bool BoardHasContent(const QImage& board) {
    const QImage pixels = board.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if ((row[x] & 0x00FFFFFFu) != 0x00FFFFFFu)
                return true;
    }
    return false;
}

bool ExportBoardImage(const QImage& board, const QString& path) {
    return board.save(path, "PNG");
}

int ExportBoardsPdf(const std::vector<QImage>& boards, const QString& path, const QString& roomName,
                    const QDateTime& when) {
    if (boards.empty())
        return 0;
    QPdfWriter writer(path);
    const QString time = when.toString(Qt::ISODate);
    writer.setTitle(roomName.isEmpty() ? time : roomName + QStringLiteral(" — ") + time);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setResolution(kScreenDpi);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const auto pageSize = [](const QImage& image) {
        return QPageSize(QSizeF(image.width() * 72.0 / kScreenDpi, image.height() * 72.0 / kScreenDpi),
                         QPageSize::Point, QString(), QPageSize::ExactMatch);
    };
    writer.setPageSize(pageSize(boards.front()));
    QPainter painter;
    if (!painter.begin(&writer))
        return 0;
    int pages = 0;
    for (const QImage& board : boards) {
        if (pages > 0) {
            writer.setPageSize(pageSize(board));
            writer.newPage();
        }
        painter.drawImage(QPoint(0, 0), board);
        ++pages;
    }
    painter.end();
    return pages;
}

} // namespace orv
