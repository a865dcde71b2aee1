// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTest>

#ifndef CORVANE_SOURCE_DIR
#error "CORVANE_SOURCE_DIR must name the source tree"
#endif

namespace {

const QString SourceDir = QStringLiteral(CORVANE_SOURCE_DIR);

// Every picture path named in the program's code and style sheets, resource-relative.
QSet<QString> NamedPictures()
{
    static const QRegularExpression path(
        QStringLiteral(R"(:/?(images/[A-Za-z0-9_./-]+\.(?:png|gif)))"));
    QSet<QString> names;
    for (const char* folder :
         {"app", "ui", "pages", "widgets", "util", "resources/qss", "tools/gallery"}) {
        QDirIterator it(SourceDir + QLatin1Char('/') + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui"),
                         QStringLiteral("*.qss")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromLatin1(file.readAll());
            auto matches = path.globalMatch(text);
            while (matches.hasNext())
                names.insert(matches.next().captured(1));
        }
    }
    return names;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void listedPictures_data();
    void listedPictures();
    void picturesNamedInTheCodeExist();
    void everyPictureFileIsInTheResources();
    void picturesAreStoredUncompressed();
    void loadingAnimationLoops();
    void largeVariantsAreTwiceTheirPicture();
    void styleSheetParsesWithoutWarnings();
    void nineSliceWidthsFitTheirPictures();
};

void TestResources::listedPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    struct Group
    {
        const char* dir;
        QSize size;
        QStringList names;
    };
    const QList<Group> groups = {
        {"", {44, 44}, {"Loading.gif"}},
        {"", {184, 89}, {"number_bg.png"}},
        {"Dialog/", {341, 309}, {"dialog_bg.png", "dialog_bg2.png"}},
        {"Tab/", {5, 39}, {"TabSelect.png", "TabUnselect.png"}},
        {"Tab/", {6, 42}, {"tab_bg.png"}},
        {"button/", {32, 32}, {"IPC_number.png", "NVR_number.png", "menu_info.png"}},
        {"button/", {80, 22}, {"button.png", "button_disable.png", "button_hover.png"}},
        {"button/", {25, 19}, {"calculate.png"}},
        {"title/", {32, 32}, {"Eye.png"}},
        {"title/",
         {20, 20},
         {"back.png", "back_hover.png", "close.png", "close_hover.png", "full-screen.png",
          "full-screen_hover.png", "mini.png", "mini_hover.png"}},
        {"title/", {4, 25}, {"title_bg.png"}},
        {"public/", {170, 41}, {"background_gray.png"}},
        {"public/", {223, 60}, {"background_white.png"}},
        {"public/Calendar/",
         {27, 28},
         {"CalendarFocus.png", "CalendarHover.png", "CalendarNormal.png"}},
        {"public/Calendar/", {16, 16}, {"CalendarNext.png", "CalendarPre.png"}},
        {"public/Calendar/", {28, 28}, {"WeekLeft.png", "WeekMiddle.png", "WeekRight.png"}},
        {"public/CheckBox/",
         {18, 18},
         {"PartiallyCheckBox.png", "PartiallyCheckBoxHover.png", "checkbox.png",
          "checkbox_hover.png", "uncheckbox.png", "uncheckbox_hover.png"}},
        {"public/ComboBox/",
         {17, 20},
         {"comboBoxPathBtn_dis.png", "comboBoxPathBtn_normal.png", "scheduleBox.png",
          "scheduleBox_dis.png"}},
        {"public/ComboBox/", {208, 22}, {"combox.png", "combox_disable.png", "combox_hover.png"}},
        {"public/ComboBox/", {16, 16}, {"dateBox.png", "dateBox_dis.png"}},
        {"public/ComboBox/", {7, 5}, {"down_arrow.png", "down_arrow_disable.png"}},
        {"public/ProgressBar/",
         {4, 8},
         {"ProgressBar.png", "ProgressBarChunk.png", "ProgressBarLeft.png",
          "ProgressBarLeftChunk.png", "ProgressBarRight.png", "ProgressBarRightChunk.png"}},
        {"public/Radio/",
         {18, 18},
         {"RideoboxNoSelect.png", "RideoboxNoSelectDis.png", "RideoboxNoSelectHover.png",
          "RideoboxSelect.png", "RideoboxSelectHover.png"}},
        {"public/RankButton/", {28, 22}, {"rank_btn.png"}},
        {"public/RankButton/", {33, 22}, {"rank_btn_selected.png"}},
        {"public/Slider/", {5, 10}, {"LeftSlider.png"}},
        {"public/Slider/", {12, 14}, {"RadiobtnOff.png"}},
        {"public/Slider/", {6, 10}, {"RightSlider.png"}},
        {"public/SpinBox/",
         {23, 14},
         {"spinBox_down_dis.png", "spinBox_down_hover.png", "spinBox_down_normal.png",
          "spinBox_up_dis.png", "spinBox_up_hover.png", "spinBox_up_normal.png"}},
        {"public/SpinBox/", {337, 28}, {"spinBox_normal.png"}},
        {"public/TreeView/",
         {22, 22},
         {"TreeArrowDown.png", "TreeArrowHover.png", "TreeArrowUp.png"}},
        {"public/TreeView/", {208, 25}, {"TreeNormal.png"}},
        {"public/TreeView/", {208, 28}, {"TreeSelect.png"}},
        {"public/TreeView/", {4, 25}, {"ViewLeftItem.png", "ViewMidItem.png", "ViewRightItem.png"}},
        {"public/TreeView/", {8, 4}, {"mainview_bg.png"}},
        {"public/TreeView/", {446, 332}, {"table_bg.png"}},
        {"public/TreeView/", {277, 348}, {"tree_bg.png", "tree_bg_Data.png"}},
        {"public/lineEdit/",
         {208, 22},
         {"Editbox_disable.png", "edit_background.png", "editbox_hover.png"}},
        {"public/scrollbar/", {10, 12}, {"scroll-horizontal-panel.png"}},
        {"public/scrollbar/", {12, 10}, {"scrollbar-vertical-panel.png"}},
        {"public/scrollbar/", {1, 11}, {"scrollbar-horizontal-handle.png"}},
        {"public/scrollbar/", {11, 1}, {"scrollbar-vertical-handle.png"}},
        {"public/scrollbar/",
         {13, 15},
         {"scrollbar-uparrow.png", "scrollbar-uparrow-hover.png", "scrollbar-downarrow.png",
          "scrollbar-downarrow-hover.png"}},
        {"public/scrollbar/",
         {15, 13},
         {"scrollbar-leftarrow.png", "scrollbar-leftarrow-hover.png", "scrollbar-rightarrow.png",
          "scrollbar-rightarrow-hover.png"}},
    };
    int count = 0;
    for (const Group& g : groups) {
        for (const QString& name : g.names) {
            const QString path = QStringLiteral("images/") + QLatin1String(g.dir) + name;
            QTest::newRow(qPrintable(path)) << path << g.size;
            ++count;
        }
    }
    QCOMPARE(count, 101);
}

