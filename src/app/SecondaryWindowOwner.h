#pragma once
// The program's secondary windows (libraries, notes, video, sharing tools) belong to its main window, as
// owned windows do on the desktop the program was first made for. A tiling Wayland compositor floats a
// window that has a parent above it, but tiles one without, squeezing the main window into a column; so
// there each secondary window shown gets the main window as its transient parent.

#include <QObject>
#include <QPointer>

class QWidget;

namespace orv {

class TSecondaryWindowOwner final : public QObject {
public:
    // Watches every window the application shows while it lives; the caller installs it only where the
    // compositor places windows, so X11 window managers see the windows exactly as before.
    explicit TSecondaryWindowOwner(QWidget& owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace orv
