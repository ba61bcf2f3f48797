#include "settings/StammdatenPage.h"

#include "app/AppWindow.h"
#include "app/Colours.h"
#include "app/ProgressBarProgress.h"
#include "data/ShortDate.h"
#include "settings/DataBackup.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
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

QLineEdit *edit(const char *name)
{
    auto *e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    return e;
}

// Folders chosen in the dialog end with a separator, as stored folders do.
QString asFolder(const QString &chosen) { return chosen.endsWith(QLatin1Char('/')) ? chosen : chosen + QLatin1Char('/'); }

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
    page->place(shape("Shape8"), {616, 238, 388, 370});

    auto *heading = new QLabel(QStringLiteral("Stammdaten verwalten"));
    QFont hf = heading->font();
    hf.setPixelSize(24);
    hf.setBold(true);
    hf.setItalic(true);
    heading->setFont(hf);
    page->place(heading, {20, 14, 500, 32});

    page->place(groupCaption(QStringLiteral("Verzeichnisse:")), {20, 66, 300, 20});
    page->place(new QLabel(QStringLiteral("Dateipfad für das Speichern meiner Pflanzenfotos: ")), {20, 92, 400, 20});
    Edit36 = edit("Edit36");
    page->place(Edit36, {20, 114, 460, 24});
    BitBtn17 = button("BitBtn17", QStringLiteral("Pfad suchen"));
    page->place(BitBtn17, {488, 114, 110, 26});
    page->place(new QLabel(QStringLiteral("Dateipfad für das Laden von Pflanzenfotos: ")), {20, 144, 400, 20});
    Edit18 = edit("Edit18");
    Edit18->setReadOnly(true);
    page->place(Edit18, {20, 166, 460, 24});
    BitBtn18 = button("BitBtn18", QStringLiteral("Pfad suchen"));
    page->place(BitBtn18, {488, 166, 110, 26});
    page->place(new QLabel(QStringLiteral("Hinweis: Die Foto müssen das Format *.bmp oder *.jpg haben.")),
                {20, 200, 500, 20});

    page->place(groupCaption(QStringLiteral("Eigene Angaben:")), {20, 244, 300, 20});
    Edit38 = edit("Edit38");
    Edit42 = edit("Edit42");
    Edit39 = edit("Edit39");
    Edit40 = edit("Edit40");
    Edit41 = edit("Edit41");
    Edit43 = edit("Edit43");
    Edit44 = edit("Edit44");
    const struct {
        const char *caption;
        QLineEdit *field;
        QRect place;
    } own[] = {{"Nachname:", Edit38, {130, 268, 300, 24}}, {"Vorname:", Edit42, {130, 298, 300, 24}},
               {"Straße:", Edit39, {130, 328, 300, 24}},   {"PLZ / Ort", Edit40, {130, 358, 70, 24}},
               {"Telefon:", Edit43, {130, 388, 300, 24}},  {"E-Mail:", Edit44, {130, 418, 300, 24}}};
    for (const auto &o : own) {
        page->place(new QLabel(QString::fromUtf8(o.caption)), {20, o.place.top() + 2, 108, 20});
        page->place(o.field, o.place);
    }
    page->place(Edit41, {206, 358, 224, 24});
    page->place(new QLabel(QStringLiteral("Sollen Name und Adresse auf den Ausdrucken zu sehen sein?")),
                {20, 450, 420, 20});
    CheckBox3 = new QCheckBox(QStringLiteral("Nein"));
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    page->place(CheckBox3, {440, 448, 70, 24});
    BitBtn21 = button("BitBtn21", QStringLiteral("Speichern"));
    page->place(BitBtn21, {488, 472, 110, 28});

    page->place(groupCaption(QStringLiteral("Bildbearbeitungsprogramm")), {20, 522, 300, 20});
    page->place(new QLabel(QStringLiteral("Hier können Sie Ihr favorisiertes Bildbearbeiungsprogamm speichern")),
                {20, 546, 560, 20});
    Edit19 = edit("Edit19");
    page->place(Edit19, {20, 570, 460, 24});
    BitBtn9 = button("BitBtn9", QStringLiteral("Programm suchen"));
    page->place(BitBtn9, {488, 570, 110, 26});

    page->place(groupCaption(QStringLiteral("Farben:")), {628, 66, 300, 20});
    Shape4 = shape("Shape4");
    Shape2 = shape("Shape2");
    Shape3 = shape("Shape3");
    BitBtn35 = button("BitBtn35", QStringLiteral("Ändern"));
    BitBtn33 = button("BitBtn33", QStringLiteral("Ändern"));
    BitBtn32 = button("BitBtn32", QStringLiteral("Ändern"));
    const struct {
        const char *label;
        QFrame *sample;
        QPushButton *change;
        int top;
    } rows[] = {{"Hintergrund:", Shape4, BitBtn35, 94}, {"Registerkarte:", Shape2, BitBtn33, 130}, {"Flächen:", Shape3, BitBtn32, 166}};
    for (const auto &r : rows) {
        page->place(new QLabel(QString::fromUtf8(r.label)), {628, r.top + 4, 110, 20});
        page->place(r.sample, {740, r.top, 80, 28});
        page->place(r.change, {828, r.top, 80, 28});
    }
    BitBtn34 = button("BitBtn34", QStringLiteral("Zurück setzen (alle)"));
    page->place(BitBtn34, {828, 200, 168, 26});

    page->place(groupCaption(QStringLiteral("Datensicherung")), {628, 244, 300, 20});
    CheckBox4 = new QCheckBox(QStringLiteral("an Datensicherung erinnern alle "));
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    CheckBox4->setChecked(true);
    page->place(CheckBox4, {628, 270, 220, 24});
    SpinEdit2 = new QSpinBox;
    SpinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    SpinEdit2->setRange(1, 360);
    SpinEdit2->setValue(21);
    SpinEdit2->setToolTip(QStringLiteral("Jahr auswählen"));
    page->place(SpinEdit2, {850, 270, 60, 24});
    Label135 = new QLabel(QStringLiteral("Tage"));
    Label135->setObjectName(QStringLiteral("Label135"));
    page->place(Label135, {916, 272, 40, 20});
    CheckBox5 = new QCheckBox(QStringLiteral("Alle Fotos mit sichern (hoher Speicherbedarf)"));
    CheckBox5->setObjectName(QStringLiteral("CheckBox5"));
    page->place(CheckBox5, {628, 302, 360, 24});
    page->place(new QLabel(QStringLiteral("Ziel - Laufwerk und Ordner für die Datensicherung:")), {628, 334, 370, 20});
    Edit50 = edit("Edit50");
    Edit50->setToolTip(QStringLiteral("Wählen Sie ein Laufwerk (Extern, Stick usw.)"));
    page->place(Edit50, {628, 356, 250, 24});
    BitBtn16 = button("BitBtn16", QStringLiteral("Pfad suchen"));
    page->place(BitBtn16, {884, 356, 110, 26});
    page->place(new QLabel(QStringLiteral("Letzte Datensicherung am:")), {628, 392, 170, 20});
    Label138 = new QLabel(QStringLiteral("Datum"));
    Label138->setObjectName(QStringLiteral("Label138"));
    page->place(Label138, {800, 392, 150, 20});
    BitBtn37 = button("BitBtn37", QStringLiteral("Datensicherung durchführen"));
    page->place(BitBtn37, {628, 424, 366, 30});
    BitBtn38 = button("BitBtn38", QStringLiteral("Datensicherung zurückspielen"));
    BitBtn38->setToolTip(QStringLiteral("Eine frühere Datensicherung wieder herstellen"));
    page->place(BitBtn38, {628, 462, 366, 30});
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: #FF0000; }"));
    ProgressBar1->hide();
    page->place(ProgressBar1, {628, 500, 366, 18});

    for (const auto &[b, h] : std::initializer_list<std::pair<QPushButton *, void (StammdatenPage::*)()>>{
             {BitBtn17, &StammdatenPage::BitBtn17Click}, {BitBtn18, &StammdatenPage::BitBtn18Click},
             {BitBtn21, &StammdatenPage::BitBtn21Click}, {BitBtn35, &StammdatenPage::BitBtn35Click},
             {BitBtn33, &StammdatenPage::BitBtn33Click}, {BitBtn32, &StammdatenPage::BitBtn32Click},
             {BitBtn34, &StammdatenPage::BitBtn34Click}, {BitBtn9, &StammdatenPage::BitBtn9Click},
             {BitBtn16, &StammdatenPage::BitBtn16Click}, {BitBtn37, &StammdatenPage::BitBtn37Click},
             {BitBtn38, &StammdatenPage::BitBtn38Click}})
        connect(b, &QPushButton::clicked, this, handler(h));
    connect(CheckBox3, &QCheckBox::clicked, this, handler(&StammdatenPage::CheckBox3Click));
    connect(CheckBox4, &QCheckBox::clicked, this, handler(&StammdatenPage::CheckBox4Click));
    connect(CheckBox5, &QCheckBox::clicked, this, handler(&StammdatenPage::CheckBox5Click));
    connect(SpinEdit2, &QSpinBox::valueChanged, this, [this] {
        if (!m_filling)
            ctx.run([this] { SpinEdit2Change(); });
    });
}

