#pragma once
// What OK in the settings window sets in motion beyond saving. The modules that act on these implement it;
// the session hands the window one fan-out over all of them.

#include <vector>

namespace orv {

class ISettingsEffects {
public:
    virtual ~ISettingsEffects() = default;
    virtual void SetMicrophoneCount(int count) = 0;
    virtual void SetAudioCodec(int codec) = 0;
    virtual void ReconnectVoice() = 0;
    virtual void ApplyAudioBufferSize(int size) = 0;
    virtual void ApplySharingRefreshRate(int ms) = 0;
};

// Passes every effect to each module that takes part, in module order.
class TSettingsEffectsFanOut final : public ISettingsEffects {
public:
    void Add(ISettingsEffects* effects) { m_targets.push_back(effects); }

    void SetMicrophoneCount(int count) override {
        for (ISettingsEffects* t : m_targets)
            t->SetMicrophoneCount(count);
    }
    void SetAudioCodec(int codec) override {
        for (ISettingsEffects* t : m_targets)
            t->SetAudioCodec(codec);
    }
    void ReconnectVoice() override {
        for (ISettingsEffects* t : m_targets)
            t->ReconnectVoice();
    }
    void ApplyAudioBufferSize(int size) override {
        for (ISettingsEffects* t : m_targets)
            t->ApplyAudioBufferSize(size);
    }
    void ApplySharingRefreshRate(int ms) override {
        for (ISettingsEffects* t : m_targets)
            t->ApplySharingRefreshRate(ms);
    }

private:
    std::vector<ISettingsEffects*> m_targets;
};

} // namespace orv
