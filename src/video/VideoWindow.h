#pragma once
// TfrmVideo: the small always-on-top window of one webcam, the own ("My cam") or another participant's. A
// caption strip with the name and the "Options" link, and below it the message, the live preview or the
// received picture. What it shows comes from its TVideoSession.

#include "video/VideoSession.h"

#include <QWidget>

class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace orv {

class TVideoPicture;

class TfrmVideo final : public QWidget, public IVideoView {
    Q_OBJECT
public:
    explicit TfrmVideo(TVideoSession& session);

    void SetNameLabel(const QString& text) override;
    void ShowStatus(const QString& text) override;
    void ShowCapture() override;
    void ShowPreview(const QImage& picture) override;
    void ShowDisplay() override;
    void ShowPicture(const QImage& picture) override;
    void SetBufferingText(const QString& text) override;
    void SetClientSize(int width, int height) override;
    void ShowWindow() override;

    QString StatusText() const;
    QString NameText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onOptions();

    TVideoSession& m_session;
    QLabel* m_name;
    QPushButton* m_options;
    QStackedWidget* m_panels;
    QLabel* m_message;
    TVideoPicture* m_capture;
    TVideoPicture* m_display;
    QLabel* m_buffering;
    QMenu* m_sizeMenu;
    bool m_stopLink = false; // "Options" has become "Stop"
};

// The window as the video module makes it.
std::unique_ptr<IVideoView> NewVideoWindow(TVideoSession& session);

} // namespace orv
