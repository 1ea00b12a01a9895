#include "roster/ParticipantListPane.h"

#include "platform/AppMessage.h"
#include "roster/Roster.h"
#include "roster/UserEntryView.h"
#include "roster/UserListView.h"
#include "roster/UserPhotos.h"
#include "session/ResourceTransfers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {
namespace {

class TfrmUserList final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TfrmUserList)
public:
    TfrmUserList(Roster& roster, const TUserPhotos& photos);
    ~TfrmUserList() override { m_sink.detach(); }

    void SetParts(const TParticipantListParts& parts);
    QStringList Rows();

protected:
    bool event(QEvent* event) override;

private:
    void onExpanded(std::uint16_t userId, bool expanded);
    bool loadPhoto(std::uint16_t userId);

    Roster& m_roster;
    const TUserPhotos& m_photos;
    QHBoxLayout* m_bar;
    TOrvaneUserList* m_list;
    QMenu* m_userMenu;
    QtMessageSink m_sink{this};
};

TfrmUserList::TfrmUserList(Roster& roster, const TUserPhotos& photos)
    : m_roster(roster), m_photos(photos), m_bar(new QHBoxLayout), m_list(new TOrvaneUserList(roster)),
      m_userMenu(new QMenu(this)) {
    setObjectName("participantListPane");
    m_list->setToolTip(tr("Double click on a user for more options"));
    m_list->setAccessibleName(tr("Attendees List"));
    m_userMenu->setObjectName("userMenu");
    m_list->SetUserMenu(m_userMenu);

    auto* options = new QToolButton;
    options->setObjectName("participantListMenu");
    options->setText(tr("Sort"));
    options->setToolTip(tr("Sorting and expanding the entries"));
    options->setAccessibleName(tr("Participant list options"));
    options->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(options);
    const std::pair<const char*, TSortKind> sorts[] = {
        {QT_TR_NOOP("Moderators On Top"), TSortKind::ModeratorsOnTop},
        {QT_TR_NOOP("Sort By Name"), TSortKind::Name},
        {QT_TR_NOOP("Sort By Hand Status"), TSortKind::HandQueue}};
    for (const auto& [text, kind] : sorts)
        connect(menu->addAction(tr(text)), &QAction::triggered, this,
                [this, kind = kind] { m_roster.Sort(kind); });
    menu->addSeparator();
    connect(menu->addAction(tr("Expand All Entries")), &QAction::triggered, this,
            [this] { m_roster.SetAllExpanded(true); });
    connect(menu->addAction(tr("Collapse All Entries")), &QAction::triggered, this,
            [this] { m_roster.SetAllExpanded(false); });
    options->setMenu(menu);

    m_bar->setContentsMargins(2, 0, 2, 0);
    m_bar->setSpacing(0);
    m_bar->addStretch(1);
    m_bar->addWidget(options);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(m_bar);
    layout->addWidget(m_list, 1);
    connect(&roster, &Roster::ItemExpanded, this, &TfrmUserList::onExpanded);
}

void TfrmUserList::SetParts(const TParticipantListParts& parts) {
    m_userMenu->clear();
    for (QAction* action : parts.userMenu) {
        if (action)
            m_userMenu->addAction(action);
        else
            m_userMenu->addSeparator();
    }
    for (QAction* action : parts.headerActions) {
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
        m_bar->insertWidget(m_bar->count() - 2, button);
        // Moderators' buttons go where their action is hidden.
        const auto follow = [button, action] { button->setVisible(action->isVisible()); };
        connect(action, &QAction::changed, button, follow);
        follow();
    }
    m_list->SetPictureClicks(parts.mikeClicked, parts.camClicked);
}

bool TfrmUserList::loadPhoto(std::uint16_t userId) {
    const QString path = m_photos.PathOf(userId);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    QPixmap photo;
    if (!photo.load(path))
        return false; // not a picture: the frame stays empty
    m_list->Refresh();
    if (TOrvaneUserCanvas* canvas = m_list->CanvasOf(userId))
        canvas->SetPhoto(photo);
    return true;
}

void TfrmUserList::onExpanded(std::uint16_t userId, bool expanded) {
    if (!expanded)
        return;
    if (!loadPhoto(userId))
        m_photos.Request(userId, &m_sink);
}

bool TfrmUserList::event(QEvent* event) {
    if (event->type() == TAppMessageEvent::eventType()) {
        const auto* message = static_cast<TAppMessageEvent*>(event);
        if (message->n == MainMsg::PictureDownloaded && message->lParam == 0)
            loadPhoto(std::uint16_t(message->wParam));
        return true;
    }
    return QWidget::event(event);
}

QStringList TfrmUserList::Rows() {
    m_list->Refresh();
    QStringList rows;
    for (int i = 0; i < m_roster.Count(); ++i) {
        const TUserNode& entry = m_roster.Entry(i);
        QStringList notes;
        if (&entry == m_roster.OwnEntry())
            notes << tr("you");
        if (entry.UserType() != utParticipant)
            notes << tr("Moderator");
        if (entry.OnlineStatus() == usAway)
            notes << tr("Away");
        else if (entry.OnlineStatus() == usBusy)
            notes << tr("Audio Test");
        if (entry.ActivityImageIndex() != MotionPicture::kNoPicture)
            notes << tr("confirmed");
        if (entry.MotionIndex() > 0)
            notes << tr("hand %1").arg(entry.MotionIndex());
        rows << (notes.isEmpty() ? entry.UserName() : entry.UserName() + "  (" + notes.join(", ") + ")");
    }
    return rows;
}

} // namespace

QWidget* NewParticipantListPane(Roster& roster, const TUserPhotos& photos) {
    return new TfrmUserList(roster, photos);
}

QObject* PaneObject(QWidget* pane) {
    return pane;
}

void SetParticipantListParts(QWidget& pane, const TParticipantListParts& parts) {
    if (auto* list = dynamic_cast<TfrmUserList*>(&pane))
        list->SetParts(parts);
}

QStringList ParticipantListRows(const QWidget& pane) {
    auto* list = dynamic_cast<const TfrmUserList*>(&pane);
    return list ? const_cast<TfrmUserList*>(list)->Rows() : QStringList();
}

} // namespace orv
