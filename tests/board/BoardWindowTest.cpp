// The board window driven as a user would, offscreen: each tool's gesture, the option panels and action
// states, snapping, pictures and captures placed on a board, text boxes, and the exports.
#include "board/BoardWindow.h"
#include "board/BoardExport.h"
#include "board/BoardJpeg.h"
#include "board/BoardModule.h"
#include "board/BoardView.h"
#include "board/FontSettingsWindow.h"
#include "board/PictureFit.h"
#include "board/TextEditBox.h"
#include "protocol/BoardSharingMessages.h"
#include "session/ParticipantMarks.h"
#include "session/Settings.h"
#include "support/BoardFixture.h"
#include "support/FakeSession.h"
#include "support/Prerequisites.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr std::uint16_t kOwnUser = 5;

struct BoardWindow : test::FakeSession {
    TBoardModule module{context};

    explicit BoardWindow(int board = 2, bool access = true, bool lock = false) {
        state.account.SetUserId(kOwnUser);
        TSettings settings;
        module.ApplySettings(settings);
        module.Sharing().SetPublicBoardAccess(access);
        if (lock)
            state.boardHolder = kOwnUser;
        module.Sharing().SwitchBoard(board, false);
        window().resize(1100, 900);
        sender.sent.clear();
    }
    TfrmBoard& window() { return *module.Window(); }
    TBoardView& view() { return *window().View(); }
    Whiteboard& boards() { return module.Boards(); }
    const QImage& image() { return boards().Board(boards().CurrentBoard()).Image(); }
    void take(std::uint8_t tool) { QTest::mouseClick(window().ToolButton(tool), Qt::LeftButton); }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(&view(), button, {}, view().FromBoard(from));
        QTest::mouseMove(&view(), view().FromBoard((from + to) / 2));
        QTest::mouseMove(&view(), view().FromBoard(to));
        QTest::mouseRelease(&view(), button, {}, view().FromBoard(to));
    }
    void deliver() { QCoreApplication::sendPostedEvents(&module.Mailbox()); }
    std::vector<test::SentPacket> sentOf(std::uint16_t command) const {
        std::vector<test::SentPacket> found;
        for (const test::SentPacket& p : sender.sent)
            if (p.command == command)
                found.push_back(p);
        return found;
    }
};

QImage Stripes() {
    QImage stripes(300, 300, QImage::Format_RGB32);
    stripes.fill(Qt::white);
    for (int y = 0; y < 300; y += 7)
        for (int x = 0; x < 300; ++x)
            stripes.setPixel(x, y, qRgb(30, 120, 200));
    return stripes;
}

TEST(BoardWindow, EachToolsGestureDrawsWhatItsRecordsDrawElsewhere) {
    struct Case {
        std::uint8_t tool;
        QPoint from, to;
    };
    const Case cases[] = {
        {BoardKind::Line, {20, 30}, {200, 150}},          {BoardKind::Rectangle, {40, 40}, {180, 120}},
        {BoardKind::Oval, {40, 40}, {180, 120}},          {BoardKind::Circle, {120, 120}, {160, 150}},
        {BoardKind::Handwriting, {30, 30}, {150, 90}},    {BoardKind::Highlighter, {30, 60}, {150, 60}},
        {BoardKind::FourQuadrants, {20, 20}, {220, 180}}, {BoardKind::AreaEraser, {50, 50}, {90, 90}},
        {BoardKind::Eraser, {60, 40}, {60, 140}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.tool));
        BoardWindow w;
        // Something under the figures, so that a rubber band left behind would show.
        w.boards().PlaceImage(2, {0, 0}, Stripes());
        test::BoardFixture elsewhere({1024, 768});
        elsewhere.boards->PlaceImage(2, {0, 0}, w.image().copy(0, 0, 300, 300));
        elsewhere.boards->SetCurrentBoard(2);
        w.take(c.tool);
        w.drag(c.from, c.to);
        const auto batches = w.sentOf(cmBoardDrawing);
        ASSERT_EQ(batches.size(), 1u);
        const TBoardDrawingBatch batch = test::DecodeBatch(batches[0].payload);
        EXPECT_EQ(batch.board, 2);
        ASSERT_GE(batch.items.size(), 2u);
        elsewhere.boards->ReceiveBatch(batch);
        EXPECT_TRUE(test::SameImage(w.image(), elsewhere.boards->Board(2).Image()));
    }
}

