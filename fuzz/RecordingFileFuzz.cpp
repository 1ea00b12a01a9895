// Arbitrary bytes as a recording file, read packet by packet as the player reads it, and as the server's
// replies to the recordings list and the opening of a recording. The reader never moves backwards, never
// reads past the bytes there are, and ends.
#include "platform/MemoryChannel.h"
#include "playback/RecordingReader.h"
#include "playback/ServerRecordings.h"

#include <QTemporaryFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();
    for (const bool hasHeader : {true, false}) {
        orv::TRecordingReader reader(file.fileName(), hasHeader);
        std::int64_t previous = reader.Position();
        while (reader.Next(std::int64_t(size), 0) == orv::TNextPacket::Packet) {
            if (reader.Position() <= previous || reader.Position() > std::int64_t(size) ||
                reader.Packet().size() != reader.Position() - previous)
                __builtin_trap();
            previous = reader.Position();
        }
        (void)reader.ReadHeader(std::int64_t(size));
    }
    try {
        orv::MemoryChannel list(data, size);
        (void)orv::ListRecordings(list, 1);
    } catch (const orv::EChannelError&) {
    }
    try {
        orv::MemoryChannel open(data, size);
        (void)orv::OpenRecording(open, 1);
    } catch (const orv::EChannelError&) {
    }
    return 0;
}
