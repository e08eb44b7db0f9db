#include "common/programpaths.h"
#include "ui/appwindows.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmarotte"));
    app.setProperty("helpFile", QStringLiteral("VELMAROTTE.HLP"));

    // The program folder is the folder of the executable; command-line
    // arguments are not interpreted.
    const vm::ProgramPaths paths =
        vm::ProgramPaths::fromExecutable(QCoreApplication::applicationFilePath());
    vm::AppWindows windows = vm::createAppWindows(paths);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    windows.main->show();
    return app.exec();
}
