#pragma once
// The "Kick Reason" input box: why the selected participant is removed from the session.

#include <QDialog>

#include <optional>

class QLineEdit;

namespace orv {

class TKickReasonDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TKickReasonDialog(QWidget* parent = nullptr);
    QString Reason() const;

    // Shows the box modally; none when cancelled.
    static std::optional<QString> Ask(QWidget* parent);

private:
    QLineEdit* m_reason;
};

} // namespace orv
