#pragma once
// Where a download's bytes go until they are all there: a new file beside the target, renamed over it in one
// step once complete, and removed otherwise. An existing file at the target stays as it was until then.

#include <QString>
#include <QTemporaryFile>

namespace orv {

class DownloadFile {
public:
    explicit DownloadFile(const QString& target);
    // False when no file can be made beside the target.
    bool open();
    QIODevice& device() { return m_file; }
    // Puts the complete file in the target's place; false (and the file gone) when that fails.
    bool commit();
    QString errorString() const { return m_file.errorString(); }

private:
    QString m_target;
    QTemporaryFile m_file; // removed with this object unless committed
};

} // namespace orv
