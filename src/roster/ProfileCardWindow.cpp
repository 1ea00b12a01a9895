#include "roster/ProfileCardWindow.h"

#include "platform/AppMessage.h"
#include "platform/CompositorMove.h"
#include "roster/PersonalInfo.h"
#include "roster/Roster.h"
#include "roster/UserPhotos.h"
#include "session/ResourceTransfers.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace orv {
namespace {

constexpr int kRollStepMs = 20;
constexpr int kRollStep = 25;
constexpr int kFullWidth = 395;
constexpr int kTop = 130;

class TProfileCardWindow final : public QWidget {
    Q_OBJECT
public:
    TProfileCardWindow(TPersonalInfo& info, QWidget* anchor)
        : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint), m_info(info),
          m_caption(new QLabel), m_photo(new QLabel), m_upload(new QPushButton(tr("Upload Image"))),
          m_anchor(anchor) {
        setObjectName("profileCard");
        setAttribute(Qt::WA_DeleteOnClose);
        setAccessibleName(tr("Participant's profile"));
        setStyleSheet("#profileCard { background: white; border: 1px solid rgb(150,150,150); }");
        auto* bar = new QWidget;
        bar->setObjectName("cardCaption");
        bar->setStyleSheet(
            "#cardCaption { background: #31507f; } QLabel { color: white; font-weight: bold; }");
        auto* barLayout = new QHBoxLayout(bar);
        barLayout->setContentsMargins(6, 3, 3, 3);
        barLayout->addWidget(m_caption, 1);
        auto* close = new QPushButton(QStringLiteral("\u2715"));
        close->setObjectName("cardClose");
        close->setAccessibleName(tr("Close"));
        close->setFlat(true);
        close->setFixedSize(20, 18);
        close->setStyleSheet("color: white;");
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        barLayout->addWidget(close);
        bar->installEventFilter(this);

        m_photo->setObjectName("cardPhoto");
        m_photo->setFixedSize(96, 72);
        m_photo->setScaledContents(true);
        m_photo->setStyleSheet("background: rgb(248,248,248); border: 1px solid rgb(192,192,192);");
        auto* form = new QFormLayout;
        form->setContentsMargins(0, 0, 0, 0);
        for (const auto& [key, text] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"type", nullptr},
                 {"location", QT_TR_NOOP("Location:")},
                 {"age", nullptr},
                 {"profession", QT_TR_NOOP("Organization / Profession:")},
                 {"languages", QT_TR_NOOP("Languages:")},
                 {"localTime", nullptr},
                 {"gender", QT_TR_NOOP("Gender:")},
                 {"email", QT_TR_NOOP("eMail:")}}) {
            auto* value = new QLabel;
            value->setObjectName(key);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setWordWrap(true);
            if (text)
                form->addRow(tr(text), value);
            else
                form->addRow(value);
        }
        auto* body = new QHBoxLayout;
        body->setContentsMargins(8, 8, 8, 8);
        auto* left = new QVBoxLayout;
        left->addWidget(m_photo);
        m_upload->setObjectName("uploadImage");
        m_upload->setFlat(true);
        m_upload->setStyleSheet("color: blue; text-decoration: underline;");
        m_upload->setCursor(Qt::PointingHandCursor);
        connect(m_upload, &QPushButton::clicked, this, [this] { UploadPersonalImage(m_info, m_anchor); });
        left->addWidget(m_upload);
        left->addStretch(1);
        body->addLayout(left);
        body->addLayout(form, 1);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->setSpacing(0);
        layout->addWidget(bar);
        layout->addLayout(body);
        connect(&m_roll, &QTimer::timeout, this, &TProfileCardWindow::rollStep);
    }
    ~TProfileCardWindow() override { m_sink.detach(); }

    void Fill(const TProfileCard& card, std::uint16_t userId) {
        m_userId = userId;
        m_caption->setText(card.caption);
        setWindowTitle(card.caption);
        const std::pair<const char*, QString> values[] = {{"type", card.type},
                                                          {"location", card.location},
                                                          {"age", card.age},
                                                          {"profession", card.profession},
                                                          {"languages", card.languages},
                                                          {"localTime", card.localTime},
                                                          {"gender", card.gender},
                                                          {"email", card.email}};
        for (const auto& [key, value] : values)
            findChild<QLabel*>(key)->setText(value);
        m_upload->setVisible(card.own);
        m_photo->clear();
    }

    void RollOut() {
        const int left = m_anchor ? m_anchor->mapToGlobal(QPoint(m_anchor->width(), 0)).x() + 8 : 8;
        const int top = m_anchor ? m_anchor->window()->geometry().top() + kTop : kTop;
        m_height = sizeHint().height();
        setGeometry(left, top, 1, m_height);
        m_width = 0;
        show();
        m_roll.start(kRollStepMs);
    }

    void ShowPhotoFile(const QString& path) {
        QPixmap photo;
        if (photo.load(path))
            m_photo->setPixmap(photo);
    }

    IMessageSink* Sink() { return &m_sink; }

