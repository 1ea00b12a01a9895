#pragma once
// A stand-in for the main window: posted application messages are recorded and then routed to the
// handlers registered on its router, on the main thread's event loop.

#include "platform/AppMessage.h"
#include "platform/MessageRouter.h"
#include "support/RecordingSink.h"

#include <QObject>

namespace orv::test {

class MessageTarget final : public QObject, public IMessageSink {
public:
    ~MessageTarget() override { m_post.detach(); }

    void post(int n, std::intptr_t wParam, std::intptr_t lParam) override {
        posted.post(n, wParam, lParam);
        m_post.post(n, wParam, lParam);
    }

    TMessageRouter router;
    RecordingSink posted;

protected:
    bool event(QEvent* event) override { return router.Route(event) || QObject::event(event); }

private:
    QtMessageSink m_post{this};
};

} // namespace orv::test
