#pragma once
// What other subsystems ask of the file transfers: uploads, downloads and participants' pictures. The
// resources module carries each out on a connection and a thread of its own and reports the end as posted
// application messages.

#include "protocol/TransferMessages.h"

#include <QString>

namespace orv {

class IMessageSink;

// What a notified window hears of a download besides its upload-done number; the main window's numbers, as
// the main window may be the one notified.
namespace MainMsg {
constexpr int PictureDownloaded = 1;  // participant, 0 success / 1 failure
constexpr int AcknowledgeContent = 8; // presenter, 0: a presented document or picture arrived
} // namespace MainMsg
namespace PersonalInfoMsg {
constexpr int PictureDownloaded = MainMsg::PictureDownloaded;
} // namespace PersonalInfoMsg

// A window told how its transfer ended: upload-done (whose number depends on the window), picture-loaded and
// resource-shown. The sink outlives the session's end.
struct TNotifyWindow {
    IMessageSink* sink = nullptr; // none: nobody is told
    int uploadDone = 0;
};

struct TDownloadOrder {
    QString name;                  // the resource's file name on the server
    QString localPath;             // where the file is written, whatever the server's reply says
    QString description;           // a slide's presentation key; otherwise as the list gave it
    std::int32_t board = -1;       // library images and slides: the board drawn on, -1 the current one
    std::uint16_t participant = 0; // who presented it, or whose picture it is
    TNotifyWindow notify;
    TTransferKind kind = tkDocument;
    bool openAfter = false; // a document: opened with the desktop's application once written
};

class IResourceTransfers {
public:
    virtual ~IResourceTransfers() = default;
    // From the main thread; the transfer runs on, the call returns at once.
    virtual void StartUpload(const QString& path, const QString& description, TNotifyWindow notify,
                             TTransferKind kind) = 0;
    virtual void StartDownload(const TDownloadOrder& order) = 0;
    // The picture of `userId` into the user pictures folder, as USERID.jpg.
    virtual void DownloadUserPicture(std::uint16_t userId, TNotifyWindow notify) = 0;
    // From a worker thread: runs one upload to its end and tells whether the server kept the file.
    virtual bool UploadAndWait(const QString& path, const QString& description, std::int32_t itemCount,
                               TTransferKind kind) = 0;
};

} // namespace orv
