#pragma once
// A libcurl easy handle that cleans itself up, made after libcurl's one global set-up.

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace orv {

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;

// Null when libcurl cannot make one.
inline CurlHandle NewCurlHandle() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    return CurlHandle(curl_easy_init());
}

} // namespace orv
