#include "app/Application.h"

#include "app/AboutForm.h"
#include "app/Artwork.h"
#include "app/MainForm.h"
#include "common/InstanceLock.h"
#include "platform/Services.h"
#include "shell/ShellIntegration.h"

#include <QApplication>

#include <exception>

int runTrevik(int argc, char** argv) {
    // A second start ends at once and silently; the running instance is not disturbed.
    const trevik::InstanceLock instance(trevik::InstanceLock::defaultPath());
    if (instance.anotherInstanceRuns()) {
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevik"));
    QApplication::setApplicationVersion(QStringLiteral(TREVIK_VERSION));
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
        trevik::AssociateFileType(trevik::userDataHome(),
                                  QApplication::applicationFilePath().toStdString());
        TMainForm main(services, QApplication::arguments().mid(1));
        QObject::connect(&main, &TMainForm::exitRequested, &app, &QApplication::quit);
        QApplication::exec();
        return 0;
    } catch (const std::exception& error) {
        services.messages.show(nullptr, QString::fromLocal8Bit(error.what()),
                               QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::Critical);
        return 0;
    }
}
