#include "voice/RemoteAudioWindow.h"

#include "platform/CompositorMove.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace orv {
namespace {

QSlider* LevelSlider(QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 65535);
    slider->setSingleStep(655);
    slider->setPageStep(6553);
    slider->setMinimumWidth(180);
    slider->setEnabled(false);
    return slider;
}

QString ToneColour(IRemoteAudioView::Tone tone) {
    switch (tone) {
    case IRemoteAudioView::Tone::Grey:
        return "#808080";
    case IRemoteAudioView::Tone::Maroon:
        return "#800000";
    case IRemoteAudioView::Tone::Green:
        return "#008000";
    case IRemoteAudioView::Tone::Red:
        return "#ff0000";
    }
    return "#000000";
}

} // namespace

TfrmRemoteAudio::TfrmRemoteAudio(TRemoteAudioControl& control, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_control(control) {
    setObjectName("frmRemoteAudio");
    setWindowTitle(tr("Remote Volume Control"));
    setFrameStyle();
    m_header = new QLabel(tr("Remote Audio Control"), this);
    m_header->setObjectName("header");
    m_header->setStyleSheet(
        "QLabel#header { background: #1f3f7f; color: white; font-weight: bold; padding: 4px; }");
    m_header->setCursor(Qt::SizeAllCursor);
    m_header->installEventFilter(this);
    m_name = new QLabel(this);
    m_name->setStyleSheet("font-weight: bold;");
    m_status = new QLabel(tr("Retrieving Settings..."), this);
    m_speaker = LevelSlider(this);
    m_microphone = LevelSlider(this);
    m_boost = new QCheckBox(tr("Microphone Boost"), this);
    m_boost->setEnabled(false);
    m_note = new QLabel(tr("Some of the volume controls are not available. This is because the remote user's "
                           "device driver does not support them."),
                        this);
    m_note->setWordWrap(true);
    m_note->setMinimumWidth(300);
    m_note->hide();
    m_close = new QPushButton(tr("Close"), this);

    auto* form = new QFormLayout;
    form->addRow(tr("Participant:"), m_name);
    form->addRow(tr("Status:"), m_status);
    form->addRow(tr("Speakers:"), m_speaker);
    form->addRow(tr("Microphone:"), m_microphone);
    form->addRow(QString(), m_boost);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->addLayout(form);
    body->addWidget(m_note);
    body->addWidget(m_close, 0, Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_header);
    layout->addLayout(body);

    const auto levels = [this] {
        if (!m_setting)
            m_control.LevelsChanged(std::uint16_t(m_speaker->value()), std::uint16_t(m_microphone->value()));
    };
    connect(m_speaker, &QSlider::valueChanged, this, levels);
    connect(m_microphone, &QSlider::valueChanged, this, levels);
    connect(m_boost, &QCheckBox::clicked, this, [this](bool checked) {
        if (!m_setting)
            m_control.BoostClicked(std::uint16_t(m_speaker->value()), std::uint16_t(m_microphone->value()),
                                   checked);
    });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    m_control.SetView(this);
}

void TfrmRemoteAudio::setFrameStyle() {
    // Borderless: a thin line keeps it apart from what lies beneath.
    setStyleSheet("orv--TfrmRemoteAudio { border: 1px solid #1f3f7f; }");
    setAttribute(Qt::WA_StyledBackground);
}

void TfrmRemoteAudio::ShowWindow() {
    show();
    raise();
    activateWindow();
}

void TfrmRemoteAudio::SetSubjectName(const QString& name) {
    m_name->setText(name);
}

void TfrmRemoteAudio::SetStatus(const QString& text, Tone tone) {
    m_status->setText(text);
    m_status->setStyleSheet(QString("color: %1;").arg(ToneColour(tone)));
}

void TfrmRemoteAudio::SetNoteVisible(bool visible) {
    m_note->setVisible(visible);
    adjustSize();
}

void TfrmRemoteAudio::SetSpeaker(bool enabled, std::uint16_t level) {
    m_setting = true;
    m_speaker->setEnabled(enabled);
    m_speaker->setValue(level);
    m_setting = false;
}

void TfrmRemoteAudio::SetMicrophone(bool enabled, std::uint16_t level) {
    m_setting = true;
    m_microphone->setEnabled(enabled);
    m_microphone->setValue(level);
    m_setting = false;
}

void TfrmRemoteAudio::SetBoost(bool enabled, bool checked) {
    m_setting = true;
    m_boost->setEnabled(enabled);
    m_boost->setChecked(checked);
    m_setting = false;
}

void TfrmRemoteAudio::DisableControls() {
    m_speaker->setEnabled(false);
    m_microphone->setEnabled(false);
    m_boost->setEnabled(false);
}

bool TfrmRemoteAudio::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_header) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::LeftButton) {
                m_dragging = !StartCompositorMove(windowHandle());
                m_dragOffset = e->globalPosition().toPoint() - frameGeometry().topLeft();
                return true;
            }
        } else if (event->type() == QEvent::MouseMove && m_dragging) {
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_dragOffset);
            return true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_dragging = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmRemoteAudio::closeEvent(QCloseEvent* event) {
    m_control.Closed();
    hide();
    event->ignore();
}

void TfrmRemoteAudio::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace orv
