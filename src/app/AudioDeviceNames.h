#pragma once
// The audio device lists the settings offer: line 0 is the system's default device, then every device
// the sound system reports.

#include <QStringList>

namespace orv {

QStringList AudioOutputNames();
QStringList AudioInputNames();

} // namespace orv
