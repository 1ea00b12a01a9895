#pragma once
// The "PowerPoint Library" page of the main window's navigation pane: the room's presentations with their
// slide counts, and the buttons to reload the list, upload, delete and start a presentation. Only a pointer
// crosses this header.

class QWidget;

namespace orv {

class TResourceLibrary;

// A new page; whoever installs it owns it.
QWidget* NewPresentationsPage(TResourceLibrary& library);

} // namespace orv
