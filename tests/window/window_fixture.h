// A real window for a test, with the platform services it must not use for real replaced by
// recorders: the browser, the modal message box and the locale's weekday name.
#pragma once

#include "app/Form1.h"
#include "app/Form1_application.h"
#include "app/Form1_platform.h"
#include "reference.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>

// The colours of a theme on every element it colours.
inline void verifyTheme(const Form1& f, const reference::Theme& theme) {
    QCOMPARE(backColor(f.centralWidget()), theme.window);
    QCOMPARE(backColor(f.Option1), theme.window);
    QCOMPARE(backColor(f.Option2), theme.window);
    for (std::size_t i = 0; i < 5; ++i) {
        QCOMPARE(backColor(f.Command1[i]), theme.levelButtons);
        QCOMPARE(backColor(f.Shape[i]), theme.bands);
        QCOMPARE(backColor(f.text[i]), theme.boxes);
    }
    QCOMPARE(foreColor(f.DCNLabel), theme.dcnText);
}

// The language command run until the window speaks the language whose male option the word
// names ("Lui", "Him"), at least once when byCommand: no test assumes which language follows.
inline void chooseLanguage(Form1& form, const QString& word, bool byCommand = true) {
    for (int press = 0; press < 10 && (form.Option1->text() != word || (byCommand && !press));
         ++press)
        form.ItaEng->trigger();
    QCOMPARE(form.Option1->text(), word);
}
inline const QString kItalian = reference::kItalian[0], kEnglish = reference::kEnglishAtStart[0];

struct WindowFixture {
    QStringList openedAddresses;
    bool browserStarts = true;
    QList<reference::Box> boxes;
    QStringList copyCaptions; // of the boxes that copy their text

    explicit WindowFixture(const QString& firstWeekday = "Monday") {
        prepareApplication();
        platform::firstWeekdayName.replace([firstWeekday] { return firstWeekday; });
        platform::openBrowser.replace([this](const QString& address) {
            openedAddresses << address;
            return browserStarts;
        });
        platform::showMessage.replace(
            [this](QWidget*, const QString& title, const QString& message) {
                boxes.append({title, message});
            });
        platform::showCopyable.replace(
            [this](QWidget*, const QString& title, const QString& message, const QString& copy) {
                boxes.append({title, message});
                copyCaptions << copy;
            });
        form = std::make_unique<Form1>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("the window was not exposed");
    }

    ~WindowFixture() {
        form.reset();
        platform::firstWeekdayName.replace({});
        platform::openBrowser.replace({});
        platform::showMessage.replace({});
        platform::showCopyable.replace({});
    }

    // Types into a box as a user would: focus, select all, type the keys one by one.
    void type(int box, const QString& keys) {
        QLineEdit* edit = form->text[std::size_t(box)];
        edit->setFocus();
        edit->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        for (QChar key : keys) {
            if (key.unicode() < 0x80)
                QTest::keyClick(edit, key.toLatin1());
            else // no key code of its own: a key press that carries the character
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(key), {});
        }
    }

    // Clicks an option button on its mark, which stands at the right edge for Option2.
    void clickOption(QRadioButton* option) {
        const int x = option->isRightToLeft() ? option->width() - 10 : 10;
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(x, option->height() / 2));
    }

    // Age, weight, height, fat and level, each typed.
    void typeAll(const QStringList& values) {
        for (int i = 0; i < values.size(); ++i)
            type(i, values[i]);
    }

    // The choices of a row of the reference, made as a user makes them, then its boxes typed.
    // The formula and unit items are found in their menus by their captions.
    void enter(const reference::Case& row) {
        item(form->Formula, reference::kFormulaItems[int(row.formula)])->trigger();
        if (row.sex != reference::Sex::None)
            clickOption(row.sex == reference::Sex::Male ? form->Option1 : form->Option2);
        item(form->Units, reference::kUnitItems[int(row.imperial)])->trigger();
        typeAll(row.boxes);
    }

    static QAction* item(const QMenu* menu, const QString& caption) {
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                return action;
        qFatal("no menu item \"%s\"", qPrintable(caption));
    }

    QStringList captions() const {
        return {form->BMRLabel->text(), form->DCNLabel->text(), form->DPNlabel->text()};
    }
    bool resultsShown() const {
        return form->BMRLabel->isVisible() && form->DCNLabel->isVisible() &&
               form->DPNlabel->isVisible();
    }
    bool resultsHidden() const {
        return !form->BMRLabel->isVisible() && !form->DCNLabel->isVisible() &&
               !form->DPNlabel->isVisible();
    }

    // A control by the name the design gives it: "text(1)", "Command1(4)", "Shape(0)",
    // "Label(2)", "Option1", "DPNlabel".
    QWidget* control(const QString& name) const {
        const Form1& f = *form;
        const QHash<QString, QWidget*> single = {
            {"Option1", f.Option1},   {"Option2", f.Option2},   {"Option3", f.Option3},
            {"BMRLabel", f.BMRLabel}, {"DCNLabel", f.DCNLabel}, {"DPNlabel", f.DPNlabel}};
        if (single.contains(name))
            return single[name];
        const auto index = std::size_t(name.section('(', 1).chopped(1).toInt());
        if (name.startsWith("text("))
            return f.text[index];
        if (name.startsWith("Label("))
            return f.Label[index];
        if (name.startsWith("Command1("))
            return f.Command1[index];
        if (name.startsWith("Shape("))
            return f.Shape[index];
        return nullptr;
    }

    std::unique_ptr<Form1> form;
};

// QTEST_MAIN, ending the way the program ends: the suites that also run under Wayland cannot
// hang on their way out.
#define WINDOW_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[]) {                                                             \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return finishApplication(QTest::qExec(&test, argc, argv));                                 \
    }
