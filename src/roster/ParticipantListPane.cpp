#include "roster/ParticipantListPane.h"

#include "roster/Roster.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace orv {
namespace {

class TParticipantListPane final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TParticipantListPane)
public:
    explicit TParticipantListPane(Roster& roster);

    QStringList Rows() const;

private:
    // Many changes in one go (a whole participant list) redraw once.
    void scheduleRefresh();
    void refresh();

    QPointer<Roster> m_roster;
    QListWidget* m_list;
    bool m_refreshPending = false;
    bool m_refreshing = false;
};

QString StatusText(TUserOnlineStatus status) {
    switch (status) {
    case usAway:
        return TParticipantListPane::tr("Away");
    case usBusy:
        return TParticipantListPane::tr("Audio Test");
    default:
        return {};
    }
}

QString RowText(const TUserNode& entry, bool own) {
    QStringList notes;
    if (own)
        notes << TParticipantListPane::tr("you");
    if (entry.UserType() != utParticipant)
        notes << TParticipantListPane::tr("Moderator");
    if (const QString status = StatusText(entry.OnlineStatus()); !status.isEmpty())
        notes << status;
    if (entry.ActivityImageIndex() != MotionPicture::kNoPicture)
        notes << TParticipantListPane::tr("confirmed");
    if (entry.MotionIndex() > 0)
        notes << TParticipantListPane::tr("hand %1").arg(entry.MotionIndex());
    return notes.isEmpty() ? entry.UserName() : entry.UserName() + "  (" + notes.join(", ") + ")";
}

TParticipantListPane::TParticipantListPane(Roster& roster) : m_roster(&roster), m_list(new QListWidget) {
    setObjectName("participantListPane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFont(QFont("Tahoma", 8));
    m_list->setStyleSheet("QListWidget::item { padding: 2px 4px; }");
    connect(&roster, &Roster::Changed, this, &TParticipantListPane::scheduleRefresh);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing || !m_roster || row < 0 || row >= m_roster->Count())
            return;
        m_roster->Select(m_roster->Entry(row).UID());
    });
    refresh();
}

QStringList TParticipantListPane::Rows() const {
    QStringList rows;
    for (int i = 0; i < m_list->count(); ++i)
        rows << m_list->item(i)->text();
    return rows;
}

void TParticipantListPane::scheduleRefresh() {
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, &TParticipantListPane::refresh);
}

void TParticipantListPane::refresh() {
    m_refreshPending = false;
    if (!m_roster)
        return;
    m_refreshing = true;
    const int scrolled = m_list->verticalScrollBar()->value(); // a rebuild keeps the reader's place
    m_list->clear();
    for (int i = 0; i < m_roster->Count(); ++i) {
        const TUserNode& entry = m_roster->Entry(i);
        auto* item = new QListWidgetItem(RowText(entry, &entry == m_roster->OwnEntry()), m_list);
        QFont font = m_list->font();
        font.setBold(entry.UserType() != utParticipant);
        font.setItalic(entry.OnlineStatus() != usOnline);
        item->setFont(font);
        if (entry.OnlineStatus() != usOnline)
            item->setForeground(QColor(0x70, 0x70, 0x70)); // stepped out: readable, but quieter
        if (&entry == m_roster->Selected())
            m_list->setCurrentItem(item);
    }
    m_list->verticalScrollBar()->setValue(scrolled);
    m_refreshing = false;
}

} // namespace

QWidget* NewParticipantListPane(Roster& roster) {
    return new TParticipantListPane(roster);
}

QStringList ParticipantListRows(const QWidget& pane) {
    const auto* list = dynamic_cast<const TParticipantListPane*>(&pane);
    return list ? list->Rows() : QStringList();
}

} // namespace orv
