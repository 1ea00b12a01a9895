#pragma once
// The sharing running in the room as this client takes part in it: the session's record, its picture, and
// whether this client hosts it. The host and viewer sides both work on it.

#include "appshare/AppShareObject.h"
#include "protocol/AppShareRecords.h"

#include <memory>

namespace orv {

struct TSharingSession {
    TSharingRecord record;
    std::unique_ptr<TAppShareObject> object;
    bool hosting = false; // this client runs the session (live, not in playback)

    // A picture of the record's geometry; false, and none, when the geometry is invalid.
    bool CreateObject() {
        object.reset();
        if (!record.GeometryValid())
            return false;
        object = std::make_unique<TAppShareObject>(record.Width(), record.Height(), record.Columns(),
                                                   record.Rows(), record.PixelFormat());
        return true;
    }
};

} // namespace orv
