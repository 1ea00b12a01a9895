#include "slides/SlideControlsPane.h"

#include "slides/SlideNavigation.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace orv {

namespace {
constexpr int kMaxMenuEntries = 500;
}

TSlideControlsPane::TSlideControlsPane(TSlideNavigation& navigation, QWidget* parent)
    : QWidget(parent), m_navigation(navigation) {
    setObjectName("pSlideControls");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    addButton("acPPT_FirstSlide", tr("Move to the first slide"), QStyle::SP_MediaSkipBackward,
              &TSlideNavigation::First);
    addButton("acPPT_PrevSlide", tr("Move back to the previous slide"), QStyle::SP_MediaSeekBackward,
              &TSlideNavigation::Previous);
    m_slides = new QMenu(this);
    m_slides->setObjectName("pmSlides");
    m_jump = new QToolButton(this);
    m_jump->setObjectName("btnJumpToSlide");
    m_jump->setMenu(m_slides);
    m_jump->setPopupMode(QToolButton::InstantPopup);
    m_jump->setAutoRaise(true);
    m_jump->setToolTip(tr("Jump to a slide"));
    m_jump->setAccessibleName(tr("Slide"));
    m_jump->setMinimumWidth(m_jump->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    layout()->addWidget(m_jump);
    addButton("acPPT_NextSlide", tr("Move to the next slide"), QStyle::SP_MediaSeekForward,
              &TSlideNavigation::Next);
    addButton("acPPT_LastSlide", tr("Move to the last slide"), QStyle::SP_MediaSkipForward,
              &TSlideNavigation::Last);
    addButton("acPPT_RepeatCurrent", tr("Reload the current slide"), QStyle::SP_BrowserReload,
              &TSlideNavigation::Repeat);
    Refresh();
}

QAction* TSlideControlsPane::addButton(const char* name, const QString& hint, int icon,
                                       void (TSlideNavigation::*step)()) {
    auto* action = new QAction(style()->standardIcon(QStyle::StandardPixmap(icon)), hint, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, [this, step] { (m_navigation.*step)(); });
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setAccessibleName(hint);
    layout()->addWidget(button);
    m_actions[name] = action;
    return action;
}

QAction* TSlideControlsPane::Action(const QString& name) const {
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

void TSlideControlsPane::Refresh() {
    const TSlideNavigation& n = m_navigation;
    Action("acPPT_FirstSlide")->setEnabled(n.FirstEnabled());
    Action("acPPT_PrevSlide")->setEnabled(n.FirstEnabled());
    Action("acPPT_NextSlide")->setEnabled(n.NextEnabled());
    Action("acPPT_LastSlide")->setEnabled(n.NextEnabled());
    Action("acPPT_RepeatCurrent")->setEnabled(n.RepeatEnabled());
    m_jump->setEnabled(n.JumpEnabled());
    m_jump->setText(n.JumpEnabled() ? QString::number(n.CurrentSlide()) : QString());
    // Later: this may run from one of the entries' own triggered signal.
    for (QAction* old : m_slides->actions()) {
        m_slides->removeAction(old);
        old->deleteLater();
    }
    if (!n.JumpEnabled())
        return;
    // The count comes from the server's list: the menu stays a menu.
    const int entries = std::min(n.SlideCount(), kMaxMenuEntries);
    for (int slide = 1; slide <= entries; ++slide) {
        QAction* entry = m_slides->addAction(QString::number(slide));
        entry->setCheckable(true);
        entry->setChecked(slide == n.CurrentSlide());
        connect(entry, &QAction::triggered, this, [this, slide] { m_navigation.Jump(slide); });
    }
}

} // namespace orv
