#pragma once
// "Show in Large Window": the chat pane's contents in a window of their own, above the others, until it is
// closed and they go back.

#include <QWidget>

namespace orv {

class TChatLargeWindow final : public QWidget {
    Q_OBJECT
public:
    explicit TChatLargeWindow(QWidget* parent = nullptr);

    // Shows `content` here; it stays this window's until taken back by its owner.
    void Take(QWidget* content);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace orv
