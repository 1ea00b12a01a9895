#include "app/ProgressWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace orv {

TfrmProgress::TfrmProgress(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_bar(new QProgressBar), m_activity(new QLabel) {
    setObjectName("progressWindow");
    setWindowTitle(tr("Orvane Live Browser - Progress"));
    setStyleSheet("#progressWindow { background: #f4f6fa; border: 1px solid #5b6f95; }");
    auto* title = new QLabel("<b>Orvane Live Browser</b>");
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(title);
    layout->addWidget(m_bar);
    layout->addWidget(m_activity);
    setFixedSize(420, 96);
}

void TfrmProgress::Setup(int steps) {
    m_bar->setRange(0, steps);
    m_bar->setValue(0);
}

void TfrmProgress::Step(int step, const QString& text) {
    // Repaint before and after: the caller may block on the network right after this.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_bar->setValue(step);
    m_activity->setText(text);
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmProgress::Show() {
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

void TfrmProgress::Hide() {
    hide();
}

TfrmProgress::StepAside::StepAside(TfrmProgress* progress)
    : m_progress(progress), m_wasVisible(progress && progress->isVisible()) {
    if (m_wasVisible)
        m_progress->hide();
}

TfrmProgress::StepAside::~StepAside() {
    if (m_wasVisible)
        m_progress->Show();
}

QString TfrmProgress::activity() const {
    return m_activity->text();
}

int TfrmProgress::position() const {
    return m_bar->value();
}

} // namespace orv
