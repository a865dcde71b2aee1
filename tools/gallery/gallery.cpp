// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery.h"

#include "widgets/calendar/cdatetimeedit.h"
#include "widgets/controls/ccheckbox.h"
#include "widgets/controls/cdelaybutton.h"
#include "widgets/controls/cpushbutton.h"
#include "widgets/dialogs/cpathcombobox.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMovie>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString TitleButtonSheet(const QString& name)
{
    return QStringLiteral("QPushButton{border-image:url(:/images/title/%1.png); border:none; "
                          "margin:0px;} QPushButton:hover{border-image:url(:/images/title/"
                          "%1_hover.png);}")
        .arg(name);
}

QFrame* Panel(const QString& title, QLayout* content)
{
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("panel"));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setStyleSheet(QStringLiteral("QFrame#panel{background-color: rgb(235, 236, 238);}"));
    auto* v = new QVBoxLayout(frame);
    v->setContentsMargins(9, 6, 9, 9);
    auto* caption = new QLabel(title);
    caption->setStyleSheet(QStringLiteral("color: rgb(40, 97, 155);"));
    v->addWidget(caption);
    v->addLayout(content);
    v->addStretch();
    return frame;
}

} // namespace

GalleryWindow::GalleryWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GalleryWindow"));
    setAttribute(Qt::WA_StyledBackground);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("QWidget#GalleryWindow{border-image:url(\":/images/Dialog/"
                                 "dialog_bg2.png\") 58;\nborder-width:58;}"));
    setFixedSize(1000, 720);

    // The main window's own layout: content inset 7 px, title row, tab strip, pages.
    auto* content = new QWidget(this);
    content->setGeometry(7, 1, 986, 712);
    auto* grid = new QGridLayout(content);
    grid->setSpacing(0);
    grid->setContentsMargins(6, 0, 6, 0);
    grid->addWidget(BuildTitleBar(), 0, 0);
    grid->addWidget(BuildTabStrip(), 1, 0);

    auto* page = new QWidget;
    auto* pg = new QGridLayout(page);
    pg->setContentsMargins(4, 10, 4, 4);
    pg->setSpacing(10);
    pg->addWidget(BuildButtons(), 0, 0);
    pg->addWidget(BuildEditors(), 0, 1);
    pg->addWidget(BuildChecks(), 0, 2);
    pg->addWidget(BuildBars(), 1, 0);
    pg->addWidget(BuildViews(), 1, 1, 1, 2);
    pg->addWidget(BuildPictures(), 2, 0, 1, 3);
    grid->addWidget(page, 2, 0);
}

