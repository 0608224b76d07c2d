// What a screen reader finds in the window: it walks the accessibility tree from the window down,
// as assistive technology does, and reads the names and descriptions there.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "reference.h"
#include "scenes.h"

#include <QAccessible>
#include <QHash>
#include <QTest>

namespace {

// Every accessible object under the window, reached through the tree only.
QHash<QObject*, QAccessibleInterface*> tree(QWidget* window) {
    QHash<QObject*, QAccessibleInterface*> found;
    QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface* node = pending.takeLast();
        if (!node || !node->isValid() || found.contains(node->object()))
            continue;
        found.insert(node->object(), node);
        for (int i = 0; i < node->childCount(); ++i)
            pending.append(node->child(i));
    }
    return found;
}

QString textOf(const QHash<QObject*, QAccessibleInterface*>& nodes, QObject* control,
               QAccessible::Text kind) {
    QAccessibleInterface* node = nodes.value(control);
    return node ? node->text(kind) : QString("<not in the accessibility tree>");
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        prepareApplication();
        scenes::quietPlatform();
        // As a screen reader connecting would; without a platform bridge the tree is still there.
        QAccessible::setActive(true);
    }

    void names_data() {
        QTest::addColumn<int>("languageCommands");
        QTest::addColumn<QStringList>("texts"); // the fifteen language texts
        QTest::newRow("english at start") << 0 << reference::kEnglishAtStart;
        QTest::newRow("italian by command") << 1 << reference::kItalian;
        QTest::newRow("english again") << 2 << reference::kEnglishByCommand;
    }

    void names() {
        QFETCH(int, languageCommands);
        QFETCH(QStringList, texts);
        const QStringList boxes = texts.mid(2, 5);
        const QString firstLevel = texts[10];

        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        scenes::play(form, scenes::Scene::Male);
        for (int i = 0; i < languageCommands; ++i)
            form.ItaEng->trigger();
        const auto nodes = tree(&form);

        for (int i = 0; i < 5; ++i) {
            QLineEdit* box = form.text[std::size_t(i)];
            QVERIFY(nodes.contains(box));
            QCOMPARE(nodes[box]->role(), QAccessible::EditableText);
            QCOMPARE(textOf(nodes, box, QAccessible::Name), boxes[i]);
            QCOMPARE(textOf(nodes, box, QAccessible::Name), form.Label[std::size_t(i)]->text());
        }

        for (int i = 0; i < 5; ++i) {
            CommandButton* level = form.Command1[std::size_t(i)];
            QVERIFY(nodes.contains(level));
            QCOMPARE(nodes[level]->role(), QAccessible::Button);
            QCOMPARE(textOf(nodes, level, QAccessible::Name), QString::number(i + 1));
            const QString description = textOf(nodes, level, QAccessible::Description);
            QVERIFY2(!description.trimmed().isEmpty(), qPrintable(QString::number(i + 1)));
            QCOMPARE(description, level->toolTip());
        }
        QCOMPARE(textOf(nodes, form.Command1[0], QAccessible::Description), firstLevel);

        for (AutoSizeLabel* result : {form.BMRLabel, form.DCNLabel, form.DPNlabel}) {
            QVERIFY(result->isVisible());
            QVERIFY(nodes.contains(result));
            QVERIFY(!nodes[result]->state().invisible);
            const QString name = textOf(nodes, result, QAccessible::Name);
            QVERIFY(!name.isEmpty());
            QCOMPARE(name, result->text());
            QCOMPARE(textOf(nodes, result, QAccessible::Description), result->toolTip());
        }

        for (QRadioButton* sex : {form.Option1, form.Option2}) {
            QVERIFY(nodes.contains(sex));
            QCOMPARE(nodes[sex]->role(), QAccessible::RadioButton);
            QCOMPARE(textOf(nodes, sex, QAccessible::Name), sex->text());
        }
    }

    void resultNamesFollowTheResults() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        scenes::play(form, scenes::Scene::Male);
        const QString before = form.BMRLabel->text();
        QTest::keyClick(form.text[0], Qt::Key_Backspace);
        QTest::keyClicks(form.text[0], "5");
        const auto nodes = tree(&form);
        QVERIFY(form.BMRLabel->text() != before);
        QCOMPARE(textOf(nodes, form.BMRLabel, QAccessible::Name), form.BMRLabel->text());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
