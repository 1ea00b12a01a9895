// Arbitrary bytes as a recording made into a video, without pictures: the replay's time never goes back and
// reaches the end in a bounded number of steps, and the voice track hands out exactly the samples of the time
// asked for, whatever the stamps and voice frames say.
#include "playback/RecordingExport.h"
#include "voice/RecordedVoiceMix.h"

#include <QTemporaryFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();

    orv::TReplayClock clock;
    orv::TRecordedVoiceMix voice(clock);
    orv::TRecordingExport replay({clock, {}, &voice, {}, nullptr, 25}, file.fileName());
    if (!replay.Open())
        return 0;
    // No gap is waited for longer than 10 s, so each packet adds at most that much time.
    const std::int64_t packets = std::int64_t(size) / 20 + 1;
    const std::int64_t stepLimit = packets * (10000 / 40 + 2) * 2 + 16;
    std::int64_t last = 0, taken = 0;
    for (std::int64_t step = 0;; ++step) {
        if (step > stepLimit)
            __builtin_trap();
        const orv::TRecordingExport::TStep result = replay.Step();
        if (replay.PositionMs() < last)
            __builtin_trap();
        last = replay.PositionMs();
        const std::int64_t until = last * voice.SampleRate() / 1000;
        if (std::int64_t(voice.TakeUntil(last).size()) != std::max<std::int64_t>(0, until - taken))
            __builtin_trap();
        taken = std::max(taken, until);
        if (result != orv::TRecordingExport::TStep::More)
            break;
    }
    return 0;
}
