// A real window for a test, with the platform services it must not use for real replaced by
// recorders: the browser, the modal message box and the locale's weekday name.
#pragma once

#include "app/Form1.h"
#include "app/application.h"
#include "localisation/platform.h"
#include "options/web.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

#include <memory>

struct WindowFixture {
    QStringList openedAddresses;
    bool browserStarts = true;
    struct Box {
        QString title;
        QString message;
    };
    QList<Box> boxes;

    explicit WindowFixture(const QString& firstWeekday = "Monday") {
        prepareApplication();
        weekday::setSource([firstWeekday] { return firstWeekday; });
        browser::setOpener([this](const QString& address) {
            openedAddresses << address;
            return browserStarts;
        });
        messagebox::setShower([this](QWidget*, const QString& title, const QString& message) {
            boxes.append({title, message});
        });
        form = std::make_unique<Form1>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("the window was not exposed");
    }

    ~WindowFixture() {
        form.reset();
        weekday::setSource({});
        browser::setOpener({});
        messagebox::setShower({});
    }

    // Types into a box as a user would: focus, select all, type the keys one by one.
    void type(int box, const QString& keys) {
        QLineEdit* edit = form->text[box];
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

    bool resultsShown() const {
        return form->BMRLabel->isVisible() && form->DCNLabel->isVisible() &&
               form->DPNlabel->isVisible();
    }
    bool resultsHidden() const {
        return !form->BMRLabel->isVisible() && !form->DCNLabel->isVisible() &&
               !form->DPNlabel->isVisible();
    }

    std::unique_ptr<Form1> form;
};
