#pragma once
// The poll dialog ("Polling"): the question, the answers it offers, a poll file to start from or save to,
// and whether to keep it among the favourite polls.

#include "polls/Polls.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orv {

class IDialogs;

class TfrmNewPoll final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewPoll(IDialogs& dialogs, QWidget* parent = nullptr);

    // What OK gives: the question as typed, the checked answers' mask, the favourite box.
    TNewPoll Result() const;
    // Fills the dialog from a poll file; a file that cannot be read changes nothing.
    void LoadFile(const QString& path);
    // Writes the poll file; a failure is shown.
    bool SaveFile(const QString& path);

    std::int32_t Mask() const;
    void SetMask(std::int32_t mask);
    void SetQuestion(const QString& question);
    bool CanSend() const;

private:
    void chooseFile();
    void chooseSaveFile();
    void updateSend();

    IDialogs& m_dialogs;
    QLineEdit* m_file;
    QPlainTextEdit* m_question;
    std::array<QCheckBox*, 26> m_answers{};
    QCheckBox* m_favourite;
    QPushButton* m_send;
};

} // namespace orv
