// Arbitrary bytes as a received moderation packet: the first byte picks the code, the second the sender, the
// rest is the payload; whatever the handlers post is then handled as the main window would. User ids, types,
// motion values and request types from the bytes must never read past the payload, leave the motion
// counters negative or let a removal reason change the warning's wording.
#include "link/Dispatcher.h"
#include "moderation/Moderation.h"
#include "platform/MessageRouter.h"
#include "protocol/PacketHeader.h"
#include "roster/Roster.h"
#include "support/FakeSession.h"

#include <QCoreApplication>

#include <array>

namespace {
int argc = 1;
char name[] = "moderation";
char* argv[] = {name, nullptr};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orv;
    static test::FakeSession session;
    static Roster roster(session.state);
    static TModeration moderation(session.context, roster);
    static TPacketDispatcher dispatcher;
    static TMessageRouter router;
    static bool wired = false;
    if (!wired) {
        session.state.account.SetUserId(1);
        moderation.RegisterHandlers(dispatcher);
        moderation.RegisterMessages(router);
        wired = true;
    }
    if (size < 2)
        return 0;
    constexpr std::array<std::uint16_t, 10> codes = {
        cmGiveMicrophone, cmBanMicrophone, cmRemoveParticipant, cmSetAccountType, cmSignal,
        cmRequest,        cmClearMotions,  cmVideoStarted,      cmVideoStopped,   cmParticipantLeft};
    // A small room that changes as inputs come: ids 1 to 4, the own one included.
    if (roster.Count() < 4) {
        for (std::uint16_t id = 1; id <= 4; ++id)
            if (!roster.FindEntry(id)) {
                TParticipantRecord r;
                r.SetUserId(id);
                r.SetFullName(QString("P%1").arg(id));
                roster.AddParticipant(r);
            }
    }
    const std::uint16_t code = codes[data[0] % codes.size()];
    const std::uint16_t from = data[1] % 6;
    const QByteArray payload(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    if (code == cmParticipantLeft) {
        roster.RemoveParticipant(from);
    } else {
        const QByteArray packet = BuildPacket(code, from, 100, payload);
        dispatcher.DispatchPacket(TPacketHeader::decode(packet), packet);
    }
    for (const test::PostedMessage& m : session.sink.all())
        router.Deliver(m.n, m.wParam, m.lParam);
    session.sink.clear();
    session.dialogs.shown.clear();
    moderation.Requests().Clear();
    if (roster.HandsCount() < 0 || roster.PositiveCount() < 0 || roster.NegativeCount() < 0)
        __builtin_trap();
    if (!moderation.RemovalText(from).startsWith(roster.FindEntry(from) ? "You've just been removed from the "
                                                                          "session by P"
                                                                        : "Your session was terminated"))
        __builtin_trap();
    return 0;
}