TEST(BoardWindow, ToolsShowTheirPanelsCursorsAndSnap) {
    struct Case {
        std::uint8_t tool;
        bool penWidth, penColor, fill;
        std::optional<bool> snapAfter;
    };
    const Case cases[] = {
        {BoardKind::Select, false, false, false, {}},
        {BoardKind::Line, true, true, false, {}},
        {BoardKind::Rectangle, true, true, true, {}},
        {BoardKind::Circle, true, true, true, {}},
        {BoardKind::Oval, true, true, true, {}},
        {BoardKind::Handwriting, true, true, false, false},
        {BoardKind::Highlighter, false, true, false, false},
        {BoardKind::Text, false, false, false, {}},
        {BoardKind::OneQuadrant, false, false, false, true},
        {BoardKind::FourQuadrants, false, false, false, true},
        {BoardKind::Fill, false, false, true, false},
        {BoardKind::Eraser, true, false, false, false},
        {BoardKind::AreaEraser, false, false, false, {}},
    };
    BoardWindow w;
    QWidget* holder = w.window().ToolBoxHolder();
    // ORV_SCREENSHOTS=DIR keeps a picture of the window with each tool's panel there, to look at.
    const QString shots = qEnvironmentVariable("ORV_SCREENSHOTS");
    if (!shots.isEmpty())
        w.window().show();
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.tool));
        w.window().SnapBox()->setChecked(!c.snapAfter.value_or(true));
        const bool snapBefore = w.window().SnapBox()->isChecked();
        w.take(c.tool);
        if (!shots.isEmpty()) {
            QCoreApplication::processEvents(); // the layout settles first
            w.window().grab().save(QString("%1/board-tool-%2.png").arg(shots).arg(c.tool));
        }
        EXPECT_EQ(w.boards().DrawTool(), c.tool);
        EXPECT_TRUE(w.window().ToolButton(c.tool)->isChecked());
        EXPECT_EQ(holder->findChild<QWidget*>("tbPenSize")->isVisibleTo(holder), c.penWidth);
        EXPECT_EQ(holder->findChild<QWidget*>("cbLineColor")->isVisibleTo(holder), c.penColor);
        EXPECT_EQ(holder->findChild<QWidget*>("cbBrushStyle")->isVisibleTo(holder), c.fill);
        EXPECT_EQ(holder->findChild<QWidget*>("cbFillColor")->isVisibleTo(holder), c.fill);
        EXPECT_EQ(w.window().SnapBox()->isChecked(), c.snapAfter.value_or(snapBefore));
    }
}

TEST(BoardWindow, SnapCaptionFillToolAndPenOptions) {
    BoardWindow w;
    TSettings settings;
    settings.BoardGridSize = 20;
    w.module.ApplySettings(settings);
    EXPECT_EQ(w.window().SnapBox()->text(), "Snap to 20px");

    ASSERT_EQ(w.module.Tools().Drawing().fillStyle, BoardBrush::Clear);
    w.take(BoardKind::Fill);
    EXPECT_EQ(w.module.Tools().Drawing().fillStyle, BoardBrush::Solid);
    EXPECT_EQ(w.boards().Board(2).Brush(), (BrushState{kBoardWhite, BoardBrush::Solid}));

    w.take(BoardKind::Line);
    w.window().findChild<QSpinBox*>("tbPenSize")->setValue(9);
    EXPECT_EQ(w.boards().Board(2).Pen().width, 9);
    EXPECT_EQ(w.module.Tools().Drawing().penWidth, 9);

    // Snapped with grid 20: the press at (37, 12) starts at (40, 20).
    w.window().SnapBox()->setChecked(true);
    w.drag({37, 12}, {81, 59});
    const TBoardDrawingBatch batch = test::DecodeBatch(w.sentOf(cmBoardDrawing).at(0).payload);
    EXPECT_EQ(batch.items.front().X1(), 40);
    EXPECT_EQ(batch.items.front().Y1(), 20);
}

