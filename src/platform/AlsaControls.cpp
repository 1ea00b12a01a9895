#include "platform/AlsaControls.h"

#include <alsa/asoundlib.h>

#include <memory>
#include <string>

namespace orv::AlsaControls {
namespace {

using MixerHandle = std::unique_ptr<snd_mixer_t, decltype(&snd_mixer_close)>;

MixerHandle Open(int card) {
    snd_mixer_t* raw = nullptr;
    if (card < 0 || snd_mixer_open(&raw, 0) < 0)
        return {nullptr, &snd_mixer_close};
    MixerHandle mixer(raw, &snd_mixer_close);
    const std::string name = "hw:" + std::to_string(card);
    if (snd_mixer_attach(raw, name.c_str()) < 0 || snd_mixer_selem_register(raw, nullptr, nullptr) < 0 ||
        snd_mixer_load(raw) < 0)
        return {nullptr, &snd_mixer_close};
    return mixer;
}

// How a control is reached: the first of capture volume, playback (or common) volume, capture switch,
// playback switch that it has.
enum class Kind { CaptureVolume, PlaybackVolume, CaptureSwitch, PlaybackSwitch, None };

Kind KindOf(snd_mixer_elem_t* e) {
    if (snd_mixer_selem_has_capture_volume(e))
        return Kind::CaptureVolume;
    if (snd_mixer_selem_has_playback_volume(e))
        return Kind::PlaybackVolume;
    if (snd_mixer_selem_has_capture_switch(e))
        return Kind::CaptureSwitch;
    if (snd_mixer_selem_has_playback_switch(e))
        return Kind::PlaybackSwitch;
    return Kind::None;
}

bool HasChannel(snd_mixer_elem_t* e, Kind kind, snd_mixer_selem_channel_id_t c) {
    const bool capture = kind == Kind::CaptureVolume || kind == Kind::CaptureSwitch;
    return capture ? snd_mixer_selem_has_capture_channel(e, c) : snd_mixer_selem_has_playback_channel(e, c);
}

bool Read(snd_mixer_elem_t* e, Kind kind, snd_mixer_selem_channel_id_t c, long& value) {
    int on = 0;
    switch (kind) {
    case Kind::CaptureVolume:
        return snd_mixer_selem_get_capture_volume(e, c, &value) >= 0;
    case Kind::PlaybackVolume:
        return snd_mixer_selem_get_playback_volume(e, c, &value) >= 0;
    case Kind::CaptureSwitch:
        if (snd_mixer_selem_get_capture_switch(e, c, &on) < 0)
            return false;
        value = on;
        return true;
    case Kind::PlaybackSwitch:
        if (snd_mixer_selem_get_playback_switch(e, c, &on) < 0)
            return false;
        value = on;
        return true;
    case Kind::None:
        break;
    }
    return false;
}

bool Write(snd_mixer_elem_t* e, Kind kind, snd_mixer_selem_channel_id_t c, long value) {
    switch (kind) {
    case Kind::CaptureVolume:
        return snd_mixer_selem_set_capture_volume(e, c, value) >= 0;
    case Kind::PlaybackVolume:
        return snd_mixer_selem_set_playback_volume(e, c, value) >= 0;
    case Kind::CaptureSwitch:
        return snd_mixer_selem_set_capture_switch(e, c, value != 0) >= 0;
    case Kind::PlaybackSwitch:
        return snd_mixer_selem_set_playback_switch(e, c, value != 0) >= 0;
    case Kind::None:
        break;
    }
    return false;
}

std::optional<TMixerControl> Describe(snd_mixer_elem_t* e) {
    const Kind kind = KindOf(e);
    if (kind == Kind::None)
        return std::nullopt;
    TMixerControl control;
    control.name = QString::fromUtf8(snd_mixer_selem_get_name(e));
    control.index = int(snd_mixer_selem_get_index(e));
    control.isSwitch = kind == Kind::CaptureSwitch || kind == Kind::PlaybackSwitch;
    if (kind == Kind::CaptureVolume)
        snd_mixer_selem_get_capture_volume_range(e, &control.minimum, &control.maximum);
    else if (kind == Kind::PlaybackVolume)
        snd_mixer_selem_get_playback_volume_range(e, &control.minimum, &control.maximum);
    for (int c = 0; c <= SND_MIXER_SCHN_LAST; ++c) {
        const auto channel = snd_mixer_selem_channel_id_t(c);
        long value = 0;
        if (HasChannel(e, kind, channel) && Read(e, kind, channel, value))
            control.channels.push_back(value);
    }
    return control;
}

} // namespace

std::optional<std::vector<TMixerControl>> List(int card) {
    const MixerHandle mixer = Open(card);
    if (!mixer)
        return std::nullopt;
    std::vector<TMixerControl> controls;
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer.get()); e; e = snd_mixer_elem_next(e))
        if (const auto control = Describe(e))
            controls.push_back(*control);
    return controls;
}

bool Set(int card, const TMixerControl& control) {
    const MixerHandle mixer = Open(card);
    if (!mixer)
        return false;
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    const QByteArray name = control.name.toUtf8();
    snd_mixer_selem_id_set_name(id, name.constData());
    snd_mixer_selem_id_set_index(id, unsigned(control.index));
    snd_mixer_elem_t* e = snd_mixer_find_selem(mixer.get(), id);
    if (!e)
        return false;
    const Kind kind = KindOf(e);
    std::size_t next = 0;
    for (int c = 0; c <= SND_MIXER_SCHN_LAST && next < control.channels.size(); ++c) {
        const auto channel = snd_mixer_selem_channel_id_t(c);
        if (HasChannel(e, kind, channel) && !Write(e, kind, channel, control.channels[next++]))
            return false;
    }
    return next > 0;
}

} // namespace orv::AlsaControls
