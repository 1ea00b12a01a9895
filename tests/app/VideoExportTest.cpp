// A recording made into a video file: ffprobe and ffmpeg, independent of our encoder, read back its length,
// a picture of the board drawing and the recorded voice. A cancelled export and a bad output leave no file.
#include "app/ExportVideoDialog.h"
#include "app/RecordingExportJob.h"
#include "board/BoardModule.h"
#include "link/Dispatcher.h"
#include "playback/RecordingFile.h"
#include "protocol/BoardMessages.h"
#include "support/BoardFixture.h"
#include "support/EventPump.h"
#include "support/FakeSession.h"
#include "support/Prerequisites.h"
#include "support/QtPrinters.h"
#include "voice/CodecCatalogue.h"

#include <QDir>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orv {
namespace {

constexpr double kRecordingSeconds = 6.0;
constexpr double kVoiceFrom = 3.0, kVoiceTo = 5.0; // seconds of the recording
constexpr TColor kRed = 0x0000FF;                  // 0x00BBGGRR

TBoardDrawingBatch RedRectangle() {
    TBoardDrawingBatch batch;
    batch.board = 1;
    batch.items = {
        test::Item(1, BoardKind::Rectangle, {60, 50}, {260, 170}, 3, kRed, BoardBrush::Solid, kRed)};
    return batch;
}

// Board 1 drawn on at 1 s, a tone through the room's codec (GSM 6.10) from 3 s to 5 s, a last packet at 6 s.
QByteArray Recording() {
    std::vector<TRecordedPacket> packets;
    packets.push_back(test::recorded(cmBoardDrawing, 0, TBoardDrawingBatch{1, {}}.encode()));
    packets.push_back(test::recorded(cmBoardDrawing, 1.0, RedRectangle().encode()));
    const std::optional<CodecFormat> gsm = MakeCodecFormat(0);
    std::unique_ptr<IBlockEncoder> encoder = CodecRegistry::Installed().NewEncoder(*gsm);
    const int samples = encoder->SamplesPerBlock();
    std::vector<std::int16_t> pcm(std::size_t(samples), 0);
    std::vector<std::uint8_t> block(std::size_t(encoder->BlockSize()));
    int n = 0;
    for (double at = kVoiceFrom; at < kVoiceTo - 1e-9; at += double(samples) / 8000) {
        for (std::int16_t& s : pcm)
            s = std::int16_t(8000 * std::sin(2 * std::numbers::pi * 440 * n++ / 8000));
        encoder->Encode(pcm, block);
        packets.push_back(test::recorded(
            cmVoiceIn, at, QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size())),
            2));
    }
    packets.push_back(test::recorded(cmBoardDrawing, kRecordingSeconds, TBoardDrawingBatch{1, {}}.encode()));
    return test::recordingBytes(packets);
}

// The board as the live handlers draw it, for the picture to show.
QImage ExpectedBoard() {
    test::FakeSession session;
    session.state.launchMode = TLaunchMode::LocalFile;
    TBoardModule board(session.context);
    TPacketDispatcher dispatcher;
    board.RegisterHandlers(dispatcher);
    const QByteArray packet = test::recorded(cmBoardDrawing, 1.0, RedRectangle().encode()).encode();
    dispatcher.DispatchPacket(TPacketHeader::decode(QByteArrayView(packet)), packet);
    return board.Boards().Board(1).Image().copy();
}

// Where red is, loosely: the encoder blurs edges and thins colours.
QRect RedArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 170 && c.green() < 90 && c.blue() < 90)
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

