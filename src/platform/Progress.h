#pragma once
// The progress window as the sign-in chain drives it: a bar of N steps and one activity line.

#include <QString>

namespace orv {

class IProgress {
public:
    virtual ~IProgress() = default;
    virtual void Setup(int steps) = 0;
    // Moves the bar and shows the text; the window repaints even while the caller blocks on the network.
    virtual void Step(int step, const QString& text) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

} // namespace orv
