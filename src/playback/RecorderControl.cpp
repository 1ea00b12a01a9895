#include "playback/RecorderControl.h"

#include "link/Dispatcher.h"
#include "link/ErrorMessages.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/AppMessage.h"
#include "platform/Dialogs.h"
#include "platform/MessageRouter.h"
#include "playback/PlaybackMessageIds.h"
#include "protocol/RecordingMessages.h"
#include "protocol/ResultCodes.h"

#include <QCursor>
#include <QGuiApplication>

namespace orv {

TRecorderControl::TRecorderControl(TSessionContext& context) : m_context(context) {
    const struct {
        QAction& action;
        QString text;
    } actions[] = {{m_start, tr("Start Session Recording")},
                   {m_pause, tr("Pause Session Recording")},
                   {m_stop, tr("Stop Session Recording")},
                   {m_settings, tr("Recorder Settings")}};
    for (const auto& a : actions) {
        a.action.setText(a.text);
        a.action.setToolTip(a.text);
        a.action.setVisible(false);
    }
    m_start.setCheckable(true);
    m_stop.setCheckable(true);
    m_pause.setCheckable(true);
    m_group.addAction(&m_start);
    m_group.addAction(&m_stop);
    m_stop.setChecked(true);
    m_pause.setEnabled(false);
    connect(&m_start, &QAction::triggered, this, &TRecorderControl::Start);
    connect(&m_pause, &QAction::triggered, this, &TRecorderControl::Pause);
    connect(&m_stop, &QAction::triggered, this, &TRecorderControl::Stop);
    connect(&m_settings, &QAction::triggered, this, [this] {
        if (openSettings)
            openSettings();
    });
}

TRecorderControl::~TRecorderControl() {
    setBusy(false);
}

void TRecorderControl::RegisterHandlers(TPacketDispatcher& dispatcher) {
    dispatcher.RegisterHandler({cmStartRecording, cmStopRecording, cmPauseRecording},
                               [this](const TIncomingPacket& p) {
                                   if (!m_context.state.IsPlayback())
                                       onReply(p.header.Command, p.header.ResultCode);
                               });
}

void TRecorderControl::RegisterMessages(TMessageRouter& mainWindow) {
    mainWindow.Register(MainMsg::RecorderState, [this](std::intptr_t kind, std::intptr_t code) {
        const QString text = ReportText(TRecorderReport(kind), int(code));
        if (kind == std::intptr_t(TRecorderReport::Started) ||
            kind == std::intptr_t(TRecorderReport::Stopped))
            m_context.dialogs.Information(text);
        else
            m_context.dialogs.Error(text);
    });
}

void TRecorderControl::SetCredentials(const QString& userName, const QString& password) {
    m_userName = userName;
    m_password = password;
}

void TRecorderControl::UpdateVisibility() {
    const TSessionState& s = m_context.state;
    m_visible = !s.IsPlayback() && s.inRoom && s.IsModerator() && s.room.RecorderFlag();
    for (QAction* a : {&m_start, &m_pause, &m_stop, &m_settings})
        a->setVisible(m_visible);
}

void TRecorderControl::Start() {
    if (m_recording) {
        m_start.setChecked(true);
        return;
    }
    TRecorderCredentials credentials;
    credentials.SetUserName(m_userName);
    credentials.SetPassword(m_password);
    if (!m_context.sender.Send(cmStartRecording, credentials.toByteArray())) {
        m_stop.setChecked(true); // nothing went out: the buttons stay as they were
        return;
    }
    setBusy(true);
}

void TRecorderControl::Pause() {
    if (!m_recording || !m_context.sender.Send(cmPauseRecording))
        m_pause.setChecked(!m_pause.isChecked()); // nothing went out: the check goes back
}

void TRecorderControl::Stop() {
    if (!m_recording) {
        m_stop.setChecked(true);
        return;
    }
    if (!m_context.sender.Send(cmStopRecording))
        m_start.setChecked(true); // nothing went out: still recording
}

void TRecorderControl::onReply(std::uint16_t command, std::uint16_t code) {
    if (command == cmPauseRecording)
        return;
    if (command == cmStartRecording) {
        setBusy(false);
        if (code == ResultCode::Success) {
            m_recording = true;
            m_start.setChecked(true);
            show(TRecorderReport::Started, code);
        } else {
            if (code == ResultCode::RecordingRunning)
                m_recording = true;
            show(TRecorderReport::NotStarted, code);
            showStopped();
        }
    } else {
        if (code == ResultCode::Success || code == ResultCode::NoRecordingRunning)
            m_recording = false;
        show(code == ResultCode::Success ? TRecorderReport::Stopped : TRecorderReport::StopFailed, code);
        showStopped();
    }
    m_pause.setEnabled(m_recording);
    if (!m_recording)
        m_pause.setChecked(false);
}

void TRecorderControl::showStopped() {
    m_stop.setChecked(true);
}

void TRecorderControl::show(TRecorderReport kind, int code) {
    m_context.mainWindow.post(MainMsg::RecorderState, std::intptr_t(kind), code);
}

void TRecorderControl::setBusy(bool busy) {
    if (busy == m_busy || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QString TRecorderControl::ReportText(TRecorderReport kind, int code) {
    switch (kind) {
    case TRecorderReport::Started:
        return tr("Session recorder is now running. The session is being recorded!");
    case TRecorderReport::NotStarted:
        return tr("Session recorder is not started! %1").arg(code) + "\r\n" + tr("Error description is: ") +
               "\r\n" + ErrorText(code);
    case TRecorderReport::Stopped:
        return tr("Session recorder is now stopped.");
    case TRecorderReport::StopFailed:
        return ErrorText(code);
    }
    return {};
}

} // namespace orv
