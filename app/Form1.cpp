// The window as it is created: every control, its place, font, colours and texts. Positions are
// laid out in twips, fifteen to a pixel at 96 dots per inch.
#include "Form1.h"

#include "app/Form1_menubar.h"
#include "app/Form1_scale.h"
#include "app/Form1_screen_reader.h"
#include "calc/metabolic.h"
#include "localisation/texts.h"
#include "options/choices.h"
#include "options/themes.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QMenuBar>

namespace {

texts::Text itemCaption(const ventrimo::FormulaChoice& row) {
    return row.name;
}
texts::Text itemCaption(const ventrimo::UnitChoice& row) {
    return row.item;
}

constexpr int kTwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

// Fonts are given in points at 96 dots per inch; pixel sizes keep them exact on any screen.
QFont boldFont(const QStringList& families, double points) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qRound(points * 96 / 72));
    font.setWeight(QFont::Bold);
    return font;
}

QFont arial(double points) {
    return boldFont({"Arial", "Liberation Sans"}, points);
}
QFont msSansSerif(double points) {
    return boldFont({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans"}, points);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(texts::kWindowTitle.c_str());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    installAccessibleInterfaces(); // before the first box, whose interface is kept once made
    auto* client = new ClientArea(this);
    client->setFixedSize(5400 / kTwipsPerPixel, 7590 / kTwipsPerPixel);
    setCentralWidget(client);
    pinSystemColours(client);

    createControls(client);
    applyTheme(themes::kLayout);
    createMenus();
    setUpMenuBar(menuBar(), Formula, client->width());
    connectEvents();
    setFixedSize(sizeHint());
    followScreenScale(this);

    createHint();
    setUpScreenReader();
    Form_Load();
}

void Form1::createControls(QWidget* client) {
    const texts::LayoutTexts& layout = texts::kLayout;
    // Created back to front: a later sibling is drawn over an earlier one.
    auto band = [client](int left, int top) {
        auto* shape = new Rectangle(client);
        shape->setGeometry(twips(left, top, 5775, 735));
        return shape;
    };
    auto place = [](AutoSizeLabel* label, texts::Text words, double points, int left, int top) {
        label->setFont(arial(points));
        label->move(twips(left, top, 0, 0).topLeft());
        label->setText(words.c_str());
        return label;
    };
    auto caption = [client, place](texts::Text words, double points, int left, int top) {
        return place(new AutoSizeLabel(client), words, points, left, top);
    };
    auto result = [client, place](texts::Text words, double points, int left, int top) {
        auto* label = new ResultLabel(client);
        place(label, words, points, left, top);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    Shape[3] = band(-120, 3360);
    Shape[2] = band(0, 2520);
    Shape[4] = band(0, 4200);
    Label[4] = caption(layout.labels[4], 18, 360, 4320);
    Label[4]->setToolTip(layout.levelRange.c_str());
    Shape[1] = band(-120, 1680);
    Shape[0] = band(0, 840);
    for (int i = 0; i < 4; ++i)
        Label[i] = caption(layout.labels[i], 18, 360, 960 + 840 * i);
    BMRLabel = result(layout.buildDate, 21.75, 1425, 6120);
    DCNLabel = result(texts::kWebAddress, 21.75, 120, 6840);
    DPNlabel = result(layout.credit, 20.25, 420, 5520);

    auto box = [client](int index) {
        auto* edit = new InputBox(client);
        edit->setGeometry(twips(3360, 960 + 840 * index, 1335, 435));
        edit->setFont(arial(15.75));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(ventrimo::kBoxMaxLength[std::size_t(index)]);
        return edit;
    };
    text[4] = box(4);
    text[4]->setText(layout.level.c_str());
    text[4]->setToolTip(layout.levelRange.c_str());

    auto option = [client](texts::Text words, int left, int width) {
        auto* button = new OptionButton(words.c_str(), client);
        button->setGeometry(twips(left, 0, width, 735));
        button->setFont(arial(14.25));
        return button;
    };
    Option1 = option(layout.option1, 120, 2175);
    Option2 = option(layout.option2, 3240, 2055);
    setForeColor(Option2, QColor::fromRgb(themes::kOption2Text));
    Option2->setLayoutDirection(Qt::RightToLeft); // mark at the right edge, caption to its left

    text[0] = box(0);
    // One button for each level, side by side, captioned with the level's number.
    for (const ventrimo::LevelChoice& level : ventrimo::kLevels) {
        const int number = ventrimo::levelNumber(level.value);
        auto* button = new CommandButton(QString::number(number), client);
        button->setGeometry(twips(1080 * (number - 1), 4920, 1095, 375));
        button->setFont(msSansSerif(12));
        button->Tag = level.tag.c_str();
        button->setToolTip(level.layoutTip.c_str());
        Command1[std::size_t(level.value)] = button;
    }
    for (int i = 1; i <= 3; ++i)
        text[std::size_t(i)] = box(i);

    Option3 = option(layout.option3, 2160, 975);
    setBackColor(Option3, QColor::fromRgb(themes::kOption3Back));
    Option3->setChecked(true);
    Option3->hide();
    Option3->setEnabled(false); // nothing, not even assistive technology, selects it again

    // The options are the sexes: each button's id is its sex.
    sexes = new QButtonGroup(this);
    sexes->addButton(Option3, int(ventrimo::Sex::None));
    sexes->addButton(Option1, int(ventrimo::Sex::Male));
    sexes->addButton(Option2, int(ventrimo::Sex::Female));

    for (std::size_t i = 0; i < ventrimo::kBoxCount; ++i)
        Label[i]->setBuddy(text[i]); // a screen reader names each box by its caption

    // The options, the age, the level buttons, then the other boxes.
    QList<QWidget*> tabChain = {Option1, Option2, text[0]};
    tabChain.append(QList<QWidget*>(Command1.begin(), Command1.end()));
    tabChain.append(QList<QWidget*>(text.begin() + 1, text.end()));
    for (qsizetype i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);
    // Taken out of the chain only now: before, setTabOrder would leave the chain starting at
    // the last box rather than at Option1, where the focus goes first.
    Option3->setFocusPolicy(Qt::NoFocus);
}

// Each menu item carries the value of its row, in an exclusive group; the first row of each
// list is checked at start.
void Form1::createMenus() {
    const texts::MenuTexts& menus = texts::kMenus;
    auto fill = [this](QMenu* menu, QActionGroup* group, const auto& rows) {
        for (const auto& row : rows) {
            QAction* item = group->addAction(itemCaption(row).c_str());
            item->setCheckable(true);
            item->setChecked(&row == &rows.front());
            item->setData(int(row.value));
            menu->addAction(item);
        }
    };
    Formula = menuBar()->addMenu(menus.formulaAtStart.c_str());
    formulas = new QActionGroup(this);
    fill(Formula, formulas, ventrimo::kFormulas);
    Units = menuBar()->addMenu(menus.unitsAtStart.c_str());
    unitSystems = new QActionGroup(this);
    fill(Units, unitSystems, ventrimo::kUnitSystems);
    Mifflin = menuItem(formulas, int(ventrimo::Formula::MifflinStJeor));
    Herris = menuItem(formulas, int(ventrimo::Formula::HarrisBenedict));
    Katch = menuItem(formulas, int(ventrimo::Formula::KatchMcArdle));
    cmkg = menuItem(unitSystems, int(ventrimo::UnitSystem::Metric));
    InchPound = menuItem(unitSystems, int(ventrimo::UnitSystem::Imperial));
    ItaEng = menuBar()->addAction(menus.itaEng.c_str());
    WEB = menuBar()->addAction(menus.web.c_str());
    Disclaimer = menuBar()->addAction(menus.disclaimer.c_str());
}

QAction* Form1::menuItem(const QActionGroup* group, int value) const {
    for (QAction* item : group->actions())
        if (item->data().toInt() == value)
            return item;
    return nullptr;
}

void Form1::connectEvents() {
    for (std::size_t i = 0; i < text.size(); ++i)
        connect(text[i], &QLineEdit::textChanged, this, [this, i] { text_Change(int(i)); });
    for (std::size_t i = 0; i < Command1.size(); ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(int(i)); });
    // Whatever selects an option, mouse, keyboard or assistive technology, runs its handler once.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    for (ResultLabel* label : {BMRLabel, DCNLabel, DPNlabel})
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& position) { showResultMenu(label, position); });
    connect(Mifflin, &QAction::triggered, this, &Form1::Mifflin_Click);
    connect(Herris, &QAction::triggered, this, &Form1::Herris_Click);
    connect(Katch, &QAction::triggered, this, &Form1::Katch_Click);
    connect(cmkg, &QAction::triggered, this, &Form1::cmkg_Click);
    connect(InchPound, &QAction::triggered, this, &Form1::InchPound_Click);
    // Items of rows that have no handler of their own choose their value the same way.
    for (QAction* item : formulas->actions())
        if (item != Mifflin && item != Herris && item != Katch)
            connect(item, &QAction::triggered, this,
                    [this, item] { chooseFormula(ventrimo::Formula(item->data().toInt())); });
    for (QAction* item : unitSystems->actions())
        if (item != cmkg && item != InchPound)
            connect(item, &QAction::triggered, this,
                    [this, item] { chooseUnits(ventrimo::UnitSystem(item->data().toInt())); });
    connect(ItaEng, &QAction::triggered, this, &Form1::ItaEng_Click);
    connect(WEB, &QAction::triggered, this, &Form1::WEB_Click);
    connect(Disclaimer, &QAction::triggered, this, &Form1::Disclaimer_Click);
    connectWorking();
}
