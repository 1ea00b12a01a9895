#pragma once
// The test portal's screen cast: a PipeWire video source (a driver of its own, frames in shared memory)
// showing CastPicture's scenes with the pointer as metadata, its picture sent only when it changes.

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace orv::test {

class CastVideoSource {
public:
    // Connects to the PipeWire daemon of the environment. `ready` is called once, on PipeWire's thread,
    // with the stream's node when it has one, or with 0 when the stream failed.
    CastVideoSource(QSize size, std::function<void(std::uint32_t node)> ready);
    ~CastVideoSource();
    CastVideoSource(const CastVideoSource&) = delete;
    CastVideoSource& operator=(const CastVideoSource&) = delete;

    // The scene the next frames show.
    void ShowScene(int scene);

    struct Parts;

private:
    std::unique_ptr<Parts> m;
};

} // namespace orv::test
