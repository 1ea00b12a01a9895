#pragma once
// The moderator's controls of the server's session recorder: start (with the recorder account), pause and
// stop, and the server's answers, reported to the main window as RecorderState (kind, code).

#include "session/SessionContext.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QObject>

#include <cstdint>
#include <memory>

namespace orv {

class TPacketDispatcher;
class TMessageRouter;

// What RecorderState carries in its first value.
enum class TRecorderReport { Started = 0, NotStarted = 1, Stopped = 2, StopFailed = 3 };

class TRecorderControl : public QObject {
    Q_OBJECT
public:
    explicit TRecorderControl(TSessionContext& context);
    ~TRecorderControl() override;

    void RegisterHandlers(TPacketDispatcher& dispatcher);
    void RegisterMessages(TMessageRouter& mainWindow);
    void SetCredentials(const QString& userName, const QString& password);

    // Shown to moderators of rooms that allow recording; never in playback.
    void UpdateVisibility();
    bool Visible() const { return m_visible; }
    bool Recording() const { return m_recording; }

    void Start();
    void Pause();
    void Stop();

    QAction& StartAction() { return m_start; }
    QAction& PauseAction() { return m_pause; }
    QAction& StopAction() { return m_stop; }
    QAction& SettingsAction() { return m_settings; }

    // The user asked for the recorder page of the settings window.
    std::function<void()> openSettings;

    // The text the main window shows for a RecorderState report.
    static QString ReportText(TRecorderReport kind, int code);

private:
    void onReply(std::uint16_t command, std::uint16_t code);
    void showStopped();
    void show(TRecorderReport kind, int code);
    void setBusy(bool busy);

    TSessionContext& m_context;
    QString m_userName;
    QString m_password;
    bool m_recording = false;
    bool m_visible = false;
    bool m_busy = false;
    QAction m_start;
    QAction m_pause;
    QAction m_stop;
    QAction m_settings;
    QActionGroup m_group{this};
};

} // namespace orv
