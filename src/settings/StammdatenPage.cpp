#include "settings/StammdatenPage.h"

#include "app/Colours.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vindel {

namespace {

// A coloured surface behind a group of the page, or a colour sample.
QFrame *shape(const char *name)
{
    auto *f = new QFrame;
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::Box);
    return f;
}

QLabel *groupCaption(const QString &text)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton *button(const char *name, const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

StammdatenPage::StammdatenPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet5"), QStringLiteral("Stammdaten            "))
{
    DesignLayout *page = design();
    // Surfaces first, so that the controls lie on them.
    page->place(shape("Shape15"), {8, 8, 996, 44});
    page->place(shape("Shape1"), {8, 60, 600, 170});
    page->place(shape("Shape5"), {8, 238, 600, 270});
    page->place(shape("Shape7"), {8, 516, 600, 90});
    page->place(shape("Shape6"), {616, 60, 388, 170});
    page->place(shape("Shape8"), {616, 238, 388, 270});

    auto *heading = new QLabel(QStringLiteral("Stammdaten verwalten"));
    QFont hf = heading->font();
    hf.setPixelSize(24);
    hf.setBold(true);
    hf.setItalic(true);
    heading->setFont(hf);
    page->place(heading, {20, 14, 500, 32});

    page->place(groupCaption(QStringLiteral("Verzeichnisse:")), {20, 66, 300, 20});
    page->place(new QLabel(QStringLiteral("Dateipfad für das Speichern meiner Pflanzenfotos: ")), {20, 92, 400, 20});
    Edit36 = new QLineEdit;
    Edit36->setObjectName(QStringLiteral("Edit36"));
    page->place(Edit36, {20, 114, 460, 24});
    page->place(button("BitBtn17", QStringLiteral("Pfad suchen")), {488, 114, 110, 26});
    page->place(new QLabel(QStringLiteral("Dateipfad für das Laden von Pflanzenfotos: ")), {20, 144, 400, 20});
    auto *edit18 = new QLineEdit;
    edit18->setObjectName(QStringLiteral("Edit18"));
    edit18->setReadOnly(true);
    page->place(edit18, {20, 166, 460, 24});
    page->place(button("BitBtn18", QStringLiteral("Pfad suchen")), {488, 166, 110, 26});
    page->place(new QLabel(QStringLiteral("Hinweis: Die Foto müssen das Format *.bmp oder *.jpg haben.")),
                {20, 200, 500, 20});

    page->place(groupCaption(QStringLiteral("Eigene Angaben:")), {20, 244, 300, 20});
    page->place(new QLabel(QStringLiteral("Sollen Name und Adresse auf den Ausdrucken zu sehen sein?")),
                {20, 446, 420, 20});
    CheckBox3 = new QCheckBox(QStringLiteral("Nein"));
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    page->place(CheckBox3, {450, 444, 80, 24});

    page->place(groupCaption(QStringLiteral("Bildbearbeitungsprogramm")), {20, 522, 300, 20});
    page->place(new QLabel(QStringLiteral("Hier können Sie Ihr favorisiertes Bildbearbeiungsprogamm speichern")),
                {20, 546, 560, 20});

    page->place(groupCaption(QStringLiteral("Farben:")), {628, 66, 300, 20});
    const struct {
        const char *label, *sample, *change;
        int top;
    } rows[] = {{"Hintergrund:", "Shape4", "BitBtn35", 94},
                {"Registerkarte:", "Shape2", "BitBtn33", 130},
                {"Flächen:", "Shape3", "BitBtn32", 166}};
    for (const auto &r : rows) {
        page->place(new QLabel(QString::fromUtf8(r.label)), {628, r.top + 4, 110, 20});
        page->place(shape(r.sample), {740, r.top, 80, 28});
        page->place(button(r.change, QStringLiteral("Ändern")), {828, r.top, 80, 28});
    }
    BitBtn34 = button("BitBtn34", QStringLiteral("Zurück setzen (alle)"));
    page->place(BitBtn34, {828, 200, 168, 26});
    connect(BitBtn34, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn34Click(); }); });

    page->place(groupCaption(QStringLiteral("Datensicherung")), {628, 244, 300, 20});
    page->place(new QLabel(QStringLiteral("Letzte Datensicherung:")), {628, 272, 150, 20});
    Label138 = new QLabel(QStringLiteral("Datum"));
    Label138->setObjectName(QStringLiteral("Label138"));
    page->place(Label138, {780, 272, 150, 20});
    Edit50 = new QLineEdit;
    Edit50->setObjectName(QStringLiteral("Edit50"));
    page->place(Edit50, {628, 300, 280, 24});
    CheckBox4 = new QCheckBox(QStringLiteral("an Datensicherung erinnern alle "));
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    CheckBox4->setChecked(true);
    page->place(CheckBox4, {628, 336, 220, 24});
    SpinEdit2 = new QSpinBox;
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(1, 360);
    SpinEdit2->setValue(21);
    SpinEdit2->setToolTip(QStringLiteral("Jahr auswählen"));
    page->place(SpinEdit2, {850, 336, 60, 24});
    auto *days = new QLabel(QStringLiteral("Tage"));
    days->setObjectName(QStringLiteral("Label135"));
    page->place(days, {916, 338, 40, 20});
    CheckBox5 = new QCheckBox(QStringLiteral("Alle Fotos mit sichern (hoher Speicherbedarf)"));
    CheckBox5->setObjectName(QStringLiteral("CheckBox5"));
    page->place(CheckBox5, {628, 370, 360, 24});
}

void StammdatenPage::showPhotoDir() { Edit36->setText(ctx.state.PhotoDir); }

void StammdatenPage::BitBtn34Click()
{
    DataTables &t = ctx.tables;
    if (t.ADOQuery_Stammdaten.tag == 1)
        t.ADOQuery_Stammdaten.tag = 0;
    if (ctx.frame)
        ctx.frame->paintPageControl(kDefaultGroupBoxColor);
    Table &s = t.Tab_Stammdaten;
    s.open();
    s.edit();
    s.setValue(QStringLiteral("Formfarbe"), QString::number(kDefaultFormColor));
    s.setValue(QStringLiteral("Tabsheetfarbe"), QString::number(kDefaultTabSheetColor));
    s.setValue(QStringLiteral("Groupboxfarbe"), QString::number(kDefaultGroupBoxColor));
    s.post();
    showPagesAndRestart();
}

void StammdatenPage::showPagesAndRestart()
{
    if (!ctx.frame)
        return;
    for (const char *page : {"TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5", "TabSheet6", "TabSheet7"})
        ctx.frame->activatePage(QLatin1String(page));
    ctx.frame->FormCreate();
}

} // namespace vindel
