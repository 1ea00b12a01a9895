#pragma once
// The web links library and the guided web tour on the control connection: the links list (cmWebLinkList),
// a link added (cmAddWebLink) or deleted (cmDeleteWebLink), the leader's page (cmPushWebLink) and the
// tour's page told to a participant entering the room (cmWebTourUrl).

#include "protocol/LibraryMessages.h"
#include "protocol/PayloadReader.h"
#include "protocol/ResourceRecords.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace orv {

// The extension every web link record carries.
inline constexpr const char* kWebLinkExt = "WWW";

// A web link record: the address as file name and local path, the name as description.
TResourceRecord MakeWebLinkRecord(const QString& address, const QString& name, const QString& owner);

// cmWebLinkList from the server: a plain signed 32-bit count, then that many records.
struct TWebLinkList {
    std::vector<TResourceRecord> links;

    QByteArray encode() const;
    // A count below 0 reads as none; a count the payload cannot hold is an error, found before anything is
    // kept, so a hostile count never sizes memory.
    static TWebLinkList decode(PayloadReader& reader);
};

// cmPushWebLink: the leader's current board, then the record of the page; laid out as every presented
// resource.
using TWebLinkPush = TResourcePushMessage;

// cmWebTourUrl from the server: the tour's address as a short string of capacity 250.
struct TWebTourAddress {
    static constexpr std::size_t kCapacity = 250;
    static constexpr std::size_t kSize = kCapacity + 1;

    QString address;

    QByteArray encode() const;
    static TWebTourAddress decode(PayloadReader& reader);
};

} // namespace orv
