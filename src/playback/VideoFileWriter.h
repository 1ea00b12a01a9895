#pragma once
// Writes a video file anyone can watch from pictures and mono sound: VP9 (VP8 where VP9 is missing) with Opus
// in WebM, or H.264 with AAC in MP4 for a name ending in ".mp4". The file is written beside its final name
// and only takes that name once finished, so an abandoned or failed export leaves nothing behind.

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <span>

namespace orv {

struct TVideoFileFormat {
    QSize size; // both sides even
    int framesPerSecond = 25;
    int audioSampleRate = 8000; // of the samples given to AddAudio
};

class TVideoFileWriter {
    Q_DECLARE_TR_FUNCTIONS(orv::TVideoFileWriter)

public:
    TVideoFileWriter();
    // An unfinished file is abandoned.
    ~TVideoFileWriter();
    TVideoFileWriter(const TVideoFileWriter&) = delete;
    TVideoFileWriter& operator=(const TVideoFileWriter&) = delete;

    // The container follows the name's ending; false, with Error(), when it is not one of ours, an encoder
    // is missing or the file cannot be written.
    bool Open(const QString& path, const TVideoFileFormat& format);
    // The next picture; scaled when its size differs.
    bool AddFrame(const QImage& frame);
    // The next samples, signed 16-bit mono at the format's rate.
    bool AddAudio(std::span<const std::int16_t> samples);
    // Drains the encoders, closes the file and gives it its name.
    bool Finish();
    // Stops and removes what was written.
    void Abandon();

    QString Error() const { return m_error; }
    // The formats chosen, e.g. "VP9 video, Opus sound".
    QString Encoders() const;

private:
    struct Streams;
    bool fail(const QString& text);

    std::unique_ptr<Streams> m_streams;
    QString m_path;
    QString m_partPath;
    QString m_error;
};

} // namespace orv