void StammdatenPage::showPhotoDir() { Edit36->setText(ctx.state.PhotoDir); }

std::array<StammdatenPage::OwnField, 7> StammdatenPage::ownFields() const
{
    return {{{Edit38, "Nachname"}, {Edit42, "Vorname"}, {Edit39, "Straße"}, {Edit40, "PLZ"}, {Edit41, "Ort"},
             {Edit43, "Telefon"}, {Edit44, "EMail"}}};
}

void StammdatenPage::fillOwnFields()
{
    const Table &s = ctx.tables.Tab_Stammdaten;
    for (const OwnField &f : ownFields())
        f.edit->setText(s.text(QString::fromUtf8(f.column)));
}

void StammdatenPage::TabSheet5Show()
{
    Table &s = ctx.tables.Tab_Stammdaten;
    s.open();
    fillOwnFields();
    Edit18->setText(s.text(QStringLiteral("Fotopfad")));
    Edit19->setText(s.text(QStringLiteral("Fotobearbeitung")));
    const bool printed = s.text(QStringLiteral("DruckName")) == QLatin1String("Ja");
    CheckBox3->setChecked(printed);
    CheckBox3->setText(printed ? QStringLiteral("Ja") : QStringLiteral("Nein"));
    showBackupSettings();
}

void StammdatenPage::showBackupSettings()
{
    const Table &s = ctx.tables.Tab_Stammdaten;
    m_filling = true;
    // Never set: on, as the reminder on closing reads it too.
    const bool remind = s.text(QStringLiteral("Datensicherung")) != QLatin1String("n");
    CheckBox4->setChecked(remind);
    SpinEdit2->setEnabled(remind);
    Label135->setEnabled(remind);
    const int days = s.text(QStringLiteral("DatensicherungTage")).toInt();
    SpinEdit2->setValue(days > 0 ? days : 21);
    CheckBox5->setChecked(s.text(QStringLiteral("Fotossichern")) == QLatin1String("j"));
    Edit50->setText(s.text(QStringLiteral("Sicherungspfad")));
    Label138->setText(s.text(QStringLiteral("Letztesicherung")));
    m_filling = false;
}

