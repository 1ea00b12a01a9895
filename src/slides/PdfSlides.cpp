#include "slides/PdfSlides.h"

#include <poppler-qt6.h>

namespace orv {

namespace {
constexpr double kPointsPerInch = 72.0;
constexpr int kMaxSlideSide = 10000; // a picture bigger than this is no slide
} // namespace

PdfSlides::PdfSlides() = default;
PdfSlides::~PdfSlides() = default;

bool PdfSlides::Load(const QString& path) {
    m_document = Poppler::Document::load(path);
    if (!m_document || m_document->isLocked()) {
        m_document.reset();
        return false;
    }
    m_document->setRenderHint(Poppler::Document::Antialiasing);
    m_document->setRenderHint(Poppler::Document::TextAntialiasing);
    return true;
}

void PdfSlides::Close() {
    m_document.reset();
}

int PdfSlides::PageCount() const {
    return m_document ? m_document->numPages() : 0;
}

QImage PdfSlides::Render(int n, QSize size) const {
    if (!m_document || n < 1 || n > m_document->numPages())
        return {};
    const std::unique_ptr<Poppler::Page> page = m_document->page(n - 1);
    if (!page)
        return {};
    const QSizeF points = page->pageSizeF();
    if (points.width() <= 0 || points.height() <= 0)
        return {};
    double xDpi = kDefaultDpi, yDpi = kDefaultDpi;
    if (size.isValid() && !size.isEmpty()) {
        xDpi = size.width() * kPointsPerInch / points.width();
        yDpi = size.height() * kPointsPerInch / points.height();
    }
    if (points.width() * xDpi / kPointsPerInch > kMaxSlideSide ||
        points.height() * yDpi / kPointsPerInch > kMaxSlideSide)
        return {};
    QImage image = page->renderToImage(xDpi, yDpi);
    if (image.isNull())
        return {};
    // Rounding may leave a pixel more or less than asked for.
    if (size.isValid() && !size.isEmpty() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace orv
