// The upload wizard with its worker thread and a fake converter: the size boxes, a whole export to the
// success box, failure boxes shown on the main thread, a machine without LibreOffice, and the session's end
// while the worker waits for a message box.
#include "session/BoardAccess.h"
#include "session/ParticipantMarks.h"
#include "slides/PPTExportDialog.h"
#include "slides/SlidesModule.h"
#include "support/EventPump.h"
#include "support/FakeSession.h"
#include "tests/slides/FakeConverter.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::pumpUntil;

struct NoBoards final : IBoardAccess {
    std::int32_t CurrentBoard() const override { return 0; }
    bool HoldsLock() const override { return false; }
    void SwitchBoard(int, bool) override {}
};
struct NoMarks final : IParticipantMarks {
    void HideLoadMarks() override {}
};

// Remembers on which thread each box was shown.
struct ThreadDialogs final : IDialogs {
    void Information(const QString& text) override { keep("info: " + text); }
    void Error(const QString& text) override { keep("error: " + text); }
    bool Question(const QString&) override { return true; }
    bool ErrorQuestion(const QString&) override { return true; }
    bool Confirm(const QString&) override { return true; }
    void keep(const QString& text) {
        shown << text;
        onMainThread &= QThread::currentThread() == qApp->thread();
    }
    QStringList shown;
    bool onMainThread = true;
};

struct Wizard {
    explicit Wizard(bool available = true) {
        session.state.account.SetUserId(7);
        converter.slides = 3;
        module = std::make_unique<TSlidesModule>(
            context, TSlidesModuleParts{boards, marks, transfers, temp.path(),
                                        [this] { return std::make_unique<ProxyConverter>(converter); },
                                        [available] { return available; }});
        window = module->NewWizard();
        window->FileBox()->setText("/home/ana/Forces.pptx");
    }
    // The module takes a fresh converter for every export; this one hands the calls to the test's fake.
    struct ProxyConverter final : IPresentationConverter {
        explicit ProxyConverter(test::FakeConverter& f) : fake(f) {}
        bool Connect() override { return fake.Connect(); }
        bool Open(const QString& path) override { return fake.Open(path); }
        int SlideCount() const override { return fake.SlideCount(); }
        QString Name() const override { return fake.Name(); }
        bool ExportSlide(int n, const QString& target, QSize size) override {
            return fake.ExportSlide(n, target, size);
        }
        void Quit() override { fake.Quit(); }
        void Abort() override { fake.Abort(); }
        test::FakeConverter& fake;
    };

    QTemporaryDir temp;
    test::FakeSession session;
    ThreadDialogs dialogs;
    TSessionContext context{session.state, session.sender, dialogs,         session.progress, session.panes,
                            session.sink,  session.clock,  session.notices, session.desktop,  session.events};
    NoBoards boards;
    NoMarks marks;
    test::RecordingTransfers transfers;
    test::FakeConverter converter;
    std::unique_ptr<TSlidesModule> module;
    std::unique_ptr<TfrmPPTExport> window;
};

TEST(UploadWizard, SizeBoxesFollowTheCheckBoxAndFallBackToTheirDefaults) {
    Wizard w;
    TfrmPPTExport& d = *w.window;
    EXPECT_FALSE(d.WidthBox()->isEnabled());
    EXPECT_FALSE(d.SlideSize().isValid()) << "no size: 96 dots per inch";
    d.SizeBox()->setChecked(true);
    EXPECT_TRUE(d.WidthBox()->isEnabled());
    EXPECT_EQ(d.WidthBox()->text(), "800");
    EXPECT_EQ(d.HeightBox()->text(), "600");
    d.WidthBox()->setText("1024");
    d.HeightBox()->setText("768");
    EXPECT_EQ(d.SlideSize(), QSize(1024, 768));
    d.WidthBox()->setText("wide");
    emit d.WidthBox()->editingFinished(); // leaving the box
    EXPECT_EQ(d.WidthBox()->text(), "800");
    d.HeightBox()->setText("");
    EXPECT_EQ(d.SlideSize(), QSize(800, 600));
    d.SizeBox()->setChecked(false);
    EXPECT_FALSE(d.HeightBox()->isEnabled());
    EXPECT_FALSE(d.SlideSize().isValid());
    EXPECT_FALSE(d.MissingConverterLabel()->isVisibleTo(&d));
}

