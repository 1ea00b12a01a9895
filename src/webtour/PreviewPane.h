#pragma once
// The file viewer's preview picture with the selection drawn over it as a dotted outline; the mouse makes the
// selection through the viewer's logic.

#include <QWidget>

namespace orv {

class TFileViewer;

class TPreviewPane final : public QWidget {
    Q_OBJECT
public:
    TPreviewPane(TFileViewer& viewer, QWidget* parent = nullptr);

    // The picture changed: the pane takes its size.
    void PictureChanged();
    // The outline is shown or taken off.
    void SetOutlineShown(bool shown);

signals:
    void selectionStarted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TFileViewer& m_viewer;
    bool m_outline = false;
};

} // namespace orv
