#include "appshare/SnapshotCommentDialog.h"

#include <QCoreApplication>
#include <QInputDialog>

namespace orv {

std::optional<QString> AskSnapshotComment(QWidget* parent) {
    bool ok = false;
    const QString text = QInputDialog::getText(
        parent, QCoreApplication::translate("orv::SnapshotCommentDialog", "Comment required"),
        QCoreApplication::translate("orv::SnapshotCommentDialog", "Enter a short comment for current image:"),
        QLineEdit::Normal, QCoreApplication::translate("orv::SnapshotCommentDialog", "Snapshot"), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace orv
