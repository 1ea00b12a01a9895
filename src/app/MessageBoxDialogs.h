#pragma once
// The dialogs interface as real message boxes.

#include "platform/Dialogs.h"

class QWidget;

namespace orv {

class TfrmProgress;

class TMessageBoxDialogs final : public IDialogs {
public:
    explicit TMessageBoxDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    // The progress window steps aside while a box is shown, so that it never covers the box.
    void SetProgressWindow(TfrmProgress* progress) { m_progress = progress; }
    void Information(const QString& text) override;
    void Error(const QString& text) override;
    bool Question(const QString& text) override;
    bool ErrorQuestion(const QString& text) override;
    bool Confirm(const QString& text) override;

private:
    QWidget* m_parent;
    TfrmProgress* m_progress = nullptr;
};

} // namespace orv
