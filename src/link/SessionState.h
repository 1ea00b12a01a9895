#pragma once
// What the session knows of the signed-in user and the room: filled by signing in and entering a room,
// read by every subsystem. The session owns one and hands it to its modules.

#include "platform/ProxyConnector.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace orv {

enum class TLaunchMode {
    SignInWindow = 0,    // no argument: sign in through the window, then choose a room
    LocalFile = 1,       // play a local recorded-session file
    Join = 2,            // ORVJOIN://host,port,user,password,room
    PlayFromServer = 3,  // ORVPLAY://host,port,user,password,session name
    PlayFromAddress = 4, // ORVURL://address, played from "http://" + address
};

struct TSessionState {
    TLaunchMode launchMode = TLaunchMode::SignInWindow;

    // The control connection in use; the voice and bulk-transfer connections go to the same host, through
    // the same proxy.
    QString serverHost;
    std::uint16_t serverPort = 0;
    TProxySettings proxy;
    TServerTls tls; // the control connection's encryption, which the others follow
    std::int32_t voicePort = 0;
    std::int32_t bulkPort = 0;

    TAccountRecord account;
    TStartupInfo startup;
    QString bannerPath; // the banner saved from the start-up information, or empty
    std::vector<TRoomListEntry> roomList;

    std::int32_t chosenRoom = 0;
    bool inRoom = false;
    QDateTime sessionStart;
    TRoomRecord room;
    QString welcomePage;
    // The room's voice settings; a moderator may change them during the session.
    std::int32_t audioCodec = 0;
    std::int32_t microphoneCount = 1;
    // The user's own rights in the room: the microphone, the public boards, the camera.
    bool OwnMicAllowed = false;
    bool OwnBoardAllowed = false;
    bool OwnCamAllowed = false;
    // The participant holding the public board, 0 for nobody.
    std::uint16_t boardHolder = 0;

    bool IsModerator() const { return account.IsModerator(); }
    bool IsPlayback() const {
        return launchMode == TLaunchMode::LocalFile || launchMode == TLaunchMode::PlayFromServer ||
               launchMode == TLaunchMode::PlayFromAddress;
    }
    // Keeps the room record and takes its codec and talker count as the session's.
    void TakeRoom(const TRoomRecord& record) {
        room = record;
        audioCodec = record.AudioCodec();
        microphoneCount = record.MicrophoneCount();
    }
    void MarkEntered(const QDateTime& now) {
        inRoom = true;
        sessionStart = now;
    }
};

} // namespace orv
