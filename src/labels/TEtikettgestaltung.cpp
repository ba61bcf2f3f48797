#include "labels/TEtikettgestaltung.h"

#include "app/Colours.h"
#include "app/DesignLayout.h"
#include "app/Make.h"
#include "labels/TRep_Etikettendruck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include <cmath>

namespace vindel {

namespace {

// Where the print fields stand in a strip (layout pixels from its top left corner).
constexpr QPoint kFieldPlace[LabelDesign::kFields] = {{8, 10},  {48, 10},  {46, 34}, {245, 34},
                                                      {46, 54}, {245, 55}, {46, 74}, {245, 75}};
const char *const kStartChoices[LabelDesign::kFields] = {"Pflanzen Nr.", "Name",     "Gattung",     "Art",
                                                         "Variante",     "Feldnummer", "Mundartlich", "Herkunft"};

QString lineColumn(int line, const char *what) { return QStringLiteral("Zeile%1%2").arg(line).arg(QLatin1String(what)); }

} // namespace

TEtikettgestaltung::TEtikettgestaltung(AppContext &context)
    : AppWindow(context, QStringLiteral("TEtikettgestaltung"), QStringLiteral("Etikettgestaltung"), {760, 560})
{
    setCloseBoxHandler([this] { BitBtn2Click(); });
    auto *layout = new DesignLayout(this, {760, 560});
    QLabel *heading = make::label("Label1", QStringLiteral("Etiketten Gestaltung"));
    QFont headingFont(QStringLiteral("Verdana"));
    headingFont.setPointSize(14);
    headingFont.setBold(true);
    headingFont.setItalic(true);
    heading->setFont(headingFont);
    layout->place(heading, {16, 8, 500, 30});

    QGroupBox *size = make::groupBox("GroupBox1", QStringLiteral("Etiketten Größe"));
    auto *sizeBox = new DesignLayout(size, {340, 190});
    sizeBox->place(new QLabel(QStringLiteral("Etikettbreite")), {10, 26, 90, 22});
    SpinEdit1 = new QSpinBox;
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(10, 25);
    SpinEdit1->setSingleStep(5);
    SpinEdit1->setValue(20);
    sizeBox->place(SpinEdit1, {100, 24, 60, 24});
    sizeBox->place(new QLabel(QStringLiteral("mm")), {166, 26, 30, 22});
    auto *note = new QLabel(QStringLiteral("Etikettenlänge ist immer durch die A4 Breite des Papiers  21 cm"));
    note->setWordWrap(true);
    sizeBox->place(note, {10, 54, 320, 36});
    sizeBox->place(new QLabel(QStringLiteral("Auf ein A4 Blatt passen:")), {10, 92, 320, 18});
    const QStringList counts{QStringLiteral("10 mm Etikett = 26 Stück"), QStringLiteral("15 mm Etikett = 17 Stück"),
                             QStringLiteral("20 mm Etikett = 13 Stück"), QStringLiteral("25 mm Etikett = 10 Stück")};
    for (int i = 0; i < counts.size(); ++i)
        sizeBox->place(new QLabel(counts[i]), {24, 112 + i * 18, 300, 18});
    layout->place(size, {16, 44, 340, 190});

    QGroupBox *contents = make::groupBox("GroupBox2", QStringLiteral("Inhalte der Druckfelder"));
    auto *fieldsBox = new DesignLayout(contents, {374, 190});
    auto *contentsNote = new QLabel(QStringLiteral("Wählen Sie \"leer\" wenn in das Feld nicht gedruckt werden soll!"));
    contentsNote->setWordWrap(true);
    fieldsBox->place(contentsNote, {10, 148, 354, 36});
    layout->place(contents, {370, 44, 374, 190});

    layout->place(new QLabel(QStringLiteral("Druckvorschau:")), {16, 242, 200, 20});
    // The preview strip at its printed size; its height follows the strip height.
    auto *previewArea = new QWidget;
    layout->place(previewArea, {16, 264, 718, LabelDesign::stripPixels(25)});
    Shape1 = new QFrame(previewArea);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: white; border: 1px solid gray; }"));
    Shape1->setGeometry(0, 0, 718, LabelDesign::stripPixels(20));

