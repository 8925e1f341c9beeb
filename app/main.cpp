#include "appcontext.h"
#include "appwindows.h"
#include "pictures.h"
#include "qtplatform.h"
#include "timemain.h"
#include "twips.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT close the main window through the event loop, so its close sequence runs.
void closeOnSignals(QWidget *mainWindow)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow] {
        char byte = 0;
        [[maybe_unused]] const auto n = ::read(signalPipe[0], &byte, 1);
        mainWindow->close();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tamotime"));
    QApplication::setDesktopFileName(QStringLiteral("tamotime"));
    QApplication::setWindowIcon(programIcon());
    installJapaneseFontSubstitutes();

    QtPlatform platform;
    if (platform.otherInstanceRunning())
        return 0;

    AppContext ctx(platform);
    AppWindows windows(ctx);
    TimeMain mainWindow(ctx, windows);
    windows.setMainWindow(&mainWindow);
    mainWindow.startUp();

    // Logging out or shutting down closes the main window, which saves everything.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainWindow,
                     [&mainWindow](QSessionManager &) { mainWindow.close(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &mainWindow, [&mainWindow] {
        if (mainWindow.isVisible())
            mainWindow.close();
    });
    closeOnSignals(&mainWindow);
    return app.exec();
}
