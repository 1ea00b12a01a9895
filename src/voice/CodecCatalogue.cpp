#include "voice/CodecCatalogue.h"

#include <QCoreApplication>

#include <array>

namespace orv {
namespace {

constexpr std::array<CodecRow, kCodecCount> kRows = {{
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "GSM 6.10 - 8 KHz, 8 bit, 1.6 KB/s (Orvane Default)"),
     kWaveFormatGsm610, 8000, 1625, 65, 0, 2},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 8 KHz, 16 bit, 1.3 KB/s"), kWaveFormatSpeexVoice, 8000,
     1375, 55, 16, 14},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 16 KHz, 16 bit, 1.6 KB/s"), kWaveFormatSpeexVoice,
     16000, 1600, 32, 16, 14},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 16 KHz, 16 bit, 2.1 KB/s"), kWaveFormatSpeexVoice,
     16000, 2100, 42, 16, 14},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 16 KHz, 16 bit, 3.4 KB/s"), kWaveFormatSpeexVoice,
     16000, 3475, 139, 16, 14},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 32 KHz, 16 bit, 1.8 KB/s"), kWaveFormatSpeexVoice,
     32000, 1825, 73, 16, 14},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 32 KHz, 16 bit, 2.8 KB/s"), kWaveFormatSpeexVoice,
     32000, 2800, 56, 16, 14},
    {QT_TRANSLATE_NOOP("orv::CodecCatalogue", "Speex - 32 KHz, 16 bit, 3.7 KB/s"), kWaveFormatSpeexVoice,
     32000, 3700, 74, 16, 14},
}};

} // namespace

const CodecRow& CodecCatalogueRow(std::uint8_t index) {
    return kRows[index < kCodecCount ? index : 0];
}

QString CodecName(std::uint8_t index) {
    return index < kCodecCount ? QCoreApplication::translate("orv::CodecCatalogue", kRows[index].text)
                               : QCoreApplication::translate("orv::CodecCatalogue", "Unknown Compressor");
}

void FillCodecList(QStringList& list) {
    list.clear();
    for (const CodecRow& row : kRows)
        list << QCoreApplication::translate("orv::CodecCatalogue", row.text);
}

std::optional<CodecFormat> MakeCodecFormat(std::uint8_t index, const CodecRegistry& registry) {
    if (registry.MaxFormatSize() == 0)
        return std::nullopt;
    const CodecRow& row = CodecCatalogueRow(index);
    CodecFormat format{.formatTag = row.formatTag,
                       .channels = 1,
                       .samplesPerSec = row.samplesPerSec,
                       .avgBytesPerSec = row.avgBytesPerSec,
                       .blockAlign = row.blockAlign,
                       .bitsPerSample = row.bitsPerSample,
                       .extra = std::vector<std::uint8_t>(row.extraBytes)};
    try {
        MatchInstalledFormat(format, registry);
    } catch (const EInvalidFormat&) {
        return std::nullopt;
    }
    return format;
}

} // namespace orv
