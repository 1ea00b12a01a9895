#pragma once
// What a library row shows of a resource: the picture for its file type, its size in kilobytes and its
// upload time. The pictures are numbers of the program's small image list; the list view draws them.

#include <QString>

#include <cstdint>

namespace orv {

namespace SmallImage {
constexpr int Picture = 1;       // .BMP, .JPG, .GIF, .PNG
constexpr int Text = 2;          // .TXT, .CVS
constexpr int Spreadsheet = 3;   // .XLS
constexpr int Archive = 4;       // .ZIP, .ARJ, .ARC, .CAB
constexpr int OtherFile = 5;     // any other
constexpr int Media = 6;         // .AVI, .MP3, .MPEG, .MOV, .DIVX
constexpr int WordDocument = 7;  // .DOC, .DOT
constexpr int WebPage = 8;       // .HTM, .HTML, .ASP, .PHP
constexpr int LibraryImage = 15; // every item of the image library
constexpr int Presentation = 16; // .PPT, and every presentation
constexpr int LoadMark = 27;     // the roster's acknowledgement mark
constexpr int Pdf = 29;          // .PDF
} // namespace SmallImage

// The small image for a file extension with its dot, compared without regard to case.
int FileTypeImage(const QString& extension);

// "2 KB": the size divided by 1024, rounded to the nearest whole number and ties to the even one.
QString SizeText(std::int64_t bytes);

// The upload time stamp in the system's short date and long time format; empty for a stamp that is none.
QString UploadedText(double stamp);

} // namespace orv
