#include "app/Form1.h"

#include "app/Form1_platform.h"
#include "localisation/texts.h"

void Form1::WEB_Click() {
    // A browser that does not start is no business of the calculator's: nothing to show.
    (void)platform::openBrowser(texts::kWebAddress.c_str());
}
