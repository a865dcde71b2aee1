// SPDX-License-Identifier: GPL-3.0-or-later
// Shows every styled widget in the program's skin, for looking at the style as a whole.
// Usage: corvane_gallery [--shot file.png]  (with --shot it saves the screen and quits)
#include "gallery.h"

#include "app/ctesselstyle.h"
#include "widgets/controls/ctooltip.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Arial"), 9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    QApplication::setFont(font);
    QApplication::setStyle(new CTesselStyle);
    QFile sheet(QStringLiteral(":/qss/Corvane.qss"));
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromLatin1(sheet.readAll()));
    QFont tipFont = QApplication::font();
    tipFont.setPointSize(10);
    CToolTip::SetTipFont(tipFont);

    GalleryWindow window;
    window.move(8, 8);
    window.show();
    QWidget* full = BuildFullDialog();
    full->move(24, 748);
    full->show();
    QWidget* compact = BuildCompactDialog();
    compact->move(350, 760);
    compact->show();
    QWidget* menu = BuildMenuSample();
    menu->move(660, 760);
    menu->show();

    const QStringList args = QCoreApplication::arguments();
    const int shot = int(args.indexOf(QStringLiteral("--shot")));
    const QString shotFile = shot > 0 && shot + 1 < args.size() ? args.at(shot + 1) : QString();

    QTimer::singleShot(400, &window, [&window] {
        window.activateWindow();
        if (auto* b = window.findChild<QPushButton*>(QStringLiteral("focusedButton")))
            b->setFocus();
        QCursor::setPos(window.TreeViewport()->mapToGlobal(window.HoverRowRect().center()));
    });
    QTimer::singleShot(1200, &window, [&window] {
        const QRect row = window.HoverRowRect();
        const QPoint at = window.TreeViewport()->mapToGlobal(row.center());
        CToolTip::ShowTip(at, QStringLiteral("Camera 3: 2048 kbps main stream"),
                          window.TreeViewport(), row);
    });
    if (!shotFile.isEmpty()) {
        QTimer::singleShot(2000, &window, [shotFile] {
            QScreen* screen = QGuiApplication::primaryScreen();
            screen->grabWindow(0).save(shotFile);
            QCoreApplication::quit();
        });
    }
    const int result = app.exec();
    delete full;
    delete compact;
    delete menu;
    return result;
}
