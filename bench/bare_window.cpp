// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's start-up is compared with: a bare Qt Widgets main window of the size the
// program's window opens at (1024 x 768 on a screen that holds it), with the toolkit's own
// style, shown and measured to the same points, the same way (bench/startup_figures.py).

#include "app/firstframe.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 768);
    WhenFirstPainted(&window, [] { std::fputs("main window painted\n", stderr); });
    window.show();
    std::fputs("main window shown\n", stderr);
    return app.exec();
}
