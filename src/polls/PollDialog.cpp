#include "polls/PollDialog.h"

#include "platform/Dialogs.h"
#include "polls/PollAnswers.h"
#include "polls/PollFile.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {
namespace {

constexpr int kColumns = 4;

} // namespace

TfrmNewPoll::TfrmNewPoll(IDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_file(new QLineEdit), m_question(new QPlainTextEdit),
      m_favourite(new QCheckBox(tr("Add to my favourite polls"))) {
    setObjectName("newPollDialog");
    setWindowTitle(tr("Polling"));

    auto* header = new QLabel(tr(" A New Poll"));
    QFont bold = header->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    header->setFont(bold);

    auto* fileLabel = new QLabel(tr("From File:"));
    fileLabel->setBuddy(m_file);
    m_file->setReadOnly(true);
    auto* browse = new QPushButton(tr("..."));
    browse->setAccessibleName(tr("Open a poll file"));
    browse->setMaximumWidth(32);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    auto* questionLabel = new QLabel(tr("Question:"));
    questionLabel->setBuddy(m_question);
    auto* lengthLabel = new QLabel(tr("%1 chars").arg(TPollRecord::kQuestionCapacity));
    auto* questionHead = new QHBoxLayout;
    questionHead->addWidget(questionLabel);
    questionHead->addStretch();
    questionHead->addWidget(lengthLabel);
    m_question->setTabChangesFocus(true);
    m_question->setFixedHeight(m_question->fontMetrics().lineSpacing() * 4 + 12);

    auto* answers = new QGroupBox(tr("Mark the valid entries:"));
    auto* grid = new QGridLayout(answers);
    const int rows = (PollAnswers::kCount + kColumns - 1) / kColumns;
    // Down the columns, in table order, so that Tab follows the numbers.
    for (int i = 0; i < PollAnswers::kCount; ++i) {
        auto* box = new QCheckBox(PollAnswers::Name(i + 1));
        m_answers[std::size_t(i)] = box;
        grid->addWidget(box, i % rows, i / rows);
        connect(box, &QCheckBox::toggled, this, &TfrmNewPoll::updateSend);
    }

    auto* saveToFile = new QPushButton(tr("Save To File"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_send = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    m_send->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(saveToFile);
    bottom->addWidget(m_favourite);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addLayout(fileRow);
    layout->addLayout(questionHead);
    layout->addWidget(m_question);
    layout->addWidget(answers);
    layout->addLayout(bottom);

    connect(browse, &QPushButton::clicked, this, &TfrmNewPoll::chooseFile);
    connect(saveToFile, &QPushButton::clicked, this, &TfrmNewPoll::chooseSaveFile);
    connect(m_question, &QPlainTextEdit::textChanged, this, [this] {
        // Only so many characters travel: the box holds no more.
        const QString text = m_question->toPlainText();
        if (text.size() > qsizetype(TPollRecord::kQuestionCapacity)) {
            m_question->setPlainText(text.left(qsizetype(TPollRecord::kQuestionCapacity)));
            m_question->moveCursor(QTextCursor::End);
        }
        updateSend();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (CanSend())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_question->setFocus();
    updateSend();
}

std::int32_t TfrmNewPoll::Mask() const {
    std::vector<int> checked;
    for (int i = 0; i < PollAnswers::kCount; ++i)
        if (m_answers[std::size_t(i)]->isChecked())
            checked.push_back(i + 1);
    return PollAnswers::MaskOf(checked);
}

void TfrmNewPoll::SetMask(std::int32_t mask) {
    for (QCheckBox* box : m_answers)
        box->setChecked(false);
    for (int number : PollAnswers::OfMask(mask))
        m_answers[std::size_t(number - 1)]->setChecked(true);
}

void TfrmNewPoll::SetQuestion(const QString& question) {
    m_question->setPlainText(question);
}

bool TfrmNewPoll::CanSend() const {
    return !m_question->toPlainText().trimmed().isEmpty() && Mask() != 0;
}

void TfrmNewPoll::updateSend() {
    m_send->setEnabled(CanSend());
}

TNewPoll TfrmNewPoll::Result() const {
    return {m_question->toPlainText(), Mask(), m_favourite->isChecked()};
}

void TfrmNewPoll::LoadFile(const QString& path) {
    const std::optional<TPollRecord> record = ReadPollFile(path);
    if (!record)
        return;
    m_file->setText(path);
    SetQuestion(record->Question());
    SetMask(record->AnswerMask());
}

bool TfrmNewPoll::SaveFile(const QString& path) {
    if (WritePollFile(path, Mask(), m_question->toPlainText()))
        return true;
    m_dialogs.Error(tr("Unable to create poll file \r\n") + path);
    return false;
}

void TfrmNewPoll::chooseFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a poll file"), QString(),
                                                      tr("Orvane Exam Files (*.exm)"));
    if (!path.isEmpty())
        LoadFile(path);
}

void TfrmNewPoll::chooseSaveFile() {
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save the poll"), QString(), tr("Orvane Exam Files (*.exm)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(".exm", Qt::CaseInsensitive))
        path += ".exm";
    SaveFile(path);
}

} // namespace orv
