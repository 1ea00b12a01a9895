#pragma once
// TOrvaneUserList: the roster on screen, one TOrvaneUserCanvas per entry in display order, in a white
// scroll box. Selecting, expanding and the user menu act on the roster; clicks on the microphone and camera
// pictures go to whoever handles them.

#include <QMenu>
#include <QPointer>
#include <QScrollArea>

#include <cstdint>
#include <functional>
#include <map>

class QVBoxLayout;

namespace orv {

class Roster;
class TOrvaneUserCanvas;

class TOrvaneUserList final : public QScrollArea {
    Q_OBJECT
public:
    explicit TOrvaneUserList(Roster& roster, QWidget* parent = nullptr);

    // Shown from an entry (right button, "More Options", the menu key); the list does not own it.
    void SetUserMenu(QMenu* menu) { m_userMenu = menu; }
    QMenu* UserMenu() const { return m_userMenu; }
    // OnMikeImageClick and OnCamImageClick.
    void SetPictureClicks(std::function<void(std::uint16_t)> mike, std::function<void(std::uint16_t)> cam);

    // Brings the panels in line with the roster now (changes otherwise redraw once the event loop runs).
    void Refresh();
    int Count() const { return int(m_canvases.size()); }
    // The panel of the entry at `index` of the display order.
    TOrvaneUserCanvas* CanvasAt(int index) const;
    TOrvaneUserCanvas* CanvasOf(std::uint16_t userId) const;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void scheduleRefresh();
    void select(std::uint16_t userId);
    void toggle(std::uint16_t userId);
    void openMenu(std::uint16_t userId, const QPoint& at);
    void step(std::uint16_t userId, int by);

    QPointer<Roster> m_roster;
    QWidget* m_content;
    QVBoxLayout* m_layout;
    std::map<std::uint16_t, TOrvaneUserCanvas*> m_canvases;
    QPointer<QMenu> m_userMenu;
    std::function<void(std::uint16_t)> m_mikeClicked;
    std::function<void(std::uint16_t)> m_camClicked;
    bool m_refreshPending = false;
};

} // namespace orv
