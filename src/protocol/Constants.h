#pragma once
// The numbers both ends agree on, each in one place: the client's identity, the default port and the
// limits that keep a peer from making us allocate or wait without bound.

#include <cstdint>

namespace orv {

// The version the client reports in its version record and writes to the settings at start-up.
inline constexpr const char* kClientVersion = "4.9.1";
inline constexpr const char* kClientBuildDate = "Jul-16-2007";

// The control connection's port when none is given.
inline constexpr std::uint16_t kDefaultControlPort = 9910;

// The declared connection speed in bytes per second when none is stored.
inline constexpr std::int32_t kDefaultConnectionSpeed = 65536;

// A control packet's payload beyond this is refused: the connection is closed, nothing is allocated.
inline constexpr std::int32_t kMaxControlPayload = 32 * 1024 * 1024;
// The largest banner or update file the client accepts during sign-in.
inline constexpr std::uint32_t kMaxSignInFileBytes = 64u * 1024 * 1024;
// The largest participant picture.
inline constexpr std::int32_t kMaxPictureBytes = 51200;

} // namespace orv
