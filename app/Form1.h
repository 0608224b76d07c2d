// The one window of the program, and its only store of state: every setting is read back from
// these controls when it is needed, never kept in a variable of its own.
//
// Map. Two layers live in each folder, told apart by the file name: files named Form1*, Form_*
// (and main.cpp) are the window's, which read controls, call the pure layer and write
// controls; every other file is pure data and rules, without widgets.
//
//   app/           Form1.cpp builds the controls and menus; Form_Load.cpp is start-up;
//                  Form1_controls.* and Form1_result_label.* the kinds of control;
//                  Form1_platform.* the platform's services behind seams (seam.h);
//                  Form1_menubar.* fits the menu bar to the window and adds F10;
//                  Form1_scale.* keeps the window's size in step with its monitor's scale;
//                  Form1_application.* and Form1_style.* what the whole application shares
//                  (style, icon, desktop id, placing the window by placement.*); main.cpp.
//   calc/          Form1_refresh.cpp: InputsValid, Recalculate, RefreshResults, text_Change,
//                  Command1_Click, over numbers.* and metabolic.* (the arithmetic);
//                  Form1_copy.cpp the results' context menu.
//   localisation/  Form1_language.cpp: ItaEng_Click, UpdateUnitLabels; Form1_disclaimer.cpp:
//                  Disclaimer_Click; texts.* holds every text of the window.
//   options/       Form1_formula.cpp, Form1_units.cpp, Form1_sex.cpp, Form1_web.cpp: the menu
//                  and option handlers; themes.h holds every colour.
//
// A keystroke: the box's textChanged runs text_Change, which runs RefreshResults: InputsValid
// reads the controls into ventrimo::Inputs (currentInputs) and asks the calculation; if valid,
// Recalculate clamps the level and turns "." into "," in each box (a write that changes a box
// runs a nested RefreshResults inside it), computes with ventrimo::Calculate and writes the
// three captions; last, RefreshResults shows or hides the three labels. Qt repaints them.
#pragma once

#include "Form1_controls.h"
#include "Form1_result_label.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QMenu;

namespace ventrimo {
struct Inputs;
}
namespace texts {
struct TextSet;
}
namespace themes {
struct Theme;
}

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

    // Input boxes: age, weight, height, body fat, activity level.
    std::array<InputBox*, 5> text{};
    // Captions of the input rows.
    std::array<AutoSizeLabel*, 5> Label{};
    // Activity-level buttons; Command1[i] stands for level i + 1.
    std::array<CommandButton*, 5> Command1{};
    // Row bands behind the labels.
    std::array<Rectangle*, 5> Shape{};

    OptionButton* Option1 = nullptr; // male; its caption is also the language word
    OptionButton* Option2 = nullptr; // female
    OptionButton* Option3 = nullptr; // hidden; holds the selection until a sex is chosen

    // The results: rest, daily need, protein.
    ResultLabel *BMRLabel = nullptr, *DCNLabel = nullptr, *DPNlabel = nullptr;

    // The menu bar: the formula menu, the unit menu, and three commands.
    QMenu* Formula = nullptr;
    QAction *Mifflin = nullptr, *Herris = nullptr, *Katch = nullptr;
    QMenu* Units = nullptr;
    QAction *cmkg = nullptr, *InchPound = nullptr;
    QAction *ItaEng = nullptr, *WEB = nullptr, *Disclaimer = nullptr;

    // The last results, rounded as shown.
    float BMR = 0, DCN = 0, DPN = 0;

    // Calculation (calc/)
    bool InputsValid() const;
    void Recalculate();
    void RefreshResults();
    // The boxes, the level buttons' tags and the three choices, as the calculation takes them.
    ventrimo::Inputs currentInputs() const;

    // Localisation (localisation/)
    void UpdateUnitLabels();

  public slots:
    void text_Change(int index);
    void Command1_Click(int index);
    void Mifflin_Click();
    void Herris_Click();
    void Katch_Click();
    void cmkg_Click();
    void InchPound_Click();
    void Option1_Click();
    void Option2_Click();
    void ItaEng_Click();
    void WEB_Click();
    void Disclaimer_Click();

  private:
    void Form_Load();

    void createControls(QWidget* client);
    void createMenus();
    void connectEvents();
    void rewriteBox(QLineEdit* box, const std::string& newText);
    void showResultMenu(ResultLabel* label, const QPoint& position);
    void setResultsVisible(bool visible);
    void chooseFormula(QAction* chosen, const char* title);
    void chooseUnits(QAction* chosen);
    void pinSystemColours(QWidget* client);
    void applyTheme(const themes::Theme& theme);
    void writeTextSet(const texts::TextSet& set);
};
