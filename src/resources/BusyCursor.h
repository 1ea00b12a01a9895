#pragma once
// The application-wide busy cursor (an arrow with an hourglass) shown while transfers run. Main thread only.

namespace orv {

class IBusyCursor {
public:
    virtual ~IBusyCursor() = default;
    virtual void Show() = 0;
    virtual void Restore() = 0;
};

class QtBusyCursor final : public IBusyCursor {
public:
    void Show() override;
    void Restore() override;
};

} // namespace orv
