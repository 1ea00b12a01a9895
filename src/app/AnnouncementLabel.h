#pragma once
// The status bar's last announcement: a label a screen reader knows as a notification, so that showing it
// makes the reader speak its text without taking the focus from where the user is (a chat line arriving
// while the user draws on the board, a poll opening).

#include <QLabel>

namespace orv {

class TAnnouncementLabel final : public QLabel {
    Q_OBJECT
public:
    explicit TAnnouncementLabel(QWidget* parent = nullptr);
    // Shows `text` and has it spoken; the same text twice is spoken twice.
    void Announce(const QString& text);
};

} // namespace orv
