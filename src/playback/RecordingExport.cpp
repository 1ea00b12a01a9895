#include "playback/RecordingExport.h"

#include "playback/VideoFileWriter.h"
#include "protocol/CommandCatalogue.h"
#include "session/RecordedVoiceTrack.h"

#include <QFileInfo>

#include <algorithm>

namespace orv {

TRecordingExport::TRecordingExport(TRecordingExportParts parts, const QString& recording)
    : m_parts(std::move(parts)), m_clock(m_parts.clock), m_reader(recording, true), m_pacer(m_clock),
      m_available(QFileInfo(recording).size()) {}

bool TRecordingExport::Open() {
    if (!m_reader.IsOpen()) {
        m_error = tr("The file cannot be located.");
        return false;
    }
    const std::optional<TRecordedSessionHeader> header = m_reader.ReadHeader(m_available);
    if (!header) {
        m_error = tr("Unable to play the resource. Please try again later.");
        return false;
    }
    m_endOffset = std::max<std::int64_t>(0, header->TotalSize());
    // The whole recording's length on the player's time, from a pacer of its own.
    TReplayClock measure;
    TPlaybackPacer pacer(measure);
    bool first = true;
    while (m_reader.Next(m_available, m_endOffset) == TNextPacket::Packet) {
        if (first)
            m_codec = RoomCodecOf(m_reader.Header(), m_reader.Packet());
        first = false;
        measure.sleepMs(pacer.Schedule(m_reader.Header().Stamp));
    }
    m_durationMs = measure.NowMs();
    m_reader.Rewind();
    m_pacer.Rebase();
    if (m_parts.voice)
        m_parts.voice->Begin(m_codec);
    return true;
}

double TRecordingExport::Progress() const {
    if (m_done)
        return 1;
    return m_durationMs <= 0 ? 0 : std::clamp(double(m_clock.NowMs()) / double(m_durationMs), 0.0, 1.0);
}

std::int64_t TRecordingExport::frameTime(std::int64_t frame) const {
    return frame * 1000 / std::max(1, m_parts.framesPerSecond);
}

bool TRecordingExport::readAhead() {
    if (m_pendingMs)
        return true;
    if (m_exhausted || m_reader.Next(m_available, m_endOffset) != TNextPacket::Packet) {
        m_exhausted = true; // a truncated recording ends with its last whole packet
        return false;
    }
    m_pendingMs = m_clock.NowMs() + m_pacer.Schedule(m_reader.Header().Stamp);
    return true;
}

void TRecordingExport::deliverUntil(std::int64_t ms) {
    while (readAhead() && *m_pendingMs <= ms) {
        m_clock.AdvanceTo(*m_pendingMs);
        m_pendingMs.reset();
        const TPacketHeader& header = m_reader.Header();
        if (header.Command == cmVoiceIn) {
            if (m_parts.voice)
                m_parts.voice->PlayFrame(header.UserId,
                                         QByteArrayView(m_reader.Packet()).sliced(TPacketHeader::kSize));
        } else if (m_parts.deliver) {
            m_parts.deliver(header, m_reader.Packet());
        }
    }
    m_clock.AdvanceTo(ms);
}

bool TRecordingExport::makeFrame() {
    const QImage picture = m_parts.render ? m_parts.render() : QImage();
    // The sound is taken even when nothing is written, so that it never piles up.
    const std::vector<std::int16_t> sound =
        m_parts.voice ? m_parts.voice->TakeUntil(m_clock.NowMs()) : std::vector<std::int16_t>();
    if (!m_parts.writer)
        return true;
    return m_parts.writer->AddFrame(picture) && m_parts.writer->AddAudio(sound);
}

TRecordingExport::TStep TRecordingExport::failed(const QString& text) {
    m_error = text;
    m_done = true;
    if (m_parts.writer)
        m_parts.writer->Abandon();
    return TStep::Failed;
}

TRecordingExport::TStep TRecordingExport::finish() {
    m_done = true;
    if (!m_parts.writer)
        return TStep::Done;
    // The sound runs to the end of the last picture.
    if (m_parts.voice && !m_parts.writer->AddAudio(m_parts.voice->TakeUntil(frameTime(m_frames))))
        return failed(m_parts.writer->Error());
    if (!m_parts.writer->Finish())
        return failed(m_parts.writer->Error());
    return TStep::Done;
}

TRecordingExport::TStep TRecordingExport::Step() {
    if (m_done)
        return m_error.isEmpty() ? TStep::Done : TStep::Failed;
    const std::int64_t at = frameTime(m_frames);
    if (!m_frameDue) {
        deliverUntil(at);
        m_frameDue = true; // the picture after what the handlers posted has been handled
        return TStep::More;
    }
    m_frameDue = false;
    if (!makeFrame())
        return failed(m_parts.writer->Error());
    ++m_frames;
    const std::int64_t speechEnd = m_parts.voice ? m_parts.voice->EndMs() : 0;
    if (!readAhead() && at >= std::max(m_durationMs, speechEnd))
        return finish();
    return TStep::More;
}

} // namespace orv
