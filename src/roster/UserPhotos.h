#pragma once
// Participants' photos: one JPEG per user, USERID.jpg in the user pictures folder, fetched from the server
// through the file transfers when it is not there yet.

#include <QString>

#include <cstdint>

namespace orv {

class IMessageSink;
class IResourceTransfers;
struct TSessionState;

class TUserPhotos {
public:
    explicit TUserPhotos(const TSessionState& state) : m_state(state) {}

    void SetTransfers(IResourceTransfers* transfers, const QString& folder) {
        m_transfers = transfers;
        m_folder = folder;
    }
    // Where the user's photo is kept; empty while there is no folder.
    QString PathOf(std::uint16_t userId) const;
    // Asks the server for the photo; `notify` hears MainMsg::PictureDownloaded (user, 0 success). Nothing
    // in a recording or without transfers; false then.
    bool Request(std::uint16_t userId, IMessageSink* notify) const;
    // Uploads the file as the user's own photo; false without transfers or in a recording.
    bool Upload(const QString& path) const;
    // Even when the file is here already (the card always fetches it afresh); never in a recording.
    bool IsPlayback() const;

private:
    const TSessionState& m_state;
    IResourceTransfers* m_transfers = nullptr;
    QString m_folder;
};

} // namespace orv
