#include "app/SettingsWindow.h"

#include "session/SettingsChoices.h"
#include "platform/Dialogs.h"
#include "voice/CodecCatalogue.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orv {
namespace {

QComboBox* choiceBox(const std::vector<TChoice>& choices, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const TChoice& c : choices)
        box->addItem(c.text, c.value);
    return box;
}

// Selects the choice for `value`; a value the box does not offer leaves it unselected.
void selectValue(QComboBox* box, int value) {
    box->setCurrentIndex(box->findData(value));
}

// The selected choice's value, or `kept` when nothing is selected.
int selectedValue(const QComboBox* box, int kept) {
    return box->currentIndex() < 0 ? kept : box->currentData().toInt();
}

QSpinBox* spinBox(int low, int high, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    return box;
}

void showColor(QPushButton* button, TColor color) {
    button->setText(ColorToText(color));
    button->setStyleSheet(
        QString("background-color: %1; color: %2")
            .arg(ToQColor(color).name(), ToQColor(color).lightness() < 128 ? "white" : "black"));
}

QWidget* page(QLayout* layout) {
    auto* w = new QWidget;
    w->setLayout(layout);
    return w;
}

} // namespace

TfrmSettings::TfrmSettings(TSettings& session, TSettingsStore& store, QString programFolder,
                           TSettingsWindowContext context, ISettingsEffects& effects, IDialogs& dialogs,
                           QWidget* parent)
    : QDialog(parent), m_session(session), m_store(store), m_programFolder(std::move(programFolder)),
      m_context(std::move(context)), m_effects(effects), m_dialogs(dialogs) {
    setWindowTitle("Settings");
    setMinimumWidth(640);
    build();
}

void TfrmSettings::build() {
    m_pages = new QTabWidget(this);
    m_pages->addTab(buildConnectionPage(), "Connection");
    m_pages->addTab(buildGeneralPage(), "General");
    m_pages->addTab(buildAudioPage(), "Audio");
    m_pages->addTab(buildVoicePage(), "Voice");
    m_pages->addTab(buildVideoPage(), "Video");
    m_pages->addTab(buildRecordingPage(), "Recording");
    m_pages->addTab(buildBoardPage(), "Whiteboard");
    m_pages->addTab(buildSharingPage(), "Sharing");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyAndSave();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}

QWidget* TfrmSettings::buildConnectionPage() {
    m_useProxy = new QCheckBox("I am behind a Proxy server");
    m_useProxy->setObjectName("useProxy");
    m_socksVersion = choiceBox(SocksVersionChoices(), nullptr);
    m_socksVersion->setObjectName("socksVersion");
    m_proxyHost = new QLineEdit;
    m_proxyHost->setObjectName("proxyHost");
    m_proxyPort = spinBox(1, 65535, nullptr);
    m_proxyPort->setObjectName("proxyPort");
    m_proxyAuthentication = new QCheckBox("Enable Proxy Authentication");
    m_proxyAuthentication->setObjectName("proxyAuthentication");
    m_proxyUserName = new QLineEdit;
    m_proxyUserName->setObjectName("proxyUserName");
    m_proxyPassword = new QLineEdit;
    m_proxyPassword->setObjectName("proxyPassword");
    m_proxyPassword->setEchoMode(QLineEdit::Password);
    connect(m_useProxy, &QCheckBox::toggled, this, &TfrmSettings::updateEnabled);
    connect(m_proxyAuthentication, &QCheckBox::toggled, this, &TfrmSettings::updateEnabled);

    auto* form = new QFormLayout;
    form->addRow(m_useProxy);
    form->addRow("Proxy type:", m_socksVersion);
    form->addRow("Proxy host:", m_proxyHost);
    form->addRow("Proxy port:", m_proxyPort);
    form->addRow(m_proxyAuthentication);
    form->addRow("User name:", m_proxyUserName);
    form->addRow("Password:", m_proxyPassword);
    return page(form);
}

