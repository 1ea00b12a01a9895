#include "app/VideoExportCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>

namespace orv {
namespace {

void PrintLine(const QString& text, bool end) {
    // Carriage return: each report overwrites the last on the same terminal line.
    std::fprintf(stderr, "\r%s%s", text.toLocal8Bit().constData(), end ? "\n" : "");
    std::fflush(stderr);
}

} // namespace

int RunVideoExport(const TVideoExportRequest& request) {
    TRecordingExportJob job(request);
    if (!job.Start()) {
        std::fprintf(stderr, "%s\n", job.Error().toLocal8Bit().constData());
        return 1;
    }
    QElapsedTimer wall;
    wall.start();
    const QString encoders = job.Encoders();
    int shownPercent = -1;
    const auto report = [&](double fraction) {
        // One report a percent: a terminal line, not a flood.
        if (int(fraction * 100) == shownPercent)
            return;
        shownPercent = int(fraction * 100);
        const double seconds = std::max<double>(0.001, double(wall.elapsed()) / 1000);
        PrintLine(QCoreApplication::translate("orv::VideoExportCommand",
                                              "Exporting (%1): %2% %3 of %4, %5x real time ")
                      .arg(encoders)
                      .arg(int(fraction * 100), 3)
                      .arg(ExportTimeText(job.PositionMs()), ExportTimeText(job.DurationMs()))
                      .arg(double(job.PositionMs()) / 1000 / seconds, 0, 'f', 1),
                  false);
    };
    QObject::connect(&job, &TRecordingExportJob::progressed, &job, report);
    int rc = 1;
    QObject::connect(&job, &TRecordingExportJob::finished, &job, [&](bool ok, const QString& error) {
        if (ok) {
            shownPercent = -1;
            report(1.0);
            std::fprintf(stderr, "\n");
            PrintLine(QCoreApplication::translate("orv::VideoExportCommand", "Written: %1")
                          .arg(QDir::toNativeSeparators(request.output)),
                      true);
            rc = 0;
        } else {
            std::fprintf(stderr, "\n");
            PrintLine(error.isEmpty()
                          ? QCoreApplication::translate("orv::VideoExportCommand",
                                                        "The export was stopped; no file was written.")
                          : error,
                      true);
        }
        QCoreApplication::exit(rc);
    });
    QCoreApplication::exec();
    return rc;
}

} // namespace orv