TEST(BoardWindow, ActionsFollowTheLockTheBoardAndTheTextTool) {
    struct Case {
        int board;
        bool lock, manager;
        bool capture, open, clear, upload;
    };
    const Case cases[] = {
        {2, false, false, false, false, false, false},
        {2, true, false, true, true, true, false},
        {kPrivateBoard, false, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        BoardWindow w(c.board, true, c.lock);
        w.state.account.SetAccountType(c.manager ? 1000 : 0);
        w.module.Tools().NotifyChanged();
        EXPECT_EQ(w.window().Action("acCaptureDesktop")->isEnabled(), c.capture);
        EXPECT_EQ(w.window().Action("acOpenAPictureFromFile")->isEnabled(), c.open);
        EXPECT_EQ(w.window().Action("acClearBoard")->isEnabled(), c.clear);
        EXPECT_EQ(w.window().Action("acUploadToServer")->isEnabled(), c.upload);
        EXPECT_TRUE(w.window().Action("acBoard_3")->isEnabled());
        w.take(BoardKind::Text);
        EXPECT_FALSE(w.window().Action("acBoard_3")->isEnabled());
        EXPECT_FALSE(w.window().Action("acCaptureDesktop")->isEnabled());
    }
    BoardWindow noAccess(2, false);
    EXPECT_FALSE(noAccess.window().ToolBoxHolder()->isVisibleTo(&noAccess.window()));
}

TEST(BoardWindow, ShrinkingKeepsThePictureOnTheBoard) {
    struct Case {
        QSize picture, expected;
    };
    const Case cases[] = {
        {{2000, 1000}, {1024, 513}},
        {{1000, 2000}, {384, 768}},
        {{1100, 1000}, {844, 768}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShrinkToBoard(c.picture, {1024, 768}), c.expected) << c.picture.width();
}

QImage RedPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(200, 60, 40));
    return picture;
}

TEST(BoardWindow, OpeningPicturesShrinksOrExpandsAndSharesOnlyWithTheLock) {
    BoardWindow expand(2, true, true);
    struct : IParticipantMarks {
        void HideLoadMarks() override { ++hidden; }
        int hidden = 0;
    } marks;
    expand.module.SetMarks(&marks);
    expand.dialogs.answer = false;
    ASSERT_TRUE(expand.module.Tools().OpenPicture(RedPicture({1200, 600})));
    EXPECT_EQ(expand.image().size(), QSize(1200, 768));
    const auto images = expand.sentOf(cmBoardImage);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(marks.hidden, 1) << "the load marks of what was shown before go";
    // What the room decodes is what this board shows.
    PayloadReader reader(images[0].payload);
    const TBoardImageMessage message = TBoardImageMessage::decode(reader);
    EXPECT_TRUE(test::SameImage(expand.image().copy(0, 0, 1200, 600), *DecodeBoardJpeg(message.jpeg)));

    BoardWindow shrink(kPrivateBoard);
    ASSERT_TRUE(shrink.module.Tools().OpenPicture(RedPicture({2000, 1000})));
    EXPECT_EQ(shrink.image().size(), QSize(1024, 768));
    EXPECT_EQ(shrink.image().pixel(1000, 500), qRgb(200, 60, 40));
    EXPECT_EQ(shrink.image().pixel(1000, 520), qRgb(255, 255, 255));
    EXPECT_TRUE(shrink.sender.sent.empty());
}

TEST(BoardWindow, PlacingACaptureRestoresTheWholeStyleEitherWay) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        BoardWindow w(2, true, true);
        w.take(BoardKind::Rectangle);
        w.window().findChild<QSpinBox*>("tbPenSize")->setValue(7);
        w.module.Tools().SetFillStyle(BoardBrush::Cross);
        const BoardStyle before = w.boards().SaveBoardStyle(2);
        w.module.Tools().PrepareCapture();
        w.module.Tools().BeginPlacement(RedPicture({60, 40}));
        EXPECT_EQ(w.view().cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(&w.view(), w.view().FromBoard({100, 100}));
        const QImage board = w.image().copy();
        QTest::mousePress(&w.view(), button, {}, w.view().FromBoard({100, 100}));
        EXPECT_EQ(w.boards().Board(2).Pen(), before.pen);
        EXPECT_EQ(w.boards().Board(2).Brush(), before.brush);
        EXPECT_EQ(w.boards().DrawTool(), BoardKind::Select);
        if (button == Qt::RightButton) {
            EXPECT_TRUE(test::SameImage(w.image(), board));
            EXPECT_TRUE(w.sentOf(cmBoardImage).empty());
        } else {
            // The room's copy of the picture, JPEG-decoded, is what this board shows too.
            EXPECT_NEAR(qRed(w.image().pixel(110, 110)), 200, 8);
            EXPECT_EQ(w.sentOf(cmBoardImage).size(), 1u);
        }
    }
    // An empty area capture places nothing.
    BoardWindow empty(kPrivateBoard);
    const QImage board = empty.image().copy();
    empty.module.Tools().PrepareCapture();
    empty.module.Tools().BeginPlacement(QImage());
    QTest::mouseClick(&empty.view(), Qt::LeftButton, {}, empty.view().FromBoard({10, 10}));
    EXPECT_TRUE(test::SameImage(empty.image(), board));
}