void TestResources::listedPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    for (const QString& form : {QStringLiteral(":/") + path, QStringLiteral(":") + path}) {
        QImageReader reader(form);
        QVERIFY2(reader.canRead(), qPrintable(form));
        QCOMPARE(reader.size(), size);
        const QImage image = reader.read();
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
    }
}

void TestResources::picturesNamedInTheCodeExist()
{
    const QSet<QString> names = NamedPictures();
    // The style sheet alone names dozens; an empty scan would prove nothing.
    QVERIFY2(names.size() > 60, qPrintable(QString::number(names.size())));
    for (const QString& name : names) {
        QVERIFY2(QFile::exists(QStringLiteral(":/") + name), qPrintable(name));
        QVERIFY2(!QImage(QStringLiteral(":/") + name).isNull(), qPrintable(name));
    }
    // The pictures other parts draw but the resource list leaves out.
    for (const char* extra :
         {"images/button/down-arrow.png", "images/button/config_right-arrow.png",
          "images/DeviceConfig/Analog_Channel.png", "images/public/calendar-background.png"})
        QVERIFY2(!QImage(QStringLiteral(":/") + QLatin1String(extra)).isNull(), extra);
}

void TestResources::everyPictureFileIsInTheResources()
{
    QDirIterator it(SourceDir + QStringLiteral("/resources/images"), QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = file.mid(SourceDir.size() + int(qstrlen("/resources/")));
        QVERIFY2(QFile::exists(QStringLiteral(":/") + relative), qPrintable(relative));
        QFile onDisk(file);
        QVERIFY(onDisk.open(QIODevice::ReadOnly));
        QFile compiled(QStringLiteral(":/") + relative);
        QVERIFY(compiled.open(QIODevice::ReadOnly));
        QCOMPARE(compiled.readAll(), onDisk.readAll());
        ++files;
    }
    QVERIFY(files >= 105);
}

