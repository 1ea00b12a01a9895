#include "polls/PollToolBox.h"

#include "polls/ExamWindow.h"
#include "polls/PollDialog.h"
#include "polls/PollResultsWindow.h"
#include "polls/Polls.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace orv {

struct TPollToolBox::Parts {
    TPolls& polls;
    IDialogs& dialogs;
    QMenu menu;
    QAction* storedEnd = nullptr;
    TfrmPollresults results;
    QObject receiver; // ends the connections with the windows

    Parts(TPolls& p, IDialogs& d) : polls(p), dialogs(d), results(p.Results(), d) {}

    void addStored(const QString& question) {
        QAction* item = menu.addAction(question);
        QObject::connect(item, &QAction::triggered, &receiver,
                         [this, question] { polls.ResendStoredPoll(question); });
    }
};

TPollToolBox::TPollToolBox(TPolls& polls, IDialogs& dialogs, QAction& pollTool, QAction& newPollItem)
    : m(std::make_unique<Parts>(polls, dialogs)) {
    QAction* create =
        m->menu.addAction(QCoreApplication::translate("orv::TPollToolBox", "Create a New Poll"));
    QAction* show = m->menu.addAction(
        QCoreApplication::translate("orv::TPollToolBox", "Show the latest poll results..."));
    m->menu.addSeparator();
    if (StoredPolls* stored = polls.Favourites())
        for (const QString& question : stored->List())
            m->addStored(question);
    pollTool.setMenu(&m->menu);

    for (QAction* opener : {&pollTool, &newPollItem, create})
        QObject::connect(opener, &QAction::triggered, &m->receiver, [this] { CreatePoll(); });
    QObject::connect(show, &QAction::triggered, &m->receiver, [this] { ShowResults(); });
    QObject::connect(&polls, &TPolls::ResultsRequested, &m->receiver, [this] { ShowResults(); });
    QObject::connect(&polls, &TPolls::FavouriteAdded, &m->receiver,
                     [this](const QString& question) { m->addStored(question); });
    QObject::connect(&polls, &TPolls::AnswerRequested, &m->receiver, [](TPollAnswering* answering) {
        auto* window = new TfrmExam(*answering); // goes when closed
        QObject::connect(answering, &QObject::destroyed, window, &QWidget::close);
        window->show();
        window->raise();
    });
}

TPollToolBox::~TPollToolBox() = default;

void TPollToolBox::CreatePoll() {
    if (!m->polls.MaySend())
        return;
    m->polls.BeginNewPoll();
    TfrmNewPoll dialog(m->dialogs, QApplication::activeWindow());
    if (dialog.exec() == QDialog::Accepted)
        m->polls.SendNewPoll(dialog.Result());
}

void TPollToolBox::ShowResults() {
    m->results.show();
    m->results.raise();
}

} // namespace orv
