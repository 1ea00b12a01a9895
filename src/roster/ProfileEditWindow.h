#pragma once
// "Update Personal Profile": the window where the user edits the own profile and sends it to the server.
// Not modal, stay-on-top, freed when closed. Only pointers cross this header.

class QWidget;

namespace orv {

class TPersonalInfo;

// `EditProfile`: opens the window filled from the own account record (one at a time), over the window of
// `anchor`; returns it.
QWidget* OpenProfileEditWindow(TPersonalInfo& info, QWidget* anchor);

} // namespace orv
