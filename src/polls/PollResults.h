#pragma once
// The answers to the poll this user sent last: one row per participant, keyed by user id so that a row
// outlives its participant's departure, the totals, and a tally per distinct answer in order of first
// appearance. Answers carry no poll id, so late answers to an older poll count into the current one.

#include <QDateTime>
#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace orv {

class IParticipantDirectory;

struct TPollResultRow {
    std::uint16_t userId = 0;
    QString name;
    int answer = 0; // 0: no answer yet
};

struct TPollTally {
    QString answer;
    int count = 0;
    double percent = 0; // of all rows
    bool noAnswer = false;
};

class TPollResults final : public QObject {
    Q_OBJECT
public:
    void Clear();
    void SetQuestion(const QString& question);
    QString Question() const { return m_question; }

    // An answer of `userId`: every participant but the user gets a row if it has none, then the answering
    // participant's row takes the answer. An answer from somebody no longer in the room is ignored.
    void RecordAnswer(std::uint16_t userId, int answer, const IParticipantDirectory& participants,
                      std::uint16_t ownId);

    const std::vector<TPollResultRow>& Rows() const { return m_rows; }
    // A row's answer as it is shown: the answer's name or "<No Answer>".
    static QString AnswerText(const TPollResultRow& row);
    int AnswerCount() const;
    int ParticipantCount() const { return int(m_rows.size()); }
    std::vector<TPollTally> Tallies() const;
    // "Yes (66.67% or 2 users)".
    static QString TallyText(const TPollTally& tally);
    // One tally text per line.
    QString Summary() const;

    // "Orvane Poll " with the date and time, as the save dialog proposes it.
    static QString ProposedFileName(const QDateTime& now);
    // Writes the question, the rows as comma-separated fields and the summary; an existing file becomes
    // the ".bak" beside it. Returns the error, or an empty text on success.
    QString SaveTo(const QString& path) const;

signals:
    void Changed();

private:
    TPollResultRow* rowOf(std::uint16_t userId);

    QString m_question;
    std::vector<TPollResultRow> m_rows;
};

} // namespace orv