QWidget* TfrmSettings::buildGeneralPage() {
    m_beepConnect = new QCheckBox("Beep when a participant connects");
    m_beepDisconnect = new QCheckBox("Beep when a participant disconnects");
    m_beepMessage = new QCheckBox("Beep on new chat messages");
    m_beepMotions = new QCheckBox("Beep when a participant raises a hand or signals");
    m_popUpChat = new QCheckBox("Pop up the chat on new messages");
    m_popUpChat->setObjectName("popUpChat");
    m_popUpPostIt = new QCheckBox("Pop up post-it messages");
    m_popUpPostIt->setObjectName("popUpPostIt");
    m_flashOnActions = new QCheckBox("Flash the window on participant actions");
    m_invitationUrl = new QLineEdit;
    auto* form = new QFormLayout;
    for (QCheckBox* box : {m_beepConnect, m_beepDisconnect, m_beepMessage, m_beepMotions, m_popUpChat,
                           m_popUpPostIt, m_flashOnActions})
        form->addRow(box);
    form->addRow("Invitation address:", m_invitationUrl);
    return page(form);
}

QWidget* TfrmSettings::buildAudioPage() {
    m_audioOut = new QComboBox;
    m_audioOut->setObjectName("audioOut");
    m_audioOut->addItems(m_context.audioOutputs);
    m_audioIn = new QComboBox;
    m_audioIn->setObjectName("audioIn");
    m_audioIn->addItems(m_context.audioInputs);
    m_muteWhileTalking = new QCheckBox("Mute the speakers while I talk");
    m_audioBuffer = new QSlider(Qt::Horizontal);
    m_audioBuffer->setObjectName("audioBuffer");
    m_audioBuffer->setRange(kAudioBufferMin, kAudioBufferMax);
    m_audioBufferHint = new QLabel;
    connect(m_audioBuffer, &QSlider::valueChanged, this, [this](int v) {
        m_audioBufferHint->setText(AudioBufferHint(v));
        m_audioBuffer->setToolTip(AudioBufferHint(v));
    });
    m_pushToTalk = choiceBox(PushToTalkChoices(), nullptr);
    m_pushToTalk->setObjectName("pushToTalk");

    auto* buffer = new QHBoxLayout;
    buffer->addWidget(m_audioBuffer);
    buffer->addWidget(m_audioBufferHint);
    auto* form = new QFormLayout;
    form->addRow("Playback device:", m_audioOut);
    form->addRow("Recording device:", m_audioIn);
    form->addRow(m_muteWhileTalking);
    form->addRow("Audio buffer:", buffer);
    form->addRow("Push-to-talk key:", m_pushToTalk);
    return page(form);
}

QWidget* TfrmSettings::buildVoicePage() {
    m_microphones = spinBox(1, 5, nullptr);
    m_microphones->setObjectName("microphones");
    m_codec = new QComboBox;
    m_codec->setObjectName("codec");
    m_codec->addItems(CodecDisplayNames());
    auto* form = new QFormLayout;
    form->addRow("Participants who may speak at once:", m_microphones);
    form->addRow("Audio compressor:", m_codec);
    return page(form);
}

QWidget* TfrmSettings::buildVideoPage() {
    m_captureDriver = new QComboBox;
    m_captureDriver->addItems(m_context.captureDrivers);
    m_frameRate = choiceBox(VideoFrameRateChoices(), nullptr);
    m_frameRate->setObjectName("frameRate");
    m_formatSize = choiceBox(VideoFormatSizeChoices(), nullptr);
    m_keyFrameRate = spinBox(1, 30, nullptr);
    m_bitsPerSecond = spinBox(0, 65536, nullptr);
    auto* form = new QFormLayout;
    form->addRow("Capture driver:", m_captureDriver);
    form->addRow("Frame rate:", m_frameRate);
    form->addRow("Picture size:", m_formatSize);
    form->addRow("Key frame every:", m_keyFrameRate);
    form->addRow("Bytes per second:", m_bitsPerSecond);
    return page(form);
}

