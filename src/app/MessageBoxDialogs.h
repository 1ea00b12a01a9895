#pragma once
// The dialogs interface as real message boxes.

#include "platform/Dialogs.h"

class QWidget;

namespace orv {

class TMessageBoxDialogs final : public IDialogs {
public:
    explicit TMessageBoxDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void Information(const QString& text) override;
    void Error(const QString& text) override;
    bool Question(const QString& text) override;
    bool ErrorQuestion(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace orv
