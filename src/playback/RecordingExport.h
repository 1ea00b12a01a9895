#pragma once
// Replays a recording file into the handlers on the recording's own time, as fast as the work allows, and
// makes a picture of the room at each frame's time and the recorded voice's sound track up to it. The time
// is the player's: recorded gaps, with gaps over 10 s and backward stamps not waited for. Runs in small
// steps on the main thread, so that what the handlers post is handled between a packet and the picture that
// shows it.

#include "playback/PlaybackPacer.h"
#include "playback/RecordingReader.h"
#include "playback/ReplayClock.h"

#include <QCoreApplication>
#include <QImage>

#include <functional>
#include <optional>

namespace orv {

class IRecordedVoiceTrack;
class TVideoFileWriter;

struct TRecordingExportParts {
    TReplayClock& clock;
    // One replayed packet into the handlers; main thread.
    std::function<void(const TPacketHeader&, QByteArrayView)> deliver;
    IRecordedVoiceTrack* voice = nullptr; // none: voice frames are dropped
    // The room as it looks now; empty: no pictures are made (a replay alone).
    std::function<QImage()> render;
    TVideoFileWriter* writer = nullptr; // none: nothing is encoded (needs `render`)
    int framesPerSecond = 25;
};

class TRecordingExport {
    Q_DECLARE_TR_FUNCTIONS(orv::TRecordingExport)

public:
    enum class TStep { More, Done, Failed };

    TRecordingExport(TRecordingExportParts parts, const QString& recording);

    // Reads the recording's header and first packet and measures its length; starts the voice track with
    // the room's codec. False, with Error(), when it is no recording.
    bool Open();
    std::int32_t RoomCodec() const { return m_codec; }
    // From the first packet to the last, on the replay's time.
    std::int64_t DurationMs() const { return m_durationMs; }

    // One step: the packets up to the next frame's time, or that frame and its sound. Done once the last
    // packet and the last speech are in; the writer is then finished.
    TStep Step();
    std::int64_t PositionMs() const { return m_clock.NowMs(); }
    // 0 to 1.
    double Progress() const;
    std::int64_t Frames() const { return m_frames; }
    QString Error() const { return m_error; }

private:
    std::int64_t frameTime(std::int64_t frame) const;
    // Where the next packet falls on the replay's time; false at the recording's end.
    bool readAhead();
    void deliverUntil(std::int64_t ms);
    bool makeFrame();
    TStep finish();
    TStep failed(const QString& text);

    TRecordingExportParts m_parts;
    TReplayClock& m_clock;
    TRecordingReader m_reader;
    TPlaybackPacer m_pacer;
    std::int64_t m_available = 0;
    std::int64_t m_endOffset = 0;
    std::int32_t m_codec = 0;
    std::int64_t m_durationMs = 0;
    std::optional<std::int64_t> m_pendingMs; // the packet read ahead and not yet delivered
    bool m_exhausted = false;
    bool m_frameDue = false;
    bool m_done = false;
    std::int64_t m_frames = 0;
    QString m_error;
};

} // namespace orv
