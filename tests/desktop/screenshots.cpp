// Saves pictures of the window for reviewers: at start, then with results in each sex's colours,
// and the boxes of how the results were computed and of the targets, in English and in Italian.
//
// Usage: ventrimo_screenshots [FOLDER [PREFIX]]
// FOLDER defaults to "screenshots"; each file is PREFIX + scene + ".png". scripts/screenshots.sh
// runs it under Xvfb, once as it is and once with QT_SCALE_FACTOR=2.
#include "scenes.h"

#include "app/Form1.h"
#include "app/Form1_application.h"
#include "app/Form1_platform.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// The box that shows how the results were computed, or the targets' box, the real modal box:
// Katch-McArdle in pounds, whose working has a line for each step, in English or in Italian.
bool saveBox(const QString& file, bool italian, void (Form1::*show)()) {
    Form1 form;
    scenes::play(form, scenes::Scene::Male);
    form.Katch->trigger();
    form.InchPound->trigger();
    form.text[1]->setText("176");
    form.text[3]->setText("20");
    if (italian)
        form.ItaEng->trigger();
    (void)scenes::shoot(form);
    platform::showCopyable.replace({});
    bool saved = false;
    QTimer::singleShot(300, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QPixmap picture = box->screen()->grabWindow(box->winId());
            saved = (picture.isNull() ? box->grab() : picture).save(file);
            box->close();
        }
    });
    (form.*show)();
    std::printf("%s%s\n", qPrintable(file), saved ? "" : ": cannot save");
    return saved;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    scenes::quietPlatform();

    const QStringList args = app.arguments();
    const QDir folder(args.value(1, "screenshots"));
    const QString prefix = args.value(2);
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    for (const scenes::Shot& shot : scenes::kShots) {
        Form1 form;
        scenes::play(form, shot.scene);
        const QImage picture = scenes::shoot(form);
        const QString file = folder.filePath(prefix + shot.name + ".png");
        if (picture.isNull() || !picture.save(file)) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s (%dx%d)\n", qPrintable(file), picture.width(), picture.height());
    }
    bool saved = true;
    for (const bool italian : {false, true}) {
        const QString language = italian ? "-italian" : "";
        saved = saveBox(folder.filePath(prefix + "working" + language + ".png"), italian,
                        &Form1::showWorking) &&
                saveBox(folder.filePath(prefix + "targets" + language + ".png"), italian,
                        &Form1::showTargets) &&
                saved;
    }
    return saved ? 0 : 1;
}
