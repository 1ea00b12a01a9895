#include "polls/PollResultsWindow.h"

#include "platform/Dialogs.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orv {
namespace {

constexpr int kBarHeight = 15;
constexpr int kBarStep = 20;
constexpr int kBarUnit = 5;
constexpr int kBarRightMargin = 20;

// The tallies as bars: per answer a maroon bar as long as its count, its text at the left.
class TPollBars final : public QWidget {
public:
    explicit TPollBars(const TPollResults& results) : m_results(results) {
        setObjectName("pollBars");
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }
    void refresh() {
        m_tallies = m_results.Tallies();
        setMinimumHeight(int(m_tallies.size()) * kBarStep + 2 * kBarUnit);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont font("Tahoma");
        for (std::size_t i = 0; i < m_tallies.size(); ++i) {
            const TPollTally& tally = m_tallies[i];
            const int top = int(i) * kBarStep + kBarUnit;
            const int length = tally.count * kBarUnit;
            // Drawn left to right, then mirrored where the desktop reads right to left.
            const auto visual = [this](const QRect& ltr) {
                return QStyle::visualRect(layoutDirection(), rect(), ltr);
            };
            painter.fillRect(visual(QRect(width() - kBarRightMargin - length, top, length, kBarHeight)),
                             QColor(128, 0, 0));
            font.setBold(!tally.noAnswer);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(visual(QRect(kBarUnit, top, width(), kBarHeight)),
                             Qt::AlignLeft | Qt::AlignVCenter, TPollResults::TallyText(tally));
        }
    }

private:
    const TPollResults& m_results;
    std::vector<TPollTally> m_tallies;
};

} // namespace

TfrmPollresults::TfrmPollresults(TPollResults& results, IDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_results(results), m_dialogs(dialogs),
      m_question(new QLabel), m_rows(new QTableWidget(0, 2)), m_answers(new QLabel),
      m_participants(new QLabel), m_bars(new TPollBars(results)) {
    setObjectName("pollResultsWindow");
    setWindowTitle(tr("Poll Results"));
    resize(420, 460);

    QFont bold = m_question->font();
    bold.setBold(true);
    m_question->setFont(bold);
    m_question->setWordWrap(true);

    m_rows->setObjectName("lvPolls");
    m_rows->setAccessibleName(tr("Answers"));
    m_rows->setHorizontalHeaderLabels({tr("Participant"), tr("Answer")});
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setShowGrid(true);
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* totals = new QFormLayout;
    totals->addRow(tr("Total number of answers:"), m_answers);
    totals->addRow(tr("Total number of participants:"), m_participants);

    auto* scroll = new QScrollArea;
    scroll->setAccessibleName(tr("Answer bars"));
    scroll->setWidget(m_bars);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(100);
    scroll->setBackgroundRole(QPalette::Base);

    auto* save = new QPushButton(tr("Save to File"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_question);
    layout->addWidget(m_rows, 2);
    layout->addLayout(totals);
    layout->addWidget(scroll, 1);
    layout->addWidget(save, 0, Qt::AlignRight);

    connect(save, &QPushButton::clicked, this, &TfrmPollresults::chooseFile);
    connect(&results, &TPollResults::Changed, this, &TfrmPollresults::refresh);
    refresh();
}

void TfrmPollresults::refresh() {
    m_question->setText(m_results.Question());
    const auto& rows = m_results.Rows();
    m_rows->setRowCount(int(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_rows->setItem(int(i), 0, new QTableWidgetItem(rows[i].name));
        m_rows->setItem(int(i), 1, new QTableWidgetItem(TPollResults::AnswerText(rows[i])));
    }
    m_answers->setText(QString::number(m_results.AnswerCount()));
    m_participants->setText(QString::number(m_results.ParticipantCount()));
    static_cast<TPollBars*>(m_bars)->refresh();
}

bool TfrmPollresults::SaveTo(const QString& path) {
    const QString error = m_results.SaveTo(path);
    if (error.isEmpty())
        return true;
    m_dialogs.Error(tr("The poll results could not be saved to %1:\r\n%2").arg(path, error));
    return false;
}

void TfrmPollresults::chooseFile() {
    const QString proposed =
        QDir::home().filePath(TPollResults::ProposedFileName(QDateTime::currentDateTime()));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Polling Results"), proposed,
                                                      tr("Rich Text Format (*.rtf)"));
    if (!path.isEmpty())
        SaveTo(path);
}

} // namespace orv
