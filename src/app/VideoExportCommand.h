#pragma once
// orvane-live --export-video RECORDING OUT.webm [--size WxH]: the export without a window, its progress on
// one terminal line.

#include "app/RecordingExportJob.h"

namespace orv {

// Runs the export in the application's event loop; the program's exit code (0 when the file was written).
int RunVideoExport(const TVideoExportRequest& request);

} // namespace orv