QWidget* TfrmSettings::buildRecordingPage() {
    m_recordingsFolder = new QLineEdit;
    auto* browse = new QPushButton("Browse...");
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, "Recorded sessions", m_recordingsFolder->text());
        if (!folder.isEmpty())
            m_recordingsFolder->setText(folder);
    });
    m_recorderUserName = new QLineEdit;
    m_recorderPassword = new QLineEdit;
    m_recorderPassword->setEchoMode(QLineEdit::Password);
    auto* folder = new QHBoxLayout;
    folder->addWidget(m_recordingsFolder);
    folder->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow("Recorded sessions folder:", folder);
    form->addRow("Recorder user name:", m_recorderUserName);
    form->addRow("Recorder password:", m_recorderPassword);
    return page(form);
}

QWidget* TfrmSettings::buildBoardPage() {
    m_textBoxFont = new QFontComboBox;
    m_textBoxColor = new QPushButton;
    m_textBoxFontSize = spinBox(kTextBoxFontSizeMin, kTextBoxFontSizeMax, nullptr);
    m_gridSize = spinBox(kGridSizeMin, kGridSizeMax, nullptr);
    m_penWidth = spinBox(1, 50, nullptr);
    m_penColor = new QPushButton;
    const auto pickColor = [this](QPushButton* button, TColor& value) {
        const QColor chosen = QColorDialog::getColor(ToQColor(value), this);
        if (chosen.isValid()) {
            value = FromQColor(chosen);
            showColor(button, value);
        }
    };
    connect(m_textBoxColor, &QPushButton::clicked, this,
            [=, this] { pickColor(m_textBoxColor, m_textBoxColorValue); });
    connect(m_penColor, &QPushButton::clicked, this, [=, this] { pickColor(m_penColor, m_penColorValue); });
    auto* form = new QFormLayout;
    form->addRow("Text box font:", m_textBoxFont);
    form->addRow("Text box font colour:", m_textBoxColor);
    form->addRow("Text box font size:", m_textBoxFontSize);
    form->addRow("Grid size:", m_gridSize);
    form->addRow("Pen width:", m_penWidth);
    form->addRow("Pen colour:", m_penColor);
    return page(form);
}

QWidget* TfrmSettings::buildSharingPage() {
    m_refreshRate = new QSlider(Qt::Horizontal);
    m_refreshRate->setObjectName("refreshRate");
    m_refreshRate->setRange(kRefreshRateMin, kRefreshRateMax);
    m_refreshRate->setSingleStep(kRefreshRateStep);
    m_refreshRate->setPageStep(kRefreshRateStep);
    m_refreshRate->setTickInterval(kRefreshRateStep);
    m_refreshRate->setTickPosition(QSlider::TicksBelow);
    m_refreshRateLabel = new QLabel;
    m_refreshRateLabel->setObjectName("refreshRateLabel");
    connect(m_refreshRate, &QSlider::valueChanged, this, [this](int v) {
        const int snapped = SnapRefreshRate(v);
        if (snapped != v) {
            m_refreshRate->setValue(snapped);
            return;
        }
        m_refreshRateLabel->setText(RefreshRateLabel(v));
    });
    m_pixelFormat = choiceBox(PixelFormatChoices(), nullptr);
    m_pixelFormat->setObjectName("pixelFormat");
    auto* rate = new QHBoxLayout;
    rate->addWidget(m_refreshRate);
    rate->addWidget(m_refreshRateLabel);
    auto* form = new QFormLayout;
    form->addRow("Refresh rate:", rate);
    form->addRow("Colours:", m_pixelFormat);
    return page(form);
}

void TfrmSettings::updateEnabled() {
    const bool proxy = m_useProxy->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_socksVersion, m_proxyHost, m_proxyPort, m_proxyAuthentication})
        w->setEnabled(proxy);
    const bool authentication = proxy && m_proxyAuthentication->isChecked();
    m_proxyUserName->setEnabled(authentication);
    m_proxyPassword->setEnabled(authentication);
}

