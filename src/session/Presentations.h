#pragma once
// What the presentation library page asks of the slides subsystem: starting a presentation on the current
// board and the upload wizard.

#include "protocol/ResourceRecords.h"

namespace orv {

class IPresentations {
public:
    virtual ~IPresentations() = default;
    // Starts the presentation (acPPT_Open, a double click on a row): its first slide on the current board.
    // Null when no row is selected: no presentation is current any more.
    virtual void OpenPresentation(const TResourceRecord* record) = 0;
    // acPPT_Upload: the upload wizard, modally; nothing during playback.
    virtual void ShowUploadWizard() = 0;
};

} // namespace orv
