#pragma once
// Loading a public board's history, on entering a room or when asked: every drawing batch, text, image,
// clearing, slide and library image the server kept for the board, drawn in order; library images and slides
// named by their files are downloaded. The progress window counts the items.

#include "protocol/IncomingPacket.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace orv {

class IResourceTransfers;
class Whiteboard;
struct TEmbeddedPacket;
struct TSessionContext;

class TBoardHistoryLoader {
    // Its texts keep the translation context of the board sharing they were first written for.
    Q_DECLARE_TR_FUNCTIONS(orv::TBoardSharing)

public:
    TBoardHistoryLoader(TSessionContext& context, Whiteboard& boards, std::function<void()> changed);

    // Library images and slides named in a history download through these, into `temporaryFolder`.
    void SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder);

    void Request(int board);
    // While a history is read the boards do not take the mouse.
    bool Loading() const { return m_loading; }
    // A board's history (cmLoadBoard), live or replayed.
    void Receive(const TIncomingPacket& packet);
    // The board-history-progress message: count 0 or less ends the loading of `board`.
    void ShowLoading(int board, int count);

private:
    // One embedded packet of a history, drawn on the board it names; false when it could not be.
    bool apply(const TEmbeddedPacket& entry, std::uint16_t requester);

    TSessionContext& m_context;
    Whiteboard& m_boards;
    std::function<void()> m_changed;
    IResourceTransfers* m_transfers = nullptr;
    QString m_temporaryFolder;
    bool m_loading = false;
};

} // namespace orv
