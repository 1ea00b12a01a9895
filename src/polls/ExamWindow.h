#pragma once
// The answering window ("Reply to the following"): a received poll's question, one button per offered
// answer, the countdown to its closing, "Send" and "Cancel". Borderless and on top; dragged by its caption.
// It goes when its poll closes.

#include "polls/PollAnswering.h"

#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;

namespace orv {

class TfrmExam final : public QWidget {
    Q_OBJECT
public:
    // Shows the poll and starts its countdown when shown.
    explicit TfrmExam(TPollAnswering& answering, QWidget* parent = nullptr);

    // The answer buttons' captions, in their order.
    QStringList AnswerCaptions() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TPollAnswering> m_answering;
    QButtonGroup* m_buttons;
    QLabel* m_remaining;
    QPushButton* m_send;
    bool m_canCancel;
    QWidget* m_caption;
    QPoint m_dragFrom;
    bool m_started = false;
};

} // namespace orv
