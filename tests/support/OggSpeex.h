#pragma once
// Speex in Ogg, as speexenc writes it and speexdec reads it: a header packet, a comment packet, then one
// audio packet per group of frames.

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace orv::test {

// An Ogg Speex stream of the given packets, each `framesPerPacket` frames of band `band` (0 narrow,
// 1 wide, 2 ultra-wide).
QByteArray WriteOggSpeex(const std::vector<QByteArray>& packets, int band, int framesPerPacket);
// Every packet of the stream's first logical stream, headers included.
std::vector<QByteArray> ReadOggPackets(const QByteArray& file);

} // namespace orv::test
