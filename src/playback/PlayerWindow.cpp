#include "playback/PlayerWindow.h"

#include "session/LocaleNumbers.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace orv {
namespace {

QToolButton* button(QWidget* parent, const QString& text, QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(text);
    b->setAccessibleName(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return b;
}

// A click on the position bar puts the slider where it was clicked, as a drag there would, instead of
// paging towards it: its release then seeks to that place.
class ClickToPlaceStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_Slider_AbsoluteSetButtons)
            return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

} // namespace

TfrmPlayer::TfrmPlayer(TPlayerStatus& status, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_status(status) {
    setWindowTitle(status.Caption());
    m_play = button(this, tr("Start Playing"), QStyle::SP_MediaPlay);
    m_pause = button(this, tr("Pause"), QStyle::SP_MediaPause);
    m_stop = button(this, tr("Stop and exit"), QStyle::SP_MediaStop);
    m_fullScreen = button(this, tr("Full Screen"), QStyle::SP_TitleBarMaxButton);
    m_fullScreen->setCheckable(true);

    m_download = new QProgressBar(this);
    m_download->setRange(0, 100);
    m_download->setAccessibleName(tr("Downloaded"));
    m_download->setStyleSheet("QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                              "stop:0 #3cb043, stop:1 #f2d13a); }");
    m_position = new QSlider(Qt::Horizontal, this);
    m_position->setToolTip(tr("Move the slider to a new position."));
    m_position->setAccessibleName(tr("Position"));
    auto* clickToPlace = new ClickToPlaceStyle;
    clickToPlace->setParent(m_position);
    m_position->setStyle(clickToPlace);
    m_percent = new QLabel(tr("0%"), this);
    m_elapsed = new QLabel("0:00:00", this);
    m_elapsed->setAccessibleName(tr("Elapsed and total time"));
    m_state = new QLabel(this);
    m_state->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setRange(0, 100);
    m_volume->setAccessibleName(tr("Volume"));
    auto* volumeLabel = new QLabel(tr("Volume"), this);
    volumeLabel->setBuddy(m_volume);
    auto* progressLabel = new QLabel(tr("Progress"), this);
    progressLabel->setBuddy(m_position);

    auto* tools = new QHBoxLayout;
    for (QToolButton* b : {m_play, m_pause, m_stop, m_fullScreen})
        tools->addWidget(b);
    tools->addStretch();
    auto* grid = new QGridLayout;
    grid->addWidget(m_download, 0, 0, 1, 4);
    grid->addWidget(m_position, 1, 0, 1, 4);
    grid->addWidget(progressLabel, 2, 0);
    grid->addWidget(m_percent, 2, 1);
    grid->addWidget(m_elapsed, 2, 2);
    grid->addWidget(m_state, 2, 3);
    grid->addWidget(volumeLabel, 3, 0);
    grid->addWidget(m_volume, 3, 1, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(grid);

    connect(m_play, &QToolButton::clicked, this, &TfrmPlayer::playRequested);
    connect(m_pause, &QToolButton::clicked, this, &TfrmPlayer::pauseRequested);
    connect(m_stop, &QToolButton::clicked, this, &TfrmPlayer::stopRequested);
    connect(m_fullScreen, &QToolButton::toggled, this, &TfrmPlayer::fullScreenToggled);
    connect(m_volume, &QSlider::valueChanged, this, &TfrmPlayer::volumeChanged);
    // While dragged, the hint says where the slider stands.
    connect(m_position, &QSlider::sliderMoved, this, [this](int value) {
        const int count = std::max(1, m_status.PacketCount());
        const QString hint = LocalePercent(100.0 * value / count);
        m_position->setToolTip(hint);
        QToolTip::showText(QCursor::pos(), hint, m_position);
    });
    // A release anywhere, even outside the bar, asks for a packet inside the recording.
    connect(m_position, &QSlider::sliderReleased, this, [this] {
        m_position->setToolTip(tr("Move the slider to a new position."));
        emit seekRequested(std::clamp(m_position->value(), 0, m_status.PacketCount()));
    });
    SetPlaying(false);
    Refresh(0);
}

void TfrmPlayer::Refresh(std::int64_t elapsedMs) {
    setWindowTitle(m_status.Caption());
    m_download->setValue(m_status.DownloadPercent());
    m_position->setRange(0, std::max(0, m_status.PacketCount()));
    if (!m_position->isSliderDown())
        m_position->setValue(m_status.SliderIndex());
    m_percent->setText(m_status.PercentText());
    m_elapsed->setText(m_status.TimeText(elapsedMs));
    m_state->setText(m_status.StatusText());
    const char* colour = "black";
    if (m_status.Status() == TPlayerStatusText::Playing)
        colour = "green";
    else if (m_status.Status() == TPlayerStatusText::FastMode)
        colour = "blue";
    else if (m_status.Status() == TPlayerStatusText::Buffering)
        colour = "red";
    m_state->setStyleSheet(QString("QLabel { color: %1; font-weight: bold; }").arg(colour));
}

void TfrmPlayer::ShowVolume(int percent, bool readable) {
    m_volume->setEnabled(readable);
    if (readable)
        m_volume->setValue(percent);
}

void TfrmPlayer::SetPlaying(bool playing) {
    m_play->setEnabled(!playing);
    m_pause->setEnabled(playing);
}

void TfrmPlayer::SetCallbacks(TPlayerCallbacks callbacks) {
    const auto call = [](const std::function<void()>& f) {
        return [f] {
            if (f)
                f();
        };
    };
    connect(this, &TfrmPlayer::playRequested, this, call(callbacks.play));
    connect(this, &TfrmPlayer::pauseRequested, this, call(callbacks.pause));
    connect(this, &TfrmPlayer::stopRequested, this, call(callbacks.stop));
    connect(this, &TfrmPlayer::fullScreenToggled, this, [f = callbacks.fullScreen](bool on) {
        if (f)
            f(on);
    });
    connect(this, &TfrmPlayer::seekRequested, this, [f = callbacks.seek](std::int32_t index) {
        if (f)
            f(index);
    });
    connect(this, &TfrmPlayer::volumeChanged, this, [f = callbacks.volume](int percent) {
        if (f)
            f(percent);
    });
}

void TfrmPlayer::ShowAtCorner(bool top) {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = top ? screen->availableGeometry() : screen->geometry();
        const QSize size = frameSize();
        move(area.right() - size.width() + 1, top ? area.top() : area.bottom() - size.height() + 1);
    }
    show();
    raise();
}

void TfrmPlayer::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit stopRequested();
}

std::unique_ptr<IPlayerWindow> NewPlayerWindow(TPlayerStatus& status) {
    return std::make_unique<TfrmPlayer>(status);
}

} // namespace orv