void StammdatenPage::storeSetting(const QString &column, const QVariant &value)
{
    Table &s = ctx.tables.Tab_Stammdaten;
    s.open();
    s.edit();
    s.setValue(column, value);
    s.post();
}

void StammdatenPage::CheckBox3Click() { CheckBox3->setText(CheckBox3->isChecked() ? QStringLiteral("Ja") : QStringLiteral("Nein")); }

void StammdatenPage::BitBtn21Click()
{
    Table &s = ctx.tables.Tab_Stammdaten;
    s.open();
    if (!ctx.prompter.confirm(QStringLiteral("Persönliche Daten wirklich speichern?"))) {
        fillOwnFields();
        return;
    }
    s.edit();
    for (const OwnField &f : ownFields())
        s.setValue(QString::fromUtf8(f.column), f.edit->text());
    s.setValue(QStringLiteral("DruckName"), CheckBox3->isChecked() ? QStringLiteral("Ja") : QStringLiteral("Nein"));
    s.post();
    ctx.prompter.information(QStringLiteral("Daten wurden geändert"));
}

bool StammdatenPage::chooseFolder(QLineEdit *field, const QString &column, const QString &question, const QString &done)
{
    Table &s = ctx.tables.Tab_Stammdaten;
    s.open();
    const QString stored = s.text(column);
    if (const std::optional<QString> chosen = ctx.prompter.chooseFolder(QStringLiteral("Ordner auswählen"), stored))
        field->setText(asFolder(*chosen));
    if (field->text() == stored)
        return false;
    if (!ctx.prompter.confirm(question)) {
        field->setText(stored);
        return false;
    }
    storeSetting(column, field->text());
    ctx.prompter.information(done);
    return true;
}

