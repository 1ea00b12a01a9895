#pragma once
// Answers message boxes and questions for tests, and remembers what was shown.

#include "platform/Dialogs.h"

#include <QStringList>

namespace orv::test {

class FakeDialogs final : public IDialogs {
public:
    void Information(const QString& text) override { shown << "info: " + text; }
    void Error(const QString& text) override { shown << "error: " + text; }
    bool Question(const QString& text) override {
        shown << "question: " + text;
        return answer;
    }
    bool ErrorQuestion(const QString& text) override {
        shown << "error question: " + text;
        return answer;
    }
    bool Confirm(const QString& text) override {
        shown << "confirm: " + text;
        return answer;
    }

    QStringList shown;
    bool answer = true;
};

} // namespace orv::test
