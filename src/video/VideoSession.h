#pragma once
// What one video window does, broadcasting the own camera or watching another participant's: the capture,
// the codec, the stream connection and its reports, the frame requests and the close timer. The window
// itself only shows what it is told (IVideoView) and hands the user's choices back. Main thread, except the
// capture callback, which touches only the codec, the frame queue and the latest preview.

#include "platform/Clock.h"
#include "platform/MessageRouter.h"
#include "platform/Timer.h"
#include "video/FrameGate.h"
#include "video/VideoBuffer.h"
#include "video/VideoCapture.h"
#include "video/VideoCoDec.h"
#include "video/VideoThread.h"

#include <QCoreApplication>
#include <QImage>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace orv {

class IVideoView {
public:
    virtual ~IVideoView() = default;
    virtual void SetNameLabel(const QString& text) = 0;
    // The message panel in front, with the text.
    virtual void ShowStatus(const QString& text) = 0;
    // The live preview in front; the "Options" link becomes "Stop".
    virtual void ShowCapture() = 0;
    virtual void ShowPreview(const QImage& picture) = 0;
    // The received picture in front, "Buffering...." until the first is painted.
    virtual void ShowDisplay() = 0;
    virtual void ShowPicture(const QImage& picture) = 0;
    virtual void SetBufferingText(const QString& text) = 0;
    virtual void SetClientSize(int width, int height) = 0;
    virtual void ShowWindow() = 0;
};

// The video settings a window starts with.
struct TVideoOptions {
    std::int32_t captureDriver = 0;
    std::uint32_t compressor = kWMV3;
    std::int32_t framesPerSecond = 3;
    std::int32_t formatSize = 0;
    std::int32_t keyFrameRate = 7;
    std::int32_t bytesPerSecond = 7168;
};

// The size menu's choices, in its order.
enum class TVideoSize { Original, VerySmall, Small, Middle, Large };

class TVideoSession;

struct TVideoSessionParts {
    TVideoEndpoint endpoint;
    TVideoJoin join; // the sign-on record and the room; the mode is set by the start
    TVideoOptions options;
    ITimerFactory& timers;
    IClock& clock;
    std::function<std::unique_ptr<IVideoView>(TVideoSession&)> makeView;
    std::function<std::unique_ptr<IVideoCapture>(int driver)> openDriver = OpenCaptureDriver;
    std::function<void()> openSettings = [] {};
    // The session has closed; its owner frees it later, never from inside this call.
    std::function<void(TVideoSession&)> closed = [](TVideoSession&) {};
    // A broadcast started (true) or ended (false).
    std::function<void(bool)> broadcasting = [](bool) {};
};

class TVideoSession {
    Q_DECLARE_TR_FUNCTIONS(TVideoSession)

public:
    static constexpr std::uint32_t kCloseDelayMs = 2500;
    static constexpr int kQuality = 1000;

    explicit TVideoSession(TVideoSessionParts parts);
    ~TVideoSession();
    TVideoSession(const TVideoSession&) = delete;
    TVideoSession& operator=(const TVideoSession&) = delete;

    void StartBroadcast();
    void StartViewing(std::uint16_t user, const QString& name);
    // Stops everything and tells the owner; again a no-op.
    void Close();
    void ChooseSize(TVideoSize size);

    bool IsBroadcaster() const { return m_mode == TVideoJoin::Broadcaster; }
    std::uint16_t WatchedUser() const { return m_watched; }
    bool Closed() const { return m_closed; }
    bool Broadcasting() const { return m_broadcasting; }
    int PaintedFrames() const { return m_painted; }
    std::int32_t LastPaintedSequence() const { return m_lastSequence; }
    std::uint32_t FrameRequestInterval() const { return m_requestInterval; }
    bool CloseTimerRunning() const { return m_closeTimer->IsActive(); }
    TVideoThread* Connection() const { return m_connection.get(); }
    IVideoView& View() { return *m_view; }

private:
    void registerMessages();
    void onCaptured(QByteArrayView bits);
    void onPreview();
    void onStreamState(std::intptr_t result);
    void onFrame(std::intptr_t result);
    void onJoinRefused(std::intptr_t result);
    bool setUpDecompressor(const TVideoStreamDescription& description);
    void fail(const QString& status); // shows the text and closes after the delay
    void stopConnection();

    TVideoSessionParts m_parts;
    std::int32_t m_mode = TVideoJoin::Broadcaster;
    std::uint16_t m_watched = 0;
    TMessageRouter m_router;
    std::unique_ptr<QObject> m_receiver;
    std::unique_ptr<IMessageSink> m_sink;
    std::unique_ptr<IVideoView> m_view;
    std::unique_ptr<ITimer> m_requestTimer;
    std::unique_ptr<ITimer> m_closeTimer;
    std::unique_ptr<IVideoCapture> m_capture;
    TVideoCoDec m_codec;
    std::unique_ptr<TeVideoBuffer> m_queue;
    TFrameGate m_gate;
    std::unique_ptr<TVideoThread> m_connection;
    std::uint32_t m_requestInterval = 0;
    int m_framesPerSecond = 0;
    bool m_closed = false;
    bool m_broadcasting = false;
    // Viewer: after a start, a dropped frame or a gap, nothing is painted before the next key frame.
    bool m_waitForKey = true;
    std::int32_t m_lastSequence = -1;
    int m_painted = 0;
    QImage m_display;
    // The latest captured picture, for the preview.
    std::mutex m_previewMutex;
    QByteArray m_previewBits;
    std::atomic<bool> m_previewPosted{false};
};

} // namespace orv
