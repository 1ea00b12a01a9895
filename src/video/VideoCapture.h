#pragma once
// The capture drivers: each camera Qt Multimedia lists, then a synthetic moving test pattern for machines
// without a camera and for tests. A driver delivers 24-bit bottom-up pictures of the size it was opened
// with, each to the frame callback on a thread of the driver's choosing; after Stop() returns none comes.

#include "protocol/VideoMessages.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <memory>

namespace orv {

class IVideoCapture {
public:
    using FrameCallback = std::function<void(QByteArrayView bits)>;

    virtual ~IVideoCapture() = default;
    // False when the driver cannot deliver the size.
    virtual bool Open(std::int32_t width, std::int32_t height, int framesPerSecond) = 0;
    // The format of what it delivers, once open.
    virtual TBitmapInfoHeader Format() const = 0;
    virtual bool Start(FrameCallback frame) = 0;
    virtual void Stop() = 0;
};

// The names of the drivers, in the order their indexes select them; true when there is at least one.
bool ListCaptureDrivers(QStringList& list);
QStringList CaptureDriverNames();
// The driver of the index, or none when there is no such driver.
std::unique_ptr<IVideoCapture> OpenCaptureDriver(int index);
// The test pattern on its own.
std::unique_ptr<IVideoCapture> NewTestPatternCapture();

// The capture size of a VideoFormatSize value.
struct TCaptureSize {
    std::int32_t width;
    std::int32_t height;
};
TCaptureSize CaptureSize(std::int32_t formatSize);

} // namespace orv
