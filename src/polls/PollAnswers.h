#pragma once
// The 26 answers a poll may offer, numbered from 1, and the answer mask that says which a poll offers:
// answer i is bit 26 - i, so "Yes" is bit 25 and "Wrong" bit 0. Bits above 25 and the sign offer nothing.

#include <QString>

#include <cstdint>
#include <vector>

namespace orv {

class PollAnswers {
public:
    static constexpr int kCount = 26;

    // The numbers offered by the mask, in table order.
    static std::vector<int> OfMask(std::int32_t mask);
    // The mask offering the numbers; numbers outside 1 to 26 are left out.
    static std::int32_t MaskOf(const std::vector<int>& numbers);
    // The answer's name as users read it; empty outside 1 to 26.
    static QString Name(int number);
    // The number of the first answer named so after trimming, ignoring case, in the table's own
    // (untranslated) names or as users read them; 0 if none.
    static int NumberOf(const QString& name);
};

} // namespace orv
