#pragma once
// A PipeWire video stream read on PipeWire's own thread: the last frame kept as a picture, and the pointer
// where the stream carries it as metadata. Only that thread writes them, under a lock; readers copy. The
// thread touches nothing else.

#include <QImage>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <memory>
#include <optional>

namespace orv {

struct TStreamPointer {
    QPoint position; // on the picture
    QPoint hotSpot;
    QImage image; // null when the stream sent only a position
};

class PipeWireFrames {
public:
    // Takes the connection (`remoteFd`, closed with the object) and reads node `node` on it.
    PipeWireFrames(int remoteFd, std::uint32_t node);
    ~PipeWireFrames();
    PipeWireFrames(const PipeWireFrames&) = delete;
    PipeWireFrames& operator=(const PipeWireFrames&) = delete;

    // False when the connection or the stream could not be made; Failure() says why.
    bool Running() const;
    QString Failure() const;
    // The stream's picture size once its format is agreed; empty before.
    QSize Size() const;
    // How many frames have arrived.
    std::uint64_t Frames() const;
    // Copies the last frame's `area` into `target` at the same place (both clipped). False before the first.
    bool CopyArea(const QRect& area, QImage& target) const;
    std::optional<TStreamPointer> Pointer() const;

    struct Parts;

private:
    std::unique_ptr<Parts> m;
};

} // namespace orv