void TfrmSettings::LoadAndFill(Page startPage) {
    m_session = LoadSettings(m_store, m_programFolder);
    const TSettings& s = m_session;

    m_useProxy->setChecked(s.UseProxy);
    selectValue(m_socksVersion, s.SocksVersion);
    m_proxyHost->setText(s.ProxyHost);
    m_proxyPort->setValue(s.ProxyPort);
    m_proxyAuthentication->setChecked(s.ProxyAuthentication);
    m_proxyUserName->setText(s.ProxyUserName);
    m_proxyPassword->setText(s.ProxyPassword);

    m_beepConnect->setChecked(s.BeepOnUserConnect);
    m_beepDisconnect->setChecked(s.BeepOnUserDisconnect);
    m_beepMessage->setChecked(s.BeepOnNewMessage);
    m_beepMotions->setChecked(s.BeepOnUserMotions);
    m_popUpChat->setChecked(!s.DonPopUpChatMessages);
    m_popUpPostIt->setChecked(!s.NoPopUpsOnPostIt);
    m_flashOnActions->setChecked(s.FlashOnActions);
    m_invitationUrl->setText(s.InvitationURL);

    m_audioOut->setCurrentIndex(s.AudioOutDeviceID < m_audioOut->count() ? s.AudioOutDeviceID : 0);
    m_audioIn->setCurrentIndex(s.AudioInDeviceID < m_audioIn->count() ? s.AudioInDeviceID : 0);
    m_muteWhileTalking->setChecked(s.MuteSpeakersWhileTalking);
    m_audioBuffer->setValue(std::clamp(s.InputAudioQueueSize, kAudioBufferMin, kAudioBufferMax));
    m_audioBufferHint->setText(AudioBufferHint(m_audioBuffer->value()));
    selectValue(m_pushToTalk, s.PushToTalkKey);

    m_microphones->setValue(std::clamp(m_context.microphones, 1, 5));
    m_codec->setCurrentIndex(std::clamp(m_context.codec, 0, kCodecCount - 1));

    m_captureDriver->setCurrentIndex(
        s.DefaultVideoCaptureDriver < m_captureDriver->count() ? s.DefaultVideoCaptureDriver : -1);
    selectValue(m_frameRate, s.VideoFrameRate);
    selectValue(m_formatSize, s.VideoFormatSize);
    m_keyFrameRate->setValue(s.VideoKFR);
    m_bitsPerSecond->setValue(s.VideoBPS);

    m_recordingsFolder->setText(s.RecSessionsFolder);
    m_recorderUserName->setText(s.RecorderUserName);
    m_recorderPassword->setText(s.RecorderPassword);

    m_textBoxFont->setCurrentFont(QFont(s.TextBoxFont));
    m_textBoxColorValue = s.TextBoxFontColor;
    showColor(m_textBoxColor, m_textBoxColorValue);
    m_textBoxFontSize->setValue(s.TextBoxFontSize);
    m_gridSize->setValue(s.BoardGridSize);
    m_penWidth->setValue(s.DefPenWidth);
    m_penColorValue = s.DefPenColor;
    showColor(m_penColor, m_penColorValue);

    m_refreshRate->setValue(SnapRefreshRate(s.AppShareRefreshRate));
    m_refreshRateLabel->setText(RefreshRateLabel(m_refreshRate->value()));
    selectValue(m_pixelFormat, s.AppSharePixelFormat);

    updateEnabled();
    // Before a room is entered only the connection page can be chosen; the voice page is for moderators.
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->setTabEnabled(i, i == ConnectionPage || m_context.inRoom);
    m_pages->setTabEnabled(VoicePage, m_context.inRoom && m_context.moderator);
    m_pages->setCurrentIndex(m_pages->isTabEnabled(startPage) ? startPage : ConnectionPage);
}

