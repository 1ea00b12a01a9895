#pragma once
// A mixer for tests: volumes of the devices it knows, the controls of one input card, and whether it can
// be reached at all.

#include "platform/AudioMixer.h"

#include <map>
#include <utility>

namespace orv::test {

class FakeMixer final : public IAudioMixer {
public:
    bool reachable = true;
    std::map<std::pair<TAudioDirection, QByteArray>, std::uint16_t> volumes; // the devices there are
    std::optional<std::vector<TMixerControl>> controls;                      // of the input's card
    std::vector<TMixerControl> written;

    std::optional<std::uint16_t> Volume(TAudioDirection direction, const QByteArray& device) override {
        const auto it = volumes.find({direction, device});
        if (!reachable || it == volumes.end())
            return std::nullopt;
        return it->second;
    }
    bool SetVolume(TAudioDirection direction, const QByteArray& device, std::uint16_t level) override {
        const auto it = volumes.find({direction, device});
        if (!reachable || it == volumes.end())
            return false;
        it->second = level;
        return true;
    }
    std::optional<std::vector<TMixerControl>> InputControls(const QByteArray&) override {
        return reachable ? controls : std::nullopt;
    }
    bool SetInputControl(const QByteArray&, const TMixerControl& control) override {
        if (!reachable || !controls)
            return false;
        written.push_back(control);
        for (TMixerControl& c : *controls)
            if (c.name == control.name && c.index == control.index)
                c.channels = control.channels;
        return true;
    }
};

} // namespace orv::test
