#pragma once
// Where the board window's application messages arrive (BoardMsg): posted from handlers, handled on the main
// thread once the handler has returned, by whatever registered for each number.

#include "platform/AppMessage.h"
#include "platform/MessageRouter.h"

#include <QObject>

namespace orv {

class BoardMailbox final : public QObject {
public:
    BoardMailbox() : m_sink(this) {}
    ~BoardMailbox() override { m_sink.detach(); }

    IMessageSink& Sink() { return m_sink; }
    TMessageRouter& Router() { return m_router; }

protected:
    bool event(QEvent* event) override { return m_router.Route(event) || QObject::event(event); }

private:
    TMessageRouter m_router;
    QtMessageSink m_sink;
};

} // namespace orv
