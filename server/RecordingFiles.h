#pragma once
// The server's recorded sessions: one file per recording in the store's "recordings" folder, named by its
// session id ("<id>.orvane"), each the 740-byte header followed by the packets. A writer keeps the header's
// total size and packet count right after every packet, so a recording cut short by a crash still plays.

#include "protocol/RecordingMessages.h"

#include <QFile>
#include <QString>

#include <optional>
#include <vector>

namespace orv::server {

class RecordingWriter {
public:
    // Creates the file with `header` (its size and count are set here). False when it cannot be written.
    bool open(const QString& path, TRecordedSessionHeader header);
    bool isOpen() const { return m_file.isOpen(); }
    // A whole packet, its header's stamp as it was sent.
    void append(const QByteArray& packet);
    void close() { m_file.close(); }
    std::int32_t packetCount() const { return m_header.PacketCount(); }

private:
    QFile m_file;
    TRecordedSessionHeader m_header;
};

class RecordingShelf {
public:
    explicit RecordingShelf(QString folder) : m_folder(std::move(folder)) {}

    // The headers of the recordings kept, by session id.
    std::vector<TRecordedSessionHeader> list() const;
    // The file of a recording, if it is kept.
    std::optional<QString> find(std::int32_t sessionId) const;
    // A path for a new recording and its session id.
    std::pair<QString, std::int32_t> reserve() const;

    // The packet at `offset` of a recording file, header and payload; empty at the end or where the file
    // holds no whole, sound packet.
    static QByteArray packetAt(const QString& path, std::int64_t offset);

private:
    QString m_folder;
};

} // namespace orv::server
