#pragma once
// The slide controls on the board window's top tool bar: first, previous, the jump button with its slide
// menu, next, last and reload; they follow the slide navigation's state.

#include <QWidget>

#include <map>

class QAction;
class QMenu;
class QToolButton;

namespace orv {

class TSlideNavigation;

class TSlideControlsPane final : public QWidget {
    Q_OBJECT

public:
    explicit TSlideControlsPane(TSlideNavigation& navigation, QWidget* parent = nullptr);

    QAction* Action(const QString& name) const;
    QToolButton* JumpButton() const { return m_jump; }
    QMenu* SlideMenu() const { return m_slides; }
    // Enabled states, the jump button's number and the slide menu.
    void Refresh();

private:
    QAction* addButton(const char* name, const QString& hint, int icon, void (TSlideNavigation::*step)());

    TSlideNavigation& m_navigation;
    std::map<QString, QAction*> m_actions;
    QToolButton* m_jump = nullptr;
    QMenu* m_slides = nullptr;
};

} // namespace orv
