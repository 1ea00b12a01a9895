#pragma once
// Collects posted application messages, from any thread.

#include "platform/AppMessage.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace orv::test {

struct PostedMessage {
    int n;
    std::intptr_t wParam;
    std::intptr_t lParam;
    friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

class RecordingSink final : public IMessageSink {
public:
    void post(int n, std::intptr_t wParam, std::intptr_t lParam) override {
        std::lock_guard lock(m_mutex);
        m_messages.push_back({n, wParam, lParam});
    }
    std::vector<PostedMessage> all() {
        std::lock_guard lock(m_mutex);
        return m_messages;
    }
    std::vector<PostedMessage> withNumber(int n) {
        std::lock_guard lock(m_mutex);
        std::vector<PostedMessage> out;
        std::copy_if(m_messages.begin(), m_messages.end(), std::back_inserter(out),
                     [n](const PostedMessage& m) { return m.n == n; });
        return out;
    }
    void clear() {
        std::lock_guard lock(m_mutex);
        m_messages.clear();
    }

private:
    std::mutex m_mutex;
    std::vector<PostedMessage> m_messages;
};

} // namespace orv::test
