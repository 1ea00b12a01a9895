#include "SignInThrottle.h"

#include <algorithm>
#include <vector>

namespace orv::server {

std::int64_t SignInThrottle::delayAfter(int failures) {
    if (failures < kFreeFailures)
        return 0;
    const int doublings = std::min(failures - kFreeFailures, 16);
    return std::min(kLongestDelayMs, kFirstDelayMs << doublings);
}

SignInThrottle::Record& SignInThrottle::recordOf(std::map<QString, Record>& records, const QString& key,
                                                 std::int64_t now) {
    Record& r = records[key];
    if (r.failures > 0 && now - r.lastFailure > kForgetAfterMs)
        r = {};
    return r;
}

void SignInThrottle::forgetOld(std::int64_t now) {
    // Swept only when full, so a failure costs little: first what stopped failing long ago, then, if still
    // full, the tenth that has been quiet longest.
    for (auto* records : {&m_accounts, &m_addresses}) {
        if (records->size() < kMostKept)
            continue;
        std::erase_if(*records,
                      [now](const auto& entry) { return now - entry.second.lastFailure > kForgetAfterMs; });
        if (records->size() < kMostKept)
            continue;
        std::vector<std::int64_t> times;
        times.reserve(records->size());
        for (const auto& [key, record] : *records)
            times.push_back(record.lastFailure);
        const auto cut = times.begin() + std::ptrdiff_t(times.size() / 10);
        std::nth_element(times.begin(), cut, times.end());
        const std::int64_t oldest = *cut;
        std::erase_if(*records, [oldest](const auto& entry) { return entry.second.lastFailure <= oldest; });
    }
}

std::int64_t SignInThrottle::waitBeforeTrying(const QString& account, const QString& address,
                                              std::int64_t now) {
    const Record& byAccount = recordOf(m_accounts, account.toLower(), now);
    const Record& byAddress = recordOf(m_addresses, address, now);
    return std::max<std::int64_t>({0, byAccount.notBefore - now, byAddress.notBefore - now});
}

std::int64_t SignInThrottle::failed(const QString& account, const QString& address, std::int64_t now) {
    forgetOld(now);
    std::int64_t delay = 0;
    for (Record* r : {&recordOf(m_accounts, account.toLower(), now), &recordOf(m_addresses, address, now)}) {
        ++r->failures;
        r->lastFailure = now;
        delay = std::max(delay, delayAfter(r->failures));
    }
    for (Record* r : {&m_accounts[account.toLower()], &m_addresses[address]})
        r->notBefore = now + delay;
    return delay;
}

void SignInThrottle::succeeded(const QString& account) {
    m_accounts.erase(account.toLower());
}

} // namespace orv::server
