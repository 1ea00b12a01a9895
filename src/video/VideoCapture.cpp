#include "video/VideoCapture.h"

#include <QCamera>
#include <QCoreApplication>
#include <QImage>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace orv {
namespace {

constexpr int kMaxDrivers = 10;

// Rows bottom-up, padded to four bytes, from a picture of the format's size.
QByteArray bottomUpBits(const QImage& picture, std::int32_t width, std::int32_t height) {
    const QImage rgb = picture.convertToFormat(QImage::Format_BGR888)
                           .scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                           .mirrored(false, true);
    const std::int64_t row = TBitmapInfoHeader::RowBytes(width);
    QByteArray bits(qsizetype(row * height), '\0');
    for (int y = 0; y < height; ++y)
        std::memcpy(bits.data() + row * y, rgb.constScanLine(y), std::size_t(width) * 3);
    return bits;
}

// Colour bars with a box that crosses them, a little further each frame, on a thread of its own.
class TTestPatternCapture final : public IVideoCapture {
public:
    ~TTestPatternCapture() override { Stop(); }

    bool Open(std::int32_t width, std::int32_t height, int framesPerSecond) override {
        m_format = TBitmapInfoHeader::Rgb24(width, height);
        m_intervalMs = 1000 / std::max(1, framesPerSecond);
        return width > 0 && height > 0 && width <= kMaxVideoSide && height <= kMaxVideoSide;
    }
    TBitmapInfoHeader Format() const override { return m_format; }
    bool Start(FrameCallback frame) override {
        Stop();
        m_stop = false;
        m_thread = std::thread([this, frame = std::move(frame)] { run(frame); });
        return true;
    }
    void Stop() override {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    void run(const FrameCallback& frame) {
        static const QColor bars[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                                      Qt::magenta, Qt::red,    Qt::blue};
        const int w = m_format.Width();
        const int h = m_format.Height();
        QImage picture(w, h, QImage::Format_RGB32);
        for (int n = 0;; ++n) {
            {
                QPainter p(&picture);
                for (int i = 0; i < 7; ++i)
                    p.fillRect(i * w / 7, 0, (i + 1) * w / 7 - i * w / 7, h, bars[i]);
                const int box = std::max(8, h / 4);
                p.fillRect((n * 4) % std::max(1, w - box), (h - box) / 2, box, box, Qt::black);
            }
            const QByteArray bits = bottomUpBits(picture, w, h);
            frame(QByteArrayView(bits));
            std::unique_lock lock(m_mutex);
            if (m_wake.wait_for(lock, std::chrono::milliseconds(m_intervalMs), [this] { return m_stop; }))
                return;
        }
    }

    TBitmapInfoHeader m_format;
    int m_intervalMs = 333;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

// A camera through Qt Multimedia; frames arrive on the thread the video sink delivers on.
class TCameraCapture final : public IVideoCapture {
public:
    explicit TCameraCapture(const QCameraDevice& device) : m_camera(device) {
        m_session.setCamera(&m_camera);
        m_session.setVideoSink(&m_sink);
    }
    ~TCameraCapture() override { Stop(); }

    bool Open(std::int32_t width, std::int32_t height, int) override {
        m_format = TBitmapInfoHeader::Rgb24(width, height);
        return !m_camera.cameraDevice().isNull() && width > 0 && height > 0 && width <= kMaxVideoSide &&
               height <= kMaxVideoSide;
    }
    TBitmapInfoHeader Format() const override { return m_format; }
    bool Start(FrameCallback frame) override {
        {
            std::lock_guard lock(m_mutex);
            m_frame = std::move(frame);
        }
        QObject::connect(&m_sink, &QVideoSink::videoFrameChanged, &m_sink, [this](const QVideoFrame& f) {
            std::lock_guard lock(m_mutex);
            if (!m_frame)
                return;
            const QImage picture = f.toImage();
            if (picture.isNull())
                return;
            const QByteArray bits = bottomUpBits(picture, m_format.Width(), m_format.Height());
            m_frame(QByteArrayView(bits));
        });
        m_camera.start();
        return m_camera.error() == QCamera::NoError;
    }
    void Stop() override {
        m_camera.stop();
        QObject::disconnect(&m_sink, nullptr, &m_sink, nullptr);
        std::lock_guard lock(m_mutex);
        m_frame = nullptr;
    }

private:
    QCamera m_camera;
    QMediaCaptureSession m_session;
    QVideoSink m_sink;
    TBitmapInfoHeader m_format;
    std::mutex m_mutex;
    FrameCallback m_frame;
};

QString testPatternName() {
    return QCoreApplication::translate("VideoCapture", "Test pattern (moving colour bars)");
}

} // namespace

QStringList CaptureDriverNames() {
    QStringList names;
    for (const QCameraDevice& camera : QMediaDevices::videoInputs())
        if (names.size() < kMaxDrivers - 1)
            names << camera.description().left(80);
    names << testPatternName();
    return names;
}

bool ListCaptureDrivers(QStringList& list) {
    list = CaptureDriverNames();
    return !list.isEmpty();
}

std::unique_ptr<IVideoCapture> OpenCaptureDriver(int index) {
    const QList<QCameraDevice> cameras = QMediaDevices::videoInputs();
    const int cameraCount = std::min<int>(int(cameras.size()), kMaxDrivers - 1);
    if (index >= 0 && index < cameraCount)
        return std::make_unique<TCameraCapture>(cameras[index]);
    if (index == cameraCount)
        return NewTestPatternCapture();
    return nullptr;
}

std::unique_ptr<IVideoCapture> NewTestPatternCapture() {
    return std::make_unique<TTestPatternCapture>();
}

TCaptureSize CaptureSize(std::int32_t formatSize) {
    switch (formatSize) {
    case 1:
        return {176, 144};
    case 2:
        return {320, 240};
    case 3:
        return {352, 288};
    case 4:
        return {640, 480};
    default:
        return {160, 120};
    }
}

} // namespace orv
