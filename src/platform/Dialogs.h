#pragma once
// Modal message boxes and questions, behind an interface so that logic runs and is tested without a screen.

#include <QString>

namespace orv {

class IDialogs {
public:
    virtual ~IDialogs() = default;
    virtual void Information(const QString& text) = 0;
    virtual void Error(const QString& text) = 0;
    // Yes / No; true for Yes.
    virtual bool Question(const QString& text) = 0;
    // An error box with Yes and No buttons; true for Yes.
    virtual bool ErrorQuestion(const QString& text) = 0;
    // A confirmation with OK and Cancel; true for OK.
    virtual bool Confirm(const QString& text) = 0;
};

} // namespace orv
