#pragma once
// Where a window's application messages arrive: posted from handlers or threads, handled on the main thread
// once the poster has returned, by whatever registered for each number.

#include "platform/AppMessage.h"
#include "platform/MessageRouter.h"

#include <QObject>

namespace orv {

class TMailbox final : public QObject {
public:
    TMailbox() : m_sink(this) {}
    ~TMailbox() override { m_sink.detach(); }

    IMessageSink& Sink() { return m_sink; }
    TMessageRouter& Router() { return m_router; }

protected:
    bool event(QEvent* event) override { return m_router.Route(event) || QObject::event(event); }

private:
    TMessageRouter m_router;
    QtMessageSink m_sink;
};

} // namespace orv
