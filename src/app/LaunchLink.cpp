#include "app/LaunchLink.h"

#include <QStringList>
#include <QUrl>

namespace orv {

bool ParseLinkFields(const QString& text, TLaunchMode mode, TLaunchValues& values) {
    values = {};
    const QStringList fields = text.split(',');
    if (fields.size() != 5 || fields[0].trimmed().isEmpty())
        return false;
    bool ok = false;
    const int trimmedPort = fields[1].trimmed().toInt(&ok);
    if (!ok || trimmedPort <= 0)
        return false;
    // The port must convert as it stands: a field with a space around it clears everything.
    const int port = fields[1].toInt(&ok);
    if (!ok || fields[1] != fields[1].trimmed() || port > 65535)
        return false;
    TLaunchValues parsed;
    parsed.host = fields[0];
    parsed.port = port;
    parsed.userName = fields[2];
    parsed.password = fields[3];
    if (mode == TLaunchMode::Join) {
        parsed.room = fields[4].toInt(&ok);
        if (!ok || parsed.room == 0)
            return false;
    } else {
        parsed.sessionName = fields[4];
        if (parsed.sessionName.isEmpty())
            return false;
    }
    values = parsed;
    return true;
}

TLaunch ParseLaunchArgument(const QString& argument) {
    TLaunch launch;
    QString text = argument.trimmed();
    if (text.isEmpty())
        return launch;
    if (text.endsWith('/'))
        text.chop(1);
    const auto takeLink = [&](const QString& scheme, TLaunchMode mode) {
        launch.rest = text.mid(scheme.size());
        launch.mode = ParseLinkFields(launch.rest, mode, launch.values) ? mode : TLaunchMode::SignInWindow;
    };
    if (text.startsWith("ORVJOIN://", Qt::CaseInsensitive)) {
        takeLink("ORVJOIN://", TLaunchMode::Join);
    } else if (text.startsWith("ORVJOINS://", Qt::CaseInsensitive)) {
        takeLink("ORVJOINS://", TLaunchMode::Join);
        launch.encrypted = launch.mode == TLaunchMode::Join;
    } else if (text.startsWith("ORVPLAY://", Qt::CaseInsensitive)) {
        takeLink("ORVPLAY://", TLaunchMode::PlayFromServer);
    } else if (text.startsWith("ORVURL://", Qt::CaseInsensitive)) {
        launch.mode = TLaunchMode::PlayFromAddress;
        launch.rest = "http://" + text.mid(9);
    } else if (text.startsWith("file://", Qt::CaseInsensitive)) {
        // The desktop hands files over as URLs; the trailing slash was never part of a file name.
        launch.mode = TLaunchMode::LocalFile;
        launch.rest = QUrl(argument.trimmed()).toLocalFile();
    } else {
        launch.mode = TLaunchMode::LocalFile;
        launch.rest = argument.trimmed();
    }
    return launch;
}

} // namespace orv
