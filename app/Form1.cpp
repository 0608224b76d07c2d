// The window as it is created: every control, its place, font, colours and texts. Positions are
// laid out in twips, fifteen to a pixel at 96 dots per inch.
#include "Form1.h"

#include "calc/metabolic.h"
#include "options/web.h"

#include <QMenuBar>

namespace {

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

const QColor kDarkGrey(0x40, 0x40, 0x40);
const QColor kGrey(0x80, 0x80, 0x80);

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Ventrimo");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* client = new QWidget(this);
    client->setFixedSize(5400 / kTwipsPerPixel, 7590 / kTwipsPerPixel);
    setBackColor(client, kDarkGrey);
    setCentralWidget(client);

    createControls(client);
    createMenus();
    connectEvents();
    setFixedSize(sizeHint());

    Form_Load();
}

void Form1::createControls(QWidget* client) {
    // Created back to front: a later sibling is drawn over an earlier one.
    auto band = [client](int left, int top) {
        auto* shape = new Rectangle(client);
        shape->setGeometry(twips(left, top, 5775, 735));
        setBackColor(shape, kDarkGrey);
        return shape;
    };
    auto caption = [client](const QString& words, double points, int left, int top) {
        auto* label = new AutoSizeLabel(client);
        label->setFont(arial(points));
        label->move(twips(left, top, 0, 0).topLeft());
        label->setText(words);
        return label;
    };
    Shape[3] = band(-120, 3360);
    Shape[2] = band(0, 2520);
    Shape[4] = band(0, 4200);
    Label[4] = caption("Livello attività", 18, 360, 4320);
    Label[4]->setToolTip("1 - 5");
    Shape[1] = band(-120, 1680);
    Shape[0] = band(0, 840);
    Label[0] = caption("Età", 18, 360, 960);
    Label[1] = caption("Peso ", 18, 360, 1800);
    Label[2] = caption("Altezza ", 18, 360, 2640);
    Label[3] = caption("Grasso %", 18, 360, 3480);
    BMRLabel = caption("28/04/2012", 21.75, 1425, 6120);
    DCNLabel = caption(kWebAddress, 21.75, 120, 6840);
    setForeColor(DCNLabel, Qt::white);
    DPNlabel = caption("Brought 2 u by Quillan", 20.25, 420, 5520);
    for (AutoSizeLabel* result : {BMRLabel, DCNLabel, DPNlabel})
        result->setAlignment(Qt::AlignCenter);

    auto box = [client](int index, int top) {
        auto* edit = new QLineEdit(client);
        edit->setGeometry(twips(3360, top, 1335, 435));
        edit->setFont(arial(15.75));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(ventrimo::kBoxMaxLength[index]);
        setBackColor(edit, kGrey);
        return edit;
    };
    text[4] = box(4, 4320);
    text[4]->setText("1");
    text[4]->setToolTip("1 - 5");

    auto option = [client](const QString& words, int left, int width) {
        auto* button = new QRadioButton(words, client);
        button->setGeometry(twips(left, 0, width, 735));
        button->setFont(arial(14.25));
        return button;
    };
    Option1 = option("Lui", 120, 2175);
    setBackColor(Option1, kDarkGrey);
    Option2 = option("                 Lei", 3240, 2055);
    setBackColor(Option2, kDarkGrey);
    setForeColor(Option2, Qt::black);
    Option2->setLayoutDirection(Qt::RightToLeft); // mark at the right edge, caption to its left

    text[0] = box(0, 960);
    static const char* const shortTips[5] = {"Sedentario", "Poca attività", "Attività moderata",
                                             "Sportivo", "Sport agonistico "};
    for (int i = 0; i < 5; ++i) {
        auto* button = new CommandButton(QString::number(i + 1), client);
        button->setGeometry(twips(1080 * i, 4920, 1095, 375));
        button->setFont(msSansSerif(12));
        button->Tag = QString::fromUtf8(ventrimo::kActivityTags[i].data(),
                                        qsizetype(ventrimo::kActivityTags[i].size()));
        button->setToolTip(shortTips[i]);
        setBackColor(button, kGrey);
        Command1[i] = button;
    }
    text[1] = box(1, 1800);
    text[2] = box(2, 2640);
    text[3] = box(3, 3480);

    Option3 = option("Inv", 2160, 975);
    setBackColor(Option3, QColor(0x80, 0x40, 0x00));
    Option3->setChecked(true);
    Option3->hide();

    for (int i = 0; i < 5; ++i)
        Label[i]->setBuddy(text[i]); // a screen reader names each box by its caption

    QWidget* tabChain[] = {Option1,     Option2,     text[0], Command1[0], Command1[1], Command1[2],
                           Command1[3], Command1[4], text[1], text[2],     text[3],     text[4]};
    for (std::size_t i = 1; i < std::size(tabChain); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);
}

void Form1::createMenus() {
    auto checkable = [](QMenu* menu, const QString& caption, bool checked) {
        QAction* item = menu->addAction(caption);
        item->setCheckable(true);
        item->setChecked(checked);
        return item;
    };
    Formula = menuBar()->addMenu("Mifflin-St Jeor");
    Mifflin = checkable(Formula, "Mifflin-St Jeor ", true);
    Herris = checkable(Formula, "Herris-Benedict", false);
    Katch = checkable(Formula, "Katch-McArdle", false);
    Units = menuBar()->addMenu("Cm ; Kg");
    cmkg = checkable(Units, "Cm ; Kg", true);
    InchPound = checkable(Units, "Inches ; Pounds", false);
    ItaEng = menuBar()->addAction("Ita/Eng");
    WEB = menuBar()->addAction("WEB");
    Disclaimer = menuBar()->addAction("[ (!) ]");
}

void Form1::connectEvents() {
    for (int i = 0; i < 5; ++i) {
        connect(text[i], &QLineEdit::textChanged, this, [this, i] { text_Change(i); });
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Mifflin, &QAction::triggered, this, &Form1::Mifflin_Click);
    connect(Herris, &QAction::triggered, this, &Form1::Herris_Click);
    connect(Katch, &QAction::triggered, this, &Form1::Katch_Click);
    connect(cmkg, &QAction::triggered, this, &Form1::cmkg_Click);
    connect(InchPound, &QAction::triggered, this, &Form1::InchPound_Click);
    connect(ItaEng, &QAction::triggered, this, &Form1::ItaEng_Click);
    connect(WEB, &QAction::triggered, this, &Form1::WEB_Click);
    connect(Disclaimer, &QAction::triggered, this, &Form1::Disclaimer_Click);
}
