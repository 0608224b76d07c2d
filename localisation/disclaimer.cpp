#include "app/Form1.h"

#include "localisation/platform.h"

void Form1::Disclaimer_Click() {
    const QChar lineBreak = u'\r';
    if (Option1->text().trimmed() == "Lui")
        messagebox::show(this, "ATTENZIONE",
                         "I dati prodotti da questo software hanno carattere puramente didattico" +
                             QString(lineBreak) +
                             "e non devono assolutamente sostituire le indicazioni fornite da "
                             "un medico !");
    else
        messagebox::show(this, "WARNING",
                         "All info provided by this software is offered for educational "
                         "purposes only" +
                             QString(lineBreak) +
                             "and is not intended to replace the guidance of a healthcare "
                             "professional !");
}
