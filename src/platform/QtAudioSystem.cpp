#include "platform/QtAudioSystem.h"

#include "platform/QtAudioCapture.h"
#include "platform/QtAudioPlayback.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace orv {
namespace {

QList<QAudioDevice> DevicesOf(TAudioDirection direction) {
    return direction == TAudioDirection::Input ? QMediaDevices::audioInputs() : QMediaDevices::audioOutputs();
}

// The device named `id`, or the system default for an empty id; a null device when there is none.
QAudioDevice FindDevice(TAudioDirection direction, const QByteArray& id) {
    if (id.isEmpty())
        return direction == TAudioDirection::Input ? QMediaDevices::defaultAudioInput()
                                                   : QMediaDevices::defaultAudioOutput();
    for (const QAudioDevice& device : DevicesOf(direction))
        if (device.id() == id)
            return device;
    return {};
}

QAudioFormat MonoPcm(int sampleRate) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The device and format to open, or the reason there is none.
QAudioDevice Choose(TAudioDirection direction, const QByteArray& id, const QAudioFormat& format,
                    TAudioOpenError& error) {
    const QAudioDevice device = FindDevice(direction, id);
    error = device.isNull()                     ? TAudioOpenError::NoSuchDevice
            : !device.isFormatSupported(format) ? TAudioOpenError::FormatRejected
                                                : TAudioOpenError::None;
    return device;
}

} // namespace

std::vector<TAudioDeviceInfo> QtAudioSystem::Devices(TAudioDirection direction) {
    std::vector<TAudioDeviceInfo> devices;
    for (const QAudioDevice& device : DevicesOf(direction))
        devices.push_back({device.id(), device.description(),
                           !device.isNull() && !device.supportedSampleFormats().isEmpty()});
    return devices;
}

std::unique_ptr<IAudioCapture> QtAudioSystem::OpenCapture(const QByteArray& id, int sampleRate,
                                                          int bufferBytes, TAudioOpenError& error) {
    const QAudioFormat format = MonoPcm(sampleRate);
    const QAudioDevice device = Choose(TAudioDirection::Input, id, format, error);
    if (error != TAudioOpenError::None)
        return nullptr;
    return std::make_unique<QtAudioCapture>(device, format, bufferBytes);
}

std::unique_ptr<IAudioPlayback> QtAudioSystem::OpenPlayback(const QByteArray& id, int sampleRate,
                                                            TAudioOpenError& error) {
    const QAudioFormat format = MonoPcm(sampleRate);
    const QAudioDevice device = Choose(TAudioDirection::Output, id, format, error);
    if (error != TAudioOpenError::None)
        return nullptr;
    return std::make_unique<QtAudioPlayback>(device, format);
}

} // namespace orv