TEST(BoardWindow, TextBoxesOpenCommitChainAndCancel) {
    BoardWindow w;
    w.take(BoardKind::Text);
    QTest::mouseClick(&w.view(), Qt::LeftButton, {}, w.view().FromBoard({100, 200}));
    w.deliver();
    TTextEditControl* box = w.window().TextBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(QRect(w.view().ToBoard(box->pos()), box->size()), QRect(100, 190, 17, 19));
    ASSERT_NE(w.window().FontsForm(), nullptr);
    EXPECT_EQ(w.window().FontsForm()->windowTitle(), "Font Settings");

    const QImage blank = w.image().copy();
    QTest::keyClicks(box->Edit(), "Hello");
    EXPECT_GT(box->width(), 17);
    const QRect typed = w.module.Tools().TextBox().Rect();
    QTest::keyClick(box->Edit(), Qt::Key_Return);
    w.deliver();
    EXPECT_FALSE(test::SameImage(w.image(), blank));
    const auto texts = w.sentOf(cmBoardText);
    ASSERT_EQ(texts.size(), 1u);
    PayloadReader reader(texts[0].payload);
    EXPECT_EQ(TBoardTextMessage::decode(reader).text, "Hello");
    ASSERT_TRUE(w.module.Tools().TextBox().IsOpen());
    EXPECT_EQ(w.module.Tools().TextBox().Rect().topLeft(), QPoint(100, typed.bottom() + 1 - 3));
    EXPECT_TRUE(w.module.Tools().TextBox().Text().isEmpty());

    // Escape leaves the board as it was and sends nothing.
    const QImage committed = w.image().copy();
    QTest::keyClicks(w.window().TextBox()->Edit(), "gone");
    QTest::keyClick(w.window().TextBox()->Edit(), Qt::Key_Escape);
    w.deliver();
    EXPECT_FALSE(w.module.Tools().TextBox().IsOpen());
    EXPECT_EQ(w.window().TextBox(), nullptr);
    EXPECT_TRUE(test::SameImage(w.image(), committed));
    EXPECT_EQ(w.sentOf(cmBoardText).size(), 1u);
}

// Someone else's board switch (a drawing, a pointer, the holder's choice) first commits the open box where
// it was typed.
TEST(BoardWindow, ABoardSwitchFromOutsideCommitsTheOpenTextBoxOnItsOwnBoard) {
    BoardWindow w;
    w.take(BoardKind::Text);
    QTest::mouseClick(&w.view(), Qt::LeftButton, {}, w.view().FromBoard({100, 200}));
    w.deliver();
    const QImage blank = w.boards().Board(2).Image().copy();
    QTest::keyClicks(w.window().TextBox()->Edit(), "Kept");
    w.module.Sharing().SwitchBoard(3, false);
    w.deliver();
    EXPECT_FALSE(w.module.Tools().TextBox().IsOpen());
    EXPECT_EQ(w.boards().CurrentBoard(), 3);
    EXPECT_FALSE(test::SameImage(w.boards().Board(2).Image(), blank)) << "drawn on the board it was typed on";
    const auto texts = w.sentOf(cmBoardText);
    ASSERT_EQ(texts.size(), 1u);
    PayloadReader reader(texts[0].payload);
    const TBoardTextMessage sent = TBoardTextMessage::decode(reader);
    EXPECT_EQ(sent.text, "Kept");
    EXPECT_EQ(sent.board, 2);
}

// Paint events a widget receives, with the areas they cover.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// The view repaints what the board model says changed: a figure received on the board on show repaints its
// own area, one on another board nothing, and a switch of board the whole view.
TEST(BoardWindow, TheViewRepaintsOnlyWhatChangedOnTheBoardOnShow) {
    BoardWindow w;
    w.window().show();
    QCoreApplication::processEvents();
    PaintLog log(&w.view());

    w.boards().ReceiveBatch({2, {test::Item(2, BoardKind::Rectangle, {100, 100}, {140, 130}, 1, 0x0000FF)}});
    QCoreApplication::processEvents();
    const QRect figure(w.view().FromBoard({100, 100}), QSize(40, 30));
    EXPECT_TRUE((QRegion(figure) - log.painted).isEmpty()) << "the figure is repainted";
    EXPECT_TRUE(figure.adjusted(-4, -4, 4, 4).contains(log.painted.boundingRect())) << "and nothing more";

    log.painted = QRegion();
    w.boards().ReceiveBatch({3, {test::Item(3, BoardKind::Rectangle, {100, 100}, {140, 130}, 1, 0x0000FF)}});
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.painted.isEmpty()) << "another board's drawing repaints nothing";

    w.module.Sharing().SwitchBoard(3, false);
    QCoreApplication::processEvents();
    EXPECT_TRUE((w.view().visibleRegion() - log.painted).isEmpty()) << "a switch repaints the view";
}

