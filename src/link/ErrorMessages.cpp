#include "link/ErrorMessages.h"

#include <QCoreApplication>

#include <array>

namespace orv {
namespace {

const QString kBuiltInSupport = QStringLiteral("https://support.orvane-live.example/");
QString g_support = kBuiltInSupport;

constexpr std::array<const char*, ResultCode::Last + 1> kTexts = {
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "No Error"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Invalid Username or Password."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Invalid Password or Username."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "You do not have permissions to attend this session."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Your subscription for this virtual room is not yet confirmed."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages",
                      "Your subscription for this virtual room is temporarily on hold."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Your subscription for this virtual room has expired."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "This session is still unavailable."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "This session is temporarily unavailable."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "This session has expired."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Your account is temporarily blocked."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Failed getting voice server settings."),
    QT_TRANSLATE_NOOP(
        "orv::ErrorMessages",
        "Failed communicating with voice server.\r\nPlease, make sure you are connected to internet and "
        "\r\nthere is no "
        "firewall or proxy blocking the communication.\r\nIf the problem persists ask your system "
        "administrator "
        "for "
        "further assistance"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Unable to establish a connection to the remote "
                                            "server.\r\nPlease, make sure you are connected to the "
                                            "Internet "
                                            "and \r\nthere is no Proxy or Firewall blocking the "
                                            "communication.\r\nIf the problem persists ask your "
                                            "system "
                                            "administrator for further assistance."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Unable to activate local voice engine.\r\nPlease make sure you "
                                            "have all audio drivers installed on your "
                                            "system "
                                            "and"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Another user is already logged in with this user ID."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "This file already exists on server."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "The file you are trying to access does not exist on server."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Invalid Virtual Room Number."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages",
                      "SYS: Empty queue. Contact Orvane site for support assistance on"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages",
                      "SYS: Wrong verification code. Contact Orvane site for support assistance on"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Your Orvane Live version is too old. You need to update "
                                            "it.\r\nPlease, visit our web site to get latest "
                                            "Orvane "
                                            "Live version"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Error occurred while trying to upload resource."),
    QT_TRANSLATE_NOOP(
        "orv::ErrorMessages",
        "Error occurred while trying to delete remote resource. It may be in use by another user."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "SYS: Resource does not exist on server."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "SYS: Unable to delete resource."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "You do not have permission to access the microphone."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "You do not have permission to access white board."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Your account has expired."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "There are no items on server."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Unable to open file. Please try again."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "You do not have permission to do this."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "There are no items on server."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Error performing this operation."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "There are no entries on server."),
    QT_TRANSLATE_NOOP(
        "orv::ErrorMessages",
        "Unable to initialize the Audio engine !\r\nThis may be due to a problem in your audio device or a "
        "system audio "
        "codec is missing.\r\nPlease make sure your audio devices are properly installed and you have the "
        "necessary "
        "drivers.\r\nIf the problem persists contact a system administrator or write to"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Unable to join this virtual classroom."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Reached End Of File."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Playback is temporarily disabled on the server."),
    QT_TRANSLATE_NOOP(
        "orv::ErrorMessages",
        "Orvane Recording Module is not installed. \r\nPlease install a new version of Orvane Browser."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Unable to start application sharing."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Failed to update snapshot."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "A Session Recorder is already running."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Application sharing is already in progress."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Application Sharing is stopped."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "The Session Recorder is already stopped."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Invalid Parameter."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Video broadcast is not available at the moment."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Video frame is not available."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "Video is not allowed."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "System message: Video frame was skipped."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "This virtual room is full."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "No more seats available. (Subscriber's capacity exceeded)"),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "The server can't accept more connections at the moment."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "There are no more free microphones in the virtual room."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "The primary account of the host has expired."),
    QT_TRANSLATE_NOOP("orv::ErrorMessages", "The subscription of the host has been put on hold."),
};

} // namespace

QString SupportAddress() {
    return g_support;
}

void SetSupportAddress(const QString& address) {
    g_support = address.isEmpty() ? kBuiltInSupport : address;
}

QString ErrorText(int code) {
    if (code < 0 || code > ResultCode::Last)
        return QCoreApplication::translate("orv::ErrorMessages",
                                           "Unknown error reported by the server (code %1).")
            .arg(code);
    QString text = QCoreApplication::translate("orv::ErrorMessages", kTexts[std::size_t(code)]);
    if (code == 19 || code == 20 || code == ResultCode::AudioEngineFailed)
        text += ' ' + g_support;
    return text;
}

QString AccessDeniedMessage(int code) {
    return QCoreApplication::translate("orv::ErrorMessages", "Access Denied ! [with message code: %1]")
               .arg(code) +
           "\r\n" + QCoreApplication::translate("orv::ErrorMessages", "Error description is: ") + "\r\n" +
           ErrorText(code);
}

} // namespace orv