void StammdatenPage::BitBtn17Click()
{
    if (chooseFolder(Edit36, QStringLiteral("Speicherpfad"),
                     QStringLiteral("Den Pfad für das Speichern der eigenen Fotos wirklich speichern?"),
                     QStringLiteral("Pfad wurden geändert")))
        ctx.state.PhotoDir = Edit36->text();
}

void StammdatenPage::BitBtn18Click()
{
    chooseFolder(Edit18, QStringLiteral("Fotopfad"), QStringLiteral("Den Pfad für das Laden der eigenen Fotos wirklich speichern?"),
                 QStringLiteral("Pfad wurden geändert"));
}

void StammdatenPage::BitBtn16Click()
{
    chooseFolder(Edit50, QStringLiteral("Sicherungspfad"), QStringLiteral("Den Pfad für die Datensicherung wirklich speichern?"),
                 QStringLiteral("Sicherungspfad wurden geändert"));
}

void StammdatenPage::BitBtn9Click()
{
    Table &s = ctx.tables.Tab_Stammdaten;
    s.open();
    if (const std::optional<QString> chosen =
            ctx.prompter.openFile(QStringLiteral("Programm auswählen"), QFileInfo(Edit19->text()).absolutePath(), QString()))
        Edit19->setText(*chosen);
    if (!ctx.prompter.confirm(QStringLiteral("Programm zur Fotobearbeitung \n\n") + Edit19->text()
                              + QStringLiteral("\n\nwirklich speichern?"))) {
        Edit19->setText(s.text(QStringLiteral("Fotobearbeitung")));
        return;
    }
    storeSetting(QStringLiteral("Fotobearbeitung"), Edit19->text());
}

void StammdatenPage::changeColour(const QString &column, bool background)
{
    const int current = ctx.tables.Tab_Stammdaten.text(column).toInt();
    const std::optional<QColor> chosen = ctx.prompter.colour(fromWinColour(current));
    if (!chosen)
        return;
    storeSetting(column, QString::number(toWinColour(*chosen)));
    showPagesAndRestart();
    if (background)
        for (const char *name : {"TAufListe", "TKalender", "TGattung", "TDruckauswahl", "TSortieren", "TListe", "TNr"})
            if (AppWindow *w = ctx.window(QLatin1String(name)))
                w->applyFormColor();
}

void StammdatenPage::BitBtn35Click() { changeColour(QStringLiteral("Formfarbe"), true); }
void StammdatenPage::BitBtn33Click() { changeColour(QStringLiteral("Tabsheetfarbe"), false); }
void StammdatenPage::BitBtn32Click() { changeColour(QStringLiteral("Groupboxfarbe"), false); }

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

void StammdatenPage::CheckBox4Click()
{
    const bool on = CheckBox4->isChecked();
    storeSetting(QStringLiteral("Datensicherung"), on ? QStringLiteral("j") : QStringLiteral("n"));
    SpinEdit2->setEnabled(on);
    Label135->setEnabled(on);
}

void StammdatenPage::CheckBox5Click()
{
    storeSetting(QStringLiteral("Fotossichern"), CheckBox5->isChecked() ? QStringLiteral("j") : QStringLiteral("n"));
}

void StammdatenPage::SpinEdit2Change() { storeSetting(QStringLiteral("DatensicherungTage"), SpinEdit2->value()); }

void StammdatenPage::BitBtn37Click()
{
    ProgressBar1->show();
    ProgressBarProgress progress(ProgressBar1);
    DataBackup(ctx).run(progress);
    ProgressBar1->hide();
    showBackupSettings();
}

void StammdatenPage::BitBtn38Click()
{
    const QString stored = ctx.tables.Tab_Stammdaten.text(QStringLiteral("Sicherungspfad"));
    const std::optional<QString> folder =
        ctx.prompter.chooseFolder(QStringLiteral("Datensicherung zum Zurückspielen auswählen"), stored);
    if (!folder)
        return;
    ProgressBar1->show();
    ProgressBarProgress progress(ProgressBar1);
    DataBackup(ctx).restore(*folder, progress);
    ProgressBar1->hide();
}

} // namespace vindel
