#include "chat/EmoticonParser.h"

#include <algorithm>

namespace orv {
namespace {

// What a character does: go to a state, or emit a picture replacing the last `length` characters.
struct TStep {
    int state = 0;
    int picture = -1;
    int length = 0;
};

constexpr TStep Go(int state) {
    return {state, -1, 0};
}
constexpr TStep Emit(int picture, int length) {
    return {0, picture, length};
}

// One row per character of the table; states not listed go to 0 unless the character says otherwise, and
// characters without a row leave the state as it is. Case matters, except for x and X.
TStep Next(int state, char32_t c) {
    const bool s1or22 = state == 1 || state == 22;
    const bool s2or23 = state == 2 || state == 23;
    switch (c) {
    case U':':
        return Go(state == 21 ? 22 : 1);
    case U'-':
        switch (state) {
        case 1:
            return Go(2);
        case 22:
            return Go(23);
        case 40:
            return Go(41);
        case 50:
            return Go(51);
        case 60:
            return Go(61);
        default:
            return Go(0);
        }
    case U',':
        return Go(s1or22 ? 40 : 0);
    case U'8':
        return Go(50);
    case U';':
        return Go(60);
    case U'L':
        return state == 11 ? Emit(8, 3) : Go(10);
    case U'O':
        return Go(state == 10 ? 11 : 20);
    case U' ':
        return Go(state == 11 || state == 20 ? 21 : 0);
    case U'(':
        if (s1or22)
            return Emit(5, 2);
        if (s2or23)
            return Emit(5, 3);
        if (state == 40)
            return Emit(2, 3);
        if (state == 41)
            return Emit(2, 4);
        return Go(30);
    case U')':
        switch (state) {
        case 1:
        case 22:
            return Emit(11, 2);
        case 2:
            return Emit(11, 3);
        case 23:
            return Emit(6, 5);
        case 35:
            return Emit(3, 7);
        case 51:
            return Emit(1, 3);
        case 61:
            return Emit(15, 3);
        default:
            return Go(0);
        }
    case U'*':
        return state == 1 ? Emit(7, 2) : Go(0);
    case U'@':
        return s1or22 ? Emit(0, 2) : s2or23 ? Emit(0, 3) : Go(0);
    case U'D':
        return s1or22 ? Emit(8, 2) : s2or23 ? Emit(8, 3) : Go(0);
    case U'$':
        return s2or23 ? Emit(9, 3) : Go(0);
    case U'&':
        return s2or23 ? Emit(4, 3) : Go(0);
    case U'/':
    case U'\\':
        return s2or23 ? Emit(14, 3) : Go(0);
    case U'X':
    case U'x':
        return s2or23 ? Emit(10, 3) : Go(0);
    case U'p':
        return s2or23 ? Emit(13, 3) : Go(0);
    case U'o':
        return s2or23 ? Emit(12, 3) : Go(0);
    case U'b':
        return Go(state == 30 ? 31 : 0);
    case U'l':
        return Go(state == 31 ? 32 : 0);
    case U'u':
        return Go(state == 32 ? 33 : 0);
    case U's':
        return Go(state == 33 ? 34 : 0);
    case U'h':
        return Go(state == 34 ? 35 : 0);
    case U'r':
    case U'e':
    case U'a':
    case U'd':
    case U'"':
        return Go(0);
    default:
        return Go(state);
    }
}

} // namespace

std::vector<TChatSegment> ParseEmoticons(const QString& text) {
    std::vector<TChatSegment> segments;
    std::vector<qsizetype> starts; // where each character begins, in code units
    qsizetype pending = 0;         // the first character not yet appended
    int state = 0;
    for (qsizetype i = 0; i < text.size();) {
        starts.push_back(i);
        // A surrogate pair is one character; a lone surrogate counts as one too.
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        ++i;
        const TStep step = Next(state, c);
        state = step.state;
        if (step.picture < 0)
            continue;
        const qsizetype current = qsizetype(starts.size()) - 1;
        const qsizetype first = std::max(pending, current + 1 - step.length);
        if (first > pending)
            segments.push_back({text.mid(starts[pending], starts[first] - starts[pending])});
        segments.push_back({QString(), step.picture});
        pending = current + 1;
    }
    if (pending < qsizetype(starts.size()))
        segments.push_back({text.mid(starts[pending])});
    return segments;
}

const QStringList& EmoticonCaptions() {
    static const QStringList captions = {":-@", "8-)", ":,(", "(blush)", ":-&", ":-(", "O :-)", ":*",
                                         "LOL", ":-$", ":-x", ":-)",     ":-o", ":-p", ":-\\",  ";-)"};
    return captions;
}

} // namespace orv
