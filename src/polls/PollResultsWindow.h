#pragma once
// The results window ("Poll Results"): the question, one row per participant with the answer, the totals,
// a bar per distinct answer, and "Save to File". A floating tool window on top of the others, for the
// whole run.

#include "polls/PollResults.h"

#include <QWidget>

class QLabel;
class QScrollArea;
class QTableWidget;

namespace orv {

class IDialogs;

class TfrmPollresults final : public QWidget {
    Q_OBJECT
public:
    TfrmPollresults(TPollResults& results, IDialogs& dialogs, QWidget* parent = nullptr);

    // Writes the results to `path`; a failure is shown.
    bool SaveTo(const QString& path);

private:
    void refresh();
    void chooseFile();

    TPollResults& m_results;
    IDialogs& m_dialogs;
    QLabel* m_question;
    QTableWidget* m_rows;
    QLabel* m_answers;
    QLabel* m_participants;
    QWidget* m_bars;
};

} // namespace orv