QWidget* GalleryWindow::BuildTitleBar()
{
    auto* bar = new QWidget;
    bar->setAutoFillBackground(true);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(4, 1, 4, 1);
    h->setSpacing(1);
    auto* icon = new CPushButton;
    icon->setFixedSize(32, 32);
    icon->setFocusPolicy(Qt::NoFocus);
    icon->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/images/title/Eye.png);}"));
    h->addWidget(icon);
    h->addStretch(1);
    auto* title = new QLabel(QStringLiteral("Corvane Tool"));
    title->setStyleSheet(QStringLiteral("color:rgb(255, 255, 255);"));
    h->addWidget(title);
    h->addStretch(1);
    for (const char* name : {"mini", "full-screen", "close"}) {
        auto* b = new CPushButton;
        b->setFixedSize(20, 20);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setStyleSheet(TitleButtonSheet(QLatin1String(name)));
        h->addWidget(b);
    }
    bar->setFixedHeight(34);
    QPalette pal = bar->palette();
    pal.setBrush(QPalette::Window,
                 QPixmap(QStringLiteral(":/images/title/title_bg.png"))
                     .scaled(986, 34, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    bar->setPalette(pal);
    return bar;
}

QWidget* GalleryWindow::BuildTabStrip()
{
    auto* strip = new QFrame;
    strip->setMinimumHeight(40);
    strip->setMaximumHeight(40);
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setStyleSheet(
        QStringLiteral("QFrame{background-image:url(:/images/Tab/tab_bg.png); border:none;}"));
    auto* holder = new QWidget(strip);
    holder->setGeometry(2, 3, 970, 42);
    auto* h = new QHBoxLayout(holder);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    const struct
    {
        const char* text;
        const char* icon;
        bool selected;
    } tabs[] = {{"NVR Calculate", "NVR_number", true},
                {"IPC Calculate", "IPC_number", false},
                {"About", "menu_info", false}};
    for (const auto& t : tabs) {
        auto* b = new QPushButton(
            QIcon(QStringLiteral(":/images/button/%1.png").arg(QLatin1String(t.icon))),
            QLatin1String(t.text));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(140, 40);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(
            QStringLiteral("QPushButton{border-image:url(:/images/Tab/%1.png); "
                           "color: rgb(255, 255, 255); border-width:0px;}")
                .arg(t.selected ? QStringLiteral("TabSelect") : QStringLiteral("TabUnselect")));
        h->addWidget(b);
    }
    h->addStretch();
    return strip;
}

QWidget* GalleryWindow::BuildButtons()
{
    auto* g = new QGridLayout;
    g->setSpacing(6);
    auto* normal = new CPushButton(QStringLiteral("Normal"));
    auto* focused = new CPushButton(QStringLiteral("Focus / hover"));
    focused->setObjectName(QStringLiteral("focusedButton"));
    auto* pressed = new CPushButton(QStringLiteral("Pressed"));
    pressed->setDown(true);
    auto* disabled = new CPushButton(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    auto* calc = new CPushButton(QIcon(QStringLiteral(":/images/button/calculate.png")),
                                 QStringLiteral("Caculator"));
    calc->setIconSize(QSize(25, 19));
    auto* delay = new CDelayButton(QStringLiteral("Delay button"));
    int i = 0;
    for (QPushButton* b : {static_cast<QPushButton*>(normal), static_cast<QPushButton*>(focused),
                           static_cast<QPushButton*>(pressed), static_cast<QPushButton*>(disabled),
                           static_cast<QPushButton*>(calc), static_cast<QPushButton*>(delay)}) {
        b->setMinimumSize(96, 24);
        g->addWidget(b, i / 2, i % 2);
        ++i;
    }
    return Panel(QStringLiteral("Buttons"), g);
}

QWidget* GalleryWindow::BuildEditors()
{
    auto* g = new QGridLayout;
    g->setSpacing(6);
    auto* edit = new QLineEdit(QStringLiteral("5"));
    auto* editOff = new QLineEdit(QStringLiteral("Disabled"));
    editOff->setEnabled(false);
    auto* combo = new QComboBox;
    combo->addItems(
        {QStringLiteral("1024(1M)"), QStringLiteral("2048(2M)"), QStringLiteral("4096(4M)")});
    auto* comboOff = new QComboBox;
    comboOff->addItem(QStringLiteral("Disabled"));
    comboOff->setEnabled(false);
    auto* path = new CPathComboBox;
    path->addItem(QStringLiteral("/home/planner/sites"));
    auto* date = new CDateTimeEdit(QDateTime(QDate(2024, 5, 17), QTime(9, 30)));
    date->setCalendarPopup(true);
    auto* spin = new QSpinBox;
    spin->setRange(0, 64);
    spin->setValue(16);
    auto* spinOff = new QSpinBox;
    spinOff->setEnabled(false);
    auto* time = new QTimeEdit(QTime(17, 45));
    auto* plainDate = new QDateTimeEdit(QDate(2024, 5, 17));
    g->addWidget(edit, 0, 0);
    g->addWidget(editOff, 0, 1);
    g->addWidget(combo, 1, 0);
    g->addWidget(comboOff, 1, 1);
    g->addWidget(path, 2, 0);
    g->addWidget(date, 2, 1);
    g->addWidget(spin, 3, 0);
    g->addWidget(spinOff, 3, 1);
    g->addWidget(time, 4, 0);
    g->addWidget(plainDate, 4, 1);
    return Panel(QStringLiteral("Line edit, combo boxes, spin boxes"), g);
}

QWidget* GalleryWindow::BuildChecks()
{
    auto* g = new QGridLayout;
    g->setSpacing(4);
    auto* on = new CCheckBox(QStringLiteral("Checked"));
    on->SetChecked(true);
    auto* off = new CCheckBox(QStringLiteral("Unchecked"));
    auto* part = new CCheckBox(QStringLiteral("Partly"));
    part->setTristate(true);
    part->setCheckState(Qt::PartiallyChecked);
    auto* focus = new CCheckBox(QStringLiteral("Focused"));
    focus->setObjectName(QStringLiteral("focusedCheck"));
    g->addWidget(on, 0, 0);
    g->addWidget(off, 1, 0);
    g->addWidget(part, 2, 0);
    g->addWidget(focus, 3, 0);
    auto* r1 = new QRadioButton(QStringLiteral("Selected"));
    auto* r2 = new QRadioButton(QStringLiteral("Not selected"));
    auto* r3 = new QRadioButton(QStringLiteral("Disabled"));
    r3->setEnabled(false);
    r1->setChecked(true);
    g->addWidget(r1, 0, 1);
    g->addWidget(r2, 1, 1);
    g->addWidget(r3, 2, 1);
    return Panel(QStringLiteral("Check boxes and radio buttons"), g);
}

QWidget* GalleryWindow::BuildBars()
{
    auto* v = new QGridLayout;
    v->setSpacing(6);
    int row = 0;
    for (int value : {0, 50, 100}) {
        auto* bar = new QProgressBar;
        bar->setRange(0, 100);
        bar->setValue(value);
        bar->setTextVisible(false);
        bar->setFixedHeight(20);
        v->addWidget(new QLabel(QStringLiteral("%1 %").arg(value)), row, 0);
        v->addWidget(bar, row++, 1);
    }
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setValue(35);
    v->addWidget(new QLabel(QStringLiteral("Slider")), row, 0);
    v->addWidget(slider, row++, 1);
    auto* ticks = new QSlider(Qt::Horizontal);
    ticks->setRange(0, 10);
    ticks->setValue(7);
    ticks->setTickPosition(QSlider::TicksBelow);
    ticks->setMinimumHeight(24);
    v->addWidget(new QLabel(QStringLiteral("Ticks")), row, 0);
    v->addWidget(ticks, row++, 1);
    auto* h = new QScrollBar(Qt::Horizontal);
    h->setRange(0, 100);
    h->setPageStep(30);
    h->setValue(20);
    v->addWidget(new QLabel(QStringLiteral("Scroll")), row, 0);
    v->addWidget(h, row++, 1);
    return Panel(QStringLiteral("Progress bars, slider, scroll bar"), v);
}

QWidget* GalleryWindow::BuildViews()
{
    auto* h = new QHBoxLayout;
    h->setSpacing(10);
    auto* model = new QStandardItemModel(0, 2, this);
    model->setHorizontalHeaderLabels({QStringLiteral("NVR Type"), QStringLiteral("Count")});
    const char* groups[] = {"NVR-0804 (8 channels)", "NVR-1608 (16 channels)",
                            "NVR-3216 (32 channels)"};
    int n = 0;
    for (const char* name : groups) {
        auto* parent = new QStandardItem(QLatin1String(name));
        parent->setCheckable(true);
        parent->setCheckState(n == 1 ? Qt::Checked : Qt::Unchecked);
        for (int c = 0; c < 3; ++c) {
            auto* child = new QStandardItem(QStringLiteral("Camera %1, 2048 kbps").arg(c + 1));
            child->setCheckable(true);
            child->setCheckState(c == 0 ? Qt::Checked : Qt::Unchecked);
            parent->appendRow({child, new QStandardItem(QString::number(4 + c))});
        }
        model->appendRow({parent, new QStandardItem(QString::number(n + 1))});
        ++n;
    }
    m_pTree = new QTreeView;
    m_pTree->setModel(model);
    m_pTree->expandAll();
    m_pTree->setColumnWidth(0, 230);
    m_pTree->setMouseTracking(true);
    m_pTree->setMinimumHeight(200);
    m_pTree->setCurrentIndex(model->index(0, 0, model->index(1, 0)));
    m_pTree->selectionModel()->select(model->index(0, 0, model->index(1, 0)),
                                      QItemSelectionModel::SelectCurrent |
                                          QItemSelectionModel::Rows);
    m_pTreeViewport = m_pTree->viewport();
    h->addWidget(m_pTree, 3);

    auto* right = new QVBoxLayout;
    auto* list = new QListWidget;
    list->addItems({QStringLiteral("Site plan A"), QStringLiteral("Site plan B"),
                    QStringLiteral("Warehouse"), QStringLiteral("Parking deck")});
    list->setCurrentRow(1);
    list->setMaximumHeight(110);
    right->addWidget(list);
    auto* number = new QToolButton;
    number->setMinimumSize(191, 91);
    QFont big = number->font();
    big.setPointSize(50);
    number->setFont(big);
    number->setText(QStringLiteral("12"));
    number->setStyleSheet(QStringLiteral("border-image:url(:/images/number_bg.png); "
                                         "\nborder-width:0px;\nborder: transparent; \ncolor: "
                                         "rgb(170, 0, 0);"));
    right->addWidget(number);
    h->addLayout(right, 2);
    return Panel(QStringLiteral("Tree view with header, list, result panel"), h);
}

QRect GalleryWindow::HoverRowRect() const
{
    const QModelIndex idx = m_pTree->model()->index(2, 0, m_pTree->model()->index(0, 0));
    return m_pTree->visualRect(idx);
}

QWidget* GalleryWindow::BuildPictures()
{
    auto* h = new QHBoxLayout;
    h->setSpacing(8);
    auto* blue = new QFrame;
    blue->setStyleSheet(QStringLiteral("background-color: rgb(40, 97, 155);"));
    auto* bh = new QHBoxLayout(blue);
    bh->setContentsMargins(6, 4, 6, 4);
    for (const char* name : {"mini", "mini_hover", "full-screen", "full-screen_hover", "back",
                             "back_hover", "close", "close_hover"}) {
        auto* l = new QLabel;
        l->setPixmap(QPixmap(QStringLiteral(":/images/title/%1.png").arg(QLatin1String(name))));
        bh->addWidget(l);
    }
    h->addWidget(blue);
    for (const char* path :
         {"title/Eye.png", "button/NVR_number.png", "button/IPC_number.png", "button/menu_info.png",
          "DeviceConfig/Analog_Channel.png", "public/Calendar/CalendarPre.png",
          "public/Calendar/CalendarNext.png", "public/TreeView/TreeArrowUp.png",
          "public/TreeView/TreeArrowDown.png", "button/down-arrow.png",
          "button/config_right-arrow.png", "public/RankButton/rank_btn.png",
          "public/RankButton/rank_btn_selected.png"}) {
        auto* l = new QLabel;
        l->setPixmap(QPixmap(QStringLiteral(":/images/%1").arg(QLatin1String(path))));
        if (QLatin1String(path).startsWith(QLatin1String("button/N")) ||
            QLatin1String(path).startsWith(QLatin1String("button/I")) ||
            QLatin1String(path).startsWith(QLatin1String("button/m")) ||
            QLatin1String(path).startsWith(QLatin1String("public/Cal")))
            l->setStyleSheet(QStringLiteral("background-color: rgb(40, 97, 155);"));
        h->addWidget(l);
    }
    auto* calendar = new QLabel;
    calendar->setPixmap(QPixmap(QStringLiteral(":/images/public/calendar-background.png"))
                            .scaled(60, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    h->addWidget(calendar);
    auto* loading = new QLabel;
    auto* movie = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), loading);
    loading->setMovie(movie);
    movie->start();
    h->addWidget(loading);
    h->addStretch();
    auto* v = new QVBoxLayout;
    v->addLayout(h);
    auto* lower = new QHBoxLayout;
    auto* tabs = new QTabWidget;
    for (const char* name : {"Recorders", "Cameras", "Result"}) {
        auto* pageLabel = new QLabel(QStringLiteral("Tab page \"%1\"").arg(QLatin1String(name)));
        pageLabel->setAlignment(Qt::AlignCenter);
        tabs->addTab(pageLabel, QLatin1String(name));
    }
    tabs->setMaximumHeight(90);
    lower->addWidget(tabs, 1);
    lower->addWidget(new CalendarPieces, 1);
    v->addLayout(lower);
    return Panel(QStringLiteral("Pictures, tab widget, calendar pieces"), v);
}

CalendarPieces::CalendarPieces(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(7 * 28, 26 + 28 * 3);
}

void CalendarPieces::paintEvent(QPaintEvent*)
{
    // The calendar's pictures as its delegate composes them: grey grid, day-name header,
    // normal cells, one hovered and one selected cell.
    QPainter p(this);
    const int cell = 28;
    const int x0 = (width() - 7 * cell) / 2;
    p.fillRect(QRect(x0, 0, 7 * cell, 26), QColor(96, 95, 93));
    p.drawPixmap(x0 + 4, 5, QPixmap(QStringLiteral(":/images/public/Calendar/CalendarPre.png")));
    p.drawPixmap(x0 + 7 * cell - 20, 5,
                 QPixmap(QStringLiteral(":/images/public/Calendar/CalendarNext.png")));
    p.setPen(Qt::white);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(x0, 0, 7 * cell, 26), Qt::AlignCenter, QStringLiteral("May 2024"));
    p.setFont(font());
    const char* days[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    for (int c = 0; c < 7; ++c) {
        const QString name =
            c == 0 ? QStringLiteral("WeekLeft")
                   : (c == 6 ? QStringLiteral("WeekRight") : QStringLiteral("WeekMiddle"));
        const QRect r(x0 + c * cell, 26, cell, cell);
        p.drawPixmap(r, QPixmap(QStringLiteral(":/images/public/Calendar/%1.png").arg(name)));
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QLatin1String(days[c]));
    }
    for (int row = 0; row < 2; ++row) {
        for (int c = 0; c < 7; ++c) {
            const QRect r(x0 + c * cell, 26 + cell * (row + 1), cell, cell);
            p.fillRect(r, QColor(155, 155, 155));
            p.drawPixmap(r.topLeft(),
                         QPixmap(QStringLiteral(":/images/public/Calendar/CalendarNormal.png")));
            const int day = 13 + row * 7 + c;
            if (day == 16)
                p.drawPixmap(r.topLeft(),
                             QPixmap(QStringLiteral(":/images/public/Calendar/CalendarHover.png")));
            if (day == 17)
                p.drawPixmap(r.adjusted(0, 0, -1, -1),
                             QPixmap(QStringLiteral(":/images/public/Calendar/CalendarFocus.png")));
            p.setPen(c >= 5 ? QColor(170, 0, 0) : Qt::black);
            p.drawText(r.adjusted(0, 0, -1, -1), Qt::AlignCenter, QString::number(day));
        }
    }
}

namespace {

QWidget* DialogShell(bool full, const QString& title, int w, int h)
{
    auto* dlg = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
    dlg->setObjectName(QStringLiteral("CBaseDialogClass"));
    dlg->setAttribute(Qt::WA_StyledBackground);
    dlg->setStyleSheet(
        full ? QStringLiteral("QWidget#CBaseDialogClass{border-image:url(:/images/Dialog/"
                              "dialog_bg.png) 58 58 58 58; border-width:58px;}")
             : QStringLiteral("QWidget#CBaseDialogClass{border-image:url(:/images/Dialog/"
                              "dialog_bg2.png) 34 6 16 6; border-width:34px 6px 16px 6px;}"));
    dlg->resize(w, h);
    auto* grid = new QGridLayout(dlg);
    grid->setVerticalSpacing(0);
    grid->setContentsMargins(6, full ? 3 : 4, 6, full ? 5 : 11);
    auto* top = new QHBoxLayout;
    top->addSpacing(20);
    auto* label = new QLabel(title);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    label->setFont(bold);
    label->setMinimumSize(100, 30);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255);"));
    top->addWidget(label, 1);
    auto* close = new CPushButton;
    close->setFixedSize(20, 20);
    close->setFocusPolicy(Qt::NoFocus);
    close->setStyleSheet(TitleButtonSheet(QStringLiteral("close")));
    top->addWidget(close);
    grid->addLayout(top, 0, 0);
    return dlg;
}

} // namespace

