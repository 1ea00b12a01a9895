#pragma once
// What the sharing logic asks of its two windows, so that it runs and is tested without them: the sharing
// view on the viewer's side and the host tools window on the host's.

#include "platform/DesktopAccess.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QAction;

namespace orv {

// The viewer's picture of the shared screen.
class IAppShareView {
public:
    virtual ~IAppShareView() = default;
    // Host's name + "\t sharing " + the shared item's name.
    virtual void SetTitle(const QString& title) = 0;
    // The full picture to show; it stays valid until the next call or Clear. Shown at the current scale.
    virtual void SetPicture(const QImage* picture) = 0;
    // A part of the picture changed.
    virtual void PictureChanged(const QRect& area) = 0;
    // The host's pointer: its top-left corner in picture coordinates and its transparent image.
    virtual void SetPointer(QPoint topLeft, const QImage& image) = 0;
    // The viewer's mouse and keys go to the host (or no longer).
    virtual void SetInControl(bool inControl) = 0;
    virtual void Clear() = 0;
};

// What the sharing view tells the viewer logic while it is in control. Positions are in the shown picture's
// coordinates, `shown` its current size.
class IAppShareViewInput {
public:
    virtual ~IAppShareViewInput() = default;
    enum class TMouseAction { Press, Move, Release };
    virtual void MouseInput(TMouseAction action, TMouseButton button, QPointF position, QSize shown) = 0;
    virtual void KeyInput(int qtKey, bool release) = 0;
};

// The host tools window: the choice of what to share, then the tool bar while sharing.
class IAppShareTools {
public:
    virtual ~IAppShareTools() = default;
    virtual void ShowList(const std::vector<TDesktopWindow>& windows) = 0;
    virtual void ShowToolBar() = 0;
    virtual void Close() = 0;
};

// What the host tools window asks of the host logic.
class IAppShareToolsActions {
public:
    virtual ~IAppShareToolsActions() = default;
    // "Start Sharing": the desktop (no window) or the list line's window (index into the shown list), or
    // the window choice with no line (-1).
    virtual void StartChosen(bool desktop, int line) = 0;
    virtual void StopChosen() = 0;
    virtual void TakeSnapshot() = 0;
    virtual void OpenSettings() = 0;
    virtual QAction* GiveControlAction() = 0;
    virtual QAction* TakeControlAction() = 0;
};

} // namespace orv
