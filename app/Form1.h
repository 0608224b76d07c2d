// The one window of the program, and its only store of state: every setting is read back from
// these controls when it is needed, never kept in a variable of its own.
//
// Map. Two layers live in each folder, told apart by the file name: files named Form1*, Form_*
// (and main.cpp) are the window's, which read controls, call the pure layer and write
// controls; every other file is pure data and rules, without widgets, built as a library of
// its own that cannot reach Qt Widgets.
//
//   app/           Form1.cpp builds the controls and menus from the choice lists; Form_Load.cpp
//                  is start-up; Form1_controls.* the kinds of control; Form1_result_label.* the
//                  selectable result labels and their context menu; Form1_platform.* the
//                  platform's services behind seams (seam.h); Form1_menubar.* fits the menu
//                  bar to the window and adds F10; Form1_scale.* keeps the window's size in
//                  step with its monitor's scale; Form1_application.* and
//                  Form1_style.* what the whole application shares (style, icon, desktop id,
//                  placing the window by placement.*); Form1_hint.cpp the hint that says what
//                  keeps the results away; Form1_screen_reader.* all a screen reader hears
//                  beyond Qt's own interfaces (the announcer, the boxes' and the client area's
//                  interfaces, the settle timer, the focused control's description), over
//                  localisation/voice.*; main.cpp, which answers --help and --version by
//                  command_line.* before it opens a display.
//   calc/          Form1_refresh.cpp: InputsValid, Recalculate, RefreshResults, text_Change,
//                  Command1_Click, reading the controls (currentInputs), over numbers.* and
//                  metabolic.*; Form1_working.cpp the boxes that show how the results were
//                  computed (working.*) and the targets for a goal (targets.*). arithmetic.h holds
//                  the formulas once, for the results and for their working.
//   localisation/  Form1_language.cpp: language(), ItaEng_Click, UpdateUnitLabels, writing a
//                  language's texts; Form1_disclaimer.cpp: Disclaimer_Click; texts.* holds every
//                  text of the window, one catalogue per language (kLanguages).
//   options/       Form1_formula.cpp, Form1_units.cpp, Form1_sex.cpp, Form1_web.cpp: the menu
//                  and option handlers; Form1_theme.cpp pins the desktop palette and paints a
//                  theme; themes.h holds every colour; choices.h the lists of formulas
//                  (kFormulas), unit systems (kUnitSystems), sexes (kSexes) and activity
//                  levels (kLevels), each with one row for each value of its enum.
//
// The choices. Each value of a choice is a row of its list, and the window maps its controls to
// the values in one place (Form1.cpp): the formula and unit items carry their value as their
// data, in an exclusive group each; the three options are buttons of one group whose ids are the
// sexes; the level buttons are made from the levels' rows, Command1[i] for Level(i), each
// carrying its level's multiplier as its tag. The language is the caption of Option1, read by
// language().
//
// Who writes which texts when. The constructor writes the layout's texts (texts::kLayout,
// kMenus). Form_Load then overwrites the option captions, the row captions and the tool tips of
// the results with the start language's catalogue, those of the level buttons with the levels'
// names in that language, and the unit captions; the
// layout's tool tips of those controls never show. ItaEng_Click writes the other catalogue and
// the unit captions. The formula and unit handlers write their menu's title, the unit handler
// also the weight and height tool tips. Recalculate writes the results' captions, and with the
// first one the layout's credit, date and web address are gone.
//
// A keystroke: the box's textChanged runs text_Change, which runs RefreshResults: it reads the
// controls once (currentInputs) and evaluates them once (ventrimo::Evaluate); if valid,
// Recalculate clamps the level and turns "." into "," in each box, computes the tidied inputs
// once and writes the three captions and their visibility. Its own box writes raise change
// events as any write does, but the refresh they would run is already under way and is
// skipped. Last, showWhatKeepsTheResults shows or hides the hint; the announcer speaks the
// results half a second after the last key (announceResultsSoon). Qt repaints the labels.
//
// Qt behaviour relied on that Qt does not document, each with the test that fails if a Qt
// release changes it (the tests run on Qt 6.4 and 6.8 alike):
// - F10 hands QMenuBar's key filter what Alt pressed and released alone gives it, to enter the
//   bar's keyboard mode (Form1_menubar.cpp): tst_desktop_look::menuBarFromTheKeys.
// - The message box's label is found by its object name, "qt_msgbox_label", and widened within
//   the box's own size limits (keepLinesWhole, Form1_platform.cpp):
//   tst_desktop_look::textsStayWholeInTheFont, tst_result_menus::workingFitsAndIsCopiedWhole,
//   tst_localisation::realDisclaimerBoxShowsTwoLinesAndOneButton.
// - Fusion leaves a column of the item's height, 21 pixels at least, for a menu item's check
//   mark (Form1_style.cpp): tst_appearance::menusMarkOnlyTheChosenItem.
// - ResultLabel skips QLabel's focus-in, which would lay the text out as a document
//   (Form1_result_label.cpp): tst_result_menus::resultsAreSelectedAndCopied.
// - QLineEdit selects its text as a Tab focus arrives, which InputBox defers until the focus has
//   arrived (Form1_controls.cpp): tst_accessibility::onlyBoxesAndLevelsSayTheResults.
// - A box's accessible name is its buddy's caption (QAccessibleWidget with no name set):
//   tst_accessibility::names.
// - setTabOrder keeps Option1 at the head of the focus chain only while the placeholder option
//   can still take the focus (Form1.cpp): tst_layout::tabOrderSkipsLabels.
#pragma once

