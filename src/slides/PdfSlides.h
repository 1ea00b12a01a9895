#pragma once
// The pages of a PDF file drawn as slide pictures (poppler): at 96 dots per inch, or stretched to exactly the
// size asked for.

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace Poppler {
class Document;
}

namespace orv {

class PdfSlides {
public:
    PdfSlides();
    ~PdfSlides();

    // False when the file is not a PDF that can be read (damaged, encrypted).
    bool Load(const QString& path);
    void Close();
    int PageCount() const;
    // Page `n` from 1; a null image when there is no such page or it cannot be drawn.
    QImage Render(int n, QSize size) const;

    static constexpr double kDefaultDpi = 96.0;

private:
    std::unique_ptr<Poppler::Document> m_document;
};

} // namespace orv
