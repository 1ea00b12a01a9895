#include "platform/PulseVolumes.h"

#include <pulse/pulseaudio.h>

#include <QElapsedTimer>

#include <algorithm>

namespace orv {
namespace {

// What a sink or source reports about itself.
struct DeviceState {
    bool done = false;
    bool found = false;
    pa_cvolume volume{};
    std::optional<int> alsaCard;
};

template <typename Info> void Record(const Info* info, int eol, void* userdata) {
    auto* state = static_cast<DeviceState*>(userdata);
    if (eol != 0 || !info) {
        state->done = true;
        return;
    }
    state->found = true;
    state->volume = info->volume;
    if (const char* card = pa_proplist_gets(info->proplist, "alsa.card")) {
        bool ok = false;
        const int number = QByteArray(card).toInt(&ok);
        if (ok)
            state->alsaCard = number;
    }
}

void SinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
    Record(info, eol, userdata);
}
void SourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
    Record(info, eol, userdata);
}

struct Outcome {
    bool done = false;
    bool success = false;
};

void Finished(pa_context*, int success, void* userdata) {
    auto* outcome = static_cast<Outcome*>(userdata);
    outcome->done = true;
    outcome->success = success != 0;
}

// One connection to the server for the length of one operation.
class Connection {
public:
    explicit Connection(int timeoutMs) : m_timeoutMs(timeoutMs) {
        m_timer.start();
        m_loop = pa_mainloop_new();
        if (!m_loop)
            return;
        m_context = pa_context_new(pa_mainloop_get_api(m_loop), "Orvane Live Browser mixer");
        if (!m_context || pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return;
        m_ready = RunUntil([this] {
                      const pa_context_state_t s = pa_context_get_state(m_context);
                      return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
                  }) &&
                  pa_context_get_state(m_context) == PA_CONTEXT_READY;
    }
    ~Connection() {
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        if (m_loop)
            pa_mainloop_free(m_loop);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool ready() const { return m_ready; }
    pa_context* context() const { return m_context; }

    // Runs the loop until `done` holds; false when the time is up or the connection fails first.
    template <typename Done> bool RunUntil(Done done) {
        while (!done()) {
            const qint64 left = m_timeoutMs - m_timer.elapsed();
            if (left <= 0 || pa_mainloop_prepare(m_loop, int(left * 1000)) < 0 ||
                pa_mainloop_poll(m_loop) < 0 || pa_mainloop_dispatch(m_loop) < 0)
                return false;
            if (m_ready && pa_context_get_state(m_context) != PA_CONTEXT_READY)
                return false;
        }
        return true;
    }

    // Waits for an operation; the operation is released either way.
    template <typename Done> bool Await(pa_operation* operation, Done done) {
        if (!operation)
            return false;
        const bool finished = RunUntil(done);
        if (!finished)
            pa_operation_cancel(operation);
        pa_operation_unref(operation);
        return finished;
    }

    DeviceState Describe(TAudioDirection direction, const QByteArray& device) {
        DeviceState state;
        const QByteArray name = NameOf(direction, device);
        pa_operation* op =
            direction == TAudioDirection::Output
                ? pa_context_get_sink_info_by_name(m_context, name.constData(), SinkInfo, &state)
                : pa_context_get_source_info_by_name(m_context, name.constData(), SourceInfo, &state);
        if (!Await(op, [&] { return state.done; }))
            state.found = false;
        return state;
    }

    static QByteArray NameOf(TAudioDirection direction, const QByteArray& device) {
        if (!device.isEmpty())
            return device;
        return direction == TAudioDirection::Output ? "@DEFAULT_SINK@" : "@DEFAULT_SOURCE@";
    }

private:
    int m_timeoutMs;
    QElapsedTimer m_timer;
    pa_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    bool m_ready = false;
};

} // namespace

std::uint32_t PulseVolumes::ToPulse(std::uint16_t level) {
    return std::uint32_t((std::uint64_t(level) * PA_VOLUME_NORM + 32767) / 65535);
}

std::uint16_t PulseVolumes::FromPulse(std::uint32_t volume) {
    const std::uint64_t level = (std::uint64_t(volume) * 65535 + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM;
    return std::uint16_t(std::min<std::uint64_t>(level, 65535));
}

std::optional<std::uint16_t> PulseVolumes::Volume(TAudioDirection direction, const QByteArray& device) const {
    Connection connection(m_timeoutMs);
    if (!connection.ready())
        return std::nullopt;
    const DeviceState state = connection.Describe(direction, device);
    if (!state.found)
        return std::nullopt;
    return FromPulse(pa_cvolume_max(&state.volume));
}

bool PulseVolumes::SetVolume(TAudioDirection direction, const QByteArray& device, std::uint16_t level) const {
    Connection connection(m_timeoutMs);
    if (!connection.ready())
        return false;
    const DeviceState state = connection.Describe(direction, device);
    if (!state.found)
        return false;
    pa_cvolume volume = state.volume;
    pa_cvolume_set(&volume, state.volume.channels, ToPulse(level));
    const QByteArray name = Connection::NameOf(direction, device);
    Outcome outcome;
    pa_operation* op = direction == TAudioDirection::Output
                           ? pa_context_set_sink_volume_by_name(connection.context(), name.constData(),
                                                                &volume, Finished, &outcome)
                           : pa_context_set_source_volume_by_name(connection.context(), name.constData(),
                                                                  &volume, Finished, &outcome);
    return connection.Await(op, [&] { return outcome.done; }) && outcome.success;
}

std::optional<int> PulseVolumes::AlsaCard(TAudioDirection direction, const QByteArray& device) const {
    Connection connection(m_timeoutMs);
    if (!connection.ready())
        return std::nullopt;
    return connection.Describe(direction, device).alsaCard;
}

} // namespace orv
