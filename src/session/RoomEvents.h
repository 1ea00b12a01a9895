#pragma once
// What happens in the room that another subsystem acts on, as typed events: the subsystem that learns of it
// raises the event, and each subsystem that cares listens once, when its module registers. Listeners run
// after the raiser has returned, on the main thread and in the order raised, as the main window's posted
// messages do, so a handler never runs inside another subsystem's half-done update.

#include "protocol/ChatMessages.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orv {

// What the speaker mark of a participant shows.
namespace SpeakerMarkValue {
constexpr int Silent = 0;
constexpr int Speaking = 1;
// The user's own request for the floor waits for the server's answer; only the own entry shows it.
constexpr int Requesting = 2;
} // namespace SpeakerMarkValue

template <typename... Args> class TRoomEvent {
public:
    using Listener = std::function<void(Args...)>;

    explicit TRoomEvent(QObject& receiver) : m_receiver(receiver) {}

    void Listen(Listener listener) { m_listeners->push_back(std::move(listener)); }
    void Raise(Args... args) const {
        QMetaObject::invokeMethod(
            &m_receiver,
            [listeners = m_listeners, args...] {
                for (const Listener& listener : *listeners)
                    listener(args...);
            },
            Qt::QueuedConnection);
    }

private:
    QObject& m_receiver;
    std::shared_ptr<std::vector<Listener>> m_listeners = std::make_shared<std::vector<Listener>>();
};

struct TRoomEvents {
    // Where raised events wait for the event loop; tests deliver them with sendPostedEvents on it.
    QObject receiver;

    // A participant's right to talk (the own one included) was given or taken.
    TRoomEvent<std::uint16_t /*user*/, bool /*given*/> microphoneRight{receiver};
    // A participant's right to draw on the public boards was given or taken.
    TRoomEvent<std::uint16_t /*user*/, bool /*given*/> boardRight{receiver};
    // A participant became a moderator or a participant again.
    TRoomEvent<std::uint16_t /*user*/, std::int32_t /*account type*/> accountType{receiver};
    // A participant's webcam started or stopped.
    TRoomEvent<std::uint16_t /*user*/, bool /*started*/> webcam{receiver};
    // Whether a participant is heard, asks for the floor, or is silent (a SpeakerMarkValue).
    TRoomEvent<std::uint16_t /*user*/, int /*mark*/> speakerMark{receiver};
    // A moderator removed the own user from the room.
    TRoomEvent<std::uint16_t /*moderator*/> removed{receiver};
    // Participants' entries changed (motions, requests, joins): counters and actions follow them.
    TRoomEvent<> participantsChanged{receiver};
    // A participant confirmed receiving what the user showed (0: nobody in particular).
    TRoomEvent<std::uint16_t /*presenter*/> contentShown{receiver};
    // The chat pane comes forward: the public conversation, or the private one with `partner`.
    TRoomEvent<TChatKind /*mode*/, std::uint16_t /*partner*/> conversationWanted{receiver};
};

} // namespace orv
