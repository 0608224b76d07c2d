// The states of the window that the screenshots show and the desktop tests look at, reached the
// way a user reaches them: by typing into the boxes and choosing a sex.
#pragma once

#include <QImage>
#include <QString>

class Form1;
class QWidget;

namespace scenes {

enum class Scene { Start, Male, Female };

struct Shot {
    Scene scene;
    const char* name; // file name without extension
};

inline constexpr Shot kShots[] = {
    {Scene::Start, "start"}, {Scene::Male, "male"}, {Scene::Female, "female"}};

// English whatever the machine's locale, and no browser or message box opened for real.
void quietPlatform();

// Types an age, a weight and a height that give results.
void typeInputs(Form1& form);

// Brings a new window to the scene.
void play(Form1& form, Scene scene);

// The window as drawn, at the screen's device pixel ratio: from the screen when there is a real
// one, so that the window system's own drawing shows, otherwise rendered by the widgets.
QImage shoot(Form1& form);

// The colour of a control in a picture of the window: at the given point of the control, in
// device-independent pixels of the control.
QRgb colourAt(const QImage& picture, const Form1& form, const QWidget* control, QPoint point);

} // namespace scenes
