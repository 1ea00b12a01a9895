#include "voice/CodecRegistry.h"

#include "voice/GsmCodec.h"
#include "voice/SpeexCodec.h"

#include <QCoreApplication>

#include <algorithm>

namespace orv {

EInvalidFormat::EInvalidFormat()
    : std::runtime_error(
          QCoreApplication::translate("orv::CodecRegistry", "Invalid Format details").toStdString()) {}

const CodecRegistry& CodecRegistry::Installed() {
    static const CodecRegistry installed = [] {
        CodecRegistry r;
        r.Add(std::make_unique<GsmDriver>());
        r.Add(std::make_unique<SpeexDriver>());
        return r;
    }();
    return installed;
}

void CodecRegistry::Add(std::unique_ptr<ICodecDriver> driver) {
    m_drivers.push_back(std::move(driver));
}

std::size_t CodecRegistry::MaxFormatSize() const {
    std::size_t largest = 0;
    for (const auto& driver : m_drivers)
        for (const CodecFormat& f : driver->Formats())
            largest = std::max(largest, f.size());
    return largest;
}

std::unique_ptr<IBlockEncoder> CodecRegistry::NewEncoder(const CodecFormat& format) const {
    for (const auto& driver : m_drivers)
        if (auto encoder = driver->NewEncoder(format))
            return encoder;
    return nullptr;
}

std::unique_ptr<IBlockDecoder> CodecRegistry::NewDecoder(const CodecFormat& format) const {
    for (const auto& driver : m_drivers)
        if (auto decoder = driver->NewDecoder(format))
            return decoder;
    return nullptr;
}

void MatchInstalledFormat(CodecFormat& format, const CodecRegistry& registry) {
    for (const auto& driver : registry.Drivers())
        for (const CodecFormat& offered : driver->Formats())
            if (offered.formatTag == format.formatTag && offered.SameHeader(format)) {
                format = offered;
                return;
            }
    throw EInvalidFormat();
}

} // namespace orv
