#pragma once
// One subsystem's part of the server. A service registers what it answers with the host in its constructor
// and lives as long as the server; it reaches clients only through the host.

namespace orv::server {

class Service {
public:
    virtual ~Service() = default;

protected:
    Service() = default;
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;
};

} // namespace orv::server
