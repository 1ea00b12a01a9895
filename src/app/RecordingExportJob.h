#pragma once
// One export of a recording to a video file, run from the event loop in small steps so that the program
// stays responsive and the export can be cancelled at any time; a cancelled or failed export leaves no file.

#include "app/RecordingExportStage.h"
#include "playback/RecordingExport.h"
#include "playback/VideoFileWriter.h"

#include <QObject>
#include <QSize>
#include <QTimer>

#include <memory>
#include <optional>

namespace orv {

// How much of an export runs: all of it, or (to measure it against) the replay with its pictures, or the
// replay alone.
enum class TExportWork { Video, Pictures, Replay };

struct TVideoExportRequest {
    QString recording;
    QString output;
    QSize size{1280, 720};
    int framesPerSecond = 25;
    TExportWork work = TExportWork::Video;
};

// "WxH" with both sides even and from 16 to 7680; nothing otherwise.
std::optional<QSize> ParseVideoSize(const QString& text);
// "h:mm:ss" of milliseconds.
QString ExportTimeText(std::int64_t ms);

class TRecordingExportJob final : public QObject {
    Q_OBJECT
public:
    explicit TRecordingExportJob(TVideoExportRequest request, QObject* parent = nullptr);
    ~TRecordingExportJob() override;

    // Opens the recording and the output file and starts stepping; false, with Error(), when either fails
    // (finished is then not emitted).
    bool Start();
    // Stops and removes what was written; emits finished(false) with an empty error.
    void Cancel();
    bool Running() const { return m_timer.isActive(); }

    double Progress() const { return m_export ? m_export->Progress() : 0; }
    std::int64_t DurationMs() const { return m_export ? m_export->DurationMs() : 0; }
    std::int64_t PositionMs() const { return m_export ? m_export->PositionMs() : 0; }
    std::int64_t Frames() const { return m_export ? m_export->Frames() : 0; }
    QString Encoders() const { return m_writer.Encoders(); }
    QString Error() const { return m_error; }

signals:
    void progressed(double fraction);
    // `error` is empty when the export was cancelled.
    void finished(bool ok, const QString& error);

private:
    void step();
    void end(bool ok, const QString& error);

    TVideoExportRequest m_request;
    std::unique_ptr<TRecordingExportStage> m_stage;
    TVideoFileWriter m_writer;
    std::unique_ptr<TRecordingExport> m_export;
    QTimer m_timer;
    int m_shownPermille = -1;
    QString m_error;
};

} // namespace orv
