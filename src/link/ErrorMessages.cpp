#include "link/ErrorMessages.h"

#include <array>

namespace orv {
namespace {

const QString kBuiltInSupport = QStringLiteral("https://support.orvane-live.example/");
QString g_support = kBuiltInSupport;

constexpr std::array<const char*, ResultCode::Last + 1> kTexts = {
    "No Error",
    "Invalid Username or Password.",
    "Invalid Password or Username.",
    "You do not have permissions to attend this session.",
    "Your subscription for this virtual room is not yet confirmed.",
    "Your subscription for this virtual room is temporarily on hold.",
    "Your subscription for this virtual room has expired.",
    "This session is still unavailable.",
    "This session is temporarily unavailable.",
    "This session has expired.",
    "Your account is temporarily blocked.",
    "Failed getting voice server settings.",
    "Failed communicating with voice server.\r\nPlease, make sure you are connected to internet and "
    "\r\nthere is no "
    "firewall or proxy blocking the communication.\r\nIf the problem persists ask your system administrator "
    "for "
    "further assistance",
    "Unable to establish a connection to the remote server.\r\nPlease, make sure you are connected to the "
    "Internet "
    "and \r\nthere is no Proxy or Firewall blocking the communication.\r\nIf the problem persists ask your "
    "system "
    "administrator for further assistance.",
    "Unable to activate local voice engine.\r\nPlease make sure you have all audio drivers installed on your "
    "system "
    "and",
    "Another user is already logged in with this user ID.",
    "This file already exists on server.",
    "The file you are trying to access does not exist on server.",
    "Invalid Virtual Room Number.",
    "SYS: Empty queue. Contact Orvane site for support assistance on",
    "SYS: Wrong verification code. Contact Orvane site for support assistance on",
    "Your Orvane Live version is too old. You need to update it.\r\nPlease, visit our web site to get latest "
    "Orvane "
    "Live version",
    "Error occurred while trying to upload resource.",
    "Error occurred while trying to delete remote resource. It may be in use by another user.",
    "SYS: Resource does not exist on server.",
    "SYS: Unable to delete resource.",
    "You do not have permission to access the microphone.",
    "You do not have permission to access white board.",
    "Your account has expired.",
    "There are no items on server.",
    "Unable to open file. Please try again.",
    "You do not have permission to do this.",
    "There are no items on server.",
    "Error performing this operation.",
    "There are no entries on server.",
    "Unable to initialize the Audio engine !\r\nThis may be due to a problem in your audio device or a "
    "system audio "
    "codec is missing.\r\nPlease make sure your audio devices are properly installed and you have the "
    "necessary "
    "drivers.\r\nIf the problem persists contact a system administrator or write to",
    "Unable to join this virtual classroom.",
    "Reached End Of File.",
    "Playback is temporarily disabled on the server.",
    "Orvane Recording Module is not installed. \r\nPlease install a new version of Orvane Browser.",
    "Unable to start application sharing.",
    "Failed to update snapshot.",
    "A Session Recorder is already running.",
    "Application sharing is already in progress.",
    "Application Sharing is stopped.",
    "The Session Recorder is already stopped.",
    "Invalid Parameter.",
    "Video broadcast is not available at the moment.",
    "Video frame is not available.",
    "Video is not allowed.",
    "System message: Video frame was skipped.",
    "This virtual room is full.",
    "No more seats available. (Subscriber's capacity exceeded)",
    "The server can't accept more connections at the moment.",
    "There are no more free microphones in the virtual room.",
    "The primary account of the host has expired.",
    "The subscription of the host has been put on hold.",
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
        return QString("Unknown error reported by the server (code %1).").arg(code);
    QString text = QString::fromLatin1(kTexts[std::size_t(code)]);
    if (code == 19 || code == 20 || code == ResultCode::AudioEngineFailed)
        text += ' ' + g_support;
    return text;
}

QString AccessDeniedMessage(int code) {
    return QString("Access Denied ! [with message code: %1]").arg(code) + "\r\n" +
           "Error description is: " + "\r\n" + ErrorText(code);
}

} // namespace orv
