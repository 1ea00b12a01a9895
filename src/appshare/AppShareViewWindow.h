#pragma once
// The sharing view ("Application Sharing"): the host's screen scaled into the main window, the host's
// pointer over it, and a strip of scaling links. While this viewer is in control, its mouse and keys on the
// picture go to the host.

#include "appshare/AppShareWindows.h"

#include <QWidget>

class QLabel;
class QScrollArea;

namespace orv {

class TSharePicture;

class TfrmAppShareViewWindow final : public QWidget, public IAppShareView {
    Q_OBJECT

public:
    explicit TfrmAppShareViewWindow(IAppShareViewInput& input, QWidget* parent = nullptr);

    void SetTitle(const QString& title) override;
    void SetPicture(const QImage* picture) override;
    void PictureChanged(const QRect& area) override;
    void SetPointer(QPoint topLeft, const QImage& image) override;
    void SetInControl(bool inControl) override;
    void Clear() override;

    // "Show In Original Size" and "Fit In My Window".
    void ShowOriginalSize();
    void FitInWindow();
    QSize ShownSize() const;
    // Where the pointer image stands on the shown picture (tests).
    QPoint PointerPlace() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePicture();

    IAppShareViewInput& m_input;
    QLabel* m_title;
    QWidget* m_strip;
    QScrollArea* m_scroll;
    TSharePicture* m_picture;
    QLabel* m_pointer;
    QPoint m_pointerTopLeft;
    bool m_fit = true;
};

} // namespace orv
