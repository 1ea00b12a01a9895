#pragma once
// "Favorite Polls (Moderators Only)": the polls kept in the settings store, deleted one by one or all at
// once. Deleting takes effect at once; the Actions menu keeps its items until the next start.

#include "app/settings/SettingsPage.h"
#include "polls/StoredPolls.h"

class QListWidget;
class QPushButton;

namespace orv {

class IDialogs;

class TFavouritePollsPage final : public TSettingsPage {
    Q_OBJECT
public:
    TFavouritePollsPage(TSettingsStore& store, IDialogs& dialogs);

    void fill(const TSettings& settings) override;
    void DeleteSelected();
    void DeleteAll();

private:
    void refresh();

    StoredPolls m_polls;
    IDialogs& m_dialogs;
    QListWidget* m_list;
    QPushButton* m_delete;
    QPushButton* m_deleteAll;
};

} // namespace orv
