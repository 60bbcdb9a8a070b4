// The program: one application object, started and run until its main window closes.
#include <QApplication>

#include "shell/CPredictApp.h"

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    CPredictApp app;
    app.InitInstance();
    return 0;
}
