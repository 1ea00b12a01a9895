#pragma once
// The running transfers of a session. Each launched transfer gets a thread of its own and frees itself
// when it ends; a waited one runs on its caller's thread. The busy cursor shows while any runs, and goes
// when the last one ends. StopAll ends every transfer at whatever stage it is and waits for all of them,
// which never takes long: aborted transfers wait for nothing, and downloads waiting for the main thread are
// released by abandoning their hand-over first. Transfers started after it, in a session that goes on after a
// reconnection, run as before.

#include "resources/BusyCursor.h"
#include "resources/TransferThread.h"

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace orv {

class TransferSet {
public:
    // On the main thread, which shows the cursor.
    explicit TransferSet(std::unique_ptr<IBusyCursor> cursor);
    ~TransferSet();
    TransferSet(const TransferSet&) = delete;
    TransferSet& operator=(const TransferSet&) = delete;

    // Main thread: starts the transfer on a thread of its own. False while StopAll runs.
    bool Launch(std::unique_ptr<TTransferThread> transfer);
    // Any thread: runs the transfer on the calling thread and returns its result; none while StopAll runs.
    std::optional<int> RunAndWait(std::unique_ptr<TTransferThread> transfer);
    // Main thread: aborts every transfer and waits for each to end; those that try to start meanwhile are
    // refused.
    void StopAll();
    std::size_t Running() const;

private:
    struct Entry {
        std::unique_ptr<TTransferThread> transfer;
        std::thread thread; // not joinable for a waited transfer
    };

    std::uint64_t add(std::unique_ptr<TTransferThread> transfer);
    // Main thread: joins a launched transfer that has ended.
    void reap(std::uint64_t id);
    // Main thread: the cursor follows whether anything runs.
    void updateCursor();

    std::unique_ptr<IBusyCursor> m_cursor;
    bool m_cursorShown = false;
    QObject m_mainThread;
    mutable std::mutex m_mutex;
    std::condition_variable m_ended;
    std::map<std::uint64_t, Entry> m_entries;
    std::uint64_t m_nextId = 1;
    bool m_stopping = false;
};

} // namespace orv
