// The upload wizard's work with a fake converter and recorded uploads: what is uploaded in which order, under
// which names, kinds, item counts and key; the descriptor's bytes; slides that fail to export or upload; an
// open that fails; and the upload folder gone in every case.
#include "slides/PresentationExport.h"
#include "slides/PresentationDescriptor.h"
#include "tests/slides/FakeConverter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::FakeConverter;
using test::RecordingReport;
using test::RecordingTransfers;

struct Export {
    Export() {
        order.presentation = QStringLiteral("/home/ana/Talks/Forces.pptx");
        order.temporaryFolder = temp.filePath("OrvaneTemp");
        order.userId = 7;
        order.tick = 123456;
    }
    TExportResult run() {
        result = TPresentationExport::Run(order, converter, transfers, report, stop);
        return result;
    }
    QTemporaryDir temp;
    TExportOrder order;
    FakeConverter converter;
    RecordingTransfers transfers;
    RecordingReport report;
    std::atomic<bool> stop{false};
    TExportResult result;
};

TEST(PresentationExport, TwelveSlidesThenTheDescriptorAllUnderOneKey) {
    Export e;
    e.converter.slides = 12;
    ASSERT_TRUE(e.run().exported);

    const auto uploads = e.transfers.Uploads();
    ASSERT_EQ(uploads.size(), 13u);
    for (int n = 1; n <= 12; ++n) {
        const test::WaitedUpload& u = uploads[std::size_t(n - 1)];
        EXPECT_EQ(u.name, QString("Slide_%1.JPG").arg(n));
        EXPECT_EQ(u.kind, tkSlide);
        EXPECT_EQ(u.itemCount, n);
        EXPECT_EQ(u.description, "Pres_7_123456");
        EXPECT_EQ(QImage::fromData(u.bytes).size(), QSize(320, 240)) << "a JPEG at the converter's own size";
    }
    const test::WaitedUpload& descriptor = uploads.back();
    EXPECT_EQ(descriptor.name, "Forces.pptx");
    EXPECT_EQ(descriptor.kind, tkPresentation);
    EXPECT_EQ(descriptor.itemCount, 12);
    EXPECT_EQ(descriptor.description, "Pres_7_123456");
    QByteArray expected = "[Presentation]\r\nName=Forces.pptx\r\nFileName=Forces.pptx\r\n"
                          "SlidesCount=12\r\n\r\n[Slides]\r\n";
    for (int n = 1; n <= 12; ++n)
        expected += QByteArray::number(n) + "=Slide_" + QByteArray::number(n) + ".JPG\r\n";
    EXPECT_EQ(descriptor.bytes, expected);

    EXPECT_EQ(e.converter.opened, e.order.presentation);
    EXPECT_EQ(e.converter.quits, 1);
    EXPECT_FALSE(QFileInfo::exists(e.result.folder)) << "the upload folder goes";
    EXPECT_EQ(QFileInfo(e.result.folder).fileName(), "123456");
    EXPECT_TRUE(QFileInfo(e.order.temporaryFolder).isDir()) << "only the upload's own folder goes";
    EXPECT_TRUE(e.report.errors.isEmpty());
    ASSERT_GE(e.report.stages.size(), 4u);
    EXPECT_EQ(e.report.stages[0], std::make_pair(int(esConnecting), 0));
    EXPECT_EQ(e.report.stages[1], std::make_pair(int(esOpening), 0));
    EXPECT_EQ(e.report.stages[2], std::make_pair(int(esCounted), 12));
    EXPECT_EQ(e.report.stages[3], std::make_pair(int(esExporting), 1));
    EXPECT_EQ(e.report.stages[4], std::make_pair(int(esUploading), 1));
    EXPECT_EQ(e.report.stages.back(), std::make_pair(int(esExported), 0));
}

TEST(PresentationExport, ASetSizeIsAskedForExactlyAndNamesTheSlidesInLowerCase) {
    Export e;
    e.order.size = QSize(1024, 768);
    ASSERT_TRUE(e.run().exported);
    for (const auto& [n, size] : e.converter.exports)
        EXPECT_EQ(size, QSize(1024, 768)) << n;
    const auto uploads = e.transfers.Uploads();
    ASSERT_EQ(uploads.size(), 4u);
    EXPECT_EQ(uploads[1].name, "Slide_2.jpg");
    EXPECT_EQ(QImage::fromData(uploads[1].bytes).size(), QSize(1024, 768));
    EXPECT_TRUE(uploads[3].bytes.endsWith("[Slides]\r\n1=Slide_1.jpg\r\n2=Slide_2.jpg\r\n3=Slide_3.jpg\r\n"));
}

