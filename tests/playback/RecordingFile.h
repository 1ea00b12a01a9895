#pragma once
// Writes recording files for the playback tests: the header, then packets with their stamps.

#include "protocol/CommandCatalogue.h"
#include "protocol/RecordingMessages.h"

#include <QFile>
#include <QString>

#include <vector>

namespace orv::test {

inline TRecordedPacket recorded(std::uint16_t command, double stampSeconds, const QByteArray& payload = {},
                                std::uint16_t userId = 1) {
    TRecordedPacket p;
    p.header.Command = command;
    p.header.UserId = userId;
    p.header.Stamp = 45000.0 + stampSeconds / 86400.0;
    p.payload = payload;
    return p;
}

// The header's total size and packet count match what is written unless the caller cuts the bytes.
inline QByteArray recordingBytes(const std::vector<TRecordedPacket>& packets, bool withHeader = true) {
    QByteArray body;
    for (const TRecordedPacket& p : packets)
        body += p.encode();
    if (!withHeader)
        return body;
    TRecordedSessionHeader header;
    header.SetTitle("Test");
    header.SetTotalSize(std::int32_t(TRecordedSessionHeader::kSize + body.size()));
    header.SetPacketCount(std::int32_t(packets.size()));
    return header.toByteArray() + body;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

} // namespace orv::test
