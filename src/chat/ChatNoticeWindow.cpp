#include "chat/ChatNoticeWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace orv {

TChatNoticeWindow::TChatNoticeWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_sender(new QLabel), m_text(new QLabel), m_time(new QLabel), m_timer(new QTimer(this)) {
    setObjectName("chatNoticeWindow");
    setWindowTitle(tr("New Chat Message"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumWidth(260);
    setMaximumWidth(360);
    m_sender->setStyleSheet("font-weight: bold;");
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_time->setStyleSheet("color: #606060;");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sender);
    layout->addWidget(m_text);
    layout->addWidget(m_time, 0, Qt::AlignRight);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::close);
}

void TChatNoticeWindow::ShowMessage(const QString& name, const QString& text, const QString& time) {
    m_sender->setText(name);
    m_text->setText(text.trimmed().left(500));
    m_time->setText(time);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.bottomRight() - QPoint(width() + 24, height() + 64)); // room for the frame
    }
    show();
    m_timer->start(kShownMs);
}

QString TChatNoticeWindow::Sender() const {
    return m_sender->text();
}

QString TChatNoticeWindow::Text() const {
    return m_text->text();
}

} // namespace orv
