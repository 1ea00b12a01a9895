#include "moderation/KickReasonDialog.h"

#include "protocol/ModerationMessages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orv {

TKickReasonDialog::TKickReasonDialog(QWidget* parent) : QDialog(parent), m_reason(new QLineEdit(this)) {
    setWindowTitle(tr("Kick Reason"));
    auto* prompt = new QLabel(tr("Enter a reason for removing this user from the session:"), this);
    prompt->setBuddy(m_reason);
    // What travels is cut to this length anyway; the box says so by not taking more.
    m_reason->setMaxLength(int(TRemovalMessage::kReasonCapacity));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_reason);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

QString TKickReasonDialog::Reason() const {
    return m_reason->text();
}

std::optional<QString> TKickReasonDialog::Ask(QWidget* parent) {
    TKickReasonDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Reason();
}

} // namespace orv