    // The eight fields are the same control four times over two columns: made in one loop.
    QFont lineFont(QStringLiteral("MS Sans Serif"));
    lineFont.setPointSize(10);
    lineFont.setBold(true);
    QFont markerFont = font();
    markerFont.setPointSize(6);
    for (int i = 0; i < LabelDesign::kFields; ++i) {
        const int row = i / 2, right = i % 2;
        const QString number = QStringLiteral("(%1)").arg(i + 1);
        Field &f = m_fields[size_t(i)];
        f.marker = new QLabel(number);
        f.marker->setObjectName(QStringLiteral("FieldMarker%1").arg(i + 1));
        fieldsBox->place(f.marker, {10 + right * 180, 24 + row * 30, 26, 22});
        f.box = make::comboBox(qPrintable(QStringLiteral("ComboBox%1").arg(i + 1)), LabelDesign::choiceTexts());
        f.box->setEditable(true);
        f.box->setInsertPolicy(QComboBox::NoInsert);
        f.box->setCurrentText(QLatin1String(kStartChoices[i]));
        fieldsBox->place(f.box, {36 + right * 180, 24 + row * 30, 146, 24});
        f.preview = make::label(qPrintable(QStringLiteral("Label%1").arg(16 + i)),
                                LabelDesign::previewText(i, f.box->currentText()));
        f.preview->setParent(Shape1);
        f.preview->setFont(lineFont);
        f.preview->move(kFieldPlace[i]);
        f.preview->resize(190, 18);
        f.previewMarker = new QLabel(number, Shape1);
        f.previewMarker->setObjectName(QStringLiteral("PreviewMarker%1").arg(i + 1));
        f.previewMarker->setFont(markerFont);
        f.previewMarker->move(kFieldPlace[i] + QPoint(-8, -9));
        connect(f.box, &QComboBox::currentTextChanged, this, [this, i] { ctx.run([this, i] { fieldChoiceChanged(i); }); });
    }

    QGroupBox *fonts = make::groupBox("GroupBox3", QStringLiteral("Schrift - Gestaltung"));
    auto *fontsBox = new DesignLayout(fonts, {340, 70});
    BitBtn3 = make::button("BitBtn3", QStringLiteral("Schrift 1. Zeile"));
    fontsBox->place(BitBtn3, {10, 26, 150, 30});
    BitBtn4 = make::button("BitBtn4", QStringLiteral("Schrift 2. - 4. Zeile"));
    fontsBox->place(BitBtn4, {170, 26, 160, 30});
    layout->place(fonts, {16, 376, 340, 70});

    QGroupBox *sheet = make::groupBox("GroupBox4", QStringLiteral("Etikettenbogen"));
    auto *sheetBox = new DesignLayout(sheet, {374, 70});
    sheetBox->place(new QLabel(QStringLiteral("Beginnen bei Etikett:")), {10, 28, 140, 22});
    SpinEdit2 = new QSpinBox;
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(1, 26);
    SpinEdit2->setToolTip(QStringLiteral("Auf einem angebrochenen Bogen: das erste freie Etikett"));
    sheetBox->place(SpinEdit2, {150, 26, 56, 24});
    CheckBox1 = make::checkBox("CheckBox1", QStringLiteral("QR-Code der Nummer"));
    sheetBox->place(CheckBox1, {216, 26, 154, 24});
    layout->place(sheet, {370, 376, 374, 70});

    BitBtn5 = make::button("BitBtn5", QStringLiteral("Etikettenentwurf speichern"));
    layout->place(BitBtn5, {16, 462, 200, 30});
    BitBtn7 = make::button("BitBtn7", QStringLiteral("Etikettenentwurf laden"));
    layout->place(BitBtn7, {226, 462, 180, 30});
    ComboBox9 = make::comboBox("ComboBox9");
    ComboBox9->hide();
    layout->place(ComboBox9, {226, 496, 180, 24});
    BitBtn6 = make::button("BitBtn6", QStringLiteral("Etikettenentwurf löschen"));
    layout->place(BitBtn6, {416, 462, 180, 30});
    ComboBox10 = make::comboBox("ComboBox10");
    ComboBox10->hide();
    layout->place(ComboBox10, {416, 496, 180, 24});
    BitBtn1 = make::button("BitBtn1", QStringLiteral("Drucken"));
    layout->place(BitBtn1, {606, 462, 138, 30});
    BitBtn2 = make::button("BitBtn2", QStringLiteral("Abbruch"));
    layout->place(BitBtn2, {606, 502, 138, 30});

    connect(SpinEdit1, &QSpinBox::valueChanged, this, handler(&TEtikettgestaltung::SpinEdit1Change));
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn3Click));
    connect(BitBtn4, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn4Click));
    connect(BitBtn5, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn5Click));
    connect(BitBtn6, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn6Click));
    connect(BitBtn7, &QPushButton::clicked, this, handler(&TEtikettgestaltung::BitBtn7Click));
    connect(ComboBox9, &QComboBox::activated, this, handler(&TEtikettgestaltung::ComboBox9Change));
    connect(ComboBox10, &QComboBox::activated, this, handler(&TEtikettgestaltung::ComboBox10Select));
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { FormKeyDown(Qt::Key_Escape); });
}