protected:
    bool event(QEvent* event) override {
        if (event->type() == TAppMessageEvent::eventType()) {
            const auto* m = static_cast<TAppMessageEvent*>(event);
            if (m->n == PersonalInfoMsg::PictureDownloaded && m->wParam == m_userId && m->lParam == 0)
                ShowPhotoFile(m_info.Photos().PathOf(m_userId));
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        return QWidget::event(event);
    }
    // The caption bar drags the card.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            if (!StartCompositorMove(windowHandle()))
                m_dragFrom = static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pos();
            return true;
        }
        if (event->type() == QEvent::MouseMove &&
            (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) {
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_dragFrom);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    void rollStep() {
        m_width = std::min(kFullWidth, m_width + kRollStep);
        resize(m_width, m_height);
        if (m_width >= kFullWidth)
            m_roll.stop();
    }

    TPersonalInfo& m_info;
    QLabel* m_caption;
    QLabel* m_photo;
    QPushButton* m_upload;
    QPointer<QWidget> m_anchor;
    QTimer m_roll;
    int m_width = 0;
    int m_height = 0;
    QPoint m_dragFrom;
    std::uint16_t m_userId = 0;
    QtMessageSink m_sink{this};
};

QPointer<TProfileCardWindow>& OpenCard() {
    static QPointer<TProfileCardWindow> card;
    return card;
}

} // namespace

QWidget* ShowProfileCard(TPersonalInfo& info, std::uint16_t userId, QWidget* anchor) {
    Roster& roster = info.Participants();
    TUserNode* entry = roster.FindEntry(userId);
    if (!entry)
        return nullptr;
    roster.SetExpanded(*entry, true);
    QPointer<TProfileCardWindow>& card = OpenCard();
    if (!card)
        card = new TProfileCardWindow(info, anchor);
    card->Fill(info.CardOf(*entry), userId);
    card->RollOut();
    // Afresh every time: the participant may have changed the photo since.
    if (!info.Photos().Request(userId, card->Sink()))
        card->ShowPhotoFile(info.Photos().PathOf(userId));
    return card;
}

void UploadPersonalImage(TPersonalInfo& info, QWidget* anchor) {
    if (info.IsPlayback())
        return;
    QWidget* card = ShowProfileCard(info, info.OwnUserId(), anchor);
    const QString path = QFileDialog::getOpenFileName(
        anchor, TProfileCardWindow::tr("Change / Upload Personal Image"), QString(),
        TProfileCardWindow::tr("JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)"));
    if (path.isEmpty())
        return;
    if (info.UploadPhoto(path) && card)
        static_cast<TProfileCardWindow*>(card)->ShowPhotoFile(path);
}

} // namespace orv

#include "ProfileCardWindow.moc"
