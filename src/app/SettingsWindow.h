#pragma once
// The settings window: loads the settings, shows them on its pages and, on OK, applies what changed and
// saves. Each page is its own class (app/settings/), bound to the settings rows it shows.

#include "session/Settings.h"
#include "session/SettingsEffects.h"
#include "session/SettingsTable.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QTabWidget;

namespace orv {

class IDialogs;
class TSettingsPage;
class TSettingsStore;
class TVoiceSettingsPage;

// What the window needs to know of the session.
struct TSettingsWindowContext {
    bool inRoom = false;
    bool moderator = false; // account type or room role of 1000 or more
    int microphones = 1;    // the room's talker count
    int codec = 0;          // the room's codec index
    QStringList audioOutputs{"Default Playback Device"};
    QStringList audioInputs{"Default Recording Device"};
    QStringList captureDrivers;
    bool pushToTalkEverywhere = true; // false: the key works only while the program's windows are active
    // Owners of settings whose part of the program does not run yet: their controls are disabled.
    std::vector<TSettingOwner> unavailable;
};

class TfrmSettings : public QDialog {
    Q_OBJECT
public:
    enum Page {
        ConnectionPage,
        GeneralPage,
        AudioPage,
        VoicePage,
        VideoPage,
        RecordingPage,
        BoardPage,
        SharingPage,
        FavouritePollsPage
    };

    TfrmSettings(TSettings& session, TSettingsStore& store, QString programFolder,
                 TSettingsWindowContext context, ISettingsEffects& effects, IDialogs& dialogs,
                 QWidget* parent = nullptr);

    // Loads the settings into the session and fills the pages; call before showing.
    void LoadAndFill(Page page = ConnectionPage);
    // What OK does: apply the changes, then save.
    void ApplyAndSave();

    QTabWidget* pages() const { return m_pages; }

private:
    void build();
    TSettings readPages() const;

    TSettings& m_session;
    TSettingsStore& m_store;
    QString m_programFolder;
    TSettingsWindowContext m_context;
    ISettingsEffects& m_effects;
    IDialogs& m_dialogs;

    QTabWidget* m_pages = nullptr;
    std::vector<TSettingsPage*> m_settingsPages; // in tab order
    TVoiceSettingsPage* m_voicePage = nullptr;
};

} // namespace orv
