#pragma once
// Whether a downloaded file is a program, a script or a launcher rather than a document. A document from
// another participant is opened with the desktop's application for its type; for these types that would
// run what the sender chose on this computer, so such a file is kept but never opened.

#include <QString>

namespace orv {

// By its name and by its content: either naming a program type is enough.
bool IsProgramFile(const QString& path);

} // namespace orv
