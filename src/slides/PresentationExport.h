#pragma once
// The upload wizard's work, run on its worker thread: a new folder in the temporary folder, the presentation
// converted slide by slide, each slide uploaded and waited for, then the descriptor; the folder goes at the
// end, whatever happened. Progress and failures go to the report; nothing here touches a window.

#include "slides/PresentationConverter.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>

#include <atomic>
#include <cstdint>

namespace orv {

class IResourceTransfers;

// The stages the wizard shows (the wParam is the slide count, a slide's number or, at the end, how many
// slides failed).
enum TExportStage {
    esEnded = 0, // the worker ended; the wizard may start another
    esConnecting = 1,
    esOpening = 2,
    esCounted = 3,
    esExporting = 4,
    esUploading = 5,
    esExported = 6,
    esNotExported = 7,
};

class IExportReport {
public:
    virtual ~IExportReport() = default;
    virtual void Stage(TExportStage stage, int value) = 0;
    // A message box on the main thread; returns once it was shown (or could not be).
    virtual void Error(const QString& text) = 0;
};

struct TExportOrder {
    QString presentation;    // the file the user chose
    QSize size;              // slides exactly this size; invalid: 96 dots per inch
    QString temporaryFolder; // the upload folder is made inside
    std::uint16_t userId = 0;
    std::uint32_t tick = 0; // names the folder and the presentation key
};

struct TExportResult {
    bool exported = false;
    int slideCount = 0;
    int failedSlides = 0;
    QString folder; // the upload folder, gone by now
};

class TPresentationExport {
    Q_DECLARE_TR_FUNCTIONS(orv::TPresentationExport)

public:
    // "Pres_" + user + "_" + tick: the Description of every file of one upload.
    static QString PresentationKey(std::uint16_t userId, std::uint32_t tick);
    // "Slide_" + n + ".JPG", or ".jpg" for slides of a set size.
    static QString SlideName(int n, bool sized);

    // `stop` ends the export before its next slide, as failed.
    static TExportResult Run(const TExportOrder& order, IPresentationConverter& converter,
                             IResourceTransfers& transfers, IExportReport& report,
                             const std::atomic<bool>& stop);
};

} // namespace orv
