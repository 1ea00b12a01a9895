#pragma once
// TfrmUserList, the "Participant List" pane: a bar with the motion buttons and the list's menu (sorting,
// expanding and collapsing every entry) over the roster view. Expanding an entry shows the participant's
// photo, fetched from the server when it is not here yet. Only pointers cross this header, so the module
// that installs the pane stays free of widgets.

#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QObject;
class QWidget;

namespace orv {

class Roster;
class TUserPhotos;

struct TParticipantListParts {
    std::vector<QAction*> userMenu;      // the user menu's items in order; null stands for a separator
    std::vector<QAction*> headerActions; // buttons on the pane's bar (raise hand, smile, ...)
    std::function<void(std::uint16_t)> mikeClicked;
    std::function<void(std::uint16_t)> camClicked;
};

// A new pane over the roster; whoever installs it owns it.
QWidget* NewParticipantListPane(Roster& roster, const TUserPhotos& photos);
// The pane as a QObject, for a guard that notices its end without the widget headers.
QObject* PaneObject(QWidget* pane);
// The menu, buttons and picture clicks, once the modules that own them exist.
void SetParticipantListParts(QWidget& pane, const TParticipantListParts& parts);
// What a pane made by NewParticipantListPane shows, one line per entry: the name as shown, and in
// parentheses the role, the status, the confirmation mark and the hand's number.
QStringList ParticipantListRows(const QWidget& pane);

} // namespace orv
