// The one window of the program, and its only store of state: every setting is read back from
// these controls when it is needed, never kept in a variable of its own.
#pragma once

#include "controls.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QRadioButton>

#include <array>

class QAction;
class QMenu;

namespace ventrimo {
struct Inputs;
}
struct TextSet;
struct Theme;

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

    // Input boxes: age, weight, height, body fat, activity level.
    std::array<QLineEdit*, 5> text{};
    // Captions of the input rows.
    std::array<AutoSizeLabel*, 5> Label{};
    // Activity-level buttons; Command1[i] stands for level i + 1.
    std::array<CommandButton*, 5> Command1{};
    // Row bands behind the labels.
    std::array<Rectangle*, 5> Shape{};

    QRadioButton* Option1 = nullptr; // male; its caption is also the language word
    QRadioButton* Option2 = nullptr; // female
    QRadioButton* Option3 = nullptr; // hidden; holds the selection until a sex is chosen

    AutoSizeLabel* BMRLabel = nullptr;
    AutoSizeLabel* DCNLabel = nullptr;
    AutoSizeLabel* DPNlabel = nullptr;

    QMenu* Formula = nullptr;
    QAction* Mifflin = nullptr;
    QAction* Herris = nullptr;
    QAction* Katch = nullptr;
    QMenu* Units = nullptr;
    QAction* cmkg = nullptr;
    QAction* InchPound = nullptr;
    QAction* ItaEng = nullptr;
    QAction* WEB = nullptr;
    QAction* Disclaimer = nullptr;

    // The last results, rounded as shown.
    float BMR = 0;
    float DCN = 0;
    float DPN = 0;

    // Calculation (calc/)
    bool InputsValid() const;
    void Recalculate();
    void RefreshResults();

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
    ventrimo::Inputs currentInputs() const;
    void rewriteBox(QLineEdit* box, const QString& newText);
    void setResultsVisible(bool visible);
    void chooseFormula(QAction* chosen, const QString& title);
    void chooseUnits(QAction* chosen, const QString& weightTip, const QString& heightTip,
                     const QString& title);
    void applyTheme(const Theme& theme);
    void writeTextSet(const TextSet& set);
};
