#include "slides/LibreOfficeConverter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <csignal>
#include <unistd.h>

namespace orv {

namespace {

// Impress's PDF export with the slides the presentation hides.
const char* const kPdfFilter =
    R"(pdf:impress_pdf_Export:{"ExportHiddenSlides":{"type":"boolean","value":"true"}})";
constexpr int kJpegQuality = 90;
constexpr int kPollMs = 100;

} // namespace

LibreOfficeConverter::LibreOfficeConverter(QString program, int timeoutMs)
    : m_program(std::move(program)), m_timeoutMs(timeoutMs) {}

LibreOfficeConverter::~LibreOfficeConverter() = default;

QString LibreOfficeConverter::FindProgram() {
    for (const char* name : {"soffice", "libreoffice"})
        if (QString found = QStandardPaths::findExecutable(name); !found.isEmpty())
            return found;
    return {};
}

bool LibreOfficeConverter::Connect() {
    if (m_program.isEmpty())
        m_program = FindProgram();
    const QFileInfo program(m_program);
    return !m_program.isEmpty() && program.isFile() && program.isExecutable();
}

bool LibreOfficeConverter::Open(const QString& path) {
    const QFileInfo source(path);
    if (m_program.isEmpty() || !source.isFile() || !source.isReadable())
        return false;
    m_work = std::make_unique<QTemporaryDir>(QDir::temp().filePath("orvane-slides-XXXXXX"));
    if (!m_work->isValid())
        return false;
    const QString profile = m_work->filePath("profile");
    const QString output = m_work->filePath("pdf");
    QProcess office;
    office.setProgram(m_program);
    // An absolute path, so that no file name is ever read as an option.
    office.setArguments({"--headless", "--invisible", "--nologo", "--norestore", "--nolockcheck",
                         "--nodefault", "-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                         "--convert-to", kPdfFilter, "--outdir", output, source.absoluteFilePath()});
    // A group of its own: LibreOffice's launcher starts the office as a child, and an abort ends both.
    office.setChildProcessModifier([] { ::setpgid(0, 0); });
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.setStandardOutputFile(QProcess::nullDevice());
    office.start();
    if (!office.waitForStarted())
        return false;
    QElapsedTimer waited;
    waited.start();
    while (!office.waitForFinished(kPollMs)) {
        if (m_abort || waited.elapsed() > m_timeoutMs) {
            ::kill(-pid_t(office.processId()), SIGKILL);
            office.kill();
            office.waitForFinished();
            return false;
        }
    }
    if (office.exitStatus() != QProcess::NormalExit || office.exitCode() != 0)
        return false;
    if (!m_pdf.Load(QDir(output).filePath(source.completeBaseName() + ".pdf")))
        return false;
    m_name = source.fileName();
    return true;
}

int LibreOfficeConverter::SlideCount() const {
    return m_pdf.PageCount();
}

QString LibreOfficeConverter::Name() const {
    return m_name;
}

bool LibreOfficeConverter::ExportSlide(int n, const QString& target, QSize size) {
    if (m_abort)
        return false;
    const QImage picture = m_pdf.Render(n, size);
    return !picture.isNull() && picture.save(target, "JPG", kJpegQuality);
}

void LibreOfficeConverter::Quit() {
    m_pdf.Close();
    m_work.reset();
}

void LibreOfficeConverter::Abort() {
    m_abort = true;
}

} // namespace orv
