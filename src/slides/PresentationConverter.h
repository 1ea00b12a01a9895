#pragma once
// What the upload wizard asks of the program that turns a presentation into slide pictures: reach it, open
// the presentation, count and name it, write each slide as a JPEG file, and end. The export worker calls it
// from its own thread, in that order; Abort comes from the main thread.

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace orv {

class IPresentationConverter {
public:
    virtual ~IPresentationConverter() = default;
    // Whether the converting program can be used at all; false when it is not installed.
    virtual bool Connect() = 0;
    // Opens the presentation; false when it cannot be read.
    virtual bool Open(const QString& path) = 0;
    // Of the open presentation, hidden slides included.
    virtual int SlideCount() const = 0;
    virtual QString Name() const = 0;
    // Writes slide `n` (from 1) as a JPEG file at `target`: at 96 dots per inch, or exactly `size` when it is
    // valid. False when no picture was written.
    virtual bool ExportSlide(int n, const QString& target, QSize size) = 0;
    // Ends the conversion, also after a failed open; what it made for itself goes.
    virtual void Quit() = 0;
    // From another thread: a conversion that runs ends soon, failed.
    virtual void Abort() = 0;
};

using TConverterFactory = std::function<std::unique_ptr<IPresentationConverter>()>;

} // namespace orv
