#include "chat/PostItWindow.h"

#include "platform/CompositorMove.h"
#include "platform/Timer.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orv {

TfrmPostIt::TfrmPostIt(const TNoteNotice& notice, bool noPopUps, std::function<void(bool)> setNoPopUps,
                       ITimerFactory& timers)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint), m_from(new QLabel),
      m_text(new QPlainTextEdit), m_noPopUps(new QCheckBox(tr("Do not popup any more in this session"))),
      m_motion(
          timers, [this](int top) { move(x(), top); }, [this] { close(); }),
      m_shownMs(notice.shownMs) {
    setObjectName("postIt");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(notice.caption);
    setFixedSize(260, 190);
    setStyleSheet("#postIt { background: rgb(255,255,225); border: 1px solid rgb(120,120,120); }");

    auto* bar = new QWidget;
    bar->setObjectName("postItCaption");
    bar->setStyleSheet("#postItCaption { background: #31507f; } QLabel { color: white; font-weight: bold; }");
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(6, 2, 2, 2);
    barLayout->addWidget(new QLabel(notice.caption), 1);
    auto* closeButton = new QPushButton(QStringLiteral("\u2715"));
    closeButton->setObjectName("postItClose");
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setFlat(true);
    closeButton->setFixedSize(18, 16);
    closeButton->setStyleSheet("color: white;");
    barLayout->addWidget(closeButton);
    bar->installEventFilter(this);

    m_from->setObjectName("lbFrom");
    m_from->setText(notice.sender);
    m_from->setStyleSheet("font-weight: bold;");
    m_from->setTextFormat(Qt::PlainText);
    auto* time = new QLabel(tr("Time:") + u' ' + QLocale().toString(notice.time, QLocale::ShortFormat));
    time->setObjectName("postItTime");
    m_text->setObjectName("postItText");
    m_text->setReadOnly(true);
    m_text->setPlainText(notice.text.trimmed());
    m_text->setAccessibleName(tr("Note"));
    auto* closeLink = new QPushButton(tr("[Close]"));
    closeLink->setObjectName("postItCloseLink");
    closeLink->setFlat(true);
    closeLink->setStyleSheet("color: blue;");
    m_noPopUps->setObjectName("noPopUps");
    m_noPopUps->setChecked(noPopUps);
    connect(m_noPopUps, &QCheckBox::toggled, this, [setNoPopUps = std::move(setNoPopUps)](bool on) {
        if (setNoPopUps)
            setNoPopUps(on);
    });
    for (QPushButton* button : {closeButton, closeLink})
        connect(button, &QPushButton::clicked, this, [this] { m_motion.Close(); });

    auto* head = new QHBoxLayout;
    head->addWidget(m_from, 1);
    head->addWidget(time);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(closeLink);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(6, 4, 6, 4);
    body->addLayout(head);
    body->addWidget(m_text, 1);
    body->addWidget(m_noPopUps);
    body->addLayout(foot);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addLayout(body);
}

void TfrmPostIt::Start(const QRect& workArea, int screenBottom) {
    move(workArea.x() + workArea.width() - width() - TPostItMotion::kMargin,
         workArea.y() + workArea.height());
    show();
    m_motion.Start(workArea, screenBottom, height(), m_shownMs);
}

TfrmPostIt* TfrmPostIt::Open(const TNoteNotice& notice, bool noPopUps, std::function<void(bool)> setNoPopUps,
                             ITimerFactory& timers) {
    auto* notice_ = new TfrmPostIt(notice, noPopUps, std::move(setNoPopUps), timers);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int bottom = screen ? screen->geometry().bottom() + 1 : area.bottom() + 1;
    notice_->Start(area, bottom);
    return notice_;
}

QString TfrmPostIt::Sender() const {
    return m_from->text();
}

QString TfrmPostIt::Text() const {
    return m_text->toPlainText();
}

bool TfrmPostIt::eventFilter(QObject* watched, QEvent* event) {
    // The caption bar drags the notice.
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

void TfrmPostIt::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        m_motion.Close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace orv
