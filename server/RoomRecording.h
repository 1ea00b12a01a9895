#pragma once
// What another service may ask of the recorders: whether a room is being recorded (paused counts), as a
// change that would make the recording unplayable must wait until it stops.

#include <cstdint>

namespace orv::server {

class IRoomRecording {
public:
    virtual ~IRoomRecording() = default;
    virtual bool isRecording(std::int32_t room) const = 0;
};

} // namespace orv::server
