#pragma once
// The file viewer (TfrmFileViewer, caption "File Viewer - (Beta)"): a file pane with the address box and the
// browser that shows the file, and a preview pane with the picture taken of it, where a part is selected
// and placed on the current board. Closing it only hides it.

#include "webtour/FileViewer.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QStatusBar;
class QWebEngineView;

namespace orv {

class TPreviewPane;

class TfrmFileViewer final : public QWidget {
    Q_OBJECT
public:
    TfrmFileViewer(TFileViewer& viewer, QWidget* parent = nullptr);

    // Shows the file pane and goes to a local file's path or an address; blank text does nothing.
    void OpenFile(const QString& pathOrAddress);
    // The picture of the browser pane becomes the preview, all of it selected.
    void TakePreview();
    void BackToFile();
    // Places the picture; the window hides when it was placed.
    void PlaceOnBoard();
    // Shows the viewer in front, over the room area that holds `roomView` (its own size where there is none).
    void ShowOverRoomArea(const QWidget* roomView);

    QComboBox* FileBox() const { return m_file; }
    QWebEngineView* View() const { return m_view; }
    TPreviewPane* Preview() const { return m_preview; }
    QRadioButton* OriginalSizeChoice() const { return m_original; }
    QRadioButton* SelectionOnlyChoice() const { return m_selectionOnly; }
    bool ShowsPreview() const;
    QString StatusText() const;

private:
    void chooseFile();
    void loaded(bool ok);
    void showPane(int pane);

    TFileViewer& m_viewer;
    QStackedWidget* m_panes;
    QComboBox* m_file;
    QPushButton* m_open;
    QPushButton* m_previewButton;
    QWebEngineView* m_view;
    QRadioButton* m_original;
    QRadioButton* m_selectionOnly;
    QPushButton* m_back;
    QPushButton* m_place;
    TPreviewPane* m_preview;
    QStatusBar* m_status;
};

} // namespace orv
