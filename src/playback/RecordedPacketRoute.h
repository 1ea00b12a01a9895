#pragma once
// Where a replayed packet goes: recorded resource downloads to the boards, pushed images and slides switch
// the shown board, everything else to the live dispatcher. A packet its handler cannot take is skipped.

#include "protocol/IncomingPacket.h"
#include "protocol/PacketHeader.h"

#include <QByteArrayView>

#include <functional>

namespace orv {

class TPacketDispatcher;

struct TRecordedPacketRoutes {
    TPacketDispatcher* dispatcher = nullptr;
    // A recorded document, image, picture or slide download (19, 21, 35, 54).
    std::function<void(const TIncomingPacket&)> recordedResource;
    // Shows a public board (a recorded pushed image or slide).
    std::function<void(int board)> showBoard;
};

// Main thread.
void RouteRecordedPacket(const TRecordedPacketRoutes& routes, const TPacketHeader& header,
                         QByteArrayView stream);

} // namespace orv
