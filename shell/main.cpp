// Starts Maroleta: the main window, maximised.
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maroleta"));
    maroleta::Form1 window;
    window.showMaximized();
    return app.exec();
}
