#pragma once
// The "Notes and Questions" list: notes (chat records of kind 5) addressed to the user or to everybody, and
// requests that are notes, from participants in the room. Each is listed as pending until marked complete,
// and announced by a notice unless the user turned those off. The list lives as long as the main window; a
// moderator's "clear all" (command 37) empties everybody's.

#include "protocol/ChatMessages.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>
#include <vector>

namespace orv {

class ChatHandlers;
class IParticipantDirectory;
struct TSessionContext;
struct TSettings;

struct TNoteItem {
    QString caption; // the time, "hh:mm"
    QString sender;
    QString text;
    bool complete = false;
    std::optional<std::uint16_t> senderId; // notes only: requests carry none
    QTime time;                            // what "Display selected item" shows as the time
};

// What a notice window shows.
struct TNoteNotice {
    QString caption; // "Session Note" or "New Chat Message"
    QString sender;
    QString text;
    QTime time;
    int shownMs = 0;
};

class TSessionNotes final : public QObject {
    Q_OBJECT
public:
    static constexpr int kNoteShownMs = 60000;
    static constexpr int kChatShownMs = 20000;
    using TNow = std::function<QDateTime()>;

    TSessionNotes(TSessionContext& context, const IParticipantDirectory& directory, ChatHandlers& handlers,
                  TNow now = {});

    void ApplySettings(const TSettings& settings);
    bool NoPopUps() const { return m_noPopUps; }
    // The notice's check box: kept for the session and written to the settings by the caller.
    void SetNoPopUps(bool on) { m_noPopUps = on; }

    // A kind-5 chat record; only from somebody else, to the user or to everybody.
    void OnChatNote(const TChatMessage& message);
    // A request that is a note, from `sender` (the display name of a participant in the room).
    void OnRequestNote(const QDateTime& sent, const QString& sender, const QString& text);
    // Command 37.
    void OnClearNotes();

    const std::vector<TNoteItem>& Items() const { return m_items; }
    void SetComplete(int index);
    // "Delete selected item", after the user agrees.
    void Remove(int index);
    // "Display selected item": its notice again.
    void Show(int index);
    // "Clear all notes in list": a moderator clears everybody's (command 37, once agreed), a participant only
    // the own list.
    void ClearAll();

    // `SendNote`: the text's lines as a note to `recipient` (0: everybody); false when nothing went out.
    bool SendNote(std::uint16_t recipient, const QString& text);
    // Who a note to `recipient` goes to, for the composer.
    QString RecipientName(std::uint16_t recipient) const;

    // "Orvane Session Notes " with the date and time, as the save dialog proposes it.
    static QString ProposedFileName(const QDateTime& now);
    // The saved file's bytes: a heading with the date, then one line per item, fields joined by commas.
    static QByteArray Render(const std::vector<TNoteItem>& items, const QDateTime& now);
    // A field as a saved line holds it: in double quotes, with each one inside doubled, when it holds a
    // blank, a control character, a comma or a double quote, or is empty.
    static QString QuoteField(const QString& field);
    // Writes the list, keeping an existing file as NAME.bak; a failure is shown and gives false.
    bool Save(const QString& path);

signals:
    void Changed();
    void NoticeRequested(const TNoteNotice& notice);

private:
    void add(TNoteItem item);
    QDateTime now() const;

    TSessionContext& m_context;
    const IParticipantDirectory& m_directory;
    ChatHandlers& m_handlers;
    TNow m_now;
    std::vector<TNoteItem> m_items;
    bool m_noPopUps = false;
};

} // namespace orv
