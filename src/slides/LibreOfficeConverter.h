#pragma once
// Presentations turned into slide pictures without the presentation program: LibreOffice, started headless
// with a user profile of its own (so it neither meets a running LibreOffice nor touches the user's), writes
// the presentation as PDF with its hidden slides; poppler draws each page.

#include "slides/PdfSlides.h"
#include "slides/PresentationConverter.h"

#include <QTemporaryDir>

#include <atomic>
#include <memory>

namespace orv {

class LibreOfficeConverter final : public IPresentationConverter {
public:
    // `program` is the LibreOffice program to start; empty: found on the PATH ("soffice", "libreoffice").
    explicit LibreOfficeConverter(QString program = {}, int timeoutMs = 180000);
    ~LibreOfficeConverter() override;

    // The LibreOffice program on the PATH; empty when LibreOffice is not installed.
    static QString FindProgram();

    bool Connect() override;
    bool Open(const QString& path) override;
    int SlideCount() const override;
    QString Name() const override;
    bool ExportSlide(int n, const QString& target, QSize size) override;
    void Quit() override;
    void Abort() override;

private:
    QString m_program;
    int m_timeoutMs;
    std::unique_ptr<QTemporaryDir> m_work; // the profile and the PDF
    PdfSlides m_pdf;
    QString m_name;
    std::atomic<bool> m_abort{false};
};

} // namespace orv