TEST(PresentationExport, AFailingSlideIsSkippedAndCounted) {
    Export e;
    e.converter.slides = 4;
    e.converter.failing = {2};
    ASSERT_TRUE(e.run().exported);
    EXPECT_EQ(e.result.failedSlides, 1);
    const auto uploads = e.transfers.Uploads();
    ASSERT_EQ(uploads.size(), 4u);
    EXPECT_EQ(uploads[1].name, "Slide_3.JPG");
    EXPECT_EQ(uploads[1].itemCount, 3);
    EXPECT_EQ(uploads[3].itemCount, 4) << "the descriptor still counts every slide";
    EXPECT_TRUE(uploads[3].bytes.contains("SlidesCount=4\r\n"));
    EXPECT_TRUE(uploads[3].bytes.endsWith("[Slides]\r\n1=Slide_1.JPG\r\n3=Slide_3.JPG\r\n4=Slide_4.JPG\r\n"));
    EXPECT_EQ(e.report.stages.back(), std::make_pair(int(esExported), 1))
        << "the wizard says how many failed";
    EXPECT_FALSE(QFileInfo::exists(e.result.folder));
}

TEST(PresentationExport, FailuresAndWhatIsLeftOfThem) {
    struct Case {
        const char* what;
        std::function<void(Export&)> arrange;
        std::size_t uploads;
        QString error; // the start of the one message shown, or none
        std::optional<int> lastStage;
        int quits;
    };
    const Case cases[] = {
        {"upload of slide 3 fails", [](Export& e) { e.transfers.failAt = 3; }, 3, {}, esNotExported, 1},
        {"every slide fails",
         [](Export& e) {
             e.converter.failing = {1, 2, 3};
         },
         0,
         {},
         esNotExported,
         1},
        {"descriptor upload fails", [](Export& e) { e.transfers.failAt = 4; }, 4, {}, esNotExported, 1},
        {"no LibreOffice", [](Export& e) { e.converter.connects = false; }, 0,
         "Unable to connect to LibreOffice.\r\nPlease make sure you have LibreOffice installed",
         esNotExported, 0},
        {"the file does not open", [](Export& e) { e.converter.opens = false; }, 0,
         "Unable to open the presentation file.\r\nPlease make sure the file is not corrupted or locked.",
         std::nullopt, 1},
        {"stopped", [](Export& e) { e.stop = true; }, 0, {}, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Export e;
        c.arrange(e);
        EXPECT_FALSE(e.run().exported);
        EXPECT_EQ(e.transfers.Uploads().size(), c.uploads);
        for (const auto& u : e.transfers.Uploads())
            if (c.uploads < 4)
                EXPECT_NE(u.kind, tkPresentation) << "no descriptor after a failure";
        if (c.error.isEmpty())
            EXPECT_TRUE(e.report.errors.isEmpty()) << e.report.errors.join('|').toStdString();
        else {
            ASSERT_EQ(e.report.errors.size(), 1);
            EXPECT_TRUE(e.report.errors[0].startsWith(c.error)) << e.report.errors[0].toStdString();
        }
        if (c.lastStage)
            EXPECT_EQ(e.report.stages.back().first, *c.lastStage);
        else
            for (const auto& [stage, value] : e.report.stages)
                EXPECT_LT(stage, int(esExported)) << "neither success nor the failure text";
        EXPECT_EQ(e.converter.quits, c.quits);
        EXPECT_FALSE(e.result.folder.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(e.result.folder)) << "the upload folder goes, a failed open included";
    }
}

TEST(PresentationExport, TheUploadFolderIsNewAndItsParentMustBeAFolder) {
    Export e;
    // A folder of the same tick from before is left alone; the upload takes the next free name.
    QDir(e.order.temporaryFolder).mkpath("123456");
    QFile keep(e.order.temporaryFolder + "/123456/keep.txt");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    ASSERT_TRUE(e.run().exported);
    EXPECT_EQ(QFileInfo(e.result.folder).fileName(), "123457");
    EXPECT_TRUE(keep.exists());

    Export blocked;
    QFile file(blocked.order.temporaryFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // a file where the temporary folder should be
    file.close();
    EXPECT_FALSE(blocked.run().exported);
    EXPECT_EQ(blocked.report.errors, QStringList{"Unable to prepare temporary presentation folder."});
    EXPECT_TRUE(blocked.report.stages.empty());
    EXPECT_TRUE(blocked.transfers.Uploads().empty());
}

TEST(PresentationDescriptor, AnsiTextOneValuePerLine) {
    TPresentationDescriptor d;
    d.name = QString::fromUtf8("Café\r\n[Slides]");
    d.fileName = QString::fromUtf8("C:/Präsentation.ppt");
    d.slidesCount = 2;
    d.AddSlide(2, "Slide_2.JPG");
    d.AddSlide(1, "Slide_1.JPG");
    EXPECT_EQ(d.encode(),
              QByteArray("[Presentation]\r\nName=Caf\xE9  [Slides]\r\nFileName=C:/Pr\xE4sentation.ppt\r\n"
                         "SlidesCount=2\r\n\r\n[Slides]\r\n2=Slide_2.JPG\r\n1=Slide_1.JPG\r\n"));
}

} // namespace
} // namespace orv
