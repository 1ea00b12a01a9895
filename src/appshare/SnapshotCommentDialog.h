#pragma once
// "Comment required": the comment of a snapshot of the shared screen before it is uploaded.

#include <QString>

#include <optional>

class QWidget;

namespace orv {

// The comment typed (default "Snapshot"); none when cancelled.
std::optional<QString> AskSnapshotComment(QWidget* parent);

} // namespace orv