LabelDesign TEtikettgestaltung::design() const
{
    LabelDesign d;
    d.stripMm = SpinEdit1->value();
    for (int i = 0; i < LabelDesign::kFields; ++i) {
        const Field &f = m_fields[size_t(i)];
        d.choices[size_t(i)] = f.box->currentText();
        d.fonts[size_t(i)] = f.preview->font();
        d.colours[size_t(i)] = f.preview->palette().color(QPalette::WindowText);
    }
    d.qrCode = CheckBox1->isChecked();
    d.startStrip = SpinEdit2->value();
    return d;
}

void TEtikettgestaltung::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    ctx.run([this] { FormActivate(); });
}

void TEtikettgestaltung::FormActivate()
{
    applyFormColor();
    for (QGroupBox *box : findChildren<QGroupBox *>())
        setBackground(box, ctx.state.GroupBoxColor);
    SpinEdit1Change();
    for (int i = 1; i < LabelDesign::kFields; ++i)
        m_fields[size_t(i)].preview->setText(m_fields[size_t(i)].box->currentText());
}

// The fields a strip of this height has are shown, the others hidden (their choices kept); a
// height between the steps leaves them as they are.
void TEtikettgestaltung::SpinEdit1Change()
{
    const int mm = SpinEdit1->value();
    const int used = LabelDesign::fieldsInUse(mm);
    if (used > 0)
        for (int i = 0; i < LabelDesign::kFields; ++i) {
            const Field &f = m_fields[size_t(i)];
            for (QWidget *w : {static_cast<QWidget *>(f.box), static_cast<QWidget *>(f.marker),
                               static_cast<QWidget *>(f.preview), static_cast<QWidget *>(f.previewMarker)})
                w->setVisible(i < used);
        }
    Shape1->resize(Shape1->width(), LabelDesign::stripPixels(mm));
}

void TEtikettgestaltung::fieldChoiceChanged(int index)
{
    const Field &f = m_fields[size_t(index)];
    const QString choice = f.box->currentText();
    f.preview->setText(LabelDesign::previewText(index, choice));
    f.preview->setVisible(choice != LabelDesign::emptyChoice());
}

void TEtikettgestaltung::setLineFont(int line, const QFont &font, const QColor &colour)
{
    const int first = line == 1 ? 0 : 2, last = line == 1 ? 1 : LabelDesign::kFields - 1;
    for (int i = first; i <= last; ++i) {
        QLabel *label = m_fields[size_t(i)].preview;
        label->setFont(font);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, colour);
        label->setPalette(p);
    }
}

void TEtikettgestaltung::BitBtn3Click()
{
    QLabel *label = m_fields[0].preview;
    if (const std::optional<QFont> chosen = ctx.prompter.font(label->font()))
        setLineFont(1, *chosen, label->palette().color(QPalette::WindowText));
}

void TEtikettgestaltung::BitBtn4Click()
{
    QLabel *label = m_fields[2].preview;
    if (const std::optional<QFont> chosen = ctx.prompter.font(label->font()))
        setLineFont(2, *chosen, label->palette().color(QPalette::WindowText));
}

