#include "voice/SoundSettingsProgram.h"

namespace orv {

std::optional<TSoundSettingsCommand>
FindSoundSettings(TSoundSettingsPage page, const std::function<QString(const QString&)>& findExecutable) {
    // pavucontrol's tabs: 3 output devices, 4 input devices.
    const QStringList pavucontrolTab = page == TSoundSettingsPage::Playback    ? QStringList{"--tab=3"}
                                       : page == TSoundSettingsPage::Recording ? QStringList{"--tab=4"}
                                                                               : QStringList{};
    const std::pair<const char*, QStringList> candidates[] = {
        {"pavucontrol", pavucontrolTab},     {"pavucontrol-qt", {}},
        {"gnome-control-center", {"sound"}}, {"kcmshell6", {"kcm_pulseaudio"}},
        {"kcmshell5", {"kcm_pulseaudio"}},   {"mate-volume-control", {}},
    };
    for (const auto& [name, arguments] : candidates) {
        const QString path = findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return TSoundSettingsCommand{path, arguments};
    }
    return std::nullopt;
}

} // namespace orv
