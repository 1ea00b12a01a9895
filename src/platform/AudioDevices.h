#pragma once
// The sound system's input and output devices, behind an interface so that capture and tones are tested on
// a fake device. Devices carry signed 16-bit mono PCM at the rate they are opened with.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace orv {

enum class TAudioDirection { Input, Output };

// One device as the sound system reports it.
struct TAudioDeviceInfo {
    QByteArray id; // the sound system's own name for the device
    QString description;
    bool usable = true; // false when the system cannot tell what the device can do
};

// Why a device did not open.
enum class TAudioOpenError { None, NoSuchDevice, DeviceBusy, FormatRejected };

// An open input. Samples arrive on the thread that opened it, from its event loop.
class IAudioCapture {
public:
    using Sink = std::function<void(std::span<const std::int16_t>)>;
    virtual ~IAudioCapture() = default;
    // Starts delivering to `sink`; false when the device refuses to start.
    virtual bool Start(Sink sink) = 0;
    // Stops delivering; nothing reaches the sink afterwards.
    virtual void Stop() = 0;
};

// An open output.
class IAudioPlayback {
public:
    virtual ~IAudioPlayback() = default;
    // Queues samples behind those still to be played and returns at once.
    virtual void Play(std::span<const std::int16_t> samples) = 0;
};

class IAudioSystem {
public:
    virtual ~IAudioSystem() = default;
    // Every device of the direction, in the system's order.
    virtual std::vector<TAudioDeviceInfo> Devices(TAudioDirection direction) = 0;
    // An empty id is the system's default device. `bufferBytes` is how much the device may hold back.
    virtual std::unique_ptr<IAudioCapture> OpenCapture(const QByteArray& id, int sampleRate, int bufferBytes,
                                                       TAudioOpenError& error) = 0;
    virtual std::unique_ptr<IAudioPlayback> OpenPlayback(const QByteArray& id, int sampleRate,
                                                         TAudioOpenError& error) = 0;
};

} // namespace orv
