// One line per subsystem: a new service adds its file and its line here.
#include "ServiceList.h"

#include "AppShareService.h"
#include "BoardService.h"
#include "ChatService.h"
#include "LibraryService.h"
#include "ModerationService.h"
#include "PollService.h"
#include "RecordingService.h"
#include "RoomService.h"
#include "RosterService.h"
#include "SignInService.h"
#include "VideoService.h"
#include "VoiceService.h"
#include "WebTourService.h"

namespace orv::server {

Services createServices(IServiceHost& host) {
    return createServicesWithClock(host, {});
}

Services createServicesWithClock(IServiceHost& host, std::function<std::int64_t()> clock) {
    Services services;
    services.push_back(std::make_unique<SignInService>(host, std::move(clock)));
    services.push_back(std::make_unique<RoomService>(host));
    services.push_back(std::make_unique<RosterService>(host));
    auto board = std::make_unique<BoardService>(host);
    IBoardContent& boardContent = *board;
    services.push_back(std::move(board));
    services.push_back(std::make_unique<ChatService>(host));
    services.push_back(std::make_unique<PollService>(host));
    auto recording = std::make_unique<RecordingService>(host);
    services.push_back(std::make_unique<VoiceService>(host, *recording));
    services.push_back(std::move(recording));
    services.push_back(std::make_unique<VideoService>(host));
    services.push_back(std::make_unique<AppShareService>(host));
    services.push_back(std::make_unique<ModerationService>(host));
    services.push_back(std::make_unique<LibraryService>(host, boardContent));
    services.push_back(std::make_unique<WebTourService>(host));
    return services;
}

} // namespace orv::server