TSettings TfrmSettings::readControls() const {
    TSettings s = m_session;
    s.UseProxy = m_useProxy->isChecked();
    s.SocksVersion = selectedValue(m_socksVersion, s.SocksVersion);
    s.ProxyHost = m_proxyHost->text().trimmed();
    s.ProxyPort = m_proxyPort->value();
    s.ProxyAuthentication = m_proxyAuthentication->isChecked();
    s.ProxyUserName = m_proxyUserName->text();
    s.ProxyPassword = m_proxyPassword->text();

    s.BeepOnUserConnect = m_beepConnect->isChecked();
    s.BeepOnUserDisconnect = m_beepDisconnect->isChecked();
    s.BeepOnNewMessage = m_beepMessage->isChecked();
    s.BeepOnUserMotions = m_beepMotions->isChecked();
    s.DonPopUpChatMessages = !m_popUpChat->isChecked();
    s.NoPopUpsOnPostIt = !m_popUpPostIt->isChecked();
    s.FlashOnActions = m_flashOnActions->isChecked();
    s.InvitationURL = m_invitationUrl->text();

    s.AudioOutDeviceID = std::max(0, m_audioOut->currentIndex());
    s.AudioInDeviceID = std::max(0, m_audioIn->currentIndex());
    s.MuteSpeakersWhileTalking = m_muteWhileTalking->isChecked();
    s.InputAudioQueueSize = m_audioBuffer->value();
    s.PushToTalkKey = selectedValue(m_pushToTalk, s.PushToTalkKey);

    if (m_captureDriver->currentIndex() >= 0)
        s.DefaultVideoCaptureDriver = m_captureDriver->currentIndex();
    s.VideoFrameRate = selectedValue(m_frameRate, s.VideoFrameRate);
    s.VideoFormatSize = selectedValue(m_formatSize, s.VideoFormatSize);
    s.VideoKFR = m_keyFrameRate->value();
    s.VideoBPS = m_bitsPerSecond->value();

    s.RecSessionsFolder = m_recordingsFolder->text();
    s.RecorderUserName = m_recorderUserName->text();
    s.RecorderPassword = m_recorderPassword->text();

    s.TextBoxFont = m_textBoxFont->currentFont().family();
    s.TextBoxFontColor = m_textBoxColorValue;
    s.TextBoxFontSize = m_textBoxFontSize->value();
    s.BoardGridSize = m_gridSize->value();
    s.DefPenWidth = m_penWidth->value();
    s.DefPenColor = m_penColorValue;

    s.AppShareRefreshRate = m_refreshRate->value();
    s.AppSharePixelFormat = selectedValue(m_pixelFormat, s.AppSharePixelFormat);
    return s;
}

void TfrmSettings::ApplyAndSave() {
    TSettings s = readControls();
    try {
        if (m_pages->isTabEnabled(VoicePage)) {
            if (m_microphones->value() != m_context.microphones)
                m_effects.SetMicrophoneCount(m_microphones->value());
            if (m_codec->currentIndex() != m_context.codec)
                m_effects.SetAudioCodec(m_codec->currentIndex());
        }
        if (s.AudioOutDeviceID != m_session.AudioOutDeviceID ||
            s.AudioInDeviceID != m_session.AudioInDeviceID) {
            m_dialogs.Information(
                "The modifications you made require re-establishing your audio connection.\r\n"
                "Orvane will now reconnect your audio.");
            m_effects.ReconnectVoice();
        }
        if (s.InputAudioQueueSize != m_session.InputAudioQueueSize)
            m_effects.ApplyAudioBufferSize(s.InputAudioQueueSize);
        m_effects.ApplySharingRefreshRate(s.AppShareRefreshRate);
    } catch (...) {
        // Applying is best effort; the values are saved all the same.
    }
    // OK always forgets the recorder password and the recordings folder; the next load restores the folder.
    s.RecorderPassword.clear();
    s.RecSessionsFolder.clear();
    s.RecordOnServer = true;
    SaveSettings(m_store, s);
    // Read back so the session holds a usable recordings folder again.
    m_session = LoadSettings(m_store, m_programFolder);
}

} // namespace orv
