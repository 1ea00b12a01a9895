#pragma once
// The rooms' libraries on the control connection: the lists of documents, library images and presentations
// from the file store, deleting from them for those with library rights, and what a participant presents
// to the room: a document to open is relayed to the others; a library image or a slide for a public board
// is relayed too and kept in that board's history, so that those who join later see it as well.

#include "Service.h"

#include <cstdint>

namespace orv {
struct TIncomingPacket;
}

namespace orv::server {

class ClientConnection;
class IBoardContent;
class IServiceHost;

class LibraryService final : public Service {
public:
    LibraryService(IServiceHost& host, IBoardContent& boards);

private:
    void answerList(ClientConnection& requester, std::uint16_t command);
    void erase(ClientConnection& requester, const TIncomingPacket& packet);
    void push(ClientConnection& sender, const TIncomingPacket& packet);

    IServiceHost& m_host;
    IBoardContent& m_boards;
};

} // namespace orv::server
