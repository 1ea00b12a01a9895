#pragma once
// Plain HTTP for recorded sessions on the web: a HEAD to see whether an address answers, and a GET that
// streams the body to a sink as it arrives. Both can be abandoned from another thread.

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

namespace orv {

// The response code of a HEAD request, or 0 when no answer came within `timeoutMs`.
long HttpHead(const QString& url, int timeoutMs = 20000);

// Receives each piece of the body; returning false ends the transfer.
using THttpSink = std::function<bool(const char* data, std::size_t size)>;

// Fetches `url` into `sink`. True when the whole body arrived with code 200. Ends early, returning false,
// once `abort` is set. While `pause` is set nothing more is received; a paused transfer is not taken for a
// stalled server.
bool HttpGet(const QString& url, const THttpSink& sink, const std::atomic<bool>& abort,
             const std::atomic<bool>* pause = nullptr, int connectTimeoutMs = 20000);

} // namespace orv
