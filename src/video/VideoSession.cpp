#include "video/VideoSession.h"

#include "platform/AppMessage.h"
#include "protocol/PacketHeader.h"
#include "protocol/ResultCodes.h"
#include "protocol/VideoMessages.h"
#include "video/VideoMessageIds.h"

#include <QEvent>

#include <cmath>

namespace orv {
namespace {

constexpr std::uint16_t kBroadcastStopped = 47;
constexpr std::uint16_t kFrameSkipped = 50;

// Receives the session's posted reports on the main thread.
class TReportReceiver final : public QObject {
public:
    explicit TReportReceiver(const TMessageRouter& router) : m_router(router) {}
    bool event(QEvent* e) override { return m_router.Route(e) || QObject::event(e); }

private:
    const TMessageRouter& m_router;
};

} // namespace

TVideoSession::TVideoSession(TVideoSessionParts parts) : m_parts(std::move(parts)) {
    m_receiver = std::make_unique<TReportReceiver>(m_router);
    m_sink = std::make_unique<QtMessageSink>(m_receiver.get());
    registerMessages();
    m_requestTimer = m_parts.timers.CreateTimer(TTimerMode::Repeating, [this] {
        if (m_connection)
            m_connection->RequestFrame();
    });
    m_closeTimer = m_parts.timers.CreateTimer(TTimerMode::SingleShot, [this] { Close(); });
    m_view = m_parts.makeView(*this);
}

TVideoSession::~TVideoSession() {
    m_parts.closed = [](TVideoSession&) {};
    Close();
    static_cast<QtMessageSink&>(*m_sink).detach();
}

void TVideoSession::registerMessages() {
    m_router.Register(VideoMsg::StreamState, [this](std::intptr_t w, std::intptr_t) { onStreamState(w); });
    m_router.Register(VideoMsg::Frame, [this](std::intptr_t w, std::intptr_t) { onFrame(w); });
    m_router.Register(VideoMsg::JoinRefused, [this](std::intptr_t w, std::intptr_t) { onJoinRefused(w); });
    m_router.Register(VideoMsg::Preview, [this](std::intptr_t, std::intptr_t) { onPreview(); });
}

void TVideoSession::fail(const QString& status) {
    m_requestTimer->Stop();
    m_view->ShowStatus(status);
    m_closeTimer->Start(kCloseDelayMs);
}

void TVideoSession::StartBroadcast() {
    m_mode = TVideoJoin::Broadcaster;
    m_view->ShowStatus(tr("Initializing video driver."));
    const TVideoOptions& o = m_parts.options;
    m_framesPerSecond = std::max(1, o.framesPerSecond);
    m_capture = m_parts.openDriver(o.captureDriver);
    m_view->ShowStatus(tr("Checking video format."));
    const TCaptureSize size = CaptureSize(o.formatSize);
    if (!m_capture || !m_capture->Open(size.width, size.height, m_framesPerSecond)) {
        m_capture.reset();
        fail(tr("Your camera does not support the current video format. Please adjust the video settings."));
        return;
    }
    // The stored default can only be decoded here: broadcasts compress with its predecessor instead.
    const std::uint32_t compressor = BroadcastCompressor(o.compressor);
    if (!IsCodecInstalled(compressor, TCodecRole::Compress)) {
        m_parts.openSettings();
        fail(tr("The Windows Media Video 9 \r\ncodec is not installed."));
        return;
    }
    m_view->SetClientSize(90, 91);
    m_view->ShowStatus(tr("Initializing the video compressor..."));
    TBitmapInfoHeader input = m_capture->Format();
    input.SetSize(40);
    TBitmapInfoHeader output = input;
    output.SetCompression(compressor);
    m_codec.EndSequence();
    // The connection's throttle counts each frame's packet header and record too: the pictures get the rest.
    const std::int32_t wirePerSecond =
        m_framesPerSecond * std::int32_t(TPacketHeader::kSize + TVideoFrameRecord::kSize);
    // Rate control only keeps the average: a tenth is kept back so that its peaks (key frames) drain before
    // the next frames are due instead of holding them past their time.
    const std::int32_t pictureRate =
        o.bytesPerSecond > 0 ? std::max(o.bytesPerSecond / 2, (o.bytesPerSecond - wirePerSecond) * 9 / 10)
                             : 0;
    const bool ready = m_codec.InitCompressor(input, output, kQuality, o.keyFrameRate) &&
                       (m_codec.SetFramesInfo(pictureRate, 1000000 / m_framesPerSecond, 1), true) &&
                       m_codec.CompressBegin();
    m_view->ShowStatus(ready ? m_codec.Description() : CodecErrorText(m_codec.LastError()));
    if (!ready) {
        fail(tr("Video failed.\r\nReason:") + CodecErrorText(m_codec.LastError()));
        return;
    }

    m_queue = std::make_unique<TeVideoBuffer>(std::size_t(2 * m_framesPerSecond));
    m_gate = TFrameGate(m_framesPerSecond);
    TVideoJoin join = m_parts.join;
    join.mode = TVideoJoin::Broadcaster;
    m_parts.endpoint.bytesPerSecond = o.bytesPerSecond;
    m_connection =
        std::make_unique<TVideoThread>(m_parts.endpoint, join, 0, *m_sink, m_queue.get(), m_parts.clock);
    TVideoStreamDescription description;
    TBitmapInfoHeader announced = output;
    announced.SetSizeImage(input.SizeImage());
    description.SetHeader(announced);
    description.SetFramesPerSecond(std::uint16_t(m_framesPerSecond));
    description.SetKeyFrameRate(std::uint32_t(o.keyFrameRate));

    m_view->ShowStatus(tr("Communicating with video server..."));
    m_connection->SignOn();
    if (!m_connection->Connected()) {
        m_connection.reset();
        fail(tr("Unable to connect to video server."));
        return;
    }
    m_view->ShowStatus(tr("Updating compression info..."));
    m_connection->SendStreamDescription(description);
    m_connection->Resume();
    m_view->ShowStatus(tr("Initializing transmission..."));
    m_capture->Start([this](QByteArrayView bits) { onCaptured(bits); });
    m_view->ShowCapture();
    m_broadcasting = true;
    m_parts.broadcasting(true);
}

void TVideoSession::onCaptured(QByteArrayView bits) {
    // The capture driver's thread: only the gate, the codec, the queue and the preview are touched here.
    if (m_gate.Admit(m_parts.clock.tickCount(), m_queue->Full())) {
        if (m_gate.TakeKeyFrameNeed())
            m_codec.ForceKeyFrame();
        const TVideoCoDec::TCompressed compressed = m_codec.CompressFrame(bits);
        if (!compressed.bytes.isEmpty() &&
            !m_queue->Add({compressed.keyFrame, compressed.bytes.toByteArray(), 0}))
            m_gate.Lost();
    }
    {
        std::lock_guard lock(m_previewMutex);
        m_previewBits = bits.toByteArray();
    }
    if (!m_previewPosted.exchange(true))
        m_sink->post(VideoMsg::Preview, 0, 0);
}

void TVideoSession::onPreview() {
    m_previewPosted = false;
    if (!m_capture || m_closed)
        return;
    QByteArray bits;
    {
        std::lock_guard lock(m_previewMutex);
        bits = m_previewBits;
    }
    const TBitmapInfoHeader f = m_capture->Format();
    const std::int64_t row = TBitmapInfoHeader::RowBytes(f.Width());
    if (bits.size() < row * f.Height())
        return;
    const QImage rows(reinterpret_cast<const uchar*>(bits.constData()), f.Width(), f.Height(), int(row),
                      QImage::Format_BGR888);
    m_view->ShowPreview(rows.mirrored(false, true));
}

void TVideoSession::StartViewing(std::uint16_t user, const QString& name) {
    m_mode = TVideoJoin::Viewer;
    m_watched = user;
    m_view->SetNameLabel(name);
    m_view->ShowStatus(tr("Initializing the video driver."));
    TVideoJoin join = m_parts.join;
    join.mode = TVideoJoin::Viewer;
    m_parts.endpoint.bytesPerSecond = m_parts.options.bytesPerSecond;
    m_connection =
        std::make_unique<TVideoThread>(m_parts.endpoint, join, user, *m_sink, nullptr, m_parts.clock);
    m_view->ShowStatus(tr("Communicating with video server..."));
    m_connection->SignOn();
    if (!m_connection->Connected()) {
        m_connection.reset();
        fail(tr("Unable to connect to video server.\r\nPlease try again in a few seconds."));
        return;
    }
    m_view->ShowStatus(tr("Getting video information..."));
    m_connection->RequestStreamDescription();
    m_connection->Resume();
}

void TVideoSession::onJoinRefused(std::intptr_t result) {
    if (m_closed || !IsBroadcaster())
        return;
    // The broadcast cannot go on: say why and close, rather than keep showing a preview nobody gets.
    if (m_capture)
        m_capture->Stop();
    fail(tr("Video broadcast refused by the server (code %1).").arg(result));
}

void TVideoSession::onStreamState(std::intptr_t result) {
    if (m_closed || !m_connection)
        return;
    if (result != 0) {
        m_requestTimer->Stop();
        m_view->ShowStatus(tr("Video not available.\r\nThis user has not his/her webcam on."));
        return;
    }
    if (setUpDecompressor(m_connection->Description())) {
        m_requestInterval = std::uint32_t(std::lround(1000.0 / m_framesPerSecond));
        m_requestTimer->Start(m_requestInterval);
        const TBitmapInfoHeader input = m_codec.InputFormat();
        m_view->SetClientSize(input.Width(), input.Height() + 24);
        m_view->ShowDisplay();
    }
}

bool TVideoSession::setUpDecompressor(const TVideoStreamDescription& description) {
    TBitmapInfoHeader input = description.Header();
    const std::uint32_t code = input.Compression();
    if (FourCCText(code).toLower() == "wmv3") {
        // No setting here could change that: the viewer is told plainly.
        fail(tr("This participant's camera uses a format this program cannot show."));
        return false;
    }
    if (!IsCodecInstalled(code, TCodecRole::Decompress)) {
        m_parts.openSettings();
        fail(tr("The ") + FourCCText(code) + "\r\n" + tr("codec is not installed."));
        return false;
    }
    // A frame rate of 0 would divide the request interval by zero: such a stream is refused.
    if (description.FramesPerSecond() == 0) {
        m_view->ShowStatus(tr("Video failed.\r\nReason:") + CodecErrorText(CodecError::BadFlags));
        return false;
    }
    m_framesPerSecond = description.FramesPerSecond();
    TBitmapInfoHeader output = input;
    output.SetSize(40);
    output.SetCompression(0);
    m_codec.EndSequence();
    const bool ok =
        m_codec.InitDecompressor(input, output, kQuality, int(description.KeyFrameRate())) &&
        (m_codec.SetFramesInfo(m_parts.options.bytesPerSecond, 1000000 / m_framesPerSecond, 1), true) &&
        m_codec.DecompressBegin();
    if (!ok) {
        m_view->ShowStatus(tr("Video failed.\r\nReason:") + CodecErrorText(m_codec.LastError()));
        return false;
    }
    m_waitForKey = true;
    m_lastSequence = -1;
    m_view->ShowDisplay();
    return true;
}

void TVideoSession::onFrame(std::intptr_t result) {
    if (m_closed || !m_connection || IsBroadcaster())
        return;
    if (!m_codec.Decompressing()) {
        if (result == 0)
            m_view->SetBufferingText(tr("Video codec failed. \r\nPlease try again."));
        return;
    }
    if (result == kBroadcastStopped) {
        fail(tr("Video stopped!"));
        return;
    }
    if (result == kFrameSkipped) {
        m_waitForKey = true;
        return;
    }
    if (result != 0)
        return; // not available yet, or the connection ended
    const TVideoFrame& frame = m_connection->CurrentFrame();
    if (frame.record.sequence == m_lastSequence)
        return; // the same frame again
    // After a gap, a predicted frame has nothing to build on.
    if (m_lastSequence >= 0 && frame.record.sequence != m_lastSequence + 1)
        m_waitForKey = true;
    if (m_waitForKey && !frame.record.keyFrame)
        return;
    if (!m_codec.DrawFrame(QByteArrayView(frame.data), frame.record.keyFrame, &m_display)) {
        m_waitForKey = true;
        return;
    }
    m_waitForKey = false;
    m_lastSequence = frame.record.sequence;
    ++m_painted;
    m_view->ShowPicture(m_display);
}

void TVideoSession::ChooseSize(TVideoSize size) {
    switch (size) {
    case TVideoSize::Original:
        m_view->SetClientSize(m_codec.OutputFormat().Width(), m_codec.OutputFormat().Height() + 24);
        break;
    case TVideoSize::VerySmall:
        m_view->SetClientSize(80, 84);
        break;
    case TVideoSize::Small:
        m_view->SetClientSize(160, 144);
        break;
    case TVideoSize::Middle:
        m_view->SetClientSize(320, 264);
        break;
    case TVideoSize::Large:
        m_view->SetClientSize(640, 504);
        break;
    }
}

void TVideoSession::stopConnection() {
    if (m_connection)
        m_connection->Stop();
    m_connection.reset();
}

void TVideoSession::Close() {
    if (m_closed)
        return;
    m_closed = true;
    m_requestTimer->Stop();
    m_closeTimer->Stop();
    if (m_capture)
        m_capture->Stop(); // no frame reaches the codec after this
    m_codec.EndSequence();
    stopConnection();
    if (m_queue)
        m_queue->Clear();
    m_capture.reset();
    if (m_broadcasting) {
        m_broadcasting = false;
        m_parts.broadcasting(false);
    }
    m_parts.closed(*this);
}

} // namespace orv
