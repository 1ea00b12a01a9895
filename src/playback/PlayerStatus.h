#pragma once
// What the player window shows, kept from the progress reports of the download and the player: the caption
// with the download's state, the download gauge, the play position and its percentage, the elapsed time and
// the status text, and the recording's length once it is known. The window only draws it.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <optional>

namespace orv {

enum class TPlayerStatusText { Stopped, Playing, Paused, Buffering, FastMode };

class TPlayerStatus {
    Q_DECLARE_TR_FUNCTIONS(orv::TPlayerStatus)

public:
    TPlayerStatus();

    void SetPacketCount(std::int32_t count) { m_packetCount = std::max(0, count); }
    std::int32_t PacketCount() const { return m_packetCount; }

    // Download report: total size and bytes downloaded so far.
    void Downloaded(std::int64_t total, std::int64_t done);
    QString Caption() const { return m_caption; }
    // Stop and exit was confirmed.
    void Stopping() { m_caption = tr("Orvane Live Player - Stopping..."); }
    int DownloadPercent() const { return m_downloadPercent; }

    // Play report: packets played, and whether a seek is under way.
    void Played(std::int32_t index, bool seeking, std::int32_t seekTarget);
    std::int32_t Index() const { return m_index; }
    QString PercentText() const;
    // Where the slider sits: the packet it stands for.
    std::int32_t SliderIndex() const { return m_sliderIndex; }

    // The packet a release of the slider at `x` pixels of a bar `width` pixels wide asks for, kept within
    // the recording.
    std::int32_t SeekTarget(int x, int width) const;
    // The slider's left edge for a packet on a bar `width` wide, with a slider `sliderWidth` wide.
    int SliderLeft(std::int32_t index, int width, int sliderWidth) const;

    void SetStatus(TPlayerStatusText status) { m_status = status; }
    TPlayerStatusText Status() const { return m_status; }
    QString StatusText() const;

    // Milliseconds of recording as "h:mm:ss".
    static QString ElapsedText(std::int64_t ms);
    // The recording's length, once the whole of it is there to measure.
    void SetTotalMs(std::optional<std::int64_t> ms) { m_totalMs = ms; }
    std::optional<std::int64_t> TotalMs() const { return m_totalMs; }
    // The elapsed time, and the length where it is known: "0:01:05 / 0:12:30".
    QString TimeText(std::int64_t elapsedMs) const;

private:
    std::int32_t m_packetCount = 0;
    std::optional<std::int64_t> m_totalMs;
    std::int32_t m_index = 0;
    std::int32_t m_sliderIndex = 0;
    int m_downloadPercent = 0;
    QString m_caption;
    TPlayerStatusText m_status = TPlayerStatusText::Stopped;
};

} // namespace orv
