#include "chat/ChatLargeWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace orv {

TChatLargeWindow::TChatLargeWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName("chatLargeWindow");
    setWindowTitle(tr("Text Chat"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() / 2, area.height() * 2 / 3);
        move(area.center() - rect().center());
    }
}

void TChatLargeWindow::Take(QWidget* content) {
    layout()->addWidget(content);
    content->show();
}

void TChatLargeWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace orv
