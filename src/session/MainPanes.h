#pragma once
// The slots of the main window a module may fill with its own window, and what a module may ask of the main
// window. Only a pointer crosses this line, so module logic never depends on the widget toolkit.

#include <QString>

#include <cstdint>

class QAction;
class QWidget;

namespace orv {

enum class TNavigationPage { TextChat = 0, PowerPoint = 1, Notes = 2 };
enum class TMainMenu { File, Resources, Actions, Audio };

class IMainPanes {
public:
    virtual ~IMainPanes() = default;
    // The window shown as one of the three main views; the main window takes ownership.
    virtual void InstallView(std::int32_t view, QWidget* widget) = 0;
    // The window shown on a page of the side column's navigation pane; the main window takes ownership.
    virtual void InstallNavigationPage(TNavigationPage page, QWidget* widget) = 0;
    // The participant list's place in the side column; the main window takes ownership.
    virtual void InstallParticipantList(QWidget* widget) = 0;
    // The audio control pane at the foot of the side column; the main window takes ownership.
    virtual void InstallAudioPane(QWidget* widget) = 0;
    // A button of the main toolbar, after those installed before it; the main window takes ownership.
    virtual void InstallToolAction(QAction* action) = 0;
    // An item of a menu of the main window, after those installed before it; the main window takes
    // ownership.
    virtual void InstallMenuAction(TMainMenu menu, QAction* action) = 0;
    // The header over the participant list.
    virtual void SetParticipantListHeader(const QString& text) = 0;
    // The motion statistics under the participant list.
    virtual void ShowMotionCounters(int handsUp, int yes, int no) = 0;

    // The navigation pane's pages: which one is open, and which may be chosen.
    virtual void ShowNavigationPage(TNavigationPage page) = 0;
    virtual TNavigationPage CurrentNavigationPage() const = 0;
    virtual void SetNavigationPageEnabled(TNavigationPage page, bool enabled) = 0;
    // Full screen hides the side column.
    virtual bool IsFullScreen() const = 0;
    // The main window has the keyboard focus of the desktop.
    virtual bool IsMainWindowActive() const = 0;
    // Brings the main window to the front and gives it the focus.
    virtual void RaiseMainWindow() = 0;
    // Tells a screen reader of something that happened away from the focus (a message, a poll), as a
    // notification it speaks without moving the focus.
    virtual void Announce(const QString& text) = 0;
};

} // namespace orv
