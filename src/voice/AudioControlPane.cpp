#include "voice/AudioControlPane.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include <algorithm>

namespace orv {
namespace {

QSlider* LevelSlider(const QString& name) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 65535);
    slider->setSingleStep(6553);
    slider->setPageStep(6553);
    slider->setAccessibleName(name);
    slider->setEnabled(false);
    return slider;
}

} // namespace

TAudioControlPane::TAudioControlPane(QWidget* parent) : QWidget(parent) {
    setObjectName("audioControlPane");
    m_onAir = new QLabel;
    m_onAir->setObjectName("onAirLabel");
    m_meter = new QProgressBar;
    m_meter->setObjectName("microphoneMeter");
    m_meter->setRange(0, 100);
    m_meter->setTextVisible(false);
    m_meter->setMaximumHeight(10);
    m_meter->setMinimumWidth(24); // the meter gives way before the side column widens
    m_meter->setAccessibleName(tr("Microphone level"));
    m_meter->hide();
    m_mute = new QToolButton;
    m_mute->setObjectName("muteButton");
    m_mute->setAccessibleName(tr("Mute Microphone"));
    m_mute->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Checked stands out: the microphone is silent while the floor is held.
    m_mute->setStyleSheet(
        QStringLiteral("QToolButton:checked { background: #f5c242; border: 1px solid #9a7000; }"));
    m_mute->hide();
    m_speaker = LevelSlider(tr("Speakers"));
    m_microphone = LevelSlider(tr("Microphone"));
    m_boost = new QCheckBox(tr("Microphone Boost"));
    m_boost->setEnabled(false);
    m_buffering = new QSlider(Qt::Horizontal);
    m_buffering->setRange(2, 15);
    m_buffering->setPageStep(1);
    m_buffering->setTickPosition(QSlider::TicksBelow); // the queue length comes in whole steps
    m_buffering->setTickInterval(1);
    m_buffering->setAccessibleName(tr("Set Buffering"));
    m_delayBar = new QProgressBar;
    m_delayBar->setRange(0, 100);
    m_delayBar->setTextVisible(false);
    m_delayBar->setAccessibleName(tr("Inp. Audio Delay"));
    m_delayText = new QLabel;
    m_codec = new QLabel;
    m_codec->setObjectName("codecLabel");
    m_connect = new QPushButton(tr("Connect Audio"));
    m_connect->setObjectName("connectAudio");
    m_connect->hide();

    auto* onAir = new QHBoxLayout;
    onAir->addWidget(m_onAir);
    onAir->addWidget(m_meter, 1);
    onAir->addWidget(m_mute);
    auto* delay = new QHBoxLayout;
    delay->addWidget(m_delayBar, 1);
    delay->addWidget(m_delayText);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(4, 2, 4, 2);
    form->addRow(onAir);
    form->addRow(tr("Speakers"), m_speaker);
    form->addRow(tr("Microphone"), m_microphone);
    form->addRow(QString(), m_boost);
    form->addRow(tr("Set Buffering"), m_buffering);
    form->addRow(tr("Inp. Audio Delay"), delay);
    form->addRow(tr("Codec:"), m_codec);
    form->addRow(QString(), m_connect);
    ShowDelay(ReadDelay(0));

    connect(m_speaker, &QSlider::valueChanged, this, [this](int v) {
        if (!m_setting && speakerChanged)
            speakerChanged(std::uint16_t(v));
    });
    connect(m_microphone, &QSlider::valueChanged, this, [this](int v) {
        if (!m_setting && microphoneChanged)
            microphoneChanged(std::uint16_t(v));
    });
    connect(m_boost, &QCheckBox::clicked, this, [this] {
        if (!m_setting && boostToggled)
            boostToggled();
    });
    connect(m_buffering, &QSlider::valueChanged, this, [this](int v) {
        if (!m_setting && bufferingChanged)
            bufferingChanged(v);
    });
    connect(m_connect, &QPushButton::clicked, this, [this] {
        if (connectAudio)
            connectAudio();
    });
}

void TAudioControlPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown)
        shown();
}

void TAudioControlPane::SetCodecName(const QString& name) {
    m_codec->setText(name);
}

void TAudioControlPane::ShowOnAir(const QString& text, bool onAir, bool muted) {
    m_onAir->setText(text);
    QFont font = m_onAir->font();
    font.setBold(onAir);
    m_onAir->setFont(font);
    m_onAir->setStyleSheet(onAir && !muted ? QStringLiteral("color: #b00000") : QString());
    m_meter->setVisible(onAir);
    m_meter->setEnabled(!muted);
    m_mute->setVisible(onAir);
    if (!onAir)
        m_meter->setValue(0);
}

void TAudioControlPane::ShowMicrophoneMeter(int level) {
    m_meter->setValue(std::clamp(level, 0, 100));
}

void TAudioControlPane::SetMuteAction(QAction* mute) {
    m_mute->setDefaultAction(mute);
}

QString TAudioControlPane::CodecText() const {
    return m_codec->text();
}

static void ShowLevel(QSlider* slider, QAction* item, std::optional<std::uint16_t> level) {
    slider->setEnabled(level.has_value());
    slider->setValue(level.value_or(0));
    if (item)
        item->setEnabled(level.has_value());
}

void TAudioControlPane::ShowSpeakerLevel(std::optional<std::uint16_t> level) {
    m_setting = true;
    ShowLevel(m_speaker, m_speakerItem, level);
    m_setting = false;
}

void TAudioControlPane::ShowMicrophoneLevel(std::optional<std::uint16_t> level) {
    m_setting = true;
    ShowLevel(m_microphone, m_microphoneItem, level);
    m_setting = false;
}

void TAudioControlPane::ShowBoost(std::optional<bool> on) {
    m_setting = true;
    m_boost->setEnabled(on.has_value());
    m_boost->setChecked(on.value_or(false));
    if (m_boostItem) {
        m_boostItem->setEnabled(on.has_value());
        m_boostItem->setChecked(on.value_or(false));
    }
    m_setting = false;
}

QList<QAction*> TAudioControlPane::MenuActions() {
    const auto levelItem = [this](const QString& text, QSlider* slider) {
        auto* menu = new QMenu(text, this);
        // Moving the slider runs its handler, as the user's own move would.
        connect(menu->addAction(tr("Increase Volume")), &QAction::triggered, slider,
                [slider] { slider->setValue(slider->value() + 6553); });
        connect(menu->addAction(tr("Decrease Volume")), &QAction::triggered, slider,
                [slider] { slider->setValue(slider->value() - 6553); });
        // The item is the installer's; the menu stays the pane's.
        auto* item = new QAction(text);
        item->setMenu(menu);
        item->setEnabled(slider->isEnabled());
        return item;
    };
    m_speakerItem = levelItem(tr("Speakers"), m_speaker);
    m_microphoneItem = levelItem(tr("Microphone"), m_microphone);
    m_boostItem = new QAction(tr("Microphone Boost"));
    m_boostItem->setCheckable(true);
    m_boostItem->setEnabled(m_boost->isEnabled());
    connect(m_boostItem, &QAction::triggered, this, [this] {
        // The check mark shows what the mixer says, once the toggle has run.
        m_boostItem->setChecked(m_boost->isChecked());
        if (!m_setting && boostToggled)
            boostToggled();
    });
    return {m_speakerItem, m_microphoneItem, m_boostItem};
}

void TAudioControlPane::ShowBuffering(int queueLength) {
    m_setting = true;
    m_buffering->setValue(queueLength);
    m_setting = false;
}

void TAudioControlPane::ShowDelay(const TDelayReading& reading) {
    m_delayBar->setValue(reading.percent);
    m_delayText->setText(reading.text);
}

QString TAudioControlPane::DelayText() const {
    return m_delayText->text();
}

int TAudioControlPane::DelayPercent() const {
    return m_delayBar->value();
}

void TAudioControlPane::ShowConnectAudio(bool visible) {
    m_connect->setVisible(visible);
}

} // namespace orv
