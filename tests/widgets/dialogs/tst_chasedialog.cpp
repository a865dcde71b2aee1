// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/chasedialog.h"

#include "tests/support/modal.h"

#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

class TestChaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void compactWaitDialog();
    void animationRunsInTheMiddle();
    void missingMovieStillWaits();
    void closeRequests_data();
    void closeRequests();
    void pollWithoutRequestKeepsWaiting();
    void earlyEnds_data();
    void earlyEnds();
    void workerSignalBeforeExecEndsIt();

private:
    QTemporaryDir m_dir;
    QString m_movie;
};

namespace {

const QColor FrameColours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 160, 0)};
constexpr int MovieSide = 40;

// Writes a small looping GIF, one solid frame per colour. Each pixel is sent as its own
// code after a clear code, which keeps the code width fixed without compressing.
QByteArray AnimatedGif(int side, int delayCentiseconds)
{
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) {
        gif.append(char(v & 0xff));
        gif.append(char((v >> 8) & 0xff));
    };
    word(side);
    word(side);
    gif.append(char(0xF1)); // global table of 4 colours
    gif.append(char(0));
    gif.append(char(0));
    for (int i = 0; i < 4; ++i) {
        const QColor c = i < 3 ? FrameColours[i] : QColor(Qt::white);
        gif.append(char(c.red())).append(char(c.green())).append(char(c.blue()));
    }
    gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    for (int frame = 0; frame < 3; ++frame) {
        gif.append("\x21\xF9\x04\x00", 4);
        word(delayCentiseconds);
        gif.append("\x00\x00", 2);
        gif.append(char(0x2C));
        word(0);
        word(0);
        word(side);
        word(side);
        gif.append(char(0));
        gif.append(char(2)); // minimum code size: clear 4, end 5, codes 3 bits wide

        QByteArray bits;
        quint32 acc = 0;
        int count = 0;
        auto code = [&](int c) {
            acc |= quint32(c) << count;
            count += 3;
            while (count >= 8) {
                bits.append(char(acc & 0xff));
                acc >>= 8;
                count -= 8;
            }
        };
        for (int p = 0; p < side * side; ++p) {
            code(4);
            code(frame);
        }
        code(5);
        if (count > 0)
            bits.append(char(acc & 0xff));
        for (int at = 0; at < bits.size(); at += 255) {
            const QByteArray block = bits.mid(at, 255);
            gif.append(char(block.size())).append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

QRect BoundsOf(const QImage& image, const QColor& colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class Worker : public QThread
{
    Q_OBJECT
signals:
    void CalSuc();

protected:
    void run() override { emit CalSuc(); }
};

} // namespace

void TestChaseDialog::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_movie = m_dir.filePath(QStringLiteral("loading.gif"));
    QFile file(m_movie);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(AnimatedGif(MovieSide, 5));
    file.close();
    QMovie probe(m_movie);
    QVERIFY2(probe.isValid(), "the toolkit reads the test animation");
    QCOMPARE(probe.frameCount(), 3);
}

void TestChaseDialog::compactWaitDialog()
{
    ChaseDialog dlg(nullptr, m_movie, QStringLiteral("Calculation..."), false);
    QCOMPARE(dlg.minimumSize(), QSize(280, 190));
    QCOMPARE(dlg.maximumSize(), QSize(280, 190));
    QCOMPARE(dlg.GetTitleText(), QStringLiteral("Calculation..."));
    QVERIFY(dlg.styleSheet().contains(QStringLiteral("dialog_bg2.png")));
    for (QPushButton* button : dlg.findChildren<QPushButton*>())
        QVERIFY2(button->isHidden(), qPrintable(button->objectName()));
    QVERIFY(dlg.findChild<QWidget*>(QStringLiteral("m_pBottomFrame"))->isHidden());
    QCOMPARE(dlg.findChild<QTimer*>()->interval(), ChaseDialog::PollInterval);
    QVERIFY(dlg.findChild<QTimer*>()->isActive());
}

void TestChaseDialog::animationRunsInTheMiddle()
{
    ChaseDialog dlg(nullptr, m_movie, QStringLiteral("Calculation..."), false);
    QLabel* label = dlg.GetContentFrame()->findChild<QLabel*>();
    QVERIFY(label && label->movie());
    QSignalSpy frames(label->movie(), &QMovie::frameChanged);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));

    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, 10000);
    QSet<int> seen;
    for (const QList<QVariant>& args : frames)
        seen.insert(args.at(0).toInt());
    QVERIFY2(seen.size() >= 2, "the picture changes from frame to frame");

    // Wherever the animation is, its frame sits in the middle of the content frame.
    QRect bounds;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage shot = dlg.GetContentFrame()->grab().toImage();
            for (const QColor& c : FrameColours) {
                bounds = BoundsOf(shot, c);
                if (!bounds.isEmpty())
                    return true;
            }
            return false;
        }(),
        10000);
    QCOMPARE(bounds.size(), QSize(MovieSide, MovieSide));
    const QPoint middle = dlg.GetContentFrame()->rect().center();
    QVERIFY(qAbs(bounds.center().x() - middle.x()) <= 1);
    QVERIFY(qAbs(bounds.center().y() - middle.y()) <= 1);
}

