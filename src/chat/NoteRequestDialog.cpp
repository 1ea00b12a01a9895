#include "chat/NoteRequestDialog.h"

#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

TfrmRequest::TfrmRequest(const QString& recipient, IDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs), m_predefined(new QComboBox), m_note(new QPlainTextEdit) {
    setObjectName("noteComposer");
    setWindowTitle(tr("Session Message"));
    auto* panel = new QGroupBox(tr("Send a Session Note"));
    auto* form = new QFormLayout(panel);
    auto* to = new QLabel(recipient);
    to->setObjectName("sendTo");
    to->setTextFormat(Qt::PlainText);
    form->addRow(tr("Send To:"), to);
    m_predefined->setObjectName("predefined");
    m_predefined->addItems({tr("<custom>"), tr("May I ask a question"),
                            tr("I would like to answer the question"), tr("Would you please repeat this")});
    auto* predefinedLabel = new QLabel(tr("&Predefined:"));
    predefinedLabel->setBuddy(m_predefined);
    form->addRow(predefinedLabel, m_predefined);
    m_note->setObjectName("noteText");
    m_note->setTabChangesFocus(true);
    auto* noteLabel = new QLabel(tr("&Your Note:"));
    noteLabel->setBuddy(m_note);
    form->addRow(noteLabel, m_note);
    // Choosing an entry puts its text into the note, "<custom>" included.
    connect(m_predefined, &QComboBox::activated, this,
            [this](int index) { m_note->setPlainText(m_predefined->itemText(index)); });
    auto* buttons = new QDialogButtonBox;
    QPushButton* send = buttons->addButton(tr("Send"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    send->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmRequest::Send);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(buttons);
    m_note->setFocus();
}

QString TfrmRequest::Note() const {
    return m_note->toPlainText();
}

void TfrmRequest::SetNote(const QString& text) {
    m_note->setPlainText(text);
}

void TfrmRequest::Send() {
    if (Note().trimmed().isEmpty()) {
        m_dialogs.Error(
            tr("Nothing to send. \r\nPlease type your note and press Send. To close without sending "
               "press Cancel."));
        return;
    }
    accept();
}

std::optional<QString> TfrmRequest::Ask(const QString& recipient, IDialogs& dialogs, QWidget* parent) {
    TfrmRequest dialog(recipient, dialogs, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Note();
}

} // namespace orv
