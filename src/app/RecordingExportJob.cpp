#include "app/RecordingExportJob.h"

#include <QRegularExpression>

namespace orv {

std::optional<QSize> ParseVideoSize(const QString& text) {
    static const QRegularExpression pattern("^\\s*(\\d{2,4})\\s*[xX]\\s*(\\d{2,4})\\s*$");
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    const auto fits = [](int side) { return side >= 16 && side <= 7680 && side % 2 == 0; };
    if (!fits(size.width()) || !fits(size.height()))
        return std::nullopt;
    return size;
}

QString ExportTimeText(std::int64_t ms) {
    const std::int64_t seconds = std::max<std::int64_t>(0, ms) / 1000;
    return QString("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

TRecordingExportJob::TRecordingExportJob(TVideoExportRequest request, QObject* parent)
    : QObject(parent), m_request(std::move(request)) {
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &TRecordingExportJob::step);
}

TRecordingExportJob::~TRecordingExportJob() {
    m_timer.stop();
    m_writer.Abandon();
}

bool TRecordingExportJob::Start() {
    m_error.clear();
    m_stage = std::make_unique<TRecordingExportStage>(m_request.size);
    TRecordingExportStage& stage = *m_stage;
    TRecordingExportParts parts{
        stage.Clock(),  [&stage](const TPacketHeader& h, QByteArrayView s) { stage.Deliver(h, s); },
        &stage.Voice(), {},
        nullptr,        m_request.framesPerSecond};
    if (m_request.work != TExportWork::Replay)
        parts.render = [&stage] { return stage.Render(); };
    if (m_request.work == TExportWork::Video)
        parts.writer = &m_writer;
    m_export = std::make_unique<TRecordingExport>(std::move(parts), m_request.recording);
    if (!m_export->Open()) {
        m_error = m_export->Error();
        return false;
    }
    if (m_request.work == TExportWork::Video &&
        !m_writer.Open(m_request.output,
                       {m_request.size, m_request.framesPerSecond, stage.Voice().SampleRate()})) {
        m_error = m_writer.Error();
        return false;
    }
    m_timer.start();
    return true;
}

void TRecordingExportJob::Cancel() {
    if (!m_timer.isActive())
        return;
    m_writer.Abandon();
    end(false, {});
}

void TRecordingExportJob::end(bool ok, const QString& error) {
    m_timer.stop();
    m_error = error;
    emit finished(ok, error);
}

void TRecordingExportJob::step() {
    switch (m_export->Step()) {
    case TRecordingExport::TStep::More: {
        const int permille = int(m_export->Progress() * 1000);
        if (permille != m_shownPermille) {
            m_shownPermille = permille;
            emit progressed(m_export->Progress());
        }
        return;
    }
    case TRecordingExport::TStep::Done:
        emit progressed(1.0);
        return end(true, {});
    case TRecordingExport::TStep::Failed:
        return end(false, m_export->Error());
    }
}

} // namespace orv
