#include "chat/SessionNotes.h"

#include "chat/ChatHandlers.h"
#include "link/SessionSender.h"
#include "link/SessionState.h"
#include "platform/Dialogs.h"
#include "session/ParticipantDirectory.h"
#include "session/SessionContext.h"
#include "session/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

namespace orv {
namespace {

const QString kPending = QStringLiteral("Pending");
const QString kComplete = QStringLiteral("Complete");

} // namespace

TSessionNotes::TSessionNotes(TSessionContext& context, const IParticipantDirectory& directory,
                             ChatHandlers& handlers, TNow now)
    : m_context(context), m_directory(directory), m_handlers(handlers), m_now(std::move(now)) {}

QDateTime TSessionNotes::now() const {
    return m_now ? m_now() : QDateTime::currentDateTime();
}

void TSessionNotes::ApplySettings(const TSettings& settings) {
    m_noPopUps = settings.NoPopUpsOnPostIt;
}

void TSessionNotes::add(TNoteItem item) {
    m_items.push_back(item);
    emit Changed();
    if (!m_noPopUps && !m_context.state.IsPlayback())
        emit NoticeRequested({tr("Session Note"), item.sender, item.text, item.time, kNoteShownMs});
}

void TSessionNotes::OnChatNote(const TChatMessage& message) {
    const std::uint16_t own = m_context.state.account.UserId();
    const std::uint16_t from = message.record.From();
    const std::uint16_t to = message.record.To();
    if (message.record.Kind() != ckNote || from == own || (to != own && to != 0))
        return; // somebody else's note, or the echo of the own
    const auto sender = m_directory.Lookup(from);
    const QTime time = now().time();
    add({time.toString("hh:mm"), sender ? sender->fullName : tr("Unknown"), message.text, false, from, time});
}

void TSessionNotes::OnRequestNote(const QDateTime& sent, const QString& sender, const QString& text) {
    add({sent.time().toString("hh:mm"), sender, text, false, std::nullopt, sent.time()});
}

void TSessionNotes::OnClearNotes() {
    m_items.clear();
    emit Changed();
}

void TSessionNotes::SetComplete(int index) {
    if (index < 0 || index >= int(m_items.size()))
        return;
    m_items[std::size_t(index)].complete = true;
    emit Changed();
}

void TSessionNotes::Remove(int index) {
    if (index < 0 || index >= int(m_items.size()))
        return;
    if (!m_context.dialogs.Question(tr("Are you sure you want to remove this item from the list?")))
        return;
    m_items.erase(m_items.begin() + index);
    emit Changed();
}

void TSessionNotes::Show(int index) {
    if (index < 0 || index >= int(m_items.size()))
        return;
    const TNoteItem& item = m_items[std::size_t(index)];
    emit NoticeRequested({tr("Session Note"), item.sender, item.text, item.time, kNoteShownMs});
}

void TSessionNotes::ClearAll() {
    if (m_context.state.IsModerator()) {
        if (m_context.dialogs.Question(tr("Are you sure you want to clear all the items?")))
            m_context.sender.Send(cmClearNotes); // the server's echo empties this list too
        return;
    }
    if (m_context.dialogs.Question(tr("Are you sure you want to clear your local list?")))
        OnClearNotes();
}

bool TSessionNotes::SendNote(std::uint16_t recipient, const QString& text) {
    const TAccountRecord& account = m_context.state.account;
    return m_handlers.SendChatMessage(account.UserId(), recipient, std::uint16_t(account.Room()), ckNote,
                                      QString(text).remove(u'\r').split(u'\n'));
}

QString TSessionNotes::RecipientName(std::uint16_t recipient) const {
    if (recipient == 0)
        return tr("All Attendees in the room");
    const auto p = m_directory.Lookup(recipient);
    return p ? p->displayName : tr("Unknown");
}

QString TSessionNotes::ProposedFileName(const QDateTime& now) {
    return "Orvane Session Notes " + QLocale::c().toString(now, "MMM-dd-yyyy hhmm") + ".txt";
}

QString TSessionNotes::QuoteField(const QString& field) {
    bool quote = field.isEmpty();
    for (const QChar c : field)
        quote =
            quote || c.unicode() <= u' ' || c == u',' || c == u'"' || c.category() == QChar::Other_Control;
    if (!quote)
        return field;
    QString doubled = field;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return QStringLiteral("\"") + doubled + QStringLiteral("\"");
}

QByteArray TSessionNotes::Render(const std::vector<TNoteItem>& items, const QDateTime& now) {
    QStringList lines{QStringLiteral("Orvane Live Session Notes and Question"),
                      "Date: " + QLocale::c().toString(now, "MMM-dd-yyyy hh:mm"), QString()};
    for (const TNoteItem& item : items) {
        QStringList fields{item.caption, item.sender, item.text, item.complete ? kComplete : kPending};
        if (item.senderId)
            fields << QString::number(*item.senderId);
        for (QString& field : fields)
            field = QuoteField(field);
        lines << fields.join(u',');
    }
    lines << QString() << QString();
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

bool TSessionNotes::Save(const QString& path) {
    const auto fail = [this, &path](const QString& why) {
        m_context.dialogs.Error(tr("The notes could not be saved to %1:\n%2").arg(path, why));
        return false;
    };
    if (QFileInfo::exists(path)) {
        const QString backup = QFileInfo(path).dir().filePath(QFileInfo(path).completeBaseName() + ".bak");
        if (QFileInfo::exists(backup) && !QFile::remove(backup))
            return fail(tr("the older copy %1 could not be removed").arg(backup));
        if (!QFile::rename(path, backup))
            return fail(tr("the existing file could not be kept as %1").arg(backup));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = Render(m_items, now());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace orv