// A pointer received outside the visible part of the board is scrolled into sight, once: the user may
// scroll away from a pointer that stays.
TEST(BoardWindow, AReceivedPointerOutsideTheViewIsScrolledIntoSightOnce) {
    BoardWindow w;
    w.window().resize(300, 250);
    w.window().show();
    auto* scroll = w.window().findChild<QScrollArea*>("BoardScroll");
    ASSERT_NE(scroll, nullptr);
    QCoreApplication::processEvents();
    ASSERT_EQ(scroll->horizontalScrollBar()->value(), 0);
    w.module.Sharing().ShowPointer({900, 700}, true, pkLeft);
    const QRect seen(scroll->widget()->mapFrom(scroll->viewport(), QPoint(0, 0)), scroll->viewport()->size());
    EXPECT_TRUE(seen.contains(w.view().FromBoard({900, 700}))) << "the pointer is in sight";

    scroll->horizontalScrollBar()->setValue(0);
    w.module.Sharing().ShowPointer({900, 700}, true, pkLeft);
    EXPECT_EQ(scroll->horizontalScrollBar()->value(), 0)
        << "the same place again leaves the user's scrolling";
    w.module.Sharing().ShowPointer({50, 40}, false, pkLeft); // the own pointer never scrolls
    EXPECT_EQ(scroll->horizontalScrollBar()->value(), 0);
}

TEST(BoardWindow, AFullTextBoxStillTakesEditingKeysAndPicksUpTheFontSize) {
    BoardWindow w(kPrivateBoard);
    w.take(BoardKind::Text);
    QTest::mouseClick(&w.view(), Qt::LeftButton, {}, w.view().FromBoard({10, 50}));
    w.deliver();
    QLineEdit* edit = w.window().TextBox()->Edit();
    edit->insert(QString(260, QChar('x'))); // pasted text is not limited
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(edit->text().size(), 260);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text().size(), 259);

    w.window().FontsForm()->SizeBox()->setValue(20);
    EXPECT_EQ(w.module.Tools().TextDefaults().points, 20);
    // Another tool commits the text; the private board sends nothing.
    w.take(BoardKind::Line);
    EXPECT_TRUE(w.sender.sent.empty());
    QTest::mouseClick(w.window().ToolButton(BoardKind::Text), Qt::LeftButton);
    QTest::mouseClick(&w.view(), Qt::LeftButton, {}, w.view().FromBoard({10, 300}));
    w.deliver();
    EXPECT_EQ(w.window().TextBox()->size(), QSize(25, 27));
}

TEST(BoardWindow, UploadNeedsAComment) {
    BoardWindow w;
    EXPECT_FALSE(w.module.Tools().UploadBoard("   "));
    EXPECT_EQ(w.dialogs.shown.value(0), "info: Image not uploaded");
}

TEST(BoardWindow, ExportsTheBoardAsPngAndEveryDrawnBoardAsPdfPages) {
    BoardWindow w(1);
    w.take(BoardKind::Rectangle);
    w.drag({20, 20}, {300, 200});
    w.module.Sharing().SwitchBoard(3, false);
    w.take(BoardKind::Line);
    w.drag({10, 10}, {500, 400});
    QTemporaryDir folder;
    const QString png = folder.filePath("board.png");
    ASSERT_TRUE(w.module.Tools().ExportBoardPng(png));
    EXPECT_TRUE(test::SameImage(QImage(png).convertToFormat(QImage::Format_RGB32), w.image()));

    const QString pdf = folder.filePath("boards.pdf");
    w.state.room.SetName("Physics 101");
    ASSERT_EQ(w.module.Tools().ExportAllBoardsPdf(pdf), 2);
    if (!test::HaveTool("pdfinfo") || !test::HaveTool("pdftoppm"))
        ORV_PREREQUISITE_MISSING("poppler-utils is not installed");
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished());
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression("Pages:\\s+2\\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains("Physics 101")) << text.toStdString();
    QProcess render;
    render.start("pdftoppm", {"-r", "96", "-f", "2", "-l", "2", "-png", pdf, folder.filePath("page")});
    ASSERT_TRUE(render.waitForFinished());
    const QImage page(folder.filePath("page-2.png"));
    ASSERT_EQ(page.size(), w.image().size());
    // The line drawn on board 3 is on the second page.
    int darkest = 255;
    for (int y = 196; y <= 206; ++y)
        darkest = std::min(darkest, qGray(page.pixel(250, y)));
    EXPECT_LT(darkest, 128);
    EXPECT_GT(qGray(page.pixel(250, 100)), 200);
}

} // namespace
} // namespace orv
