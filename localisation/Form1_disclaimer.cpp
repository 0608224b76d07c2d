#include "app/Form1.h"

#include "app/Form1_platform.h"
#include "localisation/texts.h"

// The box speaks the window's language; a caption that names none gives English.
void Form1::Disclaimer_Click() {
    const texts::Disclaimer& box = words().disclaimer;
    platform::showMessage(this, box.title.c_str(),
                          QString(box.firstLine) + QChar(u'\r') + QString(box.secondLine));
}
