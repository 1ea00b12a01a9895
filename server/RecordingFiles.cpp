#include "RecordingFiles.h"

#include "protocol/Constants.h"
#include "protocol/WireFormat.h"

#include <QDir>

namespace orv::server {
namespace {

constexpr qint64 kTotalSizeOffset = 225;
constexpr qint64 kPacketCountOffset = 480;

bool writeAt(QFile& file, qint64 offset, std::int32_t value) {
    const QByteArray bytes = wire::bytesOf(value);
    return file.seek(offset) && file.write(bytes) == bytes.size();
}

} // namespace

bool RecordingWriter::open(const QString& path, TRecordedSessionHeader header) {
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    header.SetTotalSize(std::int32_t(TRecordedSessionHeader::kSize));
    header.SetPacketCount(0);
    m_header = header;
    const QByteArray bytes = header.toByteArray();
    if (m_file.write(bytes) != bytes.size()) {
        m_file.close();
        return false;
    }
    m_file.flush();
    return true;
}

void RecordingWriter::append(const QByteArray& packet) {
    if (!m_file.isOpen())
        return;
    const std::int64_t total = std::int64_t(m_header.TotalSize()) + packet.size();
    if (total > std::numeric_limits<std::int32_t>::max()) {
        m_file.close(); // the header cannot count further: the recording ends here
        return;
    }
    if (!m_file.seek(m_header.TotalSize()) || m_file.write(packet) != packet.size()) {
        m_file.close();
        return;
    }
    m_header.SetTotalSize(std::int32_t(total));
    m_header.SetPacketCount(m_header.PacketCount() + 1);
    // The packet is written before the header counts it.
    m_file.flush();
    writeAt(m_file, kTotalSizeOffset, m_header.TotalSize());
    writeAt(m_file, kPacketCountOffset, m_header.PacketCount());
    m_file.flush();
}

std::vector<TRecordedSessionHeader> RecordingShelf::list() const {
    std::vector<TRecordedSessionHeader> out;
    const QDir dir(m_folder);
    for (const QString& name : dir.entryList({"*.orvane"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(qint64(TRecordedSessionHeader::kSize));
        if (bytes.size() != qsizetype(TRecordedSessionHeader::kSize))
            continue;
        PayloadReader reader(bytes);
        TRecordedSessionHeader header = TRecordedSessionHeader::decode(reader);
        bool numbered = false;
        header.SetSessionId(QFileInfo(name).baseName().toInt(&numbered)); // the file's name is its id
        if (numbered)
            out.push_back(header);
    }
    return out;
}

std::optional<QString> RecordingShelf::find(std::int32_t sessionId) const {
    if (sessionId <= 0)
        return std::nullopt;
    const QString path = QDir(m_folder).filePath(QString("%1.orvane").arg(sessionId));
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

std::pair<QString, std::int32_t> RecordingShelf::reserve() const {
    QDir().mkpath(m_folder);
    std::int32_t next = 1;
    for (const TRecordedSessionHeader& h : list())
        next = std::max(next, h.SessionId() + 1);
    return {QDir(m_folder).filePath(QString("%1.orvane").arg(next)), next};
}

QByteArray RecordingShelf::packetAt(const QString& path, std::int64_t offset) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return {};
    QByteArray packet = file.read(qint64(TPacketHeader::kSize));
    if (packet.size() != qsizetype(TPacketHeader::kSize))
        return {};
    const TPacketHeader header = TPacketHeader::decode(QByteArrayView(packet));
    if (header.Command == 0 || header.DataSize < 0 || header.DataSize > kMaxControlPayload)
        return {};
    const QByteArray payload = file.read(header.DataSize);
    if (payload.size() != header.DataSize)
        return {};
    return packet + payload;
}

} // namespace orv::server
