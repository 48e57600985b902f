// spotsim: a teaching simulator of reaction kinetics, radioactive decay and
// diprotic acids on a lattice of coloured spots.
#include "shell/StartUp.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (const QString dropped = toolkit::dropUnusableScaleFactor(); !dropped.isEmpty())
        QTextStream(stderr) << "spotsim: " << dropped << Qt::endl;
    QApplication app(argc, argv);
    toolkit::setUpApplication();
    shell::startTitleFirst();
    const int result = app.exec();
    toolkit::resetForms(); // windows go before the application object
    return result;
}
