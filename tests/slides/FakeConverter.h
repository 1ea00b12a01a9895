#pragma once
// A converter that makes each slide a plain picture of its own colour, fails the slides it is told to, and
// remembers what it was asked; and transfers that keep every waited upload with the file's bytes.

#include "session/ResourceTransfers.h"
#include "slides/PresentationConverter.h"
#include "slides/PresentationExport.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <functional>
#include <mutex>
#include <set>
#include <vector>

namespace orv::test {

inline QColor SlideColour(int n) {
    return QColor::fromHsv((n * 47) % 360, 200, 220);
}

// The picture the fake makes of slide `n`.
inline QImage SlidePicture(int n, QSize size) {
    QImage image(size.isValid() && !size.isEmpty() ? size : QSize(320, 240), QImage::Format_RGB32);
    image.fill(SlideColour(n));
    return image;
}

struct FakeConverter final : IPresentationConverter {
    bool Connect() override { return connects; }
    bool Open(const QString& path) override {
        opened = path;
        return opens;
    }
    int SlideCount() const override { return slides; }
    QString Name() const override { return name; }
    bool ExportSlide(int n, const QString& target, QSize size) override {
        if (onExport)
            onExport(n);
        exports.emplace_back(n, size);
        if (failing.contains(n))
            return false;
        return SlidePicture(n, size).save(target, "JPG", 95);
    }
    void Quit() override { ++quits; }
    void Abort() override { aborted = true; }

    bool connects = true;
    bool opens = true;
    int slides = 3;
    QString name = "Forces.pptx";
    std::set<int> failing;
    std::function<void(int)> onExport; // on the worker thread, before slide n is written
    QString opened;
    std::vector<std::pair<int, QSize>> exports;
    int quits = 0;
    bool aborted = false;
};

struct WaitedUpload {
    QString name; // the file's name, as the server gets it
    QString description;
    std::int32_t itemCount;
    TTransferKind kind;
    QByteArray bytes;
};

struct RecordingTransfers final : IResourceTransfers {
    void StartUpload(const QString&, const QString&, TNotifyWindow, TTransferKind) override {}
    void StartDownload(const TDownloadOrder&) override {}
    void DownloadUserPicture(std::uint16_t, TNotifyWindow) override {}
    bool UploadAndWait(const QString& path, const QString& description, std::int32_t itemCount,
                       TTransferKind kind) override {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        std::lock_guard lock(mutex);
        uploads.push_back({QFileInfo(path).fileName(), description, itemCount, kind, f.readAll()});
        return int(uploads.size()) != failAt;
    }
    std::vector<WaitedUpload> Uploads() {
        std::lock_guard lock(mutex);
        return uploads;
    }
    std::mutex mutex;
    std::vector<WaitedUpload> uploads;
    int failAt = 0; // the upload (from 1) that fails
};

struct RecordingReport final : IExportReport {
    void Stage(TExportStage stage, int value) override { stages.emplace_back(stage, value); }
    void Error(const QString& text) override { errors << text; }
    std::vector<std::pair<int, int>> stages;
    QStringList errors;
};

} // namespace orv::test
