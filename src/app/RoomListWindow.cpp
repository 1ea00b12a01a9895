#include "app/RoomListWindow.h"

#include "link/SignInSession.h"
#include "protocol/RecordingMessages.h"
#include "protocol/RoomRecords.h"
#include "protocol/SignInRecords.h"
#include "protocol/Stamp.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include <span>

namespace orv {
namespace {

// A link the keyboard reaches with Tab and activates with Enter.
QLabel* keyboardLink(const QString& text) {
    auto* link = new QLabel(QString("<a href='#'>%1</a>").arg(text.toHtmlEscaped()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setAccessibleName(text);
    return link;
}

// A little right of where Tahoma would put it: this desktop's fonts are wider.
constexpr int kNameLeft = 60;
constexpr int kRowWidth = 420;

// Where each pane's columns start.
struct TColumn {
    const char* heading;
    int left;
};
constexpr TColumn kRoomColumns[] = {{QT_TRANSLATE_NOOP("orv::TfrmRoomList", "Room"), 10},
                                    {QT_TRANSLATE_NOOP("orv::TfrmRoomList", "Name"), kNameLeft},
                                    {QT_TRANSLATE_NOOP("orv::TfrmRoomList", "Access"), 300}};
constexpr TColumn kRecordingColumns[] = {{QT_TRANSLATE_NOOP("orv::TfrmRoomList", "Title"), 10},
                                         {QT_TRANSLATE_NOOP("orv::TfrmRoomList", "Date"), 200},
                                         {QT_TRANSLATE_NOOP("orv::TfrmRoomList", "Description"), 280}};

// One room row: a click on any part of it, or Enter or Space while it has the focus, chooses the room; the
// arrow keys move between rows.
class RoomRow final : public QWidget {
public:
    RoomRow(std::int32_t number, std::function<void(std::int32_t)> choose, QWidget* parent)
        : QWidget(parent), m_number(number), m_choose(std::move(choose)) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setObjectName(QString("row%1").arg(number));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_choose(m_number);
    }
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            m_choose(m_number);
            return;
        case Qt::Key_Down:
            focusNextChild();
            return;
        case Qt::Key_Up:
            focusPreviousChild();
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        QWidget::focusInEvent(event);
        if (auto* scroll = qobject_cast<QScrollArea*>(parentWidget()->parentWidget()->parentWidget()))
            scroll->ensureWidgetVisible(this);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QWidget::focusOutEvent(event);
        update();
    }
    void paintEvent(QPaintEvent*) override {
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Highlight).lighter(170));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    std::int32_t m_number;
    std::function<void(std::int32_t)> m_choose;
};

// Columns are given from the left edge; a right-to-left desktop reads them from the right one.
int visualLeft(int left, int width) {
    return QGuiApplication::isRightToLeft() ? kRowWidth - left - width : left;
}

// The recordings list's dates as English readers have always seen them there; the user's own short date in
// any other language.
QString recordingDate(const QDate& date) {
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return QLocale::c().toString(date, QStringLiteral("M/dd/yyyy"));
    return locale.toString(date, QLocale::ShortFormat);
}

QLabel* placed(const QString& text, int left, QWidget* parent, bool blue) {
    auto* label = new QLabel(text, parent);
    QFont font("Tahoma", 10);
    label->setFont(font);
    if (blue)
        label->setStyleSheet("color: #00008b");
    label->move(left, 0);
    label->adjustSize();
    return label;
}

} // namespace

