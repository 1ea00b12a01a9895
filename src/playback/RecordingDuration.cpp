#include "playback/RecordingDuration.h"

#include "playback/PlaybackPacer.h"
#include "playback/RecordingReader.h"

namespace orv {

std::optional<std::int64_t> RecordingDurationMs(const QString& path, bool hasHeader, std::int64_t available) {
    TRecordingReader reader(path, hasHeader);
    std::optional<double> first;
    double last = 0;
    while (reader.Next(available, available) == TNextPacket::Packet) {
        if (!first)
            first = reader.Header().Stamp;
        last = reader.Header().Stamp;
    }
    if (!first)
        return std::nullopt;
    return std::max<std::int64_t>(0, TPlaybackPacer::GapMs(*first, last));
}

} // namespace orv
