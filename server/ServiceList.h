#pragma once
// The services the server runs.

#include "Service.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orv::server {

class IServiceHost;

using Services = std::vector<std::unique_ptr<Service>>;
using ServiceFactory = std::function<Services(IServiceHost& host)>;

// Every service, in the order they register with the host.
Services createServices(IServiceHost& host);
// The same, with the monotonic clock (milliseconds) that times failed sign-ins given.
Services createServicesWithClock(IServiceHost& host, std::function<std::int64_t()> clock);

} // namespace orv::server
