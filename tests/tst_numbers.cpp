#include <QtTest>
class Dummy : public QObject { Q_OBJECT private slots: void t() {} };
QTEST_MAIN(Dummy)
#include "tst_numbers.moc"
