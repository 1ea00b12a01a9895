#include "polls/PollAnswers.h"

#include <QCoreApplication>

namespace orv {
namespace {

constexpr const char* kNames[PollAnswers::kCount] = {
    QT_TRANSLATE_NOOP("orv::PollAnswers", "Yes"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "No"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "True"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "False"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "Not sure"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "May be"),
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "10",
    "A",
    "B",
    "C",
    "D",
    "E",
    "F",
    QT_TRANSLATE_NOOP("orv::PollAnswers", "Good"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "Bad"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "Correct"),
    QT_TRANSLATE_NOOP("orv::PollAnswers", "Wrong"),
};

constexpr std::uint32_t bitOf(int number) {
    return std::uint32_t(1) << (PollAnswers::kCount - number);
}

} // namespace

std::vector<int> PollAnswers::OfMask(std::int32_t mask) {
    std::vector<int> numbers;
    for (int i = 1; i <= kCount; ++i)
        if (std::uint32_t(mask) & bitOf(i))
            numbers.push_back(i);
    return numbers;
}

std::int32_t PollAnswers::MaskOf(const std::vector<int>& numbers) {
    std::uint32_t mask = 0;
    for (int n : numbers)
        if (n >= 1 && n <= kCount)
            mask |= bitOf(n);
    return std::int32_t(mask);
}

QString PollAnswers::Name(int number) {
    if (number < 1 || number > kCount)
        return {};
    return QCoreApplication::translate("orv::PollAnswers", kNames[number - 1]);
}

int PollAnswers::NumberOf(const QString& name) {
    const QString wanted = name.trimmed();
    for (int i = 1; i <= kCount; ++i)
        if (wanted.compare(QLatin1String(kNames[i - 1]), Qt::CaseInsensitive) == 0 ||
            wanted.compare(Name(i), Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}

} // namespace orv
