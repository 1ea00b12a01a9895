// orvane-session-server: the session server for local use and for the end-to-end tests.
#include "AccountDatabase.h"
#include "ServerConfig.h"
#include "SessionServer.h"
#include "TlsServerSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] auto n = ::write(g_signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop through a pipe, the only safe way out of a signal handler.
void quitOnSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] auto n = ::read(g_signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("orvane-session-server");

    QCommandLineParser parser;
    parser.setApplicationDescription("Orvane Live session server");
    parser.addHelpOption();
    parser.addPositionalArgument("config", "options, accounts and rooms (INI file)");
    QCommandLineOption databaseOption(
        "database",
        "take accounts and rooms from this SQLite file; a new one is filled from the configuration file",
        "file");
    QCommandLineOption importOption("import", "add the accounts and rooms of this INI file to the database",
                                    "file");
    QCommandLineOption portOption("port", "control port (overrides the file)", "port");
    QCommandLineOption bulkPortOption("bulk-port", "file transfer port (overrides the file)", "port");
    QCommandLineOption voicePortOption("voice-port", "voice port (overrides the file)", "port");
    QCommandLineOption videoPortOption("video-port", "video port (overrides the file)", "port");
    QCommandLineOption storeOption("store", "folder of the shared files (overrides the file)", "folder");
    QCommandLineOption listenOption("listen", "address to listen on", "address", "127.0.0.1");
    QCommandLineOption probeOption("probe-interval-ms", "send a probe to every client this often", "ms");
    QCommandLineOption quietOption("quiet", "no log lines");
    QCommandLineOption verboseOption("verbose", "a log line for every request as well");
    QCommandLineOption tlsCertOption(
        "tls-cert", "take encrypted connections too, with this PEM certificate (chain)", "file");
    QCommandLineOption tlsKeyOption("tls-key", "the certificate's private key (PEM, without passphrase)",
                                    "file");
    QCommandLineOption tlsOnlyOption("tls-only", "close every connection that is not encrypted");
    parser.addOptions({databaseOption, importOption, portOption, bulkPortOption, voicePortOption,
                       videoPortOption, storeOption, listenOption, probeOption, quietOption, verboseOption,
                       tlsCertOption, tlsKeyOption, tlsOnlyOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    orv::server::ServerConfig config;
    std::unique_ptr<orv::server::AccountDatabase> database;
    try {
        using orv::server::HashCost;
        if (parser.isSet(databaseOption))
            database = std::make_unique<orv::server::AccountDatabase>(parser.value(databaseOption));
        else if (parser.isSet(importOption))
            throw std::runtime_error("--import needs --database");
        // The file's accounts are only worth a costly hash when they go into a new database or stay in
        // memory.
        const bool fillDatabase = database && database->isEmpty();
        config = orv::server::loadServerConfig(parser.positionalArguments().first(),
                                               !database || fillDatabase ? HashCost::Interactive
                                                                         : HashCost::Minimal);
        if (fillDatabase)
            database->import(config);
        if (parser.isSet(importOption))
            database->import(orv::server::loadServerConfig(parser.value(importOption)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-session-server: %s\n", e.what());
        return 2;
    }
    for (const auto& [option, port] : {std::pair{&portOption, &config.port},
                                       {&bulkPortOption, &config.bulkPort},
                                       {&voicePortOption, &config.voicePort},
                                       {&videoPortOption, &config.videoPort}}) {
        if (!parser.isSet(*option))
            continue;
        bool ok = false;
        const uint value = parser.value(*option).toUInt(&ok);
        if (!ok || value > 65535) {
            std::fprintf(stderr, "orvane-session-server: --%s takes a number from 0 to 65535\n",
                         qPrintable(option->names().first()));
            return 2;
        }
        *port = static_cast<std::uint16_t>(value);
    }
    if (parser.isSet(storeOption))
        config.storePath = parser.value(storeOption);
    if (parser.isSet(probeOption)) {
        bool ok = false;
        config.probeIntervalMs = parser.value(probeOption).toInt(&ok);
        if (!ok || config.probeIntervalMs < 0) {
            std::fprintf(stderr,
                         "orvane-session-server: --probe-interval-ms takes a number of milliseconds\n");
            return 2;
        }
    }

    if (parser.isSet(tlsCertOption) != parser.isSet(tlsKeyOption) ||
        (parser.isSet(tlsOnlyOption) && !parser.isSet(tlsCertOption))) {
        std::fprintf(stderr, "orvane-session-server: --tls-cert and --tls-key go together, and --tls-only "
                             "needs them\n");
        return 2;
    }
    if (parser.isSet(tlsCertOption)) {
        try {
            auto tls =
                orv::server::loadTlsServerSettings(parser.value(tlsCertOption), parser.value(tlsKeyOption));
            tls->tlsOnly = parser.isSet(tlsOnlyOption);
            config.tls = std::move(tls);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "orvane-session-server: %s\n", e.what());
            return 3;
        }
    }

    config.listenAddress = parser.value(listenOption);
    orv::server::SessionServer server(config);
    server.setQuiet(parser.isSet(quietOption));
    server.setVerbose(parser.isSet(verboseOption));
    if (database) {
        try {
            // Where the recordings are, for the admin tool.
            database->setSetting("store", QDir(server.resources().root()).absolutePath());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "orvane-session-server: %s\n", e.what());
            return 2;
        }
        server.useAccountDatabase(std::move(database));
    }
    const QHostAddress address(parser.value(listenOption));
    if (!server.listen(address, config.port) || !server.listenBulk(address, config.bulkPort))
        return 1;
    server.listenVoice(address, config.voicePort); // without it the rooms have no voice; the log says why
    quitOnSignals(app);
    const int rc = app.exec();
    server.log("stopped");
    return rc;
}
