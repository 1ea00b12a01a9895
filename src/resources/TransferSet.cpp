#include "resources/TransferSet.h"

#include <QMetaObject>

#include <vector>

namespace orv {

TransferSet::TransferSet(std::unique_ptr<IBusyCursor> cursor) : m_cursor(std::move(cursor)) {}

TransferSet::~TransferSet() {
    StopAll();
}

std::uint64_t TransferSet::add(std::unique_ptr<TTransferThread> transfer) {
    std::lock_guard lock(m_mutex);
    if (m_stopping)
        return 0;
    const std::uint64_t id = m_nextId++;
    m_entries[id].transfer = std::move(transfer);
    return id;
}

bool TransferSet::Launch(std::unique_ptr<TTransferThread> transfer) {
    TTransferThread* running = transfer.get();
    const std::uint64_t id = add(std::move(transfer));
    if (id == 0)
        return false;
    {
        std::lock_guard lock(m_mutex);
        m_entries[id].thread = std::thread([this, running, id] {
            running->Execute();
            // Posted before the thread ends; StopAll joins the thread first, so this object still exists.
            QMetaObject::invokeMethod(
                &m_mainThread, [this, id] { reap(id); }, Qt::QueuedConnection);
        });
    }
    updateCursor();
    return true;
}

std::optional<int> TransferSet::RunAndWait(std::unique_ptr<TTransferThread> transfer) {
    TTransferThread* running = transfer.get();
    const std::uint64_t id = add(std::move(transfer));
    if (id == 0)
        return std::nullopt;
    QMetaObject::invokeMethod(
        &m_mainThread, [this] { updateCursor(); }, Qt::AutoConnection);
    const int result = running->Execute();
    std::unique_ptr<TTransferThread> done;
    {
        // Under the lock: StopAll, and with it the end of this object, waits until the entry is gone.
        std::lock_guard lock(m_mutex);
        QMetaObject::invokeMethod(
            &m_mainThread, [this] { updateCursor(); }, Qt::QueuedConnection);
        done = std::move(m_entries[id].transfer);
        m_entries.erase(id);
        m_ended.notify_all();
    }
    return result;
}

void TransferSet::reap(std::uint64_t id) {
    Entry entry;
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_entries.find(id);
        if (it == m_entries.end())
            return; // StopAll took it already
        entry = std::move(it->second);
        m_entries.erase(it);
    }
    entry.thread.join(); // it has posted its last word: this ends at once
    updateCursor();
}

void TransferSet::StopAll() {
    std::vector<Entry> launched;
    {
        std::unique_lock lock(m_mutex);
        m_stopping = true;
        for (auto& [id, entry] : m_entries)
            entry.transfer->Abort();
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            if (it->second.thread.joinable()) {
                launched.push_back(std::move(it->second));
                it = m_entries.erase(it);
            } else {
                ++it;
            }
        }
        // Waited transfers belong to their callers, who take them out once they have ended.
        m_ended.wait(lock, [this] { return m_entries.empty(); });
    }
    for (Entry& entry : launched)
        entry.thread.join();
    {
        std::lock_guard lock(m_mutex);
        m_stopping = false;
    }
    updateCursor();
}

std::size_t TransferSet::Running() const {
    std::lock_guard lock(m_mutex);
    return m_entries.size();
}

void TransferSet::updateCursor() {
    const bool busy = Running() > 0;
    if (busy && !m_cursorShown)
        m_cursor->Show();
    else if (!busy && m_cursorShown)
        m_cursor->Restore();
    m_cursorShown = busy;
}

} // namespace orv
