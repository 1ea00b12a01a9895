#pragma once
// Slows password guessing: after a few failed sign-ins for one account, or from one address, each further
// failure is answered later than the last (doubling, up to half a minute), and attempts that come before
// that time are refused unchecked. Failures are forgotten a quarter of an hour after the last one, and a
// successful sign-in clears its account, so the real user is never locked out for good. Times are the
// caller's monotonic milliseconds.

#include <QString>

#include <cstdint>
#include <map>

namespace orv::server {

class SignInThrottle {
public:
    static constexpr int kFreeFailures = 3;
    static constexpr std::int64_t kFirstDelayMs = 1000;
    static constexpr std::int64_t kLongestDelayMs = 30000;
    static constexpr std::int64_t kForgetAfterMs = 15 * 60 * 1000;
    // Names and addresses kept at most each: past it the longest quiet goes first, so a guesser trying
    // endless names cannot grow the server's memory.
    static constexpr std::size_t kMostKept = 20000;

    // Milliseconds until this account or address may try again; 0 when it may now.
    std::int64_t waitBeforeTrying(const QString& account, const QString& address, std::int64_t now);
    // Records a failure; the milliseconds its refusal waits before it is answered.
    std::int64_t failed(const QString& account, const QString& address, std::int64_t now);
    void succeeded(const QString& account);

    // The delay after the `failures`th failure in a row.
    static std::int64_t delayAfter(int failures);

private:
    struct Record {
        int failures = 0;
        std::int64_t lastFailure = 0;
        std::int64_t notBefore = 0;
    };
    Record& recordOf(std::map<QString, Record>& records, const QString& key, std::int64_t now);
    void forgetOld(std::int64_t now);

    std::map<QString, Record> m_accounts; // by lower-case user name
    std::map<QString, Record> m_addresses;
};

} // namespace orv::server
