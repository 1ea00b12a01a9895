// orvane-live: the Orvane Live Browser.
#include "app/Application.h"
#include "app/DesktopRegistration.h"
#include "app/MainWindow.h"
#include "app/ProgramLog.h"
#include "app/SecondaryWindowOwner.h"
#include "app/SessionModule.h"
#include "app/Translations.h"
#include "app/VideoExportCommand.h"
#include "platform/CompositorMove.h"
#include "platform/QuitOnSignals.h"
#include "platform/SettingsStore.h"
#include "protocol/Constants.h"

#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace {

// An export draws its pictures off the screen: without a display it needs none.
void DrawOffscreenForExport(int argc, char** argv) {
    bool exporting = false;
    for (int i = 1; i < argc; ++i)
        exporting = exporting || QByteArray(argv[i]).startsWith("--export-video");
    if (exporting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The settings file given on the command line, read before the parser runs: the language chosen in it
// decides the language of the parser's own texts.
QString SettingsFileFromArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith("--settings="))
            return QString::fromLocal8Bit(argument.mid(11));
        if (argument == "--settings" && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return orv::TSettingsStore::defaultPath();
}

} // namespace

int main(int argc, char** argv) {
    DrawOffscreenForExport(argc, argv);
    // The embedded browser's sandbox cannot run as root; everywhere else it stays on.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // In a Wayland session the program is a native Wayland client (XWayland only where Qt's Wayland
    // platform is missing); an explicit QT_QPA_PLATFORM wins.
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName("Tamlock");
    QCoreApplication::setApplicationName("Orvane Live");
    orv::TApplication app(argc, argv);
    app.setApplicationVersion(orv::kClientVersion);
    app.setWindowIcon(QIcon(orv::ProgramIconResource()));
    // Names the desktop entry, whose icon and name a Wayland compositor shows for the windows.
    app.setDesktopFileName("orvane-live");
    const QLocale locale = orv::ProgramLocale(
        orv::TSettingsStore(SettingsFileFromArguments(argc, argv)).ReadText("", QStringLiteral("Language")));
    QLocale::setDefault(locale);
    orv::InstallTranslations(app, locale);
    app.setLayoutDirection(orv::ProgramLayoutDirection(locale));

    app.setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "Orvane Live Browser"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        "link", QCoreApplication::translate("main", "a join or play link, or a recorded session file"),
        "[link]");
    QCommandLineOption serverOption(
        "server", QCoreApplication::translate("main", "the session server the sign-in window offers"),
        "host:port");
    QCommandLineOption settingsOption(
        "settings", QCoreApplication::translate("main", "the settings file to use"), "file");
    QCommandLineOption verboseOption(
        "verbose",
        QCoreApplication::translate("main", "diagnostics on the terminal as well as in the log file"));
    QCommandLineOption exportOption(
        "export-video",
        QCoreApplication::translate("main",
                                    "make a recorded session into a video file (.webm, or .mp4), given "
                                    "after the options"),
        "recording");
    QCommandLineOption sizeOption(
        "size", QCoreApplication::translate("main", "the exported video's size (default 1280x720)"), "WxH",
        "1280x720");
    parser.addOptions({serverOption, settingsOption, verboseOption, exportOption, sizeOption});
    parser.process(app);
    const bool verbose = parser.isSet(verboseOption);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    orv::InstallProgramLog(QDir(dataFolder).filePath("orvane-live.log"), verbose);
    orv::QuietEmbeddedBrowser(verbose);
    if (parser.isSet(settingsOption))
        qputenv("ORVANE_SETTINGS_FILE", parser.value(settingsOption).toLocal8Bit());

    if (parser.isSet(exportOption)) {
        orv::TVideoExportRequest request;
        request.recording = parser.value(exportOption);
        request.output = parser.positionalArguments().value(0);
        const std::optional<QSize> size = orv::ParseVideoSize(parser.value(sizeOption));
        if (request.output.isEmpty() || !size) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate(
                             "main", "usage: orvane-live --export-video RECORDING OUT.webm [--size WxH] "
                                     "(even numbers from 16 to 7680)")));
            return 2;
        }
        request.size = *size;
        orv::QuitOnSignals(app);
        return orv::RunVideoExport(request);
    }

    orv::TStartOptions options;
    options.launchArgument = parser.positionalArguments().value(0);
    options.preferredServer = parser.value(serverOption);
    options.programFile = QCoreApplication::applicationFilePath();
    options.programFolder = dataFolder;

    int rc = 0;
    {
        orv::TMessageBoxDialogs dialogs;
        orv::TfMain main(dialogs);
        std::optional<orv::TSecondaryWindowOwner> owner;
        if (orv::CompositorPlacesWindows())
            owner.emplace(main);
        auto* session = new orv::TDM(main, options);
        orv::QuitOnSignals(app);
        QTimer::singleShot(0, session, &orv::TDM::Start);
        rc = app.exec();
        delete session;
    }
    return rc;
}
