// spotsim-drive: runs spotsim from a script, offscreen unless --show.
//   spotsim-drive [--show] [--screen WxH] SCRIPT|-
#include "shell/StartUp.h"
#include "toolkit/Registry.h"
#include "toolkit/Screen.h"
#include "tools/drive/Driver.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    bool show = false;
    QSize screen(1366, 768);
    const char *scriptPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--show") == 0) {
            show = true;
        } else if (std::strcmp(argv[i], "--screen") == 0 && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w < 320 || h < 240 || w > 10000 || h > 10000) {
                std::fprintf(stderr, "spotsim-drive: --screen takes WxH, for example 1366x768\n");
                return 2;
            }
            screen = QSize(w, h);
        } else if (!scriptPath) {
            scriptPath = argv[i];
        } else {
            scriptPath = nullptr;
            break;
        }
    }
    if (!scriptPath) {
        std::fprintf(stderr, "usage: spotsim-drive [--show] [--screen WxH] SCRIPT|-\n");
        return 2;
    }
    if (!show)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QFile file;
    if (std::strcmp(scriptPath, "-") == 0) {
        if (!file.open(stdin, QIODevice::ReadOnly | QIODevice::Text))
            return 2;
    } else {
        file.setFileName(QString::fromLocal8Bit(scriptPath));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "spotsim-drive: cannot read %s\n", scriptPath);
            return 2;
        }
    }

    QApplication app(argc, argv);
    toolkit::setUpApplication();
    toolkit::setScreenPixels(screen);
    shell::startRoutine();

    QTextStream script(&file);
    QTextStream out(stdout);
    drive::Driver driver(out);
    const int result = driver.run(script);
    toolkit::resetForms(); // windows go before the application object
    return result;
}
