#include "platform/HttpDownload.h"

#include "platform/CurlHandle.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace orv {
namespace {

CurlHandle newHandle(const std::string& url, int timeoutMs) {
    CurlHandle curl = NewCurlHandle();
    if (curl) {
        curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl.get(), CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, long(timeoutMs));
    }
    return curl;
}

struct GetState {
    CURL* curl;
    const THttpSink& sink;
    const std::atomic<bool>& abort;
    const std::atomic<bool>* pause;
    bool paused = false;
};

size_t writeBody(char* data, size_t, size_t size, void* user) {
    auto* state = static_cast<GetState*>(user);
    if (state->abort)
        return 0; // curl ends the transfer with a write error
    if (state->pause && *state->pause) {
        // curl keeps this piece and offers it again once the transfer goes on.
        state->paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    return state->sink(data, size) ? size : 0;
}

// Called about once a second, paused or not: abandons, or lets a paused transfer go on.
int pauseOrAbort(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* state = static_cast<GetState*>(user);
    if (state->abort)
        return 1;
    if (state->paused && !(state->pause && *state->pause)) {
        state->paused = false;
        curl_easy_pause(state->curl, CURLPAUSE_CONT);
    }
    return 0;
}

} // namespace

long HttpHead(const QString& url, int timeoutMs) {
    const std::string address = url.toStdString();
    auto curl = newHandle(address, timeoutMs);
    if (!curl)
        return 0;
    curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, long(timeoutMs));
    if (curl_easy_perform(curl.get()) != CURLE_OK)
        return 0;
    long code = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &code);
    return code;
}

bool HttpGet(const QString& url, const THttpSink& sink, const std::atomic<bool>& abort,
             const std::atomic<bool>* pause, int connectTimeoutMs) {
    const std::string address = url.toStdString();
    auto curl = newHandle(address, connectTimeoutMs);
    if (!curl)
        return false;
    GetState state{curl.get(), sink, abort, pause};
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, pauseOrAbort);
    curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &state);
    // A server that stops sending for a minute has gone.
    curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_TIME, 60L);
    if (curl_easy_perform(curl.get()) != CURLE_OK)
        return false;
    long code = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &code);
    return code == 200;
}

} // namespace orv