TfrmRoomList::TfrmRoomList(const QString& serverHost, const TAccountRecord& account,
                           const TStartupInfo& startup, const QString& bannerPath,
                           const QString& userImagesFolder, QWidget* parent, TRoomListPane pane)
    : QDialog(parent), m_rowArea(new QWidget), m_timer(new QTimer(this)) {
    const bool rooms = pane == TRoomListPane::Rooms;
    setWindowTitle(tr("Welcome to Orvane Live"));
    setObjectName("roomListWindow");
    auto* layout = new QVBoxLayout(this);

    const bool banner = startup.BannerFlag() && !bannerPath.isEmpty() && QFileInfo::exists(bannerPath);
    if (banner) {
        auto* image = new QLabel;
        image->setObjectName("banner");
        const QPixmap pixmap(bannerPath);
        image->setPixmap(pixmap);
        image->setScaledContents(startup.StretchFlag());
        image->setFixedHeight(std::min(pixmap.height(), 60));
        layout->addWidget(image);
    }

    auto* greeting = new QLabel(
        QString("<span style='font-size:13pt'><b>%1</b></span><br>%2")
            .arg(tr("Hello %1,").arg(account.FirstName().toHtmlEscaped()),
                 tr("You are now connected to server %1").arg("<b>" + serverHost.toHtmlEscaped() + "</b>")));
    QStringList details;
    for (const QString& line :
         {account.FullName(), account.Email(), account.UserName(), account.PostalAddress()})
        if (!line.trimmed().isEmpty())
            details << line.toHtmlEscaped();
    details << (account.AccountType() >= 1000 ? tr("Moderator account") : tr("Participant account"));
    auto* info = new QLabel("<b>Personal Info</b><br>" + details.join("<br>"));
    info->setObjectName("personalInfo");
    auto* signOut = keyboardLink(tr("Sign Out"));
    connect(signOut, &QLabel::linkActivated, this, [this] {
        m_chosen = -1;
        reject();
    });
    auto* top = new QHBoxLayout;
    auto* logo = new QLabel("<a href='#' style='text-decoration:none; color:#31507f'><b>Orvane Live</b></a>");
    logo->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    logo->setAccessibleName(tr("Orvane Live web site"));

    logo->setToolTip(tr("Visit the Orvane Live web site"));
    connect(logo, &QLabel::linkActivated, this, &TfrmRoomList::vendorSiteRequested);
    auto* texts = new QVBoxLayout;
    texts->addWidget(logo, 0, Qt::AlignRight);
    texts->addWidget(greeting);
    texts->addWidget(info);
    texts->addWidget(signOut);
    top->addLayout(texts, 1);
    const QString picture = QDir(userImagesFolder).filePath(QString::number(account.UserId()) + ".jpg");
    if (QFileInfo::exists(picture)) {
        auto* photo = new QLabel;
        photo->setPixmap(QPixmap(picture).scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        top->addWidget(photo);
    }
    layout->addLayout(top);

    layout->addWidget(new QLabel(rooms ? tr("To join a virtual room click on a room entry below")
                                       : tr("To watch a recorded session select one from the list")));
    // Headings at the top of the scroll box, row k below them at 20k + 20.
    QFont bold("Tahoma", 10, QFont::Bold);
    for (const TColumn& column : rooms ? std::span<const TColumn>(kRoomColumns) : kRecordingColumns) {
        m_columns.push_back(column.left);
        auto* heading = new QLabel(tr(column.heading), m_rowArea);
        heading->setFont(bold);
        heading->adjustSize();
        heading->move(visualLeft(column.left, heading->width()), 5);
    }
    m_rowArea->resize(kRowWidth, 24);
    auto* scroll = new QScrollArea;
    scroll->setAccessibleName(rooms ? tr("Rooms") : tr("Recorded sessions"));
    scroll->setWidgetResizable(false);
    scroll->setWidget(m_rowArea);
    layout->addWidget(scroll, 1);

    // 353 pixels high with a banner, 295 without; more only where this desktop's fonts need it.
    const int height = banner ? 353 : 295;
    setFixedSize(480, std::max(height, sizeHint().height() + 60));
    m_confirmSignOut = [this] {
        return QMessageBox::question(this, windowTitle(), tr("Do you want to sign out?"),
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    m_timer->setSingleShot(true);

    m_timer->setInterval(kCloseAfterMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_chosen = -1;
        reject();
    });
}

void TfrmRoomList::AddRoom(const TRoomListEntry& entry) {
    const std::int32_t number = entry.Number();
    addRow(number, tr("Room %1, %2, %3").arg(number).arg(entry.Name(), TSignInSession::AccessText(entry)),
           {QString::number(number), entry.Name(), TSignInSession::AccessText(entry)});
}

void TfrmRoomList::AddRecording(const TRecordedSessionHeader& header) {
    const QString date = recordingDate(localFromStamp(header.Recorded()).date());
    QWidget* row =
        addRow(header.SessionId(), tr("%1, %2, %3").arg(header.Title(), date, header.Description()),
               {header.Title(), date, header.Description()});
    row->setToolTip(header.Description());
}

QWidget* TfrmRoomList::addRow(std::int32_t tag, const QString& name, const QStringList& columns) {
    auto* row = new RoomRow(
        tag, [this](std::int32_t n) { ClickRoom(n); }, m_rowArea);
    row->setGeometry(0, 20 * m_rows + 20, kRowWidth, 20);
    // The first two columns in blue, each kept short of the next.
    for (std::size_t i = 0; i < m_columns.size() && i < std::size_t(columns.size()); ++i) {
        QLabel* label = placed(columns[qsizetype(i)], m_columns[i], row, i < 2);
        const int right = i + 1 < m_columns.size() ? m_columns[i + 1] : kRowWidth;
        label->setMaximumWidth(right - m_columns[i] - 8);
        label->move(visualLeft(m_columns[i], label->width()), 0);
    }
    row->setAccessibleName(name);
    if (m_rows == 0)
        row->setFocus();

    ++m_rows;
    m_rowArea->resize(kRowWidth, 20 * m_rows + 24);
    return row;
}

void TfrmRoomList::keyPressEvent(QKeyEvent* event) {
    // Escape signs out as the link does, which ends the program: it asks first.
    if (event->key() == Qt::Key_Escape) {
        if (m_confirmSignOut()) {
            m_chosen = -1;
            QDialog::reject();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmRoomList::ClickRoom(std::int32_t number) {
    m_chosen = number;
    m_hasChoice = true;
    accept();
}

std::int32_t TfrmRoomList::ChooseRoom() {
    m_timer->start();
    exec();
    m_timer->stop();
    return m_chosen;
}

} // namespace orv
