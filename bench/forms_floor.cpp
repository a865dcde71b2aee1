// SPDX-License-Identifier: GPL-3.0-or-later
// The least the program's first screen can cost: its two forms ("NVR Calculate" in the main
// window) as the form compiler builds them, under the program's style sheet and window
// picture, in a window of the program's size, without the program's code (no title bar, no
// models, no translations, no catalogue). Measured like the bare window, so that the
// start-up figures tell what the toolkit needs for this screen from what the program adds.

#include "app/firstframe.h"
#include "ui/ccorvane.h"
#include "ui_ccorvane.h"
#include "ui_cdlgcalnvrnum.h"
#include "util/helpers.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMainWindow>
#include <QStackedWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFile sheet(QStringLiteral(":/qss/Corvane.qss"));
    // Without the style sheet the figures would be those of another screen.
    if (!sheet.open(QIODevice::ReadOnly)) {
        std::fputs("the program's style sheet is missing\n", stderr);
        return 1;
    }
    app.setStyleSheet(ScaleBorderImageCuts(QString::fromLatin1(sheet.readAll())));

    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    window.setStyleSheet(ScaleBorderImageCuts(QString::fromLatin1(CCorvane::WindowStyle)));
    Ui::CCorvaneClass frame;
    frame.setupUi(&window);
    auto* stack = new QStackedWidget(&window);
    frame.m_pGridLayout->addWidget(stack, 2, 0);
    auto* page = new QDialog(stack);
    // Embedded, not a dialog window of its own, as the pages are.
    page->setWindowFlags(Qt::Widget);
    Ui::CDlgCalNVRNumClass form;
    form.setupUi(page);
    stack->addWidget(page);
    window.resize(1024, 768);
    frame.layoutWidget->setGeometry(7, 1, window.width() - 14, window.height() - 8);

    WhenFirstPainted(&window, [] { std::fputs("main window painted\n", stderr); });
    window.show();
    std::fputs("main window shown\n", stderr);
    return app.exec();
}
