// The web command on Windows through the real service behind the seam: every choice starts
// "explorer" once, with the address as its one argument, minimised and activated. The stand-in
// explorer.exe beside this test, where CreateProcess looks first, records each start in a file.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "app/Form1_platform.h"
#include "localisation/texts.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kShowMinimized = 2; // SW_SHOWMINIMIZED

QStringList recordedStarts(const QDir& folder) {
    QStringList starts;
    for (const QString& name : folder.entryList({"*.txt"}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            starts << QString::fromUtf8(file.readAll()).trimmed();
    }
    return starts;
}

} // namespace

class WebCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

  private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        prepareApplication();
        platform::firstWeekdayName.replace([] { return QString("Monday"); });
    }

    void eachChoiceStartsExplorerMinimisedWithTheAddress() {
        const QDir record(dir.path());
        qputenv("VENTRIMO_EXPLORER_RECORD", QDir::toNativeSeparators(dir.path()).toUtf8());
        Form1 form;
        form.WEB->trigger();
        form.WEB->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(recordedStarts(record).size(), 2, 30000);
        const QString expected =
            QStringList{QString::number(kShowMinimized), "explorer", texts::kWebAddress.c_str()}
                .join(u'\t');
        for (const QString& start : recordedStarts(record))
            QCOMPARE(start, expected);
    }
};

QTEST_MAIN(WebCommand)
#include "tst_web_command.moc"
