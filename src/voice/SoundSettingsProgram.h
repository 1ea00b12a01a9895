#pragma once
// The desktop's sound settings, which stand where the system's mixer program stood: the PulseAudio volume
// control when installed, else the desktop's own sound panel. Each page names what the user wants to see.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace orv {

enum class TSoundSettingsPage { General, Playback, Recording };

struct TSoundSettingsCommand {
    QString program; // as found on the search path
    QStringList arguments;
};

// `findExecutable` gives the path of a program name, empty when it is not installed.
std::optional<TSoundSettingsCommand>
FindSoundSettings(TSoundSettingsPage page, const std::function<QString(const QString&)>& findExecutable);

} // namespace orv
