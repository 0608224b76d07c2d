// The language-dependent captions and tool tips, in the order the window writes them.
#pragma once

#include "app/Form1.h"

#include <QString>

struct TextSet {
    QString option1;
    QString option2;
    QString label[5];
    QString bmrTip;
    QString dcnTip;
    QString dpnTip;
    QString levelTip[5];
};

// Italian, at start-up and from the language command alike.
extern const TextSet kItalian;
// English at start-up, and English from the language command: they differ in the padding of
// Option2's caption and the spelling of the protein tool tip.
extern const TextSet kEnglishAtStartup;
extern const TextSet kEnglishByCommand;