TEST(UploadWizard, ExportsThroughTheWorkerAndCloses) {
    Wizard w;
    TfrmPPTExport& d = *w.window;
    d.SizeBox()->setChecked(true);
    d.show();
    // ORV_SCREENSHOTS=DIR keeps pictures of the wizard there, to look at.
    const QString shots = qEnvironmentVariable("ORV_SCREENSHOTS");
    if (!shots.isEmpty()) {
        QCoreApplication::processEvents();
        d.grab().save(shots + "/upload-wizard.png");
    }
    std::atomic<bool> release{false};
    w.converter.onExport = [&](int n) {
        while (n == 2 && !release)
            QThread::msleep(1);
    };
    d.UploadButton()->click();
    EXPECT_FALSE(d.UploadButton()->isEnabled()) << "one export at a time";
    ASSERT_TRUE(pumpUntil([&] { return d.StatusLabel()->text() == "Exporting Slide 2"; }));
    EXPECT_EQ(d.Progress()->value(), 2);
    if (!shots.isEmpty())
        d.grab().save(shots + "/upload-wizard-exporting.png");
    release = true;
    ASSERT_TRUE(pumpUntil([&] { return !w.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(w.dialogs.shown, QStringList{"info: Presentation successfully exported to server."});
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.CountLabel()->text(), "3");
    EXPECT_EQ(d.Progress()->maximum(), 3);
    EXPECT_EQ(d.Progress()->value(), 3);
    const auto uploads = w.transfers.Uploads();
    ASSERT_EQ(uploads.size(), 4u);
    EXPECT_EQ(uploads[0].name, "Slide_1.jpg");
    EXPECT_EQ(uploads[0].description, "Pres_7_1000") << "the user and the session's tick count";
    EXPECT_EQ(w.converter.exports[0].second, QSize(800, 600));
    ASSERT_TRUE(pumpUntil([&] { return !w.module->Export().Running(); }));
}

TEST(UploadWizard, FailuresAreShownOnTheMainThreadAndTheWizardStaysOpen) {
    Wizard w;
    w.converter.failing = {2};
    w.transfers.failAt = 2; // slide 3, the second upload
    TfrmPPTExport& d = *w.window;
    d.show();
    d.StartUpload();
    ASSERT_TRUE(pumpUntil([&] { return d.UploadButton()->isEnabled(); })) << "enabled again at the end";
    EXPECT_EQ(
        w.dialogs.shown,
        QStringList{"error: Presentation not exported.\r\nPlease make sure you have LibreOffice installed on "
                    "your computer."});
    EXPECT_TRUE(d.isVisible());

    w.dialogs.shown.clear();
    w.converter.opens = false;
    d.StartUpload();
    ASSERT_TRUE(pumpUntil([&] { return !w.dialogs.shown.isEmpty() && d.UploadButton()->isEnabled(); }));
    EXPECT_EQ(w.dialogs.shown,
              QStringList{"error: Unable to open the presentation file.\r\nPlease make sure the "
                          "file is not corrupted or locked."});
    EXPECT_TRUE(w.dialogs.onMainThread) << "the worker never shows a box itself";
    EXPECT_TRUE(QDir(w.temp.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty())
        << "no upload folder is left behind";

    w.dialogs.shown.clear();
    w.converter.opens = true;
    w.converter.failing = {3};
    w.transfers.failAt = 0;
    d.StartUpload();
    ASSERT_TRUE(pumpUntil([&] { return !w.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(w.dialogs.shown,
              QStringList{"error: The presentation was exported to the server, but 1 of its 3 "
                          "slides could not be exported and are missing from it."});
}

TEST(UploadWizard, WithoutLibreOfficeTheWizardSaysSo) {
    Wizard w(false);
    TfrmPPTExport& d = *w.window;
    EXPECT_TRUE(d.MissingConverterLabel()->isVisibleTo(&d));
    EXPECT_TRUE(d.MissingConverterLabel()->text().contains("LibreOffice is not installed"));
    EXPECT_FALSE(d.UploadButton()->isEnabled());
    d.StartUpload();
    EXPECT_FALSE(w.module->Export().Running());
    const QString shots = qEnvironmentVariable("ORV_SCREENSHOTS");
    if (!shots.isEmpty()) {
        d.show();
        QCoreApplication::processEvents();
        d.grab().save(shots + "/upload-wizard-no-libreoffice.png");
    }
}

TEST(UploadWizard, TheSessionsEndReleasesAWorkerWaitingForAMessageBox) {
    Wizard w;
    w.converter.connects = false;
    w.window->StartUpload();
    // The worker now waits for its box; the main thread ends the session without showing it.
    ASSERT_TRUE(pumpUntil([&] { return w.module->Export().Running(); }));
    QThread::msleep(50);
    w.module->EndSession();
    EXPECT_FALSE(w.module->Export().Running());
    EXPECT_FALSE(w.module->Export().LastResult().exported);

    // The wizard learns that the export ended, and it serves again afterwards.
    ASSERT_TRUE(pumpUntil([&] { return w.window->UploadButton()->isEnabled(); }));
    w.dialogs.shown.clear();
    w.converter.connects = true;
    w.window->StartUpload();
    ASSERT_TRUE(pumpUntil([&] { return !w.dialogs.shown.isEmpty(); }));
    EXPECT_EQ(w.dialogs.shown, QStringList{"info: Presentation successfully exported to server."});
}

} // namespace
} // namespace orv