QWidget* BuildFullDialog()
{
    QWidget* dlg = DialogShell(true, QStringLiteral("Error"), 300, 225);
    auto* grid = static_cast<QGridLayout*>(dlg->layout());
    auto* text = new QLabel(QStringLiteral("The bandwidth of the cameras exceeds\nthe "
                                           "recorder's limit."));
    text->setAlignment(Qt::AlignCenter);
    grid->addWidget(text, 1, 0);
    auto* bottom = new QFrame;
    bottom->setFrameShape(QFrame::StyledPanel);
    bottom->setMaximumHeight(52);
    auto* bl = new QGridLayout(bottom);
    bl->addItem(new QSpacerItem(10, 25, QSizePolicy::Expanding), 0, 0);
    auto* ok = new CPushButton(QStringLiteral("OK"));
    ok->setMinimumSize(80, 24);
    auto* cancel = new CPushButton(QStringLiteral("Cancel"));
    cancel->setMinimumSize(80, 24);
    bl->addWidget(ok, 0, 1);
    bl->addWidget(cancel, 0, 2);
    grid->addWidget(bottom, 2, 0);
    return dlg;
}

QWidget* BuildCompactDialog()
{
    QWidget* dlg = DialogShell(false, QStringLiteral("Calculation..."), 280, 190);
    auto* grid = static_cast<QGridLayout*>(dlg->layout());
    auto* anim = new QLabel;
    anim->setAlignment(Qt::AlignCenter);
    auto* movie = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), anim);
    anim->setMovie(movie);
    movie->start();
    grid->addWidget(anim, 1, 0);
    return dlg;
}

QWidget* BuildMenuSample()
{
    // A popup would take the mouse from the tree and end its hover, so the menu is shown
    // as its own rendering.
    QMenu menu;
    menu.addAction(QStringLiteral("Add camera type"));
    QAction* active = menu.addAction(QStringLiteral("Remove camera type"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Expand all"));
    menu.addAction(QStringLiteral("Collapse all"));
    menu.ensurePolished();
    menu.adjustSize();
    menu.setActiveAction(active);
    auto* label = new QLabel(nullptr, Qt::Window | Qt::FramelessWindowHint);
    label->setPixmap(menu.grab());
    label->adjustSize();
    return label;
}
