// Saves pictures of the window for reviewers: at start, then with results in each sex's colours.
//
// Usage: ventrimo_screenshots [FOLDER [PREFIX]]
// FOLDER defaults to "screenshots"; each file is PREFIX + scene + ".png". scripts/screenshots.sh
// runs it under Xvfb, once as it is and once with QT_SCALE_FACTOR=2.
#include "scenes.h"

#include "app/Form1.h"
#include "app/Form1_application.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

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
    return 0;
}
