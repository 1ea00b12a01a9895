#include "playback/RecordedPacketRoute.h"

#include "link/Dispatcher.h"
#include "protocol/CommandCatalogue.h"
#include "protocol/LibraryMessages.h"

#include <QDebug>

namespace orv {

void RouteRecordedPacket(const TRecordedPacketRoutes& routes, const TPacketHeader& header,
                         QByteArrayView stream) {
    const TIncomingPacket packet{header, stream};
    try {
        switch (header.Command) {
        case cmDownloadDocument:
        case cmDownloadImage:
        case cmDownloadPicture:
        case cmDownloadPresentation:
            if (routes.recordedResource)
                routes.recordedResource(packet);
            return;
        case cmPushDocument:
        case cmPushImage:
        case cmPushPresentation: {
            auto reader = packet.payload();
            const TResourcePushMessage pushed = TResourcePushMessage::decode(reader);
            if (header.Command != cmPushDocument && routes.showBoard)
                routes.showBoard(pushed.board);
            return;
        }
        default:
            if (routes.dispatcher)
                routes.dispatcher->DispatchPacket(header, stream);
        }
    } catch (const std::exception& e) {
        qWarning() << "replayed packet" << header.Command << "skipped:" << e.what();
    }
}

} // namespace orv