void TestResources::picturesAreStoredUncompressed()
{
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    int seen = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(QLatin1String(":/images/")) &&
            !path.startsWith(QLatin1String(":/qss/")))
            continue;
        QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);
        ++seen;
    }
    QVERIFY(seen > 100);
}

void TestResources::loadingAnimationLoops()
{
    QMovie movie(QStringLiteral(":/images/Loading.gif"));
    QVERIFY(movie.isValid());
    QVERIFY2(movie.frameCount() >= 8, qPrintable(QString::number(movie.frameCount())));
    QCOMPARE(movie.loopCount(), -1);
    QImage previous;
    int changes = 0;
    for (int i = 0; i < movie.frameCount(); ++i) {
        QVERIFY(movie.jumpToFrame(i));
        const QImage frame = movie.currentImage();
        QCOMPARE(frame.size(), QSize(44, 44));
        QVERIFY(movie.nextFrameDelay() > 0);
        if (!previous.isNull() && frame != previous)
            ++changes;
        previous = frame;
    }
    QCOMPARE(changes, movie.frameCount() - 1);
}

void TestResources::largeVariantsAreTwiceTheirPicture()
{
    // The toolkit draws a large variant at half its size in logical pixels: one that is
    // not exactly twice its picture comes out distorted or shifted on a scaled screen.
    QDirIterator it(QStringLiteral(":/images"), QDir::Files, QDirIterator::Subdirectories);
    int variants = 0;
    while (it.hasNext()) {
        const QString large = it.next();
        if (!large.contains(QLatin1String("@2x.")))
            continue;
        const QString picture = QString(large).remove(QStringLiteral("@2x"));
        QVERIFY2(QFile::exists(picture), qPrintable(large));
        QCOMPARE(QImageReader(large).size(), QImageReader(picture).size() * 2);
        QMovie largeMovie(large), movie(picture);
        QCOMPARE(largeMovie.frameCount(), movie.frameCount());
        ++variants;
    }
    // Every listed picture has one.
    QVERIFY2(variants >= 101, qPrintable(QString::number(variants)));
}

void TestResources::styleSheetParsesWithoutWarnings()
{
    QFile file(QStringLiteral(":/qss/Corvane.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("QPushButton"));
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type != QtDebugMsg)
                warnings.append(msg);
        });
    qApp->setStyleSheet(QString::fromLatin1(bytes));
    QWidget probe;
    probe.ensurePolished();
    qApp->setStyleSheet(QString());
    qInstallMessageHandler(previous);
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

void TestResources::nineSliceWidthsFitTheirPictures()
{
    // A slice wider than half its picture would make the edges overlap and stretch.
    QFile file(QStringLiteral(":/qss/Corvane.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromLatin1(file.readAll());
    static const QRegularExpression rule(
        QStringLiteral(R"(border-image:\s*url\(([^)]+)\)\s*(\d+)(?:\s+(\d+)\s+(\d+)\s+(\d+))?)"));
    int checked = 0;
    auto it = rule.globalMatch(sheet);
    while (it.hasNext()) {
        const auto m = it.next();
        const QSize size = QImageReader(m.captured(1)).size();
        QVERIFY2(size.isValid(), qPrintable(m.captured(1)));
        const int top = m.captured(2).toInt();
        const int right = m.captured(3).isEmpty() ? top : m.captured(3).toInt();
        const int bottom = m.captured(4).isEmpty() ? top : m.captured(4).toInt();
        const int left = m.captured(5).isEmpty() ? right : m.captured(5).toInt();
        QVERIFY2(left + right <= size.width() && top + bottom <= size.height(),
                 qPrintable(m.captured(0)));
        ++checked;
    }
    QVERIFY(checked > 10);
    // The frames' own sheets slice the dialog pictures too.
    for (const QString& picture : {QStringLiteral(":/images/Dialog/dialog_bg.png"),
                                   QStringLiteral(":/images/Dialog/dialog_bg2.png")}) {
        const QSize size = QImageReader(picture).size();
        QVERIFY(58 * 2 <= size.width() && 58 * 2 <= size.height());
        QVERIFY(34 + 16 <= size.height() && 6 + 6 <= size.width());
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
