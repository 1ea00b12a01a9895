#pragma once
// What the presentation export thread posts to the upload wizard.

namespace orv::ExportMsg {

constexpr int Status = 9; // 0 or count, stage 1 to 7

} // namespace orv::ExportMsg
