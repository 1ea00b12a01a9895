#pragma once
// One library as its window shows it: the records of the last list reply, in the order received. It is the
// window's mailbox too: delete answers and finished uploads are posted to its sink from the handlers and the
// transfer threads, and handled here on the main thread.

#include "platform/AppMessage.h"
#include "platform/MessageRouter.h"
#include "protocol/ResourceRecords.h"
#include "protocol/TransferMessages.h"

#include <QObject>

#include <vector>

namespace orv {

class TLibraryList final : public QObject {
    Q_OBJECT
public:
    explicit TLibraryList(TTransferKind kind) : m_kind(kind) {}
    ~TLibraryList() override { m_sink.detach(); }

    TTransferKind Kind() const { return m_kind; }
    const std::vector<TResourceRecord>& Items() const { return m_items; }
    // The list reply replaces every item.
    void SetItems(std::vector<TResourceRecord> items);

    // Where messages for this list's window go (ResourceListMsg), from any thread.
    IMessageSink& Sink() { return m_sink; }
    TMessageRouter& Router() { return m_router; }

signals:
    void Changed();

protected:
    bool event(QEvent* event) override { return m_router.Route(event) || QObject::event(event); }

private:
    TTransferKind m_kind;
    std::vector<TResourceRecord> m_items;
    QtMessageSink m_sink{this};
    TMessageRouter m_router;
};

} // namespace orv
