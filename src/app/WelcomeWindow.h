#pragma once
// The room's welcome page, over the main window's room area, closing itself after a minute.

#include <QDialog>
#include <QUrl>

class QTimer;
class QWebEngineView;

namespace orv {

class TfrmWelcome : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCloseAfterMs = 60000;

    explicit TfrmWelcome(const QUrl& page, QWidget* parent = nullptr);
    QTimer* closeTimer() const { return m_timer; }
    QWebEngineView* view() const { return m_view; }

private:
    QWebEngineView* m_view;
    QTimer* m_timer;
};

} // namespace orv
