#include "catalogue/HauptansichtPage.h"

#include "app/DataGrid.h"
#include "app/ScrollGuard.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vindel {

const ThumbnailLayout::Thumbnails HauptansichtPage::kThumbnailDesign{{
    {24, 387, 145, 97},
    {207, 387, 145, 97},
    {387, 387, 145, 97},
    {24, 502, 145, 97},
    {206, 502, 145, 97},
    {386, 502, 145, 97},
}};

const QRect HauptansichtPage::kPlantBoxDesign{468, 6, 538, 676};

namespace {

QGroupBox *groupBox(const char *name, const QString &title)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QLatin1String(name));
    return box;
}

QLabel *label(const char *name, const QString &text = {})
{
    auto *l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    return l;
}

QComboBox *comboBox(const char *name, const QStringList &items = {})
{
    auto *c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->addItems(items);
    return c;
}

} // namespace

HauptansichtPage::HauptansichtPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet1"), QStringLiteral("Hauptansicht          "))
{
    DataTables &t = ctx.tables;
    DesignLayout *page = design();

    GroupBox1 = groupBox("GroupBox1", QStringLiteral("Kategorien"));
    page->place(GroupBox1, {6, 6, 225, 250});
    auto *box1 = new DesignLayout(GroupBox1, {225, 250});
    DBGrid2 = new DataGrid(QStringLiteral("DBGrid2"));
    DBGrid2->bind(t.Tab_Kate_test, {{QStringLiteral("Namen"), {}, 197}}, false);
    DBGrid2->setToolTip(QStringLiteral("Klicken für Kategorieauswahl!"));
    box1->place(DBGrid2, {8, 20, 209, 200});
    Label6 = label("Label6");
    box1->place(Label6, {8, 224, 209, 20});

    GroupBox2 = groupBox("GroupBox2", QStringLiteral("Gattung"));
    page->place(GroupBox2, {237, 6, 225, 250});
    auto *box2 = new DesignLayout(GroupBox2, {225, 250});
    DBGrid4 = new DataGrid(QStringLiteral("DBGrid4"));
    DBGrid4->bind(t.Tab_Gattung, {{QStringLiteral("Familie"), {}, 197}}, false);
    DBGrid4->setToolTip(QStringLiteral("Klicken für Gattungsauswahl!  Oder Anfangsbuchstaben eingeben!"));
    box2->place(DBGrid4, {8, 20, 209, 200});
    Label75 = label("Label75");
    box2->place(Label75, {8, 224, 209, 20});

    GroupBox5 = groupBox("GroupBox5", QStringLiteral("Suche nach:"));
    page->place(GroupBox5, {6, 262, 456, 58});
    auto *box5 = new DesignLayout(GroupBox5, {456, 58});
    ComboBox5 = comboBox("ComboBox5",
                         {QStringLiteral("Namen"), QStringLiteral("Gattung"), QStringLiteral("Art"),
                          QStringLiteral("Variante"), QStringLiteral("Vorkommen"), QStringLiteral("Herkunft"),
                          QStringLiteral("Nr."), QStringLiteral("Mundart"), QStringLiteral("Nummeriert"),
                          QStringLiteral("Beschriftet"), QStringLiteral("Bestand"), QStringLiteral("Bemerkung"),
                          QStringLiteral("Standort Sommer"), QStringLiteral("Standort Winter")});
    box5->place(ComboBox5, {8, 24, 136, 24});
    Edit33 = new QLineEdit;
    Edit33->setObjectName(QStringLiteral("Edit33"));
    Edit33->setToolTip(
        QStringLiteral("Anfangsbuchstaben für die Suche eingeben! Mit * beginnend suche nach Teil des Wortes!"));
    box5->place(Edit33, {150, 24, 150, 24});
    ComboBox6 = comboBox("ComboBox6", {QStringLiteral("Ja"), QStringLiteral("Nein")});
    ComboBox6->hide();
    box5->place(ComboBox6, {150, 24, 150, 24});
    box5->place(label("Label8", QStringLiteral("Sortieren:")), {308, 27, 60, 20});
    ComboBox8 = comboBox("ComboBox8", {QStringLiteral("A - Z"), QStringLiteral("nach Nummern"), QString()});
    box5->place(ComboBox8, {366, 24, 82, 24});

    GroupBox3 = groupBox("GroupBox3", QStringLiteral("Pflanzenliste"));
    page->place(GroupBox3, {6, 326, 456, 320});
    auto *box3 = new DesignLayout(GroupBox3, {456, 320});
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"));
    DBGrid1->bind(t.Tab_Pflanzen_test,
                  {{QStringLiteral("Nr"), QStringLiteral("Nr."), 40, Qt::AlignCenter},
                   {QStringLiteral("Namen"), QStringLiteral("Name"), 324},
                   {QStringLiteral("Mundart"), {}, 128}});
    DBGrid1->setToolTip(QStringLiteral("Rechte Maustaste für Listeneintrag!"));
    box3->place(DBGrid1, {8, 20, 440, 270});
    Label16 = label("Label16");
    box3->place(Label16, {8, 294, 300, 20});

    BitBtn20 = new QPushButton(QStringLiteral("Druckansicht"));
    BitBtn20->setObjectName(QStringLiteral("BitBtn20"));
    page->place(BitBtn20, {6, 652, 130, 30});

    GroupBox4 = groupBox("GroupBox4", QStringLiteral("Pflanze"));
    page->place(GroupBox4, kPlantBoxDesign, AnchorAll);
    auto *box4 = new DesignLayout(GroupBox4, kPlantBoxDesign.size());
    ComboBox2 = comboBox("ComboBox2");
    ComboBox2->hide();
    box4->place(ComboBox2, {110, 56, 200, 24});
    CheckBox1 = new QCheckBox(QStringLiteral("Nummeriert:"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setLayoutDirection(Qt::RightToLeft);
    box4->place(CheckBox1, {24, 620, 110, 22});
    CheckBox2 = new QCheckBox(QStringLiteral("Beschriftet:"));
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setLayoutDirection(Qt::RightToLeft);
    box4->place(CheckBox2, {150, 620, 110, 22});
    box4->place(label("Label76", QStringLiteral("Bild für Listendruck:")), {280, 621, 130, 20});
    ComboBox7 = comboBox("ComboBox7",
                         {QStringLiteral("Bild1"), QStringLiteral("Bild2"), QStringLiteral("Bild3"),
                          QStringLiteral("Bild4"), QStringLiteral("Bild5"), QStringLiteral("Bild6")});
    ComboBox7->setEnabled(false);
    box4->place(ComboBox7, {412, 618, 100, 24});

    // The thumbnails are placed by the main window's layout rule, not by the box's layout.
    static const char *const kImageNames[6] = {"Image1", "Image2", "Image4", "Image6", "Image7", "Image8"};
    for (size_t i = 0; i < m_thumbnails.size(); ++i) {
        QLabel *image = label(kImageNames[i]);
        image->setParent(GroupBox4);
        image->setFrameShape(QFrame::Box);
        image->setAlignment(Qt::AlignCenter);
        image->setGeometry(kThumbnailDesign[i]);
        m_thumbnails[i] = image;
    }

    MonthCalendar3 = new QCalendarWidget;
    MonthCalendar3->setObjectName(QStringLiteral("MonthCalendar3"));
    MonthCalendar3->setToolTip(QStringLiteral("Doppelklick für Auswahl - Abbrechen mit 'ESC' !!"));
    MonthCalendar3->hide();
    box4->place(MonthCalendar3, {160, 120, 260, 190});
}

void HauptansichtPage::Pflanzezeigen()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    s.CurrentPlantNr = int(plants.integer(QStringLiteral("Nr")));
    s.CurrentPlantNrText = QString::number(s.CurrentPlantNr);
    s.FilterValue = s.CurrentPlantNrText;

    s.FilterText = QStringLiteral("(PflanzenID = '") + s.FilterValue + QStringLiteral("')");
    Table &diary = t.Tab_Historie;
    diary.open();
    diary.setFilter(s.FilterText);
    diary.setFiltered(true);
    if (ctx.frame)
        ctx.frame->setPageCaption(QStringLiteral("TabSheet3"), QStringLiteral("Tagbuch ( ")
                                                                   + QString::number(diary.recordCount())
                                                                   + QStringLiteral(" )   "));
    diary.setFiltered(false);

    s.CurrentPlantId = int(plants.integer(QStringLiteral("ID")));
}

void HauptansichtPage::TabSheet1Show()
{
    DataTables &t = ctx.tables;
    {
        ScrollGuard guard{&t.Tab_Kate_test, &t.Tab_Gattung, &t.Tab_Pflanzen_test};
        t.Tab_Kate_test.open();
        t.Tab_Gattung.open();
        t.Tab_Pflanzen_test.open();
        t.Tab_Kate_test.locate(QStringLiteral("ID"), ctx.state.CurrentCategoryId);
        t.Tab_Gattung.locate(QStringLiteral("ID"), ctx.state.CurrentGenusId);
        t.Tab_Pflanzen_test.locate(QStringLiteral("ID"), ctx.state.CurrentPlantId);
    }
    Label16->setText(QString::number(t.Tab_Pflanzen_test.recordCount()) + QStringLiteral(" Einträge gefunden!"));
}

void HauptansichtPage::TabSheet1Exit()
{
    DataTables &t = ctx.tables;
    if (t.Tab_Kate_test.active())
        ctx.state.CurrentCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    if (t.Tab_Gattung.active())
        ctx.state.CurrentGenusId = int(t.Tab_Gattung.integer(QStringLiteral("ID")));
    if (t.Tab_Pflanzen_test.active())
        ctx.state.CurrentPlantId = int(t.Tab_Pflanzen_test.integer(QStringLiteral("ID")));
}

} // namespace vindel
