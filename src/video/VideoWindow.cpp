#include "video/VideoWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace orv {

// A picture stretched to the whole panel.
class TVideoPicture final : public QWidget {
public:
    using QWidget::QWidget;
    void SetPicture(const QImage& picture) {
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (m_picture.isNull())
            p.fillRect(rect(), Qt::black);
        else
            p.drawImage(rect(), m_picture);
    }

private:
    QImage m_picture;
};

namespace {

constexpr int kStripHeight = 24;

// The texts keep their Windows line breaks; a label wants plain ones.
QString plainLines(QString text) {
    return text.replace("\r\n", "\n");
}

} // namespace

TfrmVideo::TfrmVideo(TVideoSession& session)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), m_session(session) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(tr("Video"));
    setAccessibleName(tr("Video"));

    auto* strip = new QWidget;
    strip->setFixedHeight(kStripHeight);
    strip->setAutoFillBackground(true);
    QPalette stripPalette = strip->palette();
    stripPalette.setColor(QPalette::Window, QColor(0x33, 0x33, 0x33));
    stripPalette.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(stripPalette);
    m_name = new QLabel;
    m_name->setAccessibleName(tr("Participant"));
    m_options = new QPushButton(tr("Options"));
    m_options->setFlat(true);
    m_options->setCursor(Qt::PointingHandCursor);
    m_options->setStyleSheet(
        "QPushButton { color: #9cf; text-decoration: underline; border: none; padding: 0 4px; }");
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 0, 2, 0);
    stripLayout->addWidget(m_name, 1);
    stripLayout->addWidget(m_options);

    m_message = new QLabel;
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setAccessibleName(tr("Status"));
    m_capture = new TVideoPicture;
    m_capture->setAccessibleName(tr("Preview"));
    m_display = new TVideoPicture;
    m_display->setAccessibleName(tr("Picture"));
    m_display->setContextMenuPolicy(Qt::CustomContextMenu);
    m_buffering = new QLabel(tr("Buffering...."), m_display);
    m_buffering->setStyleSheet("color: white;");
    m_buffering->move(4, 4);
    m_buffering->adjustSize();
    m_panels = new QStackedWidget;
    m_panels->addWidget(m_message);
    m_panels->addWidget(m_capture);
    m_panels->addWidget(m_display);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_panels, 1);

    m_sizeMenu = new QMenu(this);
    const std::pair<const char*, TVideoSize> sizes[] = {
        {QT_TR_NOOP("Original Size"), TVideoSize::Original},
        {QT_TR_NOOP("Very Small (80 x 60)"), TVideoSize::VerySmall},
        {QT_TR_NOOP("Small Size (160 x 120)"), TVideoSize::Small},
        {QT_TR_NOOP("Middle Size (320 x 240)"), TVideoSize::Middle},
        {QT_TR_NOOP("Large Size (640 x 480)"), TVideoSize::Large},
    };
    for (const auto& [text, size] : sizes)
        m_sizeMenu->addAction(tr(text), this, [this, size = size] { m_session.ChooseSize(size); });
    m_sizeMenu->addSeparator();
    m_sizeMenu->addAction(tr("Close"), this, &QWidget::close);
    connect(m_options, &QPushButton::clicked, this, &TfrmVideo::onOptions);
    connect(m_display, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_sizeMenu->popup(m_display->mapToGlobal(at)); });
    SetClientSize(160, 144);
}

void TfrmVideo::onOptions() {
    if (m_stopLink)
        close();
    else
        m_sizeMenu->popup(m_options->mapToGlobal(QPoint(0, m_options->height())));
}

void TfrmVideo::SetNameLabel(const QString& text) {
    m_name->setText(text);
    setWindowTitle(text);
}

void TfrmVideo::ShowStatus(const QString& text) {
    m_message->setText(plainLines(text));
    m_panels->setCurrentWidget(m_message);
}

void TfrmVideo::ShowCapture() {
    m_panels->setCurrentWidget(m_capture);
    m_stopLink = true;
    m_options->setText(tr("Stop"));
}

void TfrmVideo::ShowPreview(const QImage& picture) {
    m_capture->SetPicture(picture);
}

void TfrmVideo::ShowDisplay() {
    m_panels->setCurrentWidget(m_display);
}

void TfrmVideo::ShowPicture(const QImage& picture) {
    m_display->SetPicture(picture);
    m_buffering->hide();
}

void TfrmVideo::SetBufferingText(const QString& text) {
    m_buffering->setText(plainLines(text));
    m_buffering->adjustSize();
    m_buffering->show();
}

void TfrmVideo::SetClientSize(int width, int height) {
    resize(std::max(width, 80), std::max(height, kStripHeight + 20));
}

void TfrmVideo::ShowWindow() {
    show();
    raise();
    activateWindow();
}

QString TfrmVideo::StatusText() const {
    return m_message->text();
}

QString TfrmVideo::NameText() const {
    return m_name->text();
}

void TfrmVideo::closeEvent(QCloseEvent* event) {
    event->accept();
    m_session.Close();
}

std::unique_ptr<IVideoView> NewVideoWindow(TVideoSession& session) {
    return std::make_unique<TfrmVideo>(session);
}

} // namespace orv