#include "Form1_controls.h"
#include "Form1_result_label.h"
#include "options/choices.h"

#include <QMainWindow>

#include <array>
#include <optional>
#include <string>

class Announcer;
class QAction;
class QActionGroup;
class QButtonGroup;
class QLabel;
class QMenu;
class QTimer;

namespace ventrimo {
struct Inputs;
struct Evaluation;
} // namespace ventrimo
namespace voice {
struct Gap;
}

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Input boxes: age, weight, height, body fat, activity level.
    std::array<InputBox*, ventrimo::kBoxCount> text{};
    // Captions of the input rows.
    std::array<AutoSizeLabel*, ventrimo::kBoxCount> Label{};
    // Activity-level buttons, one for each row of kLevels; Command1[i] stands for level i + 1.
    std::array<CommandButton*, ventrimo::kLevelCount> Command1{};
    // Row bands behind the labels.
    std::array<Rectangle*, ventrimo::kBoxCount> Shape{};

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

    // Shown in the result area while the results are hidden: what keeps them away.
    QLabel* SexHint = nullptr;
    // Speaks the results to a screen reader as they settle.
    Announcer* announcer = nullptr;

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
    // The window's language, named by the caption of Option1; none while it names neither.
    std::optional<texts::Language> language() const;
    // The texts of the window's language, English's when Option1 names none.
    const texts::Catalogue& words() const;

    // The box that writes out how the results were computed, and the box of the calories a day
    // for each pace of losing or gaining weight (calc/Form1_working.cpp).
    void showWorking();
    void showTargets();

    // The hint below the boxes and the options' description, while the results are hidden
    // (app/Form1_hint.cpp); the results, or what keeps them away, as a sentence.
    void showWhatKeepsTheResults();
    QString resultsSentence() const;
    // The sentence announced once typing pauses, or at once after a first text
    // (app/Form1_screen_reader.cpp).
    void announceResultsSoon();
    void announceResultsNow(const QString& first = {});

    // The choices as the menus' marks and the options' selection hold them.
    ventrimo::Formula formula() const;
    ventrimo::UnitSystem unitSystem() const;
    ventrimo::Sex sex() const;
    // The button of a level.
    CommandButton* button(ventrimo::Level level) const { return Command1[std::size_t(level)]; }

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
    void recalculate(const ventrimo::Inputs& inputs, const ventrimo::Evaluation& known);
    void showResultMenu(ResultLabel* label, const QPoint& position);
    void setResultsVisible(bool visible);
    bool resultsShown() const;
    void offerWorking(QMenu* menu);
    void showControlMenu(QWidget* control, const QPoint& position);
    void connectWorking();
    QAction* menuItem(const QActionGroup* group, int value) const;
    void chooseFormula(ventrimo::Formula chosen);
    void chooseUnits(ventrimo::UnitSystem chosen);
    void chooseSex(ventrimo::Sex chosen);
    void pinSystemColours(QWidget* client);
    void applyTheme(const themes::Theme& theme);
    void writeTexts(const texts::Catalogue& catalogue, bool byCommand);
    void createHint();
    void setUpScreenReader();
    void writeAccessibleNames();
    bool describesResults(const QWidget* control) const;
    voice::Gap resultsGap() const;

    // The items of each menu, and the three options, each carrying its choice's value.
    QActionGroup *formulas = nullptr, *unitSystems = nullptr;
    QButtonGroup* sexes = nullptr;
    // Set while Recalculate writes the boxes: the refresh their change events would run is the
    // one already under way.
    bool rewritingBoxes = false;
    // Runs from the last key to the announcement of the results.
    QTimer* settling = nullptr;
};