void TEtikettgestaltung::BitBtn5Click()
{
    const QString fallback = QStringLiteral("Mein Etikett xx");
    // Cancelling the name still saves the design, under the name offered.
    const QString name = ctx.prompter.inputText(QStringLiteral("Eingabedialog"), QStringLiteral("Name des Etiketts"), fallback)
                             .value_or(fallback);
    Table &designs = ctx.tables.Tab_Etikett;
    designs.open();
    designs.append();
    designs.setValue(QStringLiteral("EName"), name);
    designs.setValue(QStringLiteral("Breite"), SpinEdit1->value());
    for (int i = 0; i < LabelDesign::kFields; ++i)
        designs.setValue(QStringLiteral("Combobox%1").arg(i + 1), m_fields[size_t(i)].box->currentText());
    for (int line = 1; line <= 2; ++line) {
        const QLabel *label = m_fields[line == 1 ? 0 : 2].preview;
        const QFont f = label->font();
        const int points = f.pointSize() > 0 ? f.pointSize() : int(std::lround(f.pixelSize() * 72.0 / 96.0));
        designs.setValue(lineColumn(line, "Charset"), 1); // the default character set: Qt fonts hold Unicode
        designs.setValue(lineColumn(line, "Color"), toWinColour(label->palette().color(QPalette::WindowText)));
        designs.setValue(lineColumn(line, "Heigth"), -int(std::lround(points * 96.0 / 72.0)));
        designs.setValue(lineColumn(line, "Name"), f.family());
        designs.setValue(lineColumn(line, "Size"), points);
        // A flag only for exactly that style: underlined or struck out counts as none.
        const bool plain = !f.underline() && !f.strikeOut();
        designs.setValue(lineColumn(line, "StyleFett"), plain && f.bold() && !f.italic());
        designs.setValue(lineColumn(line, "StyleKursiv"), plain && !f.bold() && f.italic());
        designs.setValue(lineColumn(line, "StyleFettKursiv"), plain && f.bold() && f.italic());
    }
    designs.setValue(QStringLiteral("QRCode"), CheckBox1->isChecked());
    designs.post();
    ctx.prompter.information(QStringLiteral("Etikett wurde gespeichert"));
}

void TEtikettgestaltung::fillNames(QComboBox *list)
{
    Table &designs = ctx.tables.Tab_Etikett;
    designs.open();
    list->clear();
    const int column = designs.columnIndex(QStringLiteral("EName"));
    for (int row = 0; row < designs.recordCount(); ++row)
        list->addItem(designs.valueAt(row, column).toString());
    list->setCurrentIndex(list->count() > 0 ? 0 : -1);
}

void TEtikettgestaltung::BitBtn7Click()
{
    fillNames(ComboBox9);
    ComboBox9->show();
}

void TEtikettgestaltung::ComboBox9Change()
{
    Table &designs = ctx.tables.Tab_Etikett;
    designs.open();
    if (!designs.locate(QStringLiteral("EName"), ComboBox9->currentText(), LocateOption::None))
        return;
    const int mm = int(designs.integer(QStringLiteral("Breite")));
    SpinEdit1->setValue(mm);
    SpinEdit1Change();
    for (int i = 0; i < LabelDesign::kFields; ++i) {
        const QString choice = designs.text(QStringLiteral("Combobox%1").arg(i + 1));
        m_fields[size_t(i)].box->setCurrentText(choice);
        m_fields[size_t(i)].preview->setText(LabelDesign::previewText(i, choice));
    }
    for (int line = 1; line <= 2; ++line) {
        QFont f(designs.text(lineColumn(line, "Name")));
        const int points = int(designs.integer(lineColumn(line, "Size")));
        if (points > 0)
            f.setPointSize(points);
        const bool bold = designs.yesNo(lineColumn(line, "StyleFett")) || designs.yesNo(lineColumn(line, "StyleFettKursiv"));
        const bool italic =
            designs.yesNo(lineColumn(line, "StyleKursiv")) || designs.yesNo(lineColumn(line, "StyleFettKursiv"));
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(false);
        f.setStrikeOut(false);
        setLineFont(line, f, fromWinColour(int(designs.integer(lineColumn(line, "Color")))));
    }
    CheckBox1->setChecked(designs.yesNo(QStringLiteral("QRCode")));
    ComboBox9->hide();
}

void TEtikettgestaltung::BitBtn6Click()
{
    fillNames(ComboBox10);
    ComboBox10->show();
}

void TEtikettgestaltung::ComboBox10Select()
{
    Table &designs = ctx.tables.Tab_Etikett;
    designs.open();
    const QString name = ComboBox10->currentText();
    if (designs.locate(QStringLiteral("EName"), name, LocateOption::None)
        && ctx.prompter.confirm(QStringLiteral("Etiketten Gestaltung von \"") + name + QStringLiteral("\" wirklich löschen?")))
        designs.remove();
    fillNames(ComboBox10);
    ComboBox10->hide();
}

void TEtikettgestaltung::FormKeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return;
    ComboBox9->hide();
    ComboBox10->hide();
}

void TEtikettgestaltung::BitBtn1Click()
{
    Table &entries = ctx.tables.Tab_Listeninhalt;
    entries.open();
    if (entries.recordCount() == 0) {
        ctx.prompter.information(
            QStringLiteral("  Liste ist leer. Leere Liste kann nicht zum Etikettendruck verwendet werden. "));
        return;
    }
    if (auto *labels = ctx.window<TRep_Etikettendruck>())
        labels->preview();
}

void TEtikettgestaltung::BitBtn2Click() { closeAndReturn(); }

} // namespace vindel
