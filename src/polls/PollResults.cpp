#include "polls/PollResults.h"

#include "polls/PollAnswers.h"
#include "session/LocaleNumbers.h"
#include "session/ParticipantDirectory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace orv {
namespace {

// One field of a saved row: quoted as comma-separated values are, when it holds a comma, a quote, a
// control character or blanks at either end, with inner quotes doubled.
QString field(const QString& text) {
    const bool plain =
        std::none_of(text.begin(), text.end(),
                     [](QChar c) { return c == ',' || c == '"' || c.category() == QChar::Other_Control; }) &&
        text == text.trimmed();
    if (plain)
        return text;
    return '"' + QString(text).replace('"', "\"\"") + '"';
}

} // namespace

void TPollResults::Clear() {
    m_rows.clear();
    emit Changed();
}

void TPollResults::SetQuestion(const QString& question) {
    m_question = question;
    emit Changed();
}

TPollResultRow* TPollResults::rowOf(std::uint16_t userId) {
    const auto it = std::find_if(m_rows.begin(), m_rows.end(),
                                 [userId](const TPollResultRow& r) { return r.userId == userId; });
    return it == m_rows.end() ? nullptr : &*it;
}

void TPollResults::RecordAnswer(std::uint16_t userId, int answer, const IParticipantDirectory& participants,
                                std::uint16_t ownId) {
    for (const TParticipantInfo& info : participants.InDisplayOrder())
        if (info.userId != ownId && !rowOf(info.userId))
            m_rows.push_back({info.userId, info.displayName, 0});
    if (const auto info = participants.Lookup(userId)) {
        TPollResultRow* row = rowOf(userId);
        if (!row) { // the user answering a poll of its own
            m_rows.push_back({userId, info->displayName, 0});
            row = &m_rows.back();
        }
        row->answer = answer;
    }
    emit Changed();
}

QString TPollResults::AnswerText(const TPollResultRow& row) {
    if (row.answer == 0)
        return tr("<No Answer>");
    const QString name = PollAnswers::Name(row.answer);
    return name.isEmpty() ? tr("<Unknown Answer %1>").arg(row.answer) : name;
}

int TPollResults::AnswerCount() const {
    return int(
        std::count_if(m_rows.begin(), m_rows.end(), [](const TPollResultRow& r) { return r.answer != 0; }));
}

std::vector<TPollTally> TPollResults::Tallies() const {
    std::vector<TPollTally> tallies;
    for (const TPollResultRow& row : m_rows) {
        const QString text = AnswerText(row);
        const auto it = std::find_if(tallies.begin(), tallies.end(), [&](const TPollTally& t) {
            return t.answer.compare(text, Qt::CaseInsensitive) == 0;
        });
        if (it == tallies.end())
            tallies.push_back({text, 1, 0, row.answer == 0});
        else
            ++it->count;
    }
    for (TPollTally& tally : tallies)
        tally.percent = 100.0 * tally.count / double(m_rows.size());
    return tallies;
}

QString TPollResults::TallyText(const TPollTally& tally) {
    return tr("%1 (%2 or %3 users)")
        .arg(tally.answer, LocalePercent(tally.percent), LocaleInteger(tally.count));
}

QString TPollResults::Summary() const {
    QString summary;
    for (const TPollTally& tally : Tallies())
        summary += TallyText(tally) + '\n';
    return summary;
}

QString TPollResults::ProposedFileName(const QDateTime& now) {
    return "Orvane Poll " + QLocale::c().toString(now, "MMM-dd-yyyy hhmm") + ".rtf";
}

QString TPollResults::SaveTo(const QString& path) const {
    QString text = m_question + "\n\n";
    for (const TPollResultRow& row : m_rows)
        text += field(row.name) + ',' + field(AnswerText(row)) + '\n';
    text += '\n' + Summary();

    if (QFileInfo::exists(path)) {
        const QString backup = QFileInfo(path).path() + '/' + QFileInfo(path).completeBaseName() + ".bak";
        QFile::remove(backup);
        if (!QFile::rename(path, backup))
            return tr("The existing file could not be kept as %1.").arg(backup);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return file.errorString();
    return {};
}

} // namespace orv