void TestChaseDialog::missingMovieStillWaits()
{
    ChaseDialog dlg(nullptr, m_dir.filePath(QStringLiteral("absent.gif")),
                    QStringLiteral("Calculation..."), false);
    QLabel* label = dlg.GetContentFrame()->findChild<QLabel*>();
    QVERIFY(label);
    QVERIFY(label->pixmap().isNull());
    WhenModal(&dlg, [](QWidget* modal) {
        QMetaObject::invokeMethod(modal, "SetStopChase", Qt::DirectConnection);
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
}

void TestChaseDialog::closeRequests_data()
{
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("polls");
    QTest::addColumn<int>("cancelSignals");

    QTest::newRow("OnImmediatelyStopChase accepts without a poll")
        << QStringList{"OnImmediatelyStopChase"} << 1 << 0 << 0;
    QTest::newRow("SetStopChase accepts at the next poll")
        << QStringList{"SetStopChase"} << 1 << 1 << 0;
    QTest::newRow("OnSlotRejectChase rejects at the next poll and cancels")
        << QStringList{"OnSlotRejectChase"} << 0 << 1 << 1;
    QTest::newRow("a later request replaces an earlier one")
        << QStringList{"SetStopChase", "OnSlotRejectChase"} << 0 << 1 << 1;
    QTest::newRow("and the other way round")
        << QStringList{"OnSlotRejectChase", "SetStopChase"} << 1 << 1 << 0;
}

void TestChaseDialog::closeRequests()
{
    QFETCH(QStringList, requests);
    QFETCH(int, result);
    QFETCH(int, polls);
    QFETCH(int, cancelSignals);

    ChaseDialog dlg(nullptr, m_movie, QStringLiteral("Calculation..."), false);
    QSignalSpy cancel(&dlg, &ChaseDialog::SignalCancel);
    // Connected after the dialog's own poll slot, so the poll that ends it is counted.
    int pollsAfterRequest = -1;
    connect(dlg.findChild<QTimer*>(), &QTimer::timeout, &dlg, [&] {
        if (pollsAfterRequest >= 0)
            ++pollsAfterRequest;
    });
    WhenModal(&dlg, [&](QWidget* modal) {
        pollsAfterRequest = 0;
        for (const QString& slot : requests)
            QMetaObject::invokeMethod(modal, slot.toLatin1().constData(), Qt::DirectConnection);
    });
    QCOMPARE(dlg.exec(), result);
    QCOMPARE(pollsAfterRequest, polls);
    QCOMPARE(cancel.count(), cancelSignals);
}

void TestChaseDialog::pollWithoutRequestKeepsWaiting()
{
    ChaseDialog dlg(nullptr, m_movie, QStringLiteral("Calculation..."), false);
    // A request is used up by the poll that acts on it, so it cannot end a later run.
    WhenModal(&dlg, [&](QWidget*) { dlg.SetStopChase(); });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));

    QTimer* poll = dlg.findChild<QTimer*>();
    int polls = 0;
    bool openThroughout = true;
    connect(poll, &QTimer::timeout, &dlg, [&] {
        openThroughout = openThroughout && dlg.isVisible();
        if (++polls == 3)
            dlg.OnImmediatelyStopChase();
    });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(polls, 3);
    QVERIFY(openThroughout);
}

void TestChaseDialog::earlyEnds_data()
{
    QTest::addColumn<bool>("showCancel");
    QTest::addColumn<QString>("attempt");
    QTest::addColumn<bool>("ends");

    for (const char* key : {"Return", "Enter", "Select", "Escape"})
        QTest::newRow(key) << false << key << false;
    QTest::newRow("close request") << false << "close" << false;
    QTest::newRow("with Cancel: the Cancel button") << true << "pCancelBtn" << true;
    QTest::newRow("with Cancel: a close request acts as Cancel") << true << "close" << true;
    QTest::newRow("with Cancel: Return on the focused button") << true << "Return" << false;
}

void TestChaseDialog::earlyEnds()
{
    QFETCH(bool, showCancel);
    QFETCH(QString, attempt);
    QFETCH(bool, ends);

    ChaseDialog dlg(nullptr, m_movie, QStringLiteral("Calculation..."), showCancel);
    QSignalSpy cancel(&dlg, &ChaseDialog::SignalCancel);
    WhenModal(&dlg, [&](QWidget* modal) {
        auto* cancelBtn = modal->findChild<QPushButton*>(QStringLiteral("pCancelBtn"));
        if (showCancel)
            cancelBtn->setFocus();
        if (attempt == QLatin1String("pCancelBtn")) {
            QTest::mouseClick(cancelBtn, Qt::LeftButton);
        } else if (attempt == QLatin1String("close")) {
            modal->close();
        } else {
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, KeyNamed(attempt));
        }
        // Still waiting: the worker's completion ends it.
        if (modal->isVisible())
            dlg.OnImmediatelyStopChase();
    });
    QCOMPARE(dlg.exec(), ends ? int(QDialog::Rejected) : int(QDialog::Accepted));
    QCOMPARE(cancel.count(), ends ? 1 : 0);
}

void TestChaseDialog::workerSignalBeforeExecEndsIt()
{
    ChaseDialog dlg(nullptr, m_movie, QStringLiteral("Calculation..."), false);
    Worker worker;
    connect(&worker, &Worker::CalSuc, &dlg, &ChaseDialog::OnImmediatelyStopChase);
    worker.start();
    QVERIFY(worker.wait(10000));
    // The completion is queued for the GUI thread and runs once the dialog's loop does.
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(TestChaseDialog)
#include "tst_chasedialog.moc"
