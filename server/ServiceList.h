#pragma once
// The services the server runs.

#include "Service.h"

#include <functional>
#include <memory>
#include <vector>

namespace orv::server {

class IServiceHost;

using Services = std::vector<std::unique_ptr<Service>>;
using ServiceFactory = std::function<Services(IServiceHost& host)>;

// Every service, in the order they register with the host.
Services createServices(IServiceHost& host);

} // namespace orv::server
