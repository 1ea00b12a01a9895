#include "roster/UserEntryView.h"

#include "roster/RosterPictures.h"
#include "roster/UserNode.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <optional>

namespace orv {
namespace {

constexpr int kPicture = 16;
const QColor kGreyPen(192, 192, 192);
const QColor kHighlight(232, 232, 232);

struct TStatusLook {
    int picture; // -1: blank but shown
    const char* hint;
};

// What each status shows; a status without a row hides its picture.
std::optional<TStatusLook> MikeLook(TMicrophoneStatus status) {
    switch (status) {
    case msRequesting:
        return TStatusLook{
            RosterPictureIndex::MikeRequest,
            QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user is requesting a microphone")};
    case msGranted:
        return TStatusLook{RosterPictureIndex::MikeGranted,
                           QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user is allowed to speak")};
    case msForbidden:
        return TStatusLook{
            RosterPictureIndex::MikeForbidden,
            QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user's microphone is forbidden.")};
    case msSpeaking:
        return TStatusLook{RosterPictureIndex::MikeSpeak,
                           QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user is currently speaking")};
    default:
        return std::nullopt;
    }
}

std::optional<TStatusLook> CamLook(TCameraStatus status) {
    switch (status) {
    case csRequesting:
        return TStatusLook{
            RosterPictureIndex::CamRequest,
            QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user is requesting to start his/her webcam")};
    case csGranted:
        return TStatusLook{-1,
                           QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user is given a webcam access")};
    case csForbidden:
        return TStatusLook{-1, QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user's webcam is forbidden")};
    case csBroadcast:
        return TStatusLook{RosterPictureIndex::CamBroadcast,
                           QT_TRANSLATE_NOOP("orv::TOrvaneUserCanvas", "The user is broadcasting video")};
    default:
        return std::nullopt;
    }
}

QLabel* smallLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

TOrvaneBorder::TOrvaneBorder(QWidget* parent) : QWidget(parent) {
    setObjectName("border");
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TOrvaneBorder::SetBrush(const QColor& brush) {
    if (brush == m_brush)
        return;
    m_brush = brush;
    update();
}

int TOrvaneBorder::CornerSize(const QSize& size, int penWidth) {
    return std::max(0, std::min(size.width(), size.height()) - penWidth) / 7;
}

void TOrvaneBorder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGreyPen, 1));
    p.setBrush(m_brush);
    const qreal corner = CornerSize(size()) / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
}

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

TOrvaneUserCanvas::TOrvaneUserCanvas(std::uint16_t userId, QWidget* parent)
    : QWidget(parent), m_userId(userId), m_border(new TOrvaneBorder(this)), m_name(smallLabel(this, "name")),
      m_mike(new TClickLabel(this)), m_cam(new TClickLabel(this)), m_motion(smallLabel(this, "motion")),
      m_queue(smallLabel(this, "queue")), m_activity(smallLabel(this, "activity")),
      m_photoFrame(new QWidget(this)), m_photo(smallLabel(this, "photo")), m_type(smallLabel(this, "type")),
      m_localTime(smallLabel(this, "localTime")), m_moreOptions(new TClickLabel(this)),
      m_badge(smallLabel(this, "badge")) {
    setObjectName("userCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setFont(QFont("Tahoma", 8));
    setFixedHeight(kCollapsedHeight);
    m_border->hide();
    m_border->lower();
    m_name->setTextFormat(Qt::PlainText);
    for (TClickLabel* picture : {m_mike, m_cam}) {
        picture->setFixedSize(kPicture, kPicture);
        picture->setCursor(Qt::PointingHandCursor);
    }
    m_mike->setObjectName("mike");
    m_cam->setObjectName("cam");
    m_motion->setFixedSize(kPicture, kPicture);
    m_activity->setFixedSize(kPicture, kPicture);
    m_activity->setPixmap(RosterPicture(MotionPicture::LoadMark));
    m_queue->setFixedSize(10, kPicture);
    m_queue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont queueFont = font();
    queueFont.setPointSize(7);
    m_queue->setFont(queueFont);
    m_queue->setStyleSheet("color: #800000;");
    m_photoFrame->setObjectName("photoFrame");
    m_photoFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_photoFrame->setStyleSheet(
        "#photoFrame { background: rgb(248,248,248); border: 1px solid rgb(192,192,192); }");
    m_photo->setScaledContents(true);
    QFont bold = font();
    bold.setBold(true);
    m_type->setFont(bold);
    m_localTime->setStyleSheet("color: rgb(128,128,128);");
    m_moreOptions->setObjectName("moreOptions");
    m_moreOptions->setText(tr("More Options"));
    QFont link = font();
    link.setUnderline(true);
    link.setPointSize(7);
    m_moreOptions->setFont(link);
    m_moreOptions->setStyleSheet("color: blue;");
    m_moreOptions->setCursor(Qt::PointingHandCursor);
    QFont badge("Arial", 7);
    badge.setBold(true);
    badge.setItalic(true);
    m_badge->setFont(badge);
    m_badge->setAlignment(Qt::AlignCenter);
    m_badge->setAutoFillBackground(true);
    for (QWidget* part :
         std::initializer_list<QWidget*>{m_photoFrame, m_photo, m_type, m_localTime, m_moreOptions, m_badge})
        part->hide();
    for (QWidget* part : std::initializer_list<QWidget*>{m_mike, m_cam, m_moreOptions})
        part->installEventFilter(this);
    connect(m_mike, &TClickLabel::clicked, this, [this] { emit mikeClicked(m_userId); });
    connect(m_cam, &TClickLabel::clicked, this, [this] { emit camClicked(m_userId); });
    connect(m_moreOptions, &TClickLabel::clicked, this, [this] {
        emit pressed(m_userId);
        emit menuRequested(m_userId, m_moreOptions->mapToGlobal(QPoint(0, m_moreOptions->height())));
    });
}

void TOrvaneUserCanvas::showPicture(TClickLabel* label, int index, bool shown) {
    label->clear(); // the old picture goes first: a blank index leaves the place white
    if (index >= 0)
        label->setPixmap(RosterPicture(index));
    label->setVisible(shown);
}

void TOrvaneUserCanvas::Show(const TUserNode& entry, bool selected) {
    // The name: bold for moderators, marked while away or testing audio.
    QString name = entry.UserName();
    QFont nameFont = font();
    nameFont.setBold(entry.UserType() != utParticipant);
    QString colour = "black";
    if (entry.OnlineStatus() == usAway) {
        name = tr("Away - ") + name;
        nameFont.setItalic(true);
        colour = "rgb(128,128,128)";
    } else if (entry.OnlineStatus() == usBusy) {
        name = tr("(In Audio Test) - ") + name;
        nameFont.setItalic(true);
        colour = "red";
    }
    m_name->setFont(nameFont);
    m_name->setStyleSheet("color: " + colour + ";");
    m_name->setText(name);
    m_name->setToolTip(name);

    const auto mike = MikeLook(entry.MicrophoneStatus());
    showPicture(m_mike, mike ? mike->picture : -1, mike.has_value());
    m_mike->setToolTip(mike ? tr(mike->hint) : QString());
    const auto cam = CamLook(entry.CameraStatus());
    showPicture(m_cam, cam ? cam->picture : -1, cam.has_value());
    m_cam->setToolTip(cam ? tr(cam->hint) : QString());
    m_motion->setPixmap(RosterPicture(entry.MotionImageIndex()));
    m_motion->setVisible(entry.MotionPictureVisible());
    m_queue->setText(QString::number(entry.MotionIndex()));
    m_queue->setVisible(entry.MotionIndex() > 0);
    m_activity->setVisible(entry.ActivityImageIndex() != MotionPicture::kNoPicture);

    m_type->setText(entry.UserType() == utParticipant ? tr("Participant") : tr("Moderator"));
    m_localTime->setText(entry.InfoText());
    switch (entry.OnlineStatus()) {
    case usAway:
        m_badge->setText(tr("AWAY"));
        break;
    case usBusy:
        m_badge->setText(tr("Audio Test"));
        break;
    default:
        m_badge->setText(tr("ONLINE"));
        break;
    }
    m_badge->setStyleSheet(entry.OnlineStatus() == usOnline ? "background: rgb(202,0,0); color: white;"
                                                            : "background: rgb(192,192,192); color: white;");

    m_expanded = entry.Expanded();
    setFixedHeight(m_expanded ? kExpandedHeight : kCollapsedHeight);
    m_border->setVisible(m_expanded);
    for (QWidget* part :
         std::initializer_list<QWidget*>{m_photoFrame, m_photo, m_type, m_localTime, m_moreOptions, m_badge})
        part->setVisible(m_expanded);
    // The highlight: the panel while collapsed, the border's inside while expanded.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, selected && !m_expanded ? kHighlight : QColor(Qt::white));
    setPalette(pal);
    m_border->SetBrush(selected && m_expanded ? kHighlight : QColor(Qt::white));

    QStringList said{entry.UserName()};
    if (entry.UserType() != utParticipant)
        said << tr("Moderator");
    said << m_badge->text();
    if (entry.Hand())
        said << tr("hand raised");
    if (entry.MotionIndex() > 0)
        said << tr("hand %1").arg(entry.MotionIndex());
    if (mike)
        said << tr(mike->hint);
    if (cam)
        said << tr(cam->hint);
    setAccessibleName(said.join(", "));
    if (selected != m_selected) {
        m_selected = selected;
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    place();
}

void TOrvaneUserCanvas::SetPhoto(const QPixmap& photo) {
    m_photo->setPixmap(photo);
}

bool TOrvaneUserCanvas::HasPhoto() const {
    return !m_photo->pixmap().isNull();
}

QString TOrvaneUserCanvas::NameText() const {
    return m_name->text();
}
QString TOrvaneUserCanvas::MikeHint() const {
    return m_mike->isVisibleTo(this) ? m_mike->toolTip() : QString();
}
QString TOrvaneUserCanvas::CamHint() const {
    return m_cam->isVisibleTo(this) ? m_cam->toolTip() : QString();
}
QString TOrvaneUserCanvas::BadgeText() const {
    return m_expanded ? m_badge->text() : QString();
}
bool TOrvaneUserCanvas::MotionShown() const {
    return m_motion->isVisibleTo(this);
}
QRect TOrvaneUserCanvas::PartGeometry(const char* objectName) const {
    if (QString(objectName) == "userCanvas")
        return geometry();
    const auto* part = findChild<QWidget*>(objectName);
    return part ? part->geometry() : QRect();
}

void TOrvaneUserCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void TOrvaneUserCanvas::place() {
    const int w = width();
    // Laid out left to right; a right-to-left desktop sees each part at its mirrored place.
    const auto put = [this](QWidget* part, const QRect& ltr) {
        part->setGeometry(QStyle::visualRect(layoutDirection(), rect(), ltr));
    };
    const auto at = [](QWidget* part, int x, int y) { return QRect(QPoint(x, y), part->size()); };
    m_border->setGeometry(0, 0, w, height() - 1);
    const int mikeX = w - 17 - 2;
    const int camX = mikeX - 17;
    const int motionX = camX - 17;
    const int queueX = motionX - 10;
    const int activityX = queueX - 18;
    put(m_mike, at(m_mike, mikeX, 2));
    put(m_cam, at(m_cam, camX, 2));
    put(m_motion, at(m_motion, motionX, 2));
    put(m_queue, at(m_queue, queueX, 2));
    put(m_activity, at(m_activity, activityX, 2));
    const int nameWidth = std::max(0, activityX - 6);
    put(m_name, QRect(4, 3, nameWidth, 15));
    m_name->setText(m_name->fontMetrics().elidedText(m_name->toolTip(), Qt::ElideRight, nameWidth));
    put(m_photoFrame, QRect(4, 21, 62, 47));
    put(m_photo, QRect(5, 22, 60, 45));
    const int right = 72;
    put(m_type, QRect(right, 21, std::max(0, w - right - 50), 15));
    put(m_localTime, QRect(right, 36, std::max(0, w - right - 50), 15));
    m_moreOptions->adjustSize();
    put(m_moreOptions, at(m_moreOptions, right, 21 + 47 - m_moreOptions->height()));
    put(m_badge, QRect(w - 45 - 4, 71 - 14, 45, 14));
}

void TOrvaneUserCanvas::mousePressEvent(QMouseEvent* event) {
    emit pressed(m_userId);
    if (event->button() == Qt::RightButton)
        emit menuRequested(m_userId, event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void TOrvaneUserCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit toggleRequested(m_userId);
}

void TOrvaneUserCanvas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit toggleRequested(m_userId);
        return;
    case Qt::Key_Up:
        emit stepRequested(m_userId, -1);
        return;
    case Qt::Key_Down:
        emit stepRequested(m_userId, 1);
        return;
    case Qt::Key_Space:
        if (m_expanded)
            emit menuRequested(m_userId, m_moreOptions->mapToGlobal(QPoint(0, m_moreOptions->height())));
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TOrvaneUserCanvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit pressed(m_userId);
}

void TOrvaneUserCanvas::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's right button opened it already on the press; the keyboard's menu key opens it here.
    if (event->reason() != QContextMenuEvent::Mouse)
        emit menuRequested(m_userId, mapToGlobal(QPoint(20, height())));
}

bool TOrvaneUserCanvas::eventFilter(QObject* watched, QEvent* event) {
    // Any press on a part selects the entry; a double click on one toggles it as on the panel.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        emit pressed(m_userId);
        if (mouse->button() == Qt::RightButton) {
            emit menuRequested(m_userId, mouse->globalPosition().toPoint());
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick && watched != m_moreOptions) {
        emit toggleRequested(m_userId);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orv
