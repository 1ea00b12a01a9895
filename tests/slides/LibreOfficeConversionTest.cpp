// A real presentation through LibreOffice and poppler: the test writes a three-slide presentation (the second
// hidden), has LibreOffice save it as PowerPoint, and exports that into slides, at 96 dots per inch and at a
// set size. Skipped, saying why, where LibreOffice is not installed.
#include "slides/LibreOfficeConverter.h"
#include "slides/PresentationExport.h"
#include "support/Prerequisites.h"
#include "tests/slides/FakeConverter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace orv {
namespace {

// 10 x 7.5 inches: 960 x 720 pixels at 96 dots per inch. Each slide is one colour, the second hidden.
const char* const kPresentation = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:presentation="urn:oasis:names:tc:opendocument:xmlns:presentation:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.presentation">
 <office:styles>
  <style:style style:name="red" style:family="graphic"><style:graphic-properties draw:stroke="none" draw:fill="solid" draw:fill-color="#d02020"/></style:style>
  <style:style style:name="green" style:family="graphic"><style:graphic-properties draw:stroke="none" draw:fill="solid" draw:fill-color="#20b040"/></style:style>
  <style:style style:name="blue" style:family="graphic"><style:graphic-properties draw:stroke="none" draw:fill="solid" draw:fill-color="#2040d0"/></style:style>
 </office:styles>
 <office:automatic-styles>
  <style:page-layout style:name="PM1"><style:page-layout-properties fo:margin-top="0cm" fo:margin-bottom="0cm" fo:margin-left="0cm" fo:margin-right="0cm" fo:page-width="25.4cm" fo:page-height="19.05cm" style:print-orientation="landscape"/></style:page-layout>
  <style:style style:name="hidden" style:family="drawing-page"><style:drawing-page-properties presentation:visibility="hidden"/></style:style>
 </office:automatic-styles>
 <office:master-styles><style:master-page style:name="Plain" style:page-layout-name="PM1"/></office:master-styles>
 <office:body><office:presentation>
  <draw:page draw:name="One" draw:master-page-name="Plain"><draw:rect draw:style-name="red" svg:x="0cm" svg:y="0cm" svg:width="25.4cm" svg:height="19.05cm"/></draw:page>
  <draw:page draw:name="Two" draw:master-page-name="Plain" draw:style-name="hidden"><draw:rect draw:style-name="green" svg:x="0cm" svg:y="0cm" svg:width="25.4cm" svg:height="19.05cm"/></draw:page>
  <draw:page draw:name="Three" draw:master-page-name="Plain"><draw:rect draw:style-name="blue" svg:x="0cm" svg:y="0cm" svg:width="25.4cm" svg:height="19.05cm"/></draw:page>
 </office:presentation></office:body>
</office:document>
)";

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

class LibreOfficeConversion : public testing::Test {
protected:
    void SetUp() override {
        if (LibreOfficeConverter::FindProgram().isEmpty())
            ORV_PREREQUISITE_MISSING(
                "LibreOffice is not installed (no soffice or libreoffice on the PATH): the conversion "
                "of a real presentation is not tested. Install libreoffice-impress to run it.");
        QFile source(dir.filePath("Talk.fodp"));
        ASSERT_TRUE(source.open(QIODevice::WriteOnly));
        source.write(kPresentation);
        source.close();
        QProcess office;
        office.start(LibreOfficeConverter::FindProgram(),
                     {"--headless", "--norestore",
                      "-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
                      "--convert-to", "pptx:Impress MS PowerPoint 2007 XML", "--outdir", dir.path(),
                      source.fileName()});
        ASSERT_TRUE(office.waitForFinished(180000));
        presentation = dir.filePath("Talk.pptx");
        ASSERT_TRUE(QFileInfo::exists(presentation)) << office.readAll().toStdString();
    }

    QTemporaryDir dir;
    QString presentation;
};

TEST_F(LibreOfficeConversion, APowerPointFileBecomesSlidesHiddenOnesIncluded) {
    TExportOrder order;
    order.presentation = presentation;
    order.temporaryFolder = dir.filePath("OrvaneTemp");
    order.userId = 3;
    order.tick = 42;
    LibreOfficeConverter converter;
    test::RecordingTransfers transfers;
    test::RecordingReport report;
    std::atomic<bool> stop{false};
    const TExportResult result = TPresentationExport::Run(order, converter, transfers, report, stop);
    ASSERT_TRUE(result.exported) << report.errors.join('|').toStdString();
    EXPECT_EQ(result.slideCount, 3);
    const auto uploads = transfers.Uploads();
    ASSERT_EQ(uploads.size(), 4u);
    const QColor colours[] = {QColor("#d02020"), QColor("#20b040"), QColor("#2040d0")};
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n + 1);
        const QImage slide = QImage::fromData(uploads[std::size_t(n)].bytes, "JPG");
        EXPECT_EQ(slide.size(), QSize(960, 720)) << "96 dots per inch";
        EXPECT_TRUE(Near(slide.pixelColor(480, 360), colours[n]))
            << slide.pixelColor(480, 360).name().toStdString();
    }
    EXPECT_TRUE(uploads[3].bytes.startsWith("[Presentation]\r\nName=Talk.pptx\r\n"));
    EXPECT_FALSE(QFileInfo::exists(result.folder));
}

TEST_F(LibreOfficeConversion, ASetSizeIsExactAndAMissingFileDoesNotOpen) {
    LibreOfficeConverter converter;
    ASSERT_TRUE(converter.Connect());
    ASSERT_TRUE(converter.Open(presentation));
    EXPECT_EQ(converter.SlideCount(), 3);
    const QString target = dir.filePath("Slide_2.jpg");
    ASSERT_TRUE(converter.ExportSlide(2, target, QSize(1024, 700)));
    const QImage slide(target);
    EXPECT_EQ(slide.size(), QSize(1024, 700));
    EXPECT_FALSE(converter.ExportSlide(4, dir.filePath("Slide_4.jpg"), {})) << "there is no slide 4";
    converter.Quit();

    LibreOfficeConverter again;
    ASSERT_TRUE(again.Connect());
    EXPECT_FALSE(again.Open(dir.filePath("Missing.pptx")));
    again.Quit();

    LibreOfficeConverter absent(dir.filePath("no-such-office"));
    EXPECT_FALSE(absent.Connect());
}

TEST_F(LibreOfficeConversion, AbortEndsARunningConversionAtOnce) {
    LibreOfficeConverter converter;
    ASSERT_TRUE(converter.Connect());
    std::atomic<bool> opened{true};
    std::thread worker([&] { opened = converter.Open(presentation); });
    QThread::msleep(200); // LibreOffice is starting
    QElapsedTimer took;
    took.start();
    converter.Abort();
    worker.join();
    EXPECT_FALSE(opened);
    // A conversion that ran on would take LibreOffice's start-up and more; a killed one ends in moments.
    EXPECT_LT(took.elapsed(), 5000) << "the process is killed, not waited for";
    converter.Quit();
}

} // namespace
} // namespace orv
