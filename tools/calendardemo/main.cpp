// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a window with the date editors, a month calendar with marks and a "today" tile, and
// opens the date-time editor's drop-down as a click would. Options:
//   --no-popup         leave the drop-down closed
//   --hover-tile       open the tile's calendar as the mouse entering it would
//   --locale NAME      e.g. zh_CN, for the day and month names
//   --quit-after MS    quit on its own (for unattended screenshots)

#include "app/ctesselstyle.h"
#include "widgets/calendar/ccalendarlabel.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/calendar/cdateedit.h"
#include "widgets/calendar/cdatetimeedit.h"
#include "widgets/calendar/ctimeedit.h"
#include "widgets/calendar/cuilocale.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program's own style object and sheet, so the demo shows what the program would.
    QApplication::setStyle(new CTesselStyle);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    QFile qss(QStringLiteral(":/qss/Corvane.qss"));
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromLatin1(qss.readAll()));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption noPopup(QStringLiteral("no-popup"), QStringLiteral("Keep it closed."));
    const QCommandLineOption localeName(QStringLiteral("locale"), QStringLiteral("Locale name."),
                                        QStringLiteral("name"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Quit after this many ms."),
                                       QStringLiteral("ms"));
    const QCommandLineOption hoverTile(QStringLiteral("hover-tile"),
                                       QStringLiteral("Open the tile's calendar."));
    parser.addOptions({noPopup, localeName, quitAfter, hoverTile});
    parser.process(app);
    if (parser.isSet(localeName)) {
        const QLocale locale(parser.value(localeName));
        CUiLocale::SetProvider([locale]() { return std::optional<QLocale>(locale); });
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Calendar demo"));
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(24);

    auto* editors = new QFormLayout;
    editors->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* dateTimeEdit = new CDateTimeEdit(&window);
    auto* dateEdit = new CDateEdit(&window);
    auto* timeEdit = new CTimeEdit(&window);
    editors->addRow(QStringLiteral("Date and time:"), dateTimeEdit);
    editors->addRow(QStringLiteral("Date:"), dateEdit);
    editors->addRow(QStringLiteral("Time:"), timeEdit);
    auto* chosen = new QLabel(&window);
    editors->addRow(QStringLiteral("Range:"), chosen);
    // Wide enough for the drop-down to open beside the month calendar, not over it.
    auto* left = new QWidget(&window);
    left->setFixedWidth(440);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(editors);
    leftLayout->addStretch(1);
    layout->addWidget(left);

    auto* calendar = new CCalendarWidget(&window);
    calendar->SetSelectionMode(CCalendarWidget::MultiSelection);
    const QDate today = QDate::currentDate();
    calendar->SetDateMark(today.addDays(3), 0);
    calendar->SetDateMark(today.addDays(-4), 1);
    QObject::connect(calendar, &CCalendarWidget::SignalSelectDate, chosen,
                     [chosen](QDate begin, QDate end) {
                         chosen->setText(begin.toString(Qt::ISODate) + QStringLiteral(" .. ") +
                                         end.toString(Qt::ISODate));
                     });
    layout->addWidget(calendar, 0, Qt::AlignTop);

    auto* tile = new CCalendarLabel(&window);
    tile->resize(tile->minimumSize());
    layout->addWidget(tile, 0, Qt::AlignBottom);

    window.resize(1100, 420);
    window.move(40, 40);
    window.show();

    if (!parser.isSet(noPopup)) {
        QTimer::singleShot(300, dateTimeEdit, [dateTimeEdit]() {
            const QPointF inside(dateTimeEdit->width() / 2.0, dateTimeEdit->height() / 2.0);
            QMouseEvent press(QEvent::MouseButtonPress, inside, dateTimeEdit->mapToGlobal(inside),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(dateTimeEdit, &press);
        });
    }
    if (parser.isSet(hoverTile)) {
        QTimer::singleShot(300, tile, [tile]() {
            const QPointF inside(tile->width() / 2.0, tile->height() / 2.0);
            QEnterEvent enter(inside, inside, tile->mapToGlobal(inside));
            QApplication::sendEvent(tile, &enter);
        });
    }
    if (parser.isSet(quitAfter))
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, &QApplication::quit);
    return app.exec();
}
