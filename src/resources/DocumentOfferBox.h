#pragma once
// The small window on top of the others that offers a document another participant presented: who asks,
// the file, and whether to download and open it (OK) or not (Cancel). Several may be open at once.

class QObject;

namespace orv {

class TResourceLibrary;
struct TDocumentOffer;

// Shows a new offer window, which deletes itself when it closes; the returned object is that window.
QObject* ShowDocumentOffer(TResourceLibrary& library, const TDocumentOffer& offer);

} // namespace orv
