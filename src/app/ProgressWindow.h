#pragma once
// The borderless box that shows the sign-in steps. It steps aside whenever a message box or another dialog
// of the program is shown, so it never hides one.

#include "platform/Progress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace orv {

class TfrmProgress final : public QWidget, public IProgress {
    Q_OBJECT
public:
    explicit TfrmProgress(QWidget* parent = nullptr);
    void Setup(int steps) override;
    void Step(int step, const QString& text) override;
    void Show() override;
    void Hide() override;

    QString activity() const;
    int position() const;

    // Hides the window while a box or dialog is up and shows it again afterwards if it was showing.
    class StepAside {
    public:
        explicit StepAside(TfrmProgress* progress);
        ~StepAside();
        StepAside(const StepAside&) = delete;
        StepAside& operator=(const StepAside&) = delete;

    private:
        TfrmProgress* m_progress;
        bool m_wasVisible;
    };

private:
    QProgressBar* m_bar;
    QLabel* m_activity;
};

} // namespace orv
