#pragma once
// The small INI file uploaded after a presentation's slides: section Presentation with its name, file name
// and slide count, section Slides with one entry per slide uploaded, keyed by the slide's number in the order
// written. Lines end in CR LF; text is in the Windows-1252 code page, as the server's other readers expect.

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace orv {

class TPresentationDescriptor {
public:
    QString name;     // as the converter reports it
    QString fileName; // the presentation file as chosen
    int slidesCount = 0;

    void AddSlide(int n, const QString& file) { m_slides.emplace_back(n, file); }
    const std::vector<std::pair<int, QString>>& Slides() const { return m_slides; }

    QByteArray encode() const;
    // False when the file could not be written whole.
    bool Save(const QString& path) const;

private:
    std::vector<std::pair<int, QString>> m_slides;
};

} // namespace orv
