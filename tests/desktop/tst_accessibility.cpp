// What a screen reader finds in the window: it walks the accessibility tree from the window down,
// as assistive technology does, and reads the names and descriptions there.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "app/Form1_screen_reader.h"
#include "reference.h"
#include "scenes.h"
#include "window/window_fixture.h"

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

// What the announcer has said since the last fill; what a screen reader makes of it is the
// screen reader test's to hear.
QStringList announced;

// Every box typed, the height box last and focused, and Him chosen.
const QStringList kFilled = {"30", "80", "180", "", "1"};

void fill(Form1& form) {
    QObject::connect(form.announcer, &Announcer::announced,
                     [](const QString& sentence) { announced << sentence; });
    for (std::size_t i : {0, 1, 3, 4, 2}) {
        form.text[i]->setFocus();
        form.text[i]->selectAll();
        QTest::keyClicks(form.text[i], kFilled[int(i)]);
    }
    form.Option1->setChecked(true);
    QTest::qWait(600);
    announced.clear();
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
        QTest::addColumn<QString>("language"); // Option1's word
        QTest::addColumn<bool>("byCommand");
        QTest::addColumn<QStringList>("texts"); // the fifteen language texts
        QTest::newRow("english at start") << kEnglish << false << reference::kEnglishAtStart;
        QTest::newRow("italian by command") << kItalian << true << reference::kItalian;
        QTest::newRow("english again") << kEnglish << true << reference::kEnglishByCommand;
    }

    void names() {
        QFETCH(QString, language);
        QFETCH(bool, byCommand);
        QFETCH(QStringList, texts);
        const QStringList boxes = texts.mid(2, 5);
        const QString firstLevel = texts[10];

        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        scenes::play(form, scenes::Scene::Male);
        chooseLanguage(form, language, byCommand);
        const auto nodes = tree(&form);

        for (int i = 0; i < 5; ++i) {
            QLineEdit* box = form.text[std::size_t(i)];
            QVERIFY(nodes.contains(box));
            QCOMPARE(nodes[box]->role(), QAccessible::EditableText);
            QCOMPARE(textOf(nodes, box, QAccessible::Name), boxes[i]);
            QCOMPARE(textOf(nodes, box, QAccessible::Name), form.Label[std::size_t(i)]->text());
            // Named by the caption alone: a screen reader keeps a label's text it has read.
            QVERIFY(nodes[box]->relations(QAccessible::Label).isEmpty());
            int start = -1, end = -1; // one run of text, even in the first window of all
            nodes[box]->textInterface()->attributes(0, &start, &end);
            QCOMPARE(end - start, box->text().size());
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
            QCOMPARE(textOf(nodes, sex, QAccessible::Name), sex->text().trimmed());
        }
        QVERIFY2(!nodes.contains(form.Option3), "the hidden placeholder is in the tree");
    }

    // While a box or a level button has the focus, its description says the results, or what
    // keeps them away, after its own tool tip.
    void focusedControlSaysTheResults_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("male");
        QTest::addColumn<QString>("language"); // Option1's word
        QTest::addColumn<QString>("control");  // a box to retype its last key, or a level button
        QTest::addColumn<QString>("described");
        const QStringList all = {"30", "80", "180", "", "1"};
        const QString level1 = reference::spoken(reference::expected(reference::Sex::Male, all));
        // clang-format off
        QTest::newRow("level button") << all << true << kEnglish << "Command1(0)" << "Sedentary. " + level1;
        QTest::newRow("level box") << all << true << kEnglish << "text(4)" << "1 - 5. " + level1;
        QTest::newRow("no sex") << all << false << kEnglish << "text(0)" << "Choose Him or Her";
        QTest::newRow("no sex, italian") << all << false << kItalian << "text(4)" << "1 - 5. Scegli Lui o Lei";
        QTest::newRow("no age") << QStringList{"", "80", "180"} << true << kEnglish << "text(1)" << "Missing: Age";
        // clang-format on
    }

    void focusedControlSaysTheResults() {
        QFETCH(QStringList, boxes);
        QFETCH(bool, male);
        QFETCH(QString, language);
        QFETCH(QString, control);
        QFETCH(QString, described);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        chooseLanguage(form, language, false);
        for (int i = 0; i < boxes.size(); ++i) {
            form.text[std::size_t(i)]->setFocus();
            form.text[std::size_t(i)]->selectAll();
            QTest::keyClicks(form.text[std::size_t(i)], boxes[i].isEmpty() ? "1" : boxes[i]);
            if (boxes[i].isEmpty())
                QTest::keyClick(form.text[std::size_t(i)], Qt::Key_Backspace);
        }
        if (male)
            QTest::mouseClick(form.Option1, Qt::LeftButton, {},
                              QPoint(8, form.Option1->height() / 2));

        const auto index = std::size_t(control.section('(', 1).chopped(1).toInt());
        QWidget* focused = nullptr;
        if (control.startsWith("Command1")) {
            focused = form.Command1[index];
            QTest::mouseClick(focused, Qt::LeftButton);
        } else {
            QLineEdit* box = form.text[index];
            focused = box;
            box->setFocus();
            box->end(false);
            const QString last = box->text().right(1);
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, last);
        }
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(textOf(tree(&form), focused, QAccessible::Description), described);
        // Written into the control itself, which raises the description change.
        QCOMPARE(focused->accessibleDescription(), described);
    }

    // Spoken once the typing pauses, never for a half-typed number, or at once after a choice;
    // the focused box's description stays as it was, so nothing is said twice.
    void resultsAnnouncedAsTheySettle_data() {
        QTest::addColumn<QString>("language"); // Option1's word
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("said");
        const QString level3 = ". " + reference::spoken(reference::expected());
        // clang-format off
        const QString herris = reference::spoken(reference::expected(reference::Formula::Herris, reference::Sex::Male, false, kFilled));
        QTest::newRow("typed") << kEnglish << "18" << reference::spoken(reference::expected(reference::Sex::Male, kFilled));
        QTest::newRow("level") << kEnglish << "level" << reference::kEnglishAtStart[12].trimmed() + level3;
        QTest::newRow("level, italian") << kItalian << "level" << reference::kItalian[12].trimmed() + level3;
        QTest::newRow("formula") << kEnglish << "formula" << herris;
        QTest::newRow("cleared") << kEnglish << "" << "Missing: Height [Cm]";
        QTest::newRow("cleared, italian") << kItalian << "" << "Manca: Altezza [Cm]";
        QTest::newRow("typed and taken back") << kEnglish << "5\b" << "";
        // clang-format on
    }
    void resultsAnnouncedAsTheySettle() {
        QFETCH(QString, language);
        QFETCH(QString, step);
        QFETCH(QString, said);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        chooseLanguage(form, language, false);
        fill(form);
        const QString description = form.text[2]->accessibleDescription();
        if (step == "level")
            QTest::mouseClick(form.Command1[2], Qt::LeftButton);
        else if (step == "formula")
            form.Herris->trigger();
        else
            QTest::keyClick(form.text[2], Qt::Key_Backspace); // 18
        if (step == "5\b") {
            QTest::keyClick(form.text[2], Qt::Key_0); // 180 again
            QTest::keyClicks(form.text[2], step);
        } else if (step == "18") {
            QTest::qWait(700);
            announced.clear();
            QTest::keyClick(form.text[2], Qt::Key_0);
        } else if (step.isEmpty()) {
            QTest::qWait(200); // "1": not yet, the number may go on
            QTest::keyClicks(form.text[2], "\b\b");
        }
        QCOMPARE(int(announced.size()), step.size() > 2 ? 1 : 0);
        QTest::qWait(700);
        QCOMPARE(announced, said.isEmpty() ? QStringList() : QStringList{said});
        if (step != "level")
            QCOMPARE(form.text[2]->accessibleDescription(), description);
    }

    // The options ask for a sex while none is chosen; a focused option or result label says
    // its own texts only, and a box says the results only while it has the focus.
    void onlyBoxesAndLevelsSayTheResults() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (QRadioButton* sex : {form.Option1, form.Option2})
            QCOMPARE(textOf(tree(&form), sex, QAccessible::Description), "Choose Him or Her");
        fill(form);
        for (QWidget* control : std::initializer_list<QWidget*>{form.Option1, form.BMRLabel}) {
            control->setFocus();
            QCOMPARE(textOf(tree(&form), control, QAccessible::Description), control->toolTip());
        }
        QCOMPARE(textOf(tree(&form), form.text[2], QAccessible::Description),
                 form.text[2]->toolTip()); // the box that had the focus

        // Reached by the keys, a box is selected whole; left, it keeps no selection to be read.
        QAccessibleTextInterface* weight = tree(&form)[form.text[1]]->textInterface();
        form.text[2]->setFocus();
        QTest::keyClick(form.text[2], Qt::Key_Backtab);
        QTRY_COMPARE(weight->selectionCount(), 1);
        int start = -1, end = -1;
        weight->selection(0, &start, &end);
        QCOMPARE(weight->text(start, end), kFilled[1]);
        QTest::keyClick(form.text[1], Qt::Key_Tab);
        QTRY_COMPARE(weight->selectionCount(), 0);
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
