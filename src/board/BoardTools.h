#pragma once
// What the board window does, without the window: taking and leaving tools, the option panels each tool
// shows, the cursors, the remembered pen and fill, the enabled states of the window's actions, the mouse on
// the boards (drawing, the pointer, the text tool's press, placing a screen capture), opening a picture,
// saving, uploading and exporting boards, and the text box with its defaults.

#include "board/BoardColor.h"
#include "board/BoardStyle.h"
#include "board/TextBoxModel.h"

#include <QImage>
#include <QObject>
#include <QPoint>

#include <optional>

namespace orv {

class BoardGesture;
class IMessageSink;
class IResourceTransfers;
class TBoardSharing;
class TSettingsStore;
class Whiteboard;
struct TSessionContext;

enum class BoardCursor { Arrow, Cross, Pen, IBeam, Mark, Move };

// Which option panels a tool shows.
struct TToolOptions {
    bool penWidth = false;
    bool penColor = false;
    bool fill = false;
    friend bool operator==(const TToolOptions&, const TToolOptions&) = default;
};

// The pen and fill the drawing tool bar shows and every option change stores.
struct TDrawingSettings {
    int penWidth = 3;
    TColor penColor = kBoardBlack;
    std::uint8_t fillStyle = BoardBrush::Clear;
    TColor fillColor = kBoardWhite;
};

struct TBoardActionStates {
    bool drawingTools = false; // also whether the drawing tool bar is shown
    bool boardChoice = false;  // the board menu's boards, saving and uploading aside
    bool capture = false;      // the three captures and "Hide Orvane Window"
    bool openPicture = false;
    bool upload = false;
    bool clear = false;
    bool lock = false;
    bool lockChecked = false;
};

class TBoardTools final : public QObject {
    Q_OBJECT

public:
    static constexpr int kMinPenWidth = 1, kMaxPenWidth = 17;
    static constexpr int kUploadJpegQuality = 90;

    // `boardWindow` takes the text box's messages (BoardMsg).
    TBoardTools(TSessionContext& context, Whiteboard& boards, BoardGesture& gesture, TBoardSharing& sharing,
                IMessageSink& boardWindow);

    // Where the text defaults are written when they change, and the pen when the session module ends.
    void SetStore(TSettingsStore* store) { m_store = store; }
    void SetTransfers(IResourceTransfers* transfers, const QString& temporaryFolder);
    // The pen from the settings, the text defaults, and the snap grid.
    void ApplyDrawingDefaults(int penWidth, TColor penColor);
    void SetTextDefaults(const TTextBoxFont& font) { m_textDefaults = font; }
    const TTextBoxFont& TextDefaults() const { return m_textDefaults; }
    // DefPenWidth and DefPenColor, written to the store.
    void SaveDrawingDefaults();

    // Tools.
    std::uint8_t DrawTool() const;
    void TakeTool(std::uint8_t tool);
    // Ends the tool in use before another: the mark cursor goes, an open text box is committed (when asked)
    // and closed; with the select tool (11) as the new one, it is taken.
    void LeaveTool(std::uint8_t newTool, bool commit);
    static TToolOptions ToolOptions(std::uint8_t tool);
    TToolOptions Options() const { return ToolOptions(m_optionsTool); }
    BoardCursor Cursor() const;

    // The mark button and the mark menu; marks are the mark pictures 1, 3, 5, 9 and 11.
    void SetMarkButton(bool down);
    bool MarkButtonDown() const { return m_markDown; }
    void ChooseMark(int picture);
    int Mark() const;

    // Option changes, each on the current board and remembered.
    void SetPenWidth(int width);
    void SetPenColor(TColor color);
    void SetFillColor(TColor color);
    void SetFillStyle(std::uint8_t style);
    const TDrawingSettings& Drawing() const { return m_drawing; }

    bool Snap() const;
    void SetSnap(bool snap);
    bool HideWindowWhileCapturing() const { return m_hideWindow; }
    void SetHideWindowWhileCapturing(bool hide);

    TBoardActionStates Actions() const;

    // The mouse on the boards, in board coordinates.
    void MouseDown(Qt::MouseButton button, QPoint point);
    void MouseMove(Qt::MouseButtons buttons, QPoint point);
    void MouseUp(Qt::MouseButton button, QPoint point);

    // Screen capture: the tool is left before the capture, and the captured image (null when nothing was
    // taken) is then placed with the mouse.
    void PrepareCapture();
    void BeginPlacement(const QImage& capture);
    bool Placing() const;
    const QImage& PlacementImage() const { return m_placement; }
    // Where the outline of the captured image is shown (its top-left corner).
    QPoint PlacementOutline() const { return m_outline; }

    // "Open a picture from file": asks to shrink the picture or expand the board when it is larger than the
    // board. False when the picture is null.
    bool OpenPicture(const QImage& picture);
    // The picture on white, made to fit the current board: asks whether to shrink it or to grow the board
    // when it is larger.
    QImage FitToCurrentBoard(const QImage& picture);
    // Loads a picture file; icons and vector pictures get one white pixel more in each direction.
    static QImage LoadPicture(const QString& path);
    bool SaveBoardBitmap(const QString& path) const;
    // Writes the current board as JPEG to the temporary folder and uploads it to the image library; false,
    // having said "Image not uploaded", when the comment is blank.
    bool UploadBoard(const QString& comment);
    // Where the last upload was written.
    const QString& LastUploadFile() const { return m_lastUpload; }
    bool ExportBoardPng(const QString& path) const;
    // Every board with something on it, one page each; the number of pages, 0 when nothing was written.
    int ExportAllBoardsPdf(const QString& path) const;

    // The text tool.
    TTextBoxModel& TextBox() { return m_textBox; }
    // A press with the text tool: a new box at the point, committing one still open.
    void CreateTextBox(QPoint point);
    // Enter in the box: it is committed and closed, and the next box opens below it.
    void TextBoxEnter();
    // Escape in the box: it is closed without a commit.
    void TextBoxEscape();
    // A change in the Font Settings window: the box takes the font, which becomes the text defaults.
    void ChangeTextFont(const TTextBoxFont& font);
    void SetTextBoxText(const QString& text);

    // Something the window shows changed outside the tools (board, lock, access).
    void NotifyChanged() { emit Changed(); }

signals:
    void Changed();

private:
    void takeSelect();
    bool holdsLockOrPrivate() const;
    // Places an image on the current board and sends it when the lock and access allow, drawing what the
    // room will see (the JPEG's picture) so every copy of the board is alike.
    void placeAndShare(QPoint topLeft, const QImage& image);
    void endPlacement();
    void applyBrush();

    TSessionContext& m_context;
    Whiteboard& m_boards;
    BoardGesture& m_gesture;
    TBoardSharing& m_sharing;
    IMessageSink& m_boardWindow;
    TSettingsStore* m_store = nullptr;
    IResourceTransfers* m_transfers = nullptr;
    QString m_temporaryFolder;
    TTextBoxModel m_textBox;
    TTextBoxFont m_textDefaults;
    TDrawingSettings m_drawing;
    std::uint8_t m_optionsTool = BoardKind::Select;
    BoardCursor m_cursor = BoardCursor::Arrow;
    bool m_markDown = false;
    bool m_hideWindow = true;
    std::optional<BoardStyle> m_savedStyle;
    QImage m_placement;
    QPoint m_outline;
    QString m_lastUpload;
};

} // namespace orv
