#include "roster/UserListView.h"

#include "roster/AccessibleUserListView.h"
#include "roster/Roster.h"
#include "roster/UserEntryView.h"

#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace orv {

TOrvaneUserList::TOrvaneUserList(Roster& roster, QWidget* parent)
    : QScrollArea(parent), m_roster(&roster), m_content(new QWidget), m_layout(new QVBoxLayout(m_content)) {
    InstallUserListAccessibility();
    setObjectName("userList");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus); // the entries take the focus, one by one
    m_content->setObjectName("userListContent");
    m_content->setAutoFillBackground(true);
    QPalette white = m_content->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_content->setPalette(white);
    setPalette(white);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
    setWidget(m_content);
    connect(&roster, &Roster::Changed, this, &TOrvaneUserList::scheduleRefresh);
    Refresh();
}

void TOrvaneUserList::SetPictureClicks(std::function<void(std::uint16_t)> mike,
                                       std::function<void(std::uint16_t)> cam) {
    m_mikeClicked = std::move(mike);
    m_camClicked = std::move(cam);
}

void TOrvaneUserList::scheduleRefresh() {
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, &TOrvaneUserList::Refresh);
}

void TOrvaneUserList::Refresh() {
    m_refreshPending = false;
    if (!m_roster)
        return;
    Roster& roster = *m_roster;
    std::map<std::uint16_t, TOrvaneUserCanvas*> kept;
    for (int i = 0; i < roster.Count(); ++i) {
        const std::uint16_t uid = roster.Entry(i).UID();
        auto it = m_canvases.find(uid);
        TOrvaneUserCanvas* canvas = nullptr;
        if (it != m_canvases.end()) {
            canvas = it->second;
            m_canvases.erase(it);
        } else {
            canvas = new TOrvaneUserCanvas(uid, m_content);
            connect(canvas, &TOrvaneUserCanvas::pressed, this, &TOrvaneUserList::select);
            connect(canvas, &TOrvaneUserCanvas::toggleRequested, this, &TOrvaneUserList::toggle);
            connect(canvas, &TOrvaneUserCanvas::menuRequested, this, &TOrvaneUserList::openMenu);
            connect(canvas, &TOrvaneUserCanvas::stepRequested, this, &TOrvaneUserList::step);
            connect(canvas, &TOrvaneUserCanvas::mikeClicked, this, [this](std::uint16_t user) {
                if (m_mikeClicked)
                    m_mikeClicked(user);
            });
            connect(canvas, &TOrvaneUserCanvas::camClicked, this, [this](std::uint16_t user) {
                if (m_camClicked)
                    m_camClicked(user);
            });
        }
        kept[uid] = canvas;
        // In display order; moving a panel only when it is out of place keeps a long list quiet.
        if (m_layout->indexOf(canvas) != i) {
            m_layout->removeWidget(canvas);
            m_layout->insertWidget(i, canvas);
        }
        canvas->Show(roster.Entry(i), &roster.Entry(i) == roster.Selected());
        canvas->show();
    }
    for (auto& [uid, gone] : m_canvases)
        delete gone; // the participant left
    m_canvases = std::move(kept);
    // The keyboard walks the entries in display order.
    QWidget* previous = nullptr;
    for (int i = 0; i < m_layout->count(); ++i)
        if (QWidget* w = m_layout->itemAt(i)->widget()) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
}

TOrvaneUserCanvas* TOrvaneUserList::CanvasAt(int index) const {
    if (index < 0 || index >= m_layout->count())
        return nullptr;
    return qobject_cast<TOrvaneUserCanvas*>(m_layout->itemAt(index)->widget());
}

TOrvaneUserCanvas* TOrvaneUserList::CanvasOf(std::uint16_t userId) const {
    const auto it = m_canvases.find(userId);
    return it == m_canvases.end() ? nullptr : it->second;
}

void TOrvaneUserList::select(std::uint16_t userId) {
    if (!m_roster)
        return;
    m_roster->Select(userId);
    if (TOrvaneUserCanvas* canvas = CanvasOf(userId)) {
        if (!canvas->hasFocus())
            canvas->setFocus(Qt::OtherFocusReason);
        ensureWidgetVisible(canvas, 0, 0);
    }
}

void TOrvaneUserList::toggle(std::uint16_t userId) {
    if (!m_roster)
        return;
    if (TUserNode* entry = m_roster->FindEntry(userId)) {
        m_roster->SetExpanded(*entry, !entry->Expanded());
        select(userId);
    }
}

void TOrvaneUserList::openMenu(std::uint16_t userId, const QPoint& at) {
    select(userId);
    if (m_userMenu && !m_userMenu->isEmpty())
        m_userMenu->popup(at);
}

void TOrvaneUserList::step(std::uint16_t userId, int by) {
    if (const TOrvaneUserCanvas* canvas = CanvasOf(userId))
        if (TOrvaneUserCanvas* next = CanvasAt(m_layout->indexOf(canvas) + by))
            select(next->UserId());
}

void TOrvaneUserList::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - event->angleDelta().y() / 12);
    event->accept();
}

} // namespace orv
