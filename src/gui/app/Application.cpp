#include "app/Application.h"

#include "app/AboutForm.h"
#include "app/Artwork.h"
#include "app/InstanceChannel.h"
#include "app/MainForm.h"
#include "common/InstanceLock.h"
#include "platform/Services.h"
#include "shell/ShellIntegration.h"
#include "shell/StartArguments.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <iostream>

#include <exception>

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return {argv + std::min(argc, 1), argv + argc};
}

// A second start that asks something (a desktop action, a file) hands it to the running
// instance; one that asks nothing ends at once and silently, disturbing nobody.
int handOnToRunningInstance(int argc, char** argv, const trevik::StartArguments& asked) {
    if (!asked.asksAnything()) {
        return 0;
    }
    QCoreApplication app(argc, argv);
    const QString error =
        InstanceChannel::send(InstanceChannel::defaultPath(), QCoreApplication::arguments().mid(1));
    if (!error.isEmpty()) {
        std::cerr << "trevik: the running Trevik could not be reached: " << error.toStdString()
                  << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int runTrevik(int argc, char** argv) {
    const trevik::StartArguments asked = trevik::parseStartArguments(argumentsOf(argc, argv));
    if (!asked.error.empty()) {
        std::cerr << "trevik: " << asked.error << "\n" << trevik::startUsage();
        return 2;
    }
    if (asked.help || asked.version) {
        std::cout << (asked.help ? trevik::startUsage() : "trevik " TREVIK_VERSION "\n");
        return 0;
    }
    const trevik::InstanceLock instance(trevik::InstanceLock::defaultPath());
    if (instance.anotherInstanceRuns()) {
        return handOnToRunningInstance(argc, argv, asked);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevik"));
    QApplication::setApplicationVersion(QStringLiteral(TREVIK_VERSION));
    // The desktop matches the window to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(trevik::kIconName));
    QApplication::setWindowIcon(trevikIcon());
    // The window hides in the tray; only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SystemServices system;
    Services& services = system.services();
    try {
        if (trevik::LoadSplashSetting(services.settings)) {
            TAboutForm splash;
            splash.exec();
        }
        // Exchange files open in the program; rewritten only when this start changes it, and
        // nothing is said when it cannot be written.
        const std::string program = QApplication::applicationFilePath().toStdString();
        if (!trevik::installedDesktopEntry(program)) {
            trevik::AssociateFileType(trevik::userDataHome(), program);
        }
        TMainForm main(services, QApplication::arguments().mid(1));
        QObject::connect(&main, &TMainForm::exitRequested, &app, &QApplication::quit);
        InstanceChannel channel;
        // Without the channel a second start cannot reach this one; the window runs all the same.
        channel.listen(InstanceChannel::defaultPath());
        QObject::connect(&channel, &InstanceChannel::argumentsReceived, &main,
                         [&main](const QStringList& arguments) {
                             main.handleStart(startArgumentsOf(arguments));
                         });
        // The exchange file of this start waits for the window's first activation.
        trevik::StartArguments options = asked;
        options.exchangeFile.clear();
        QTimer::singleShot(0, &main, [&main, options] { main.handleStart(options); });
        QApplication::exec();
        return 0;
    } catch (const std::exception& error) {
        services.messages.show(nullptr, QString::fromLocal8Bit(error.what()),
                               QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::Critical);
        return 0;
    }
}
