#pragma once
// The participant list as a plain list of the roster's entries, until the roster view takes its place:
// one row per participant in display order with name, role and online status. Clicking a row selects the
// participant. Only a pointer crosses this header, so the module that installs the pane stays free of
// widgets.

#include <QStringList>

class QWidget;

namespace orv {

class Roster;

// A new pane over the roster; whoever installs it owns it.
QWidget* NewParticipantListPane(Roster& roster);
// The rows a pane made by NewParticipantListPane shows, one line per entry.
QStringList ParticipantListRows(const QWidget& pane);

} // namespace orv
