#pragma once
// Where the web links window's application messages arrive (ResourceListMsg): posted from the handlers of
// the server's answers, handled on the main thread once the handler has returned.

#include "platform/AppMessage.h"
#include "platform/MessageRouter.h"

#include <QObject>

namespace orv {

class TLinksMailbox final : public QObject {
public:
    TLinksMailbox() : m_sink(this) {}
    ~TLinksMailbox() override { m_sink.detach(); }

    IMessageSink& Sink() { return m_sink; }
    TMessageRouter& Router() { return m_router; }

protected:
    bool event(QEvent* event) override { return m_router.Route(event) || QObject::event(event); }

private:
    TMessageRouter m_router;
    QtMessageSink m_sink;
};

} // namespace orv
