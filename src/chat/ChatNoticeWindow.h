#pragma once
// "New Chat Message": a small window in the corner of the screen with the sender, the text and the time of a
// message that arrived while the chat was out of sight. It stays 20 seconds without taking the focus; a
// newer message replaces what it shows.

#include <QWidget>

class QLabel;
class QTimer;

namespace orv {

class TChatNoticeWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShownMs = 20000;

    explicit TChatNoticeWindow(QWidget* parent = nullptr);

    void ShowMessage(const QString& name, const QString& text, const QString& time);
    QString Sender() const;
    QString Text() const;
    QTimer* closeTimer() const { return m_timer; }

private:
    QLabel* m_sender;
    QLabel* m_text;
    QLabel* m_time;
    QTimer* m_timer;
};

} // namespace orv
