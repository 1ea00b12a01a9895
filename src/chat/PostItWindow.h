#pragma once
// TfrmPostIt: the small notice that slides up from the bottom right of the screen with a session note (or a
// chat message), stays for its display time and slides away. Independent of every other window: it frees
// itself when closed.

#include "chat/PostItMotion.h"
#include "chat/SessionNotes.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace orv {

class ITimerFactory;

class TfrmPostIt final : public QWidget {
    Q_OBJECT
public:
    // `noPopUps` is the check box's state; `setNoPopUps` hears the user change it.
    TfrmPostIt(const TNoteNotice& notice, bool noPopUps, std::function<void(bool)> setNoPopUps,
               ITimerFactory& timers);

    // Shows it at the bottom of `workArea` and starts the slide.
    void Start(const QRect& workArea, int screenBottom);
    const TPostItMotion& Motion() const { return m_motion; }
    QString Sender() const;
    QString Text() const;

    // Opens one on the primary screen's work area.
    static TfrmPostIt* Open(const TNoteNotice& notice, bool noPopUps, std::function<void(bool)> setNoPopUps,
                            ITimerFactory& timers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_from;
    QPlainTextEdit* m_text;
    QCheckBox* m_noPopUps;
    TPostItMotion m_motion;
    QPoint m_dragFrom;
    int m_shownMs;
};

} // namespace orv
