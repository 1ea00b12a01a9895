#pragma once
// The "Notes and Questions" page: the list of notes and requests with their time, sender and text, and
// status, struck out once complete; its actions (post, delete, mark complete, display, save, clear all);
// and the notices that announce each new item. Only pointers cross this header.

#include <QStringList>

#include <cstdint>
#include <functional>

class QWidget;

namespace orv {

class IDialogs;
class ITimerFactory;
class TSessionNotes;

struct TNotesPaneParts {
    TSessionNotes& notes;
    IDialogs& dialogs;
    ITimerFactory& timers;
    std::function<void(bool)> keepNoPopUps; // writes the notices' check box to the settings
};

QWidget* NewNotesPane(const TNotesPaneParts& parts);
// `SendNote`: the composer, modal; on Send the note goes to `recipient` (0: everybody). Nothing goes out
// without a connection, and the user is told.
void ComposeNote(TSessionNotes& notes, IDialogs& dialogs, std::uint16_t recipient, QWidget* parent);
// The rows a pane made by NewNotesPane shows: its three columns joined by " | ", and "(struck)" at the end
// of complete items.
QStringList NotesPaneRows(QWidget& pane);

} // namespace orv
