#include "slides/PresentationExport.h"

#include "session/ResourceTransfers.h"
#include "slides/PresentationDescriptor.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

namespace {

constexpr int kFolderAttempts = 1000;

// A folder named by the tick count that did not exist before, so that removing it at the end takes nothing
// that was there already.
QString MakeUploadFolder(const QString& temporaryFolder, std::uint32_t tick) {
    QDir parent(temporaryFolder);
    if (!parent.mkpath(QStringLiteral(".")))
        return {};
    for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
        const QString name = QString::number(tick + std::uint32_t(attempt));
        if (parent.mkdir(name))
            return parent.filePath(name);
        if (!parent.exists(name))
            return {}; // not a clash: the folder cannot be made at all
    }
    return {};
}

} // namespace

QString TPresentationExport::PresentationKey(std::uint16_t userId, std::uint32_t tick) {
    return QStringLiteral("Pres_%1_%2").arg(userId).arg(tick);
}

QString TPresentationExport::SlideName(int n, bool sized) {
    return QStringLiteral("Slide_%1%2").arg(n).arg(sized ? QStringLiteral(".jpg") : QStringLiteral(".JPG"));
}

TExportResult TPresentationExport::Run(const TExportOrder& order, IPresentationConverter& converter,
                                       IResourceTransfers& transfers, IExportReport& report,
                                       const std::atomic<bool>& stop) {
    TExportResult result;
    result.folder = MakeUploadFolder(order.temporaryFolder, order.tick);
    if (result.folder.isEmpty()) {
        report.Error(tr("Unable to prepare temporary presentation folder."));
        return result;
    }
    QDir folder(result.folder);
    const QString key = PresentationKey(order.userId, order.tick);
    const bool sized = order.size.isValid() && !order.size.isEmpty();

    bool failed = false;
    report.Stage(esConnecting, 0);
    if (!converter.Connect()) {
        report.Error(
            tr("Unable to connect to LibreOffice.\r\nPlease make sure you have LibreOffice installed on "
               "your computer."));
        failed = true;
    } else {
        report.Stage(esOpening, 0);
        if (stop || !converter.Open(order.presentation)) {
            converter.Quit();
            if (!stop)
                report.Error(tr("Unable to open the presentation file.\r\nPlease make sure the file is not "
                                "corrupted or locked."));
            folder.removeRecursively();
            return result;
        }
        result.slideCount = converter.SlideCount();
        report.Stage(esCounted, result.slideCount);

        TPresentationDescriptor descriptor;
        descriptor.name = converter.Name();
        descriptor.fileName =
            QFileInfo(order.presentation).fileName(); // the server's peers see no local path
        descriptor.slidesCount = result.slideCount;
        for (int n = 1; n <= result.slideCount; ++n) {
            if (stop) {
                failed = true;
                break;
            }
            report.Stage(esExporting, n);
            const QString name = SlideName(n, sized);
            const QString target = folder.filePath(name);
            if (QFileInfo::exists(target) || !converter.ExportSlide(n, target, order.size) ||
                !QFileInfo(target).isFile()) {
                ++result.failedSlides; // skipped, and told at the end
                continue;
            }
            report.Stage(esUploading, n);
            if (stop || !transfers.UploadAndWait(target, key, n, tkSlide)) {
                failed = true;
                break;
            }
            descriptor.AddSlide(n, name);
        }
        // Nothing to show: no presentation is made of it.
        if (result.slideCount == 0 || result.failedSlides == result.slideCount)
            failed = true;
        if (!failed) {
            const QString path = folder.filePath(QFileInfo(order.presentation).fileName());
            failed = stop || !descriptor.Save(path) ||
                     !transfers.UploadAndWait(path, key, result.slideCount, tkPresentation);
        }
        converter.Quit();
    }
    folder.removeRecursively();
    result.exported = !failed;
    report.Stage(result.exported ? esExported : esNotExported, result.exported ? result.failedSlides : 0);
    return result;
}

} // namespace orv
