#pragma once
// The borderless stay-on-top box that shows the sign-in steps.

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

private:
    QProgressBar* m_bar;
    QLabel* m_activity;
};

} // namespace orv
