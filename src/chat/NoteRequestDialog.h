#pragma once
// TfrmRequest, "Session Message": the composer of a session note to one participant or to everybody, with
// predefined texts to start from.

#include <QDialog>

#include <optional>

class QComboBox;
class QPlainTextEdit;

namespace orv {

class IDialogs;

class TfrmRequest final : public QDialog {
    Q_OBJECT
public:
    TfrmRequest(const QString& recipient, IDialogs& dialogs, QWidget* parent = nullptr);

    QString Note() const;
    void SetNote(const QString& text);
    // Send: closes with OK when there is something to send, otherwise says so and stays.
    void Send();

    // Modal; the note to send, or none when cancelled.
    static std::optional<QString> Ask(const QString& recipient, IDialogs& dialogs, QWidget* parent);

private:
    IDialogs& m_dialogs;
    QComboBox* m_predefined;
    QPlainTextEdit* m_note;
};

} // namespace orv
