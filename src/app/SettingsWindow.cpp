#include "app/SettingsWindow.h"

#include "app/AccessibleNames.h"
#include "app/settings/AudioSettingsPage.h"
#include "app/settings/BoardSettingsPage.h"
#include "app/settings/ConnectionSettingsPage.h"
#include "app/settings/FavouritePollsPage.h"
#include "app/settings/GeneralSettingsPage.h"
#include "app/settings/RecordingSettingsPage.h"
#include "app/settings/SharingSettingsPage.h"
#include "app/settings/VideoSettingsPage.h"
#include "app/settings/VoiceSettingsPage.h"
#include "platform/Dialogs.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orv {

TfrmSettings::TfrmSettings(TSettings& session, TSettingsStore& store, QString programFolder,
                           TSettingsWindowContext context, ISettingsEffects& effects, IDialogs& dialogs,
                           QWidget* parent)
    : QDialog(parent), m_session(session), m_store(store), m_programFolder(std::move(programFolder)),
      m_context(std::move(context)), m_effects(effects), m_dialogs(dialogs) {
    setWindowTitle(tr("Settings"));
    setMinimumWidth(640);
    build();
}

void TfrmSettings::build() {
    m_voicePage = new TVoiceSettingsPage(m_context.microphones, m_context.codec);
    // In the order of Page.
    const std::pair<TSettingsPage*, QString> pages[] = {
        {new TConnectionSettingsPage(m_store, m_dialogs), tr("Connection")},
        {new TGeneralSettingsPage, tr("General")},
        {new TAudioSettingsPage(m_context.audioOutputs, m_context.audioInputs,
                                m_context.pushToTalkEverywhere),
         tr("Audio")},
        {m_voicePage, tr("Voice")},
        {new TVideoSettingsPage(m_context.captureDrivers), tr("Video")},
        {new TRecordingSettingsPage, tr("Recording")},
        {new TBoardSettingsPage, tr("Whiteboard")},
        {new TSharingSettingsPage, tr("Sharing")},
        {new TFavouritePollsPage(m_store, m_dialogs), tr("Favorite Polls")},
    };
    m_pages = new QTabWidget(this);
    for (const auto& [page, title] : pages) {
        m_pages->addTab(page, title);
        m_settingsPages.push_back(page);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyAndSave();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    m_pages->setAccessibleName(tr("Settings pages"));
    NameControlsFromLabels(*this);
}

void TfrmSettings::LoadAndFill(Page startPage) {
    m_session = LoadSettings(m_store, m_programFolder);
    for (TSettingsPage* page : m_settingsPages) {
        page->fill(m_session);
        page->disableOwnedBy(
            m_context.unavailable,
            tr("This setting takes effect once its part of Orvane Live Browser is available."));
    }

    // Before a room is entered only the connection page can be chosen; the voice page is for moderators, and
    // so are the favourite polls, which need no room.
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->setTabEnabled(i, i == ConnectionPage || m_context.inRoom);
    m_pages->setTabEnabled(VoicePage, m_context.inRoom && m_context.moderator);
    m_pages->setTabEnabled(FavouritePollsPage, m_context.moderator);
    m_pages->setCurrentIndex(m_pages->isTabEnabled(startPage) ? startPage : ConnectionPage);
}

TSettings TfrmSettings::readPages() const {
    TSettings s = m_session;
    for (const TSettingsPage* page : m_settingsPages)
        page->read(s);
    return s;
}

void TfrmSettings::ApplyAndSave() {
    TSettings s = readPages();
    try {
        if (m_pages->isTabEnabled(VoicePage)) {
            if (m_voicePage->microphones() != m_context.microphones)
                m_effects.SetMicrophoneCount(m_voicePage->microphones());
            if (m_voicePage->codec() != m_context.codec)
                m_effects.SetAudioCodec(m_voicePage->codec());
        }
        if (s.AudioOutDeviceID != m_session.AudioOutDeviceID ||
            s.AudioInDeviceID != m_session.AudioInDeviceID) {
            m_dialogs.Information(
                tr("The modifications you made require re-establishing your audio connection.\r\n"
                   "Orvane will now reconnect your audio."));
            m_effects.ReconnectVoice();
        }
        if (s.InputAudioQueueSize != m_session.InputAudioQueueSize)
            m_effects.ApplyAudioBufferSize(s.InputAudioQueueSize);
        m_effects.ApplySharingRefreshRate(s.AppShareRefreshRate);
    } catch (...) {
        // Applying is best effort; the values are saved all the same.
    }
    // OK always forgets the recorder password and the recordings folder; the next load restores the folder.
    s.RecorderPassword.clear();
    s.RecSessionsFolder.clear();
    s.RecordOnServer = true;
    SaveSettings(m_store, s);
    // Read back so the session holds a usable recordings folder again.
    m_session = LoadSettings(m_store, m_programFolder);
}

} // namespace orv
