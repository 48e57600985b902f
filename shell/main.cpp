// spotsim: a teaching simulator of reaction kinetics, radioactive decay and
// diprotic acids on a lattice of coloured spots.
#include "shell/LessonPlayer.h"
#include "shell/StartUp.h"
#include "toolkit/Language.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include <QApplication>
#include <QTextStream>

#include <csignal>

int main(int argc, char *argv[])
{
    // A picture saved into a pipe whose reader goes away fails with a
    // notice; it does not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    toolkit::provideRuntimeDir();
    if (const QString dropped = toolkit::dropUnusableScaleFactor(); !dropped.isEmpty())
        QTextStream(stderr) << "spotsim: " << dropped << Qt::endl;
    const auto app = toolkit::openApplication(
        argc, argv, "spotsim",
        toolkit::translate("toolkit", "start spotsim from the desktop, or with DISPLAY naming a running X server "
                                      "(for example DISPLAY=:0)"));
    // The class of its windows, as the desktop entry's StartupWMClass says.
    QApplication::setApplicationName(QStringLiteral("spotsim"));
    toolkit::setUpApplication();
    // The desktop's language, or the one --lang names.
    toolkit::useLanguage(toolkit::desktopLanguage());
    QStringList arguments = QCoreApplication::arguments();
    QString problem;
    if (const auto language = toolkit::takeLanguage(arguments, problem))
        toolkit::useLanguage(*language);
    else
        QTextStream(stderr) << "spotsim: " << problem << Qt::endl;
    // A lesson named with --lesson, or a lesson file opened from the desktop.
    QString lessonFile;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--lesson") && i + 1 < arguments.size())
            lessonFile = arguments[++i];
        else if (arguments[i].startsWith(QLatin1String("--lesson=")))
            lessonFile = arguments[i].mid(9);
        else if (!arguments[i].startsWith(QLatin1Char('-')))
            lessonFile = arguments[i];
    }
    if (lessonFile.isEmpty()) {
        shell::startTitleFirst();
    } else {
        // Checked whole before any of it plays.
        shell::startRoutine();
        if (const QStringList problems = lesson::player().open(lessonFile); !problems.isEmpty()) {
            for (const QString &line : problems)
                QTextStream(stderr) << line << Qt::endl;
            toolkit::resetForms();
            return 2;
        }
        lesson::player().begin(0, true);
    }
    const int result = QApplication::exec();
    toolkit::resetForms(); // windows go before the application object
    return result;
}
