// The test portal as a program of its own on the bus of DBUS_SESSION_BUS_ADDRESS:
//   orv_test_portal [--size WIDTHxHEIGHT] [--start-answer 0|1|2] [--global-shortcuts]
// It prints "ready" once it owns the portal's name, then a line for each thing it does. Lines on its input:
// "scene N" changes the cast's picture, "press ID" and "release ID" act on a bound shortcut; the end of its
// input ends it.
#include "support/portal/TestPortalService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser options;
    options.addOption({"size", "the cast's picture", "WxH", "1024x768"});
    options.addOption({"start-answer", "the screen cast Start's response code", "code", "0"});
    options.addOption({"global-shortcuts", "offer the global shortcuts portal too"});
    options.process(app);
    const QStringList size = options.value("size").split('x');
    orv::test::TestPortalService::Options told;
    told.size = QSize(size.value(0).toInt(), size.value(1).toInt());
    told.startAnswer = options.value("start-answer").toUInt();
    told.globalShortcuts = options.isSet("global-shortcuts");

    const auto report = [](const QString& line) {
        std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    };
    orv::test::TestPortalService portal(QDBusConnection::sessionBus(), told, report);
    if (!portal.Register()) {
        std::fprintf(stderr, "cannot take the portal's name: %s\n",
                     QDBusConnection::sessionBus().lastError().message().toUtf8().constData());
        return 1;
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char bytes[256];
        const ssize_t got = read(STDIN_FILENO, bytes, sizeof bytes);
        if (got <= 0) {
            app.quit();
            return;
        }
        pending.append(bytes, got);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QList<QByteArray> words = pending.left(end).trimmed().split(' ');
            pending.remove(0, end + 1);
            if (words.value(0) == "scene")
                portal.ShowScene(words.value(1).toInt());
            else if (words.value(0) == "press" || words.value(0) == "release")
                portal.PressShortcut(QString::fromUtf8(words.value(1)), words.value(0) == "press");
        }
    });
    report("ready");
    return app.exec();
}