QString ToolOutput(const QString& program, const QStringList& args, test::ToolCheck& check) {
    if (!check.ran())
        return {};
    if (!test::HaveTool(program)) {
        check = {test::ToolOutcome::Missing,
                 program + " is not installed (scripts/install-deps.sh installs it)"};
        return {};
    }
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        check = {test::ToolOutcome::Failed, program + " failed: " + process.readAllStandardError()};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

struct Exported {
    const char* file;
    const char* videoCodec;
    const char* audioCodec;
};

class VideoExport : public ::testing::TestWithParam<Exported> {};

TEST_P(VideoExport, LastsAsTheRecordingShowsItsDrawingAndCarriesItsVoice) {
    QTemporaryDir dir;
    const QString recording = dir.filePath("session.orvane"), video = dir.filePath(GetParam().file);
    test::writeFile(recording, Recording());
    TRecordingExportJob job({recording, video, {1280, 720}});
    ASSERT_TRUE(job.Start()) << job.Error().toStdString();
    bool ok = false;
    QString error = "not finished";
    QObject::connect(&job, &TRecordingExportJob::finished, [&](bool done, const QString& e) {
        ok = done;
        error = e;
    });
    ASSERT_TRUE(test::pumpUntil([&] { return !job.Running(); }, 300000));
    ASSERT_TRUE(ok) << error.toStdString();
    QStringList written{GetParam().file, "session.orvane"};
    written.sort();
    EXPECT_EQ(FilesIn(dir.path()), written);

    test::ToolCheck check;
    const QString probe = ToolOutput(
        "ffprobe",
        {"-v", "error", "-show_entries", "format=duration:stream=codec_name", "-of", "default=nw=1", video},
        check);
    const QString frameAt1 = dir.filePath("early.png"), frameAt4 = dir.filePath("late.png");
    const QString sound = dir.filePath("sound.pcm");
    test::RunTool("ffmpeg", {"-v", "error", "-y", "-ss", "0.5", "-i", video, "-frames:v", "1", frameAt1},
                  check);
    test::RunTool("ffmpeg", {"-v", "error", "-y", "-ss", "4", "-i", video, "-frames:v", "1", frameAt4},
                  check);
    test::RunTool("ffmpeg",
                  {"-v", "error", "-y", "-i", video, "-vn", "-ac", "1", "-ar", "8000", "-f", "s16le", sound},
                  check);
    ORV_ASSERT_TOOLS_RAN(check);

    EXPECT_TRUE(probe.contains(QString("codec_name=%1").arg(GetParam().videoCodec))) << probe.toStdString();
    EXPECT_TRUE(probe.contains(QString("codec_name=%1").arg(GetParam().audioCodec))) << probe.toStdString();
    const QRegularExpressionMatch duration = QRegularExpression("duration=([0-9.]+)").match(probe);
    ASSERT_TRUE(duration.hasMatch()) << probe.toStdString();
    EXPECT_NEAR(duration.captured(1).toDouble(), kRecordingSeconds, kRecordingSeconds * 0.02);

    // Before the drawing the board is white; from its time on it shows the rectangle the handlers draw.
    const QImage early(frameAt1), late(frameAt4);
    ASSERT_EQ(late.size(), QSize(1280, 720));
    EXPECT_TRUE(RedArea(early).isEmpty());
    const QRect drawn = RedArea(late), expected = RedArea(ExpectedBoard());
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_NEAR(drawn.width(), expected.width(), 4) << "drawn at " << drawn.x() << "," << drawn.y();
    EXPECT_NEAR(drawn.height(), expected.height(), 4);

    // The tone is heard where it was recorded, and only there.
    const std::vector<std::int16_t> pcm = test::ReadPcm(sound);
    ASSERT_GE(pcm.size(), std::size_t(5.5 * 8000));
    const auto at = [](double seconds) { return std::size_t(seconds * 8000); };
    EXPECT_GT(test::Power(pcm, at(kVoiceFrom + 0.2), at(kVoiceTo - 0.2)), 1000.0 * 1000);
    EXPECT_LT(test::Power(pcm, at(0.5), at(kVoiceFrom - 0.2)), 30.0 * 30);
    EXPECT_LT(test::Power(pcm, at(kVoiceTo + 0.2), at(kRecordingSeconds - 0.2)), 30.0 * 30);
}

INSTANTIATE_TEST_SUITE_P(Containers, VideoExport,
                         ::testing::Values(Exported{"session.webm", "vp9", "opus"},
                                           Exported{"session.mp4", "h264", "aac"}),
                         [](const auto& instance) {
                             return std::string(QFileInfo(instance.param.file).suffix().toStdString());
                         });

TEST(VideoExportDialog, CancelStopsTheExportAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString recording = dir.filePath("session.orvane");
    test::writeFile(recording, Recording());
    TfrmExportVideo dialog(recording);
    dialog.SetOutput(dir.filePath("session.webm"));
    dialog.SetSize("640x360");
    dialog.StartExport();
    ASSERT_TRUE(dialog.Exporting()) << dialog.StatusText().toStdString();
    const auto* progress = dialog.findChild<QProgressBar*>("exportProgress");
    ASSERT_TRUE(test::pumpUntil([&] { return progress->value() > 200; }));
    ASSERT_TRUE(dialog.Exporting());
    ASSERT_EQ(FilesIn(dir.path()).size(), 2) << "the video file, written under a name of its own";
    dialog.findChild<QPushButton*>("cancelExport")->click();
    EXPECT_FALSE(dialog.Exporting());
    EXPECT_EQ(FilesIn(dir.path()), QStringList({"session.orvane"}));
    EXPECT_TRUE(dialog.StatusText().contains("cancelled")) << dialog.StatusText().toStdString();
}

// The command line reports what it cannot do and ends with a failure, leaving nothing behind.
TEST(VideoExportCommand, ReportsWhatItCannotWrite) {
    QTemporaryDir dir;
    const QString recording = dir.filePath("session.orvane");
    test::writeFile(recording, Recording());
    const struct {
        QString recording;
        QString output;
        const char* message;
    } cases[] = {
        {recording, dir.filePath("no-such-folder/session.webm"), "Cannot write"},
        {recording, dir.filePath("session.avi"), "ending in .webm or .mp4"},
        {dir.filePath("missing.orvane"), dir.filePath("session.webm"), "cannot be located"},
    };
    for (const auto& c : cases) {
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", dir.path());
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        run.setProcessEnvironment(environment);
        run.start(ORV_CLIENT_BINARY, {"--export-video", c.recording, c.output});
        ASSERT_TRUE(run.waitForFinished(120000));
        const QString said = QString::fromLocal8Bit(run.readAllStandardError());
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << said.toStdString();
        EXPECT_EQ(run.exitCode(), 1) << said.toStdString();
        EXPECT_TRUE(said.contains(c.message)) << said.toStdString();
        EXPECT_EQ(FilesIn(dir.path()), QStringList({"session.orvane"})) << c.output.toStdString();
    }
}

} // namespace
} // namespace orv
