#pragma once
// The board window (TfrmBoard), the whiteboard view of the main window: the tool bar for the lock, clearing,
// the board menu, screen captures and the snap box; the current board in a scrolling area; the drawing tool
// bar with the tools, the pointer buttons, the mark button and the pen and fill options. What it does lives
// in TBoardTools; the window shows it and passes the user's choices on.

#include "board/FontSettingsWindow.h"
#include "board/TextEditBox.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace orv {

class IDialogs;
class PortalScreenshot;
class TBoardSharing;
class TBoardTools;
class TBoardView;
class TColorChoiceBox;
class Whiteboard;

class TfrmBoard final : public QWidget {
    Q_OBJECT

public:
    enum class CaptureKind { Desktop, Window, Area };

    // `lockBoard` is the Lock Board action (acCaptureBoard); the window shows it on its tool bar.
    TfrmBoard(Whiteboard& boards, TBoardTools& tools, TBoardSharing& sharing, IDialogs& dialogs, int gridSize,
              QAction* lockBoard, QWidget* parent = nullptr);
    ~TfrmBoard() override;

    // The pause before a capture (and after an area capture), 500 ms; tests shorten it.
    void SetCaptureDelay(int ms) { m_captureDelay = ms; }
    void SetGridSize(int gridSize);
    void Capture(CaptureKind kind);

    QAction* Action(const QString& name) const;
    QToolButton* ToolButton(std::uint8_t tool) const;
    TBoardView* View() const { return m_view; }
    TTextEditControl* TextBox() const { return m_textBox; }
    TFontsForm* FontsForm() const { return m_fontsForm; }
    QWidget* ToolBoxHolder() const { return m_toolBox; }
    QCheckBox* SnapBox() const { return m_snap; }
    // Another subsystem's controls at the end of the top tool bar (the slide controls); the window owns it.
    void AddTopBarWidget(QWidget* widget);

    // Follows the tools and the sharing: enabled states, the tool down, the option panels, the cursor,
    // the text box and its Font Settings window.
    void Refresh();

private:
    QAction* addAction(const QString& text, const char* name);
    void buildTopBar(QAction* lockBoard);
    void buildToolBox();
    void chooseFile(bool save, const QString& filter, const QString& suffix,
                    const std::function<void(const QString&)>& use);
    void openPicture();
    void uploadBoard();
    void exportAll();
    void takeCapture(CaptureKind kind);
    // A Wayland desktop's picture through its portal, then the same as takeCapture with it.
    void captureThroughPortal(CaptureKind kind);
    void captured(CaptureKind kind, const QImage& desktop);
    void refreshTextBox();
    void scrollToPointer();
    void applyCursor();

    Whiteboard& m_boards;
    TBoardTools& m_tools;
    TBoardSharing& m_sharing;
    IDialogs& m_dialogs;
    int m_captureDelay = 500;
    std::unique_ptr<PortalScreenshot> m_portalShot; // on a Wayland desktop, made when first needed
    std::map<QString, QAction*> m_actions;
    std::map<std::uint8_t, QToolButton*> m_toolButtons;
    QActionGroup* m_toolGroup = nullptr;
    QToolBar* m_topBar = nullptr;
    QToolButton* m_boardButton = nullptr;
    QToolButton* m_markButton = nullptr;
    QToolButton* m_pointerButtons[2] = {};
    QCheckBox* m_snap = nullptr;
    QScrollArea* m_scroll = nullptr;
    TBoardView* m_view = nullptr;
    QWidget* m_toolBox = nullptr;
    QLabel* m_outlineCaption = nullptr;
    QLabel* m_fillCaption = nullptr;
    QSpinBox* m_penSize = nullptr;
    TColorChoiceBox* m_lineColor = nullptr;
    QComboBox* m_brushStyle = nullptr;
    TColorChoiceBox* m_fillColor = nullptr;
    QPointer<TTextEditControl> m_textBox;
    int m_textBoxSerial = 0;
    std::optional<QPoint> m_pointerScrolledTo; // a received pointer is scrolled into sight once
    QPointer<TFontsForm> m_fontsForm;
    bool m_refreshing = false;
};

} // namespace orv
