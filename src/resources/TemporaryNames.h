#pragma once
// Names of the temporary files that presented documents, images and slides are downloaded to. An extension
// that came from the server keeps only letters and digits, so it can neither leave the folder nor carry
// anything a shell or a desktop handler would read; and each name is reserved on disk when it is made, so
// two downloads never share one.

#include <QString>

namespace orv {

// ".pdf" from ".pdf"; letters and digits only, at most 16 of them, with a leading dot; empty when none is
// left.
QString SafeExtension(const QString& extension);

// A new, empty file in `folder` whose name ends in the safe form of `extension`; empty when none could be
// made.
QString TemporaryDownloadPath(const QString& folder, const QString& extension);

} // namespace orv
