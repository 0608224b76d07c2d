// The window carried between a monitor at scale 1 and one at 1.5 beside it (CTest runs this on
// X11, under a window manager, through monitors_on_x11.sh): its size in device pixels follows
// the monitor it is on, and everything in it stays inside.
#include "app/Form1.h"
#include "app/Form1_application.h"

#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace {

// The window's size in device pixels, as the X server has it.
QSize devicePixels(QWidget& window) {
    QProcess info;
    info.start("xwininfo", {"-id", QString::number(window.winId())});
    info.waitForFinished();
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    auto field = [&text](const char* name) {
        return text.section(QString("%1:").arg(name), 1).section('\n', 0, 0).trimmed().toInt();
    };
    return {field("Width"), field("Height")};
}

} // namespace

class MonitorScaleTest : public QObject {
    Q_OBJECT

    Form1* form = nullptr;

  private slots:
    void initTestCase() {
        prepareApplication();
        form = new Form1;
        showAtStart(*form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanupTestCase() { delete form; }

    void sizeFollowsTheMonitor_data() {
        QTest::addColumn<QString>("monitor");
        QTest::addColumn<double>("scale");
        QTest::newRow("onto the scaled monitor") << "RIGHT" << 1.5;
        QTest::newRow("back") << "LEFT" << 1.0;
    }
    void sizeFollowsTheMonitor() {
        QFETCH(QString, monitor);
        QFETCH(double, scale);
        const QSize size = form->minimumSize(); // fixed: 360 x 525 in all
        QScreen* screen = nullptr;
        for (QScreen* each : QGuiApplication::screens())
            screen = each->name() == monitor ? each : screen;
        QVERIFY2(screen, "no such monitor: run through monitors_on_x11.sh");
        // Moved by the window manager, as a user drags it.
        const QPoint corner = screen->geometry().topLeft() + QPoint(60, 40);
        QProcess::execute("xdotool", {"windowmove", QString::number(form->winId()),
                                      QString::number(corner.x()), QString::number(corner.y())});
        QTRY_COMPARE(form->screen(), screen);
        QTRY_COMPARE(devicePixels(*form),
                     QSize(qRound(size.width() * scale), qRound(size.height() * scale)));
        QCOMPARE(form->size(), size);
        QVERIFY(form->rect().contains(form->centralWidget()->geometry()));
        QVERIFY(form->menuBar()->findChild<QToolButton*>()->isHidden()); // no "»"
    }
};

QTEST_MAIN(MonitorScaleTest)
#include "tst_monitor_scale.moc"
