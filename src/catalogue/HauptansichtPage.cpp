#include "catalogue/HauptansichtPage.h"

#include "app/AppWindow.h"
#include "app/CountText.h"
#include "app/DataGrid.h"
#include "app/Make.h"
#include "app/ScrollGuard.h"
#include "app/Tag.h"
#include "catalogue/CatalogueGridInput.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/PlantBoxPhotos.h"
#include "catalogue/PlantEditing.h"
#include "catalogue/SuggestionLists.h"
#include "data/ShortDate.h"
#include "photos/PhotoCommands.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoView.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

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

const QString kAll = QStringLiteral(" Alle");

// Rows of caption and field in the plant box: two columns, a few fields span the box.
constexpr int kRow0 = 24, kRowStep = 30, kHeight = 24;
constexpr int kLeftCaption = 10, kLeftField = 110, kRightCaption = 270, kRightField = 370, kRight = 524;

QLineEdit *readOnlyField(const char *name)
{
    QLineEdit *e = make::lineEdit(name);
    e->setReadOnly(true);
    return e;
}

// Letters keep a type-ahead search going; anything else starts it again.
bool isTypeAheadLetter(QChar c)
{
    if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
        return true;
    return QStringLiteral("ÄÖÜäöüß").contains(c);
}

// A clause "(column op 'value')" of the catalogue's filters.
QString clause(const QString &column, const QString &op, const QString &value)
{
    return QStringLiteral("(") + column + op + filterQuoted(value) + QStringLiteral(")");
}

} // namespace

HauptansichtPage::HauptansichtPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet1"), QStringLiteral("Hauptansicht          "))
{
    buildBrowser();
    buildPlantBox();
    m_photos = new PlantBoxPhotos(ctx, m_thumbnails, this);
    m_input = new CatalogueGridInput(ctx, *this, *m_photos);
    connectChain();
    m_editing = new PlantEditing(ctx, this); // the editing mode, deleting and duplicating
    connect(&ctx.events, &ContextEvents::categoriesChanged, this, [this] { ctx.run([this] { fillCategoryList(); }); });
    connect(&ctx.events, &ContextEvents::generaChanged, this, [this] { ctx.run([this] { showGenusCount(); }); });
}

HauptansichtPage::~HauptansichtPage() = default;

QWidget *HauptansichtPage::thumbnail(int index) const { return m_thumbnails[size_t(index)]; }

PlantPhotoSlots &HauptansichtPage::photoSlots() const { return m_photos->currentPlant(); }

ThumbnailLoader &HauptansichtPage::thumbnailLoader() const { return photoServices(ctx).loader(); }

bool HauptansichtPage::photosWaiting() const { return m_photos->waiting(); }

void HauptansichtPage::buildBrowser()
{
    DataTables &t = ctx.tables;
    DesignLayout *page = design();

    // The category and the genus box: a grid, its count label and the buttons + - ? below.
    auto pickerBox = [page](QGroupBox *box, const QRect &rect, DataGrid *grid, QLabel *count,
                            std::initializer_list<QPushButton *> buttons) {
        page->place(box, rect);
        auto *layout = new DesignLayout(box, rect.size());
        layout->place(grid, {8, 20, 209, 172});
        layout->place(count, {8, 194, 209, 22});
        int x = 8;
        for (QPushButton *b : buttons) {
            layout->place(b, {x, 218, 32, 24});
            x += 36;
        }
    };

    GroupBox1 = make::groupBox("GroupBox1", QStringLiteral("Kategorien"));
    DBGrid2 = new DataGrid(QStringLiteral("DBGrid2"));
    DBGrid2->bind(t.Tab_Kate_test, {{QStringLiteral("Namen"), {}, 197}}, false);
    DBGrid2->setToolTip(QStringLiteral("Klicken für Kategorieauswahl!"));
    Label6 = make::label("Label6");
    BitBtn41 = make::button("BitBtn41", QStringLiteral("+"), QStringLiteral("Neue Kategorie anlegen!"));
    BitBtn40 = make::button("BitBtn40", QStringLiteral("-"), QStringLiteral("Kategorie Löschen?"));
    BitBtn42 = make::button("BitBtn42", QStringLiteral("?"), QStringLiteral("Kategorie ändern!"));
    pickerBox(GroupBox1, {6, 6, 225, 250}, DBGrid2, Label6, {BitBtn41, BitBtn40, BitBtn42});

    GroupBox2 = make::groupBox("GroupBox2", QStringLiteral("Gattung"));
    DBGrid4 = new DataGrid(QStringLiteral("DBGrid4"));
    DBGrid4->bind(t.Tab_Gattung, {{QStringLiteral("Familie"), {}, 197}}, false);
    DBGrid4->setToolTip(QStringLiteral("Klicken für Gattungsauswahl!  Oder Anfangsbuchstaben eingeben!"));
    Label75 = make::label("Label75");
    BitBtn29 = make::button("BitBtn29", QStringLiteral("+"), QStringLiteral("Neue Gattung anlegen!"));
    BitBtn30 = make::button("BitBtn30", QStringLiteral("-"), QStringLiteral("Gattung Löschen?"));
    BitBtn7 = make::button("BitBtn7", QStringLiteral("?"), QStringLiteral("Gattung ändern!"));
    pickerBox(GroupBox2, {237, 6, 225, 250}, DBGrid4, Label75, {BitBtn29, BitBtn30, BitBtn7});

    GroupBox5 = make::groupBox("GroupBox5", QStringLiteral("Suche nach:"));
    page->place(GroupBox5, {6, 262, 456, 58});
    auto *box5 = new DesignLayout(GroupBox5, {456, 58});
    ComboBox5 = make::comboBox("ComboBox5",
                         {QStringLiteral("Namen"), QStringLiteral("Gattung"), QStringLiteral("Art"),
                          QStringLiteral("Variante"), QStringLiteral("Vorkommen"), QStringLiteral("Herkunft"),
                          QStringLiteral("Nr."), QStringLiteral("Mundart"), QStringLiteral("Nummeriert"),
                          QStringLiteral("Beschriftet"), QStringLiteral("Bestand"), QStringLiteral("Bemerkung"),
                          QStringLiteral("Standort Sommer"), QStringLiteral("Standort Winter")});
    box5->place(ComboBox5, {8, 24, 136, 24});
    Edit33 = make::lineEdit(
        "Edit33", QStringLiteral("Anfangsbuchstaben für die Suche eingeben! Mit * beginnend suche nach Teil des Wortes!"));
    Edit33->setMouseTracking(true);
    box5->place(Edit33, {150, 24, 150, 24});
    ComboBox6 = make::comboBox("ComboBox6", {QStringLiteral("Ja"), QStringLiteral("Nein")});
    ComboBox6->hide();
    box5->place(ComboBox6, {150, 24, 150, 24});
    box5->place(make::label("Label8", QStringLiteral("Sortieren:")), {308, 27, 60, 20});
    ComboBox8 = make::comboBox("ComboBox8", {QStringLiteral("A - Z"), QStringLiteral("nach Nummern"), QString()});
    box5->place(ComboBox8, {366, 24, 82, 24});

    GroupBox3 = make::groupBox("GroupBox3", QStringLiteral("Pflanzenliste"));
    page->place(GroupBox3, {6, 326, 456, 320});
    auto *box3 = new DesignLayout(GroupBox3, {456, 320});
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"));
    DBGrid1->bind(t.Tab_Pflanzen_test,
                  {{QStringLiteral("Nr"), QStringLiteral("Nr."), 40, Qt::AlignCenter},
                   {QStringLiteral("Namen"), QStringLiteral("Name"), 324},
                   {QStringLiteral("Mundart"), {}, 128}});
    DBGrid1->setToolTip(QStringLiteral("Rechte Maustaste für Listeneintrag!"));
    box3->place(DBGrid1, {8, 20, 440, 270});
    // The name column takes what room the grid has, so that "Mundart" is never cut off.
    DBGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Label16 = make::label("Label16");
    box3->place(Label16, {8, 294, 300, 20});

    BitBtn20 = new QPushButton(QStringLiteral("Druckansicht"));
    BitBtn20->setObjectName(QStringLiteral("BitBtn20"));
    page->place(BitBtn20, {6, 652, 130, 30});
    BitBtn15 = make::button("BitBtn15", QStringLiteral("Liste drucken"));
    page->place(BitBtn15, {142, 652, 130, 30});
    BitBtn28 = make::button("BitBtn28", QStringLiteral("Aktion eintragen"),
                            QStringLiteral("Eine Aktion für alle Pflanzen der Liste ins Tagebuch eintragen"));
    page->place(BitBtn28, {278, 652, 150, 30});

    ListMenu = new QMenu(this);
    ListMenu->setObjectName(QStringLiteral("ListMenu"));
    QAction *toList = ListMenu->addAction(QStringLiteral("Zu einer Liste hinzufügen"));
    toList->setObjectName(QStringLiteral("zurLIste"));
    QAction *onLists = ListMenu->addAction(QStringLiteral("Pflanze ist auf Liste ..."));
    onLists->setObjectName(QStringLiteral("PflanzegehrtzuListe1"));
    QAction *cancel = ListMenu->addAction(QStringLiteral("Abbrechen"));
    cancel->setObjectName(QStringLiteral("ListMenuCancel"));
    connect(toList, &QAction::triggered, this, [this] { ctx.run([this] { zurLIsteClick(); }); });
    connect(onLists, &QAction::triggered, this, [this] { ctx.run([this] { PflanzegehrtzuListe1Click(); }); });
    connect(cancel, &QAction::triggered, ListMenu, &QMenu::close);

    // Handlers. Combo boxes react to the user's choice only, as their change events do.
    connect(Edit33, &QLineEdit::textChanged, this, [this] { ctx.run([this] { Edit33Change(); }); });
    connect(ComboBox5, &QComboBox::activated, this, [this] { ctx.run([this] { ComboBox5Change(); }); });
    connect(ComboBox6, &QComboBox::activated, this, [this] { ctx.run([this] { ComboBox6Change(); }); });
    connect(ComboBox8, &QComboBox::activated, this, [this] { ctx.run([this] { ComboBox8Change(); }); });
    connect(BitBtn28, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn28Click(); }); });
    connect(BitBtn20, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn20Click(); }); });
    connect(BitBtn15, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn15Click(); }); });
    connect(BitBtn41, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn41Click(); }); });
    connect(BitBtn40, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn40Click(); }); });
    connect(BitBtn42, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn42Click(); }); });
    connect(BitBtn29, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn29Click(); }); });
    connect(BitBtn30, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn30Click(); }); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn7Click(); }); });
}

void HauptansichtPage::buildPlantBox()
{
    DesignLayout *page = design();
    GroupBox4 = make::groupBox("GroupBox4", QStringLiteral("Pflanze"));
    page->place(GroupBox4, kPlantBoxDesign, AnchorAll);
    auto *box = new DesignLayout(GroupBox4, kPlantBoxDesign.size());

    auto row = [](int i) { return kRow0 + i * kRowStep; };
    auto caption = [&](const QString &text, int x, int y, int w = 98) {
        QLabel *l = new QLabel(text);
        box->place(l, {x, y + 3, w, 20});
        return l;
    };
    // A read-only field with its caption in the left or right column, or over the full width.
    auto field = [&](const char *name, const QString &text, int i, int captionX, int fieldX, int fieldWidth) {
        QLineEdit *e = readOnlyField(name);
        caption(text, captionX, row(i));
        box->place(e, {fieldX, row(i), fieldWidth, kHeight});
        return e;
    };
    auto left = [&](const char *name, const QString &text, int i, int fieldWidth = kRightCaption - 10 - kLeftField) {
        return field(name, text, i, kLeftCaption, kLeftField, fieldWidth);
    };
    auto right = [&](const char *name, const QString &text, int i, int fieldWidth = kRight - kRightField) {
        return field(name, text, i, kRightCaption, kRightField, fieldWidth);
    };
    auto wide = [&](const char *name, const QString &text, int i) {
        return field(name, text, i, kLeftCaption, kLeftField, kRight - kLeftField);
    };
    // The calendar icon of a date field, shown by the editing mode.
    auto calendarIcon = [&](const char *name, int x, int i) {
        auto *b = new QToolButton;
        b->setObjectName(QLatin1String(name));
        b->setText(QStringLiteral("…"));
        b->setToolTip(QStringLiteral("Kalender anzeigen"));
        b->hide();
        box->place(b, {x, row(i), 24, kHeight});
        return b;
    };

    Label125 = make::label("Label125");
    QFont bold = Label125->font();
    bold.setBold(true);
    Label125->setFont(bold);
    caption(QStringLiteral("Nr.:"), kLeftCaption, row(0));
    box->place(Label125, {kLeftField, row(0) + 2, 100, 20});
    Edit46 = new QLineEdit;
    Edit46->setObjectName(QStringLiteral("Edit46"));
    Edit46->setReadOnly(true);
    Edit46->hide();
    box->place(Edit46, {kLeftField, row(0), 100, kHeight});
    Edit16 = right("Edit16", QStringLiteral("Kategorie:"), 0);

    Edit15 = wide("Edit15", QStringLiteral("Name:"), 1);
    Edit15->setToolTip(QStringLiteral("Mit rechter Maustaste in Listen aufnahmen!"));
    Edit15->setContextMenuPolicy(Qt::NoContextMenu);
    Edit15->installEventFilter(this);

    Edit34 = left("Edit34", QStringLiteral("Gattung:"), 2);
    Edit4 = right("Edit4", QStringLiteral("Art:"), 2);
    Edit30 = left("Edit30", QStringLiteral("Variante:"), 3);
    Edit17 = right("Edit17", QStringLiteral("Mundartlich:"), 3);
    Edit8 = wide("Edit8", QStringLiteral("Bemerkung:"), 4);
    Edit25 = left("Edit25", QStringLiteral("Habitat:"), 5);
    Edit49 = right("Edit49", QStringLiteral("Feldnummer:"), 5);
    Edit9 = left("Edit9", QStringLiteral("Herkunft:"), 6);
    Edit11 = right("Edit11", QStringLiteral("Kaufpreis:"), 6);

    // Date fields leave room for their calendar icons, which the editing mode shows.
    Edit12 = left("Edit12", QStringLiteral("Aussaat:"), 7, 122);
    Edit12->setMouseTracking(true);
    Edit12->installEventFilter(this);
    Image15 = calendarIcon("Image15", kLeftField + 126, 7);
    Edit13 = right("Edit13", QStringLiteral("Blütezeit:"), 7, 126);
    Image13 = calendarIcon("Image13", kRightField + 130, 7);

    Edit10 = left("Edit10", QStringLiteral("Topfgröße:"), 8);
    Edit24 = right("Edit24", QStringLiteral("Im Bestand seit:"), 8);

    caption(QStringLiteral("Standort:"), kLeftCaption, row(9), 58);
    caption(QStringLiteral("Sommer:"), kLeftCaption + 58, row(9), 56);
    Edit14 = readOnlyField("Edit14");
    box->place(Edit14, {kLeftCaption + 116, row(9), kRightCaption - 10 - kLeftCaption - 116, kHeight});
    Edit27 = right("Edit27", QStringLiteral("Winter:"), 9);

    ComboBox2 = make::comboBox("ComboBox2");
    ComboBox2->hide();
    box->place(ComboBox2, {kRightField, row(0), kRight - kRightField, kHeight});
    CheckBox1 = make::checkBox("CheckBox1", QStringLiteral("Nummeriert:"));
    CheckBox1->setLayoutDirection(Qt::RightToLeft);
    CheckBox1->setEnabled(false);
    // The row under the photos keeps its distance from the box's bottom, so the photos can grow.
    constexpr int bottomRow = AnchorLeft | AnchorBottom;
    box->place(CheckBox1, {24, 620, 110, 22}, bottomRow);
    CheckBox2 = make::checkBox("CheckBox2", QStringLiteral("Beschriftet:"));
    CheckBox2->setLayoutDirection(Qt::RightToLeft);
    CheckBox2->setEnabled(false);
    box->place(CheckBox2, {150, 620, 110, 22}, bottomRow);
    box->place(make::label("Label76", QStringLiteral("Bild für Listendruck:")), {280, 621, 130, 20}, bottomRow);
    ComboBox7 = make::comboBox("ComboBox7",
                         {QStringLiteral("Bild1"), QStringLiteral("Bild2"), QStringLiteral("Bild3"),
                          QStringLiteral("Bild4"), QStringLiteral("Bild5"), QStringLiteral("Bild6")});
    ComboBox7->setEnabled(false);
    box->place(ComboBox7, {412, 618, 100, 24}, bottomRow);
    connect(ComboBox7, &QComboBox::activated, this, [this] { ctx.run([this] { ComboBox7Change(); }); });

    // The thumbnails are placed by their layout rule, not by the box's layout.
    for (size_t i = 0; i < m_thumbnails.size(); ++i) {
        const PhotoSlot &slot = photoSlot(int(i) + 1);
        auto *view = new PhotoView(QLatin1String(slot.imageName), slot.fit, GroupBox4);
        view->setGeometry(kThumbnailDesign[i]);
        view->setToolTip(QStringLiteral("Klicken um Bild anzeigen!"));
        connect(view, &PhotoView::pressed, this, [this, number = slot.number](Qt::MouseButton, const QPoint &at) {
            ctx.run([&] { ctx.service<PlantPhotoCommands>().PopupMenu1Popup(number, at); });
        });
        m_thumbnails[i] = view;
    }
    GroupBox4->installEventFilter(this);
    // The three placeholders, kept as hidden pictures of the window.
    const std::pair<const char *, Placeholder> placeholders[] = {
        {"Image14", Placeholder::OwnPhoto}, {"Image10", Placeholder::ForeignPhoto}, {"Image12", Placeholder::PhotoMissing}};
    for (const auto &[name, which] : placeholders) {
        auto *view = new PhotoView(QLatin1String(name), FitMode::ShrinkOnly, GroupBox4);
        view->setPicture(placeholderImage(which), SlotState::Empty);
        view->hide();
    }

    MonthCalendar3 = new QCalendarWidget;
    MonthCalendar3->setObjectName(QStringLiteral("MonthCalendar3"));
    MonthCalendar3->setToolTip(QStringLiteral("Doppelklick für Auswahl - Abbrechen mit 'ESC' !!"));
    MonthCalendar3->hide();
    box->place(MonthCalendar3, {160, 120, 260, 190});
    connect(Image15, &QToolButton::clicked, this, [this] { ctx.run([this] { Image15Click(); }); });
    connect(Image13, &QToolButton::clicked, this, [this] { ctx.run([this] { Image13Click(); }); });
    connect(MonthCalendar3, &QCalendarWidget::activated, this, [this] { ctx.run([this] { MonthCalendar3DblClick(); }); });
}

// The after-scroll notifications of the three catalogue tables run the display chain; the tables
// hold them back themselves while their scroll guard is set.
void HauptansichtPage::connectChain()
{
    DataTables &t = ctx.tables;
    connect(&t.Tab_Kate_test, &Dataset::afterScroll, this, [this] {
        m_input->chainStepDone();
        ctx.run([this] { Kategoriezeigen(); });
    });
    connect(&t.Tab_Gattung, &Dataset::afterScroll, this, [this] {
        m_input->chainStepDone();
        ctx.run([this] { Gattungzeigen(); });
    });
    connect(&t.Tab_Pflanzen_test, &Dataset::afterScroll, this, [this] {
        m_input->chainStepDone();
        ctx.run([this] { Pflanzezeigen(); });
    });
}

// ---------------------------------------------------------------------------------------------
// Start-up, activation, the thumbnails' layout

void HauptansichtPage::prepareAtStart()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &categories = t.Tab_Kate_test;
    Table &plants = t.Tab_Pflanzen_test;
    Table &genera = t.Tab_Gattung;
    {
        ScrollGuard guard{&categories};
        categories.setIndexFieldNames(QStringLiteral("Namen"));
        emit ctx.events.categoriesChanged(); // every category list, this page's included
        categories.first();
        s.SavedCategoryId = int(categories.integer(QStringLiteral("ID")));
    }
    {
        ScrollGuard guard{&plants};
        plants.setIndexFieldNames(QStringLiteral("Namen"));
        plants.first();
    }
    Label16->setText(CountText::found(plants.recordCount()));
    Label6->setText(CountText::found(categories.recordCount()));
    s.CurrentCategoryId = int(categories.integer(QStringLiteral("ID")));
    genera.setIndexFieldNames(QStringLiteral("Familie"));
    genera.first();
    s.CurrentGenusId = int(genera.integer(QStringLiteral("ID")));
    s.CurrentPlantId = int(plants.integer(QStringLiteral("ID")));
}

void HauptansichtPage::resynchronise()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    ScrollGuard guard{&t.Tab_Pflanzen_test, &t.Tab_Kate_test, &t.Tab_Gattung};
    t.Tab_Pflanzen_test.open();
    t.Tab_Kate_test.open();
    t.Tab_Gattung.open();
    t.Tab_Gattung.setIndexFieldNames(QStringLiteral("Familie"));
    Label16->setText(CountText::found(t.Tab_Pflanzen_test.recordCount()));
    Label6->setText(QString::number(t.Tab_Kate_test.recordCount()) + QStringLiteral(" Kategorien"));
    const int genera = t.Tab_Gattung.recordCount();
    Label75->setText(QString::number(genera - 1) + (genera == 2 ? QStringLiteral(" Gattung ") : QStringLiteral(" Gattungen")));
    t.Tab_Kate_test.locate(QStringLiteral("ID"), s.CurrentCategoryId);
    t.Tab_Gattung.locate(QStringLiteral("ID"), s.CurrentGenusId);
    t.Tab_Pflanzen_test.locate(QStringLiteral("ID"), s.CurrentPlantId);
}

// The baselines are the design geometry; recording them again on a later run of the start-up
// (after a colour change, possibly in a larger window) changes nothing.
void HauptansichtPage::recordThumbnailBaseline()
{
    m_baseline.box = kPlantBoxDesign;
    m_baseline.thumbnails = kThumbnailDesign;
}

void HauptansichtPage::layoutThumbnails()
{
    if (!m_baseline.valid())
        return;
    const ThumbnailLayout::Thumbnails rects = ThumbnailLayout::layout(m_baseline, GroupBox4->size());
    for (size_t i = 0; i < rects.size(); ++i)
        m_thumbnails[i]->setGeometry(rects[i]);
}

// The category list of the plant box's editing mode, from the categories in their order.
void HauptansichtPage::fillCategoryList()
{
    ComboBox2->clear();
    ComboBox2->addItems(SuggestionLists::categoryNames(ctx.tables.Tab_Kate_test));
    if (ComboBox2->count() > 0)
        ComboBox2->setCurrentIndex(0);
}

void HauptansichtPage::showGenusCount()
{
    Table &genera = ctx.tables.Tab_Gattung;
    if (!genera.active())
        return;
    const int count = genera.recordCount();
    Label75->setText(QString::number(count - 1) + (count == 2 ? QStringLiteral(" Gattung") : QStringLiteral(" Gattungen")));
}

// ---------------------------------------------------------------------------------------------
// What others ask of the catalogue

QString HauptansichtPage::plantSortColumn() const
{
    if (ComboBox8->currentText() == QLatin1String("A - Z"))
        return QStringLiteral("Namen");
    if (ComboBox8->currentText() == QLatin1String("nach Nummern"))
        return QStringLiteral("Nr");
    return QString();
}

void HauptansichtPage::applySortChoice()
{
    const QString column = plantSortColumn();
    if (!column.isEmpty())
        ctx.tables.Tab_Pflanzen_test.setIndexFieldNames(column);
}

bool HauptansichtPage::editingPlant() const { return m_editing->editing(); }

void HauptansichtPage::setPendingPlantNumber(int number)
{
    Tag::set(Edit46, 1);
    Edit46->setText(QString::number(number));
}

void HauptansichtPage::refreshPlantCount()
{
    Label16->setText(CountText::found(ctx.tables.Tab_Pflanzen_test.recordCount()));
}

// "Druckansicht": which data sheets to print.
void HauptansichtPage::BitBtn20Click()
{
    Tag::set(BitBtn20, 1);
    if (AppWindow *choice = ctx.window(QStringLiteral("TDruckauswahl")))
        choice->showOver(window());
}

// "Liste drucken": the long or short list of the plants shown.
void HauptansichtPage::BitBtn15Click()
{
    Tag::set(BitBtn15, 1);
    if (AppWindow *lists = ctx.window(QStringLiteral("TSortieren")))
        lists->showOver(window());
}

// "Aktion eintragen": the action window enters one action for every plant of the list.
void HauptansichtPage::BitBtn28Click()
{
    if (AppWindow *actions = ctx.window(QStringLiteral("TAktionen")))
        actions->showOver(window());
}

QString HauptansichtPage::searchField() const { return ComboBox5->currentText(); }

QString HauptansichtPage::searchText() const { return Edit33->text(); }

QString HauptansichtPage::sortText() const { return ComboBox8->currentText(); }

// ---------------------------------------------------------------------------------------------
// The display chain

void HauptansichtPage::Kategoriezeigen()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    s.FilterText.clear();
    s.FilterValue.clear();
    Edit33->clear(); // runs the search when the box held text
    {
        ScrollGuard guard{&t.Tab_Gattung, &t.Tab_Pflanzen_test};
        t.Tab_Kate_test.open();
        t.Tab_Gattung.open();
        t.Tab_Gattung.setFiltered(false);
        t.Tab_Pflanzen_test.open();
        t.Tab_Pflanzen_test.setFiltered(false);
        const QString k = t.Tab_Kate_test.text(QStringLiteral("Namen"));
        if (k != kAll) {
            s.GenusFilter = clause(QStringLiteral("Kategorie"), QStringLiteral(" LIKE "), k)
                            + QStringLiteral(" OR (Familie  LIKE ' Alle')");
            t.Tab_Gattung.setFilter(s.GenusFilter);
            t.Tab_Gattung.setFiltered(true);
        }
        s.CurrentCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    }
    Gattungzeigen();
}

void HauptansichtPage::Gattungzeigen()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    s.FilterText.clear();
    Edit33->clear();
    ScrollGuard guard{&plants};
    t.Tab_Kate_test.open();
    t.Tab_Gattung.open();
    plants.open();
    plants.setFiltered(false);

    const QString k = t.Tab_Kate_test.text(QStringLiteral("Namen"));
    const QString g = t.Tab_Gattung.text(QStringLiteral("Familie"));
    if (g == kAll)
        s.FilterText = clause(QStringLiteral("Kategorie"), QStringLiteral(" LIKE "), k);
    else if (k != kAll)
        s.FilterText = clause(QStringLiteral("Kategorie"), QStringLiteral(" LIKE "), k) + QStringLiteral(" AND ")
                       + clause(QStringLiteral("Familie"), QStringLiteral(" LIKE "), g);
    else
        s.FilterText = clause(QStringLiteral("Familie"), QStringLiteral(" ="), g);
    plants.setFilter(s.FilterText);
    plants.setFiltered(true);
    if (k == kAll && g == kAll)
        plants.setFiltered(false);

    showGenusCount();
    Label16->setText(CountText::found(plants.recordCount(), CountText::Number::SingularForOne));
    s.CurrentGenusId = int(t.Tab_Gattung.integer(QStringLiteral("ID")));
    guard.release();
    Pflanzezeigen();
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

    // The diary's count for the tab caption; the diary is left unfiltered with this plant's filter
    // kept for the next switch-on.
    s.FilterText = QStringLiteral("(PflanzenID = ") + filterQuoted(s.FilterValue) + QStringLiteral(")");
    Table &diary = t.Tab_Historie;
    diary.open();
    const int entries = diary.countEqual(QStringLiteral("PflanzenID"), s.FilterValue);
    diary.setFiltered(false);
    diary.setFilter(s.FilterText);
    if (ctx.frame)
        ctx.frame->setPageCaption(QStringLiteral("TabSheet3"),
                                  QStringLiteral("Tagbuch ( ") + QString::number(entries) + QStringLiteral(" )   "));

    // While a plant is being duplicated, the fields hold what is being copied.
    if (!m_editing || !m_editing->duplicating()) {
        Label125->setText(plants.text(QStringLiteral("Nr")));
        if (Tag::of(Edit46) == 0)
            Edit46->setText(plants.text(QStringLiteral("Nr")));
        fillFields();
        showPhotos();
        emit ctx.events.plantShown();
    }
    s.CurrentPlantId = int(plants.integer(QStringLiteral("ID")));
}

void HauptansichtPage::fillFields()
{
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    const std::pair<QLineEdit *, const char *> fields[] = {
        {Edit16, "Kategorie"}, {Edit15, "Namen"},     {Edit34, "Familie"}, {Edit4, "Art"},
        {Edit30, "Variante"},  {Edit8, "Bezeichnung"}, {Edit25, "Vorkommen"}, {Edit49, "Feldnummer"},
        {Edit17, "Mundart"},   {Edit12, "Aussaat"},   {Edit11, "Kaufpreis"}, {Edit9, "Herkunft"},
        {Edit13, "Blüte"},     {Edit10, "Töpfe"},     {Edit24, "Bestand"},  {Edit14, "Sommer"},
        {Edit27, "Winter"},
    };
    for (const auto &[field, column] : fields) {
        field->setText(plants.text(QString::fromUtf8(column)));
        field->setCursorPosition(0);
    }
    CheckBox1->setChecked(plants.text(QStringLiteral("Nummeriert")) == QLatin1String("Ja"));
    CheckBox2->setChecked(plants.text(QStringLiteral("Beschriftet")) == QLatin1String("Ja"));
    ComboBox7->setCurrentIndex(ComboBox7->findText(plants.text(QStringLiteral("FotoListe"))));
}

void HauptansichtPage::showPhotos()
{
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    QStringList columns;
    for (const PhotoSlot &slot : vindel::photoSlots()) {
        const QString value = plants.text(QLatin1String(slot.column));
        columns << value;
        if (!value.isEmpty())
            ctx.state.CurrentPhotoPath = ctx.state.PhotoDir + value;
    }
    m_photos->show(columns);
}

// ---------------------------------------------------------------------------------------------
// Search, sorting, yes/no filter

void HauptansichtPage::Edit33Change()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    Table &categories = t.Tab_Kate_test;
    const QString field = ComboBox5->currentText();
    // A text the field does not take is rewritten; the rewritten text searches again.
    if (const auto corrected = CatalogueSearch::correctedText(field, Edit33->text())) {
        Edit33->setText(*corrected);
        return;
    }

    ScrollGuard guard{&categories, &plants};
    categories.open();
    plants.open();
    categories.setFiltered(false);
    plants.setFiltered(false);
    s.SavedCategoryId = int(categories.integer(QStringLiteral("ID")));
    categories.locate(QStringLiteral("ID"), s.SavedCategoryId);

    const QString k = categories.text(QStringLiteral("Namen"));
    const QString g = t.Tab_Gattung.active() ? t.Tab_Gattung.text(QStringLiteral("Familie")) : QString();
    const std::optional<QString> filter = CatalogueSearch::plantFilter(k, g, field, Edit33->text());
    if (!filter) {
        // Everything: no filter, the plant box keeps what it shows.
        Label16->setText(CountText::found(plants.recordCount()));
        plants.setIndexFieldNames(QStringLiteral("Namen"));
        return;
    }
    plants.setFilter(*filter);
    plants.setFiltered(true);
    Label16->setText(CountText::found(plants.recordCount()));
    Label6->setText(CountText::found(categories.recordCount()));
    applySortChoice();
    plants.first();
    guard.release();
    Pflanzezeigen();
}

void HauptansichtPage::ComboBox5Change()
{
    Edit33->clear();
    const QString field = ComboBox5->currentText();
    if (field == QLatin1String("Nummeriert") || field == QLatin1String("Beschriftet")) {
        ComboBox6->show();
        ComboBox6->raise();
        ComboBox6->setCurrentIndex(0);
        ComboBox6Change();
    } else {
        ComboBox6->hide();
    }
}

void HauptansichtPage::ComboBox6Change()
{
    DataTables &t = ctx.tables;
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    plants.setFiltered(false);
    plants.setFilter(CatalogueSearch::yesNoFilter(t.Tab_Kate_test.text(QStringLiteral("Namen")), ComboBox5->currentText(),
                                                  ComboBox6->currentText()));
    plants.setFiltered(true);
    Label16->setText(CountText::found(plants.recordCount()));
    Label6->setText(CountText::found(t.Tab_Kate_test.recordCount()));
    plants.setIndexFieldNames(QStringLiteral("Namen"));
}

void HauptansichtPage::ComboBox8Change()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    applySortChoice();
    // Unguarded, moving to the first plant shows it and makes it the current one.
    plants.first();
    plants.locate(QStringLiteral("ID"), ctx.state.CurrentPlantId);
}

void HauptansichtPage::ComboBox7Change()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    const QString column = ComboBox7->currentText();
    if (!column.isEmpty() && plants.columnIndex(column) >= 0 && plants.text(column).isEmpty())
        ctx.prompter.information(QStringLiteral("          Kein Foto vorhanden!         "));
}

void HauptansichtPage::typeAhead(DataGrid *grid, const QString &typed)
{
    SharedState &s = ctx.state;
    s.TypeAheadText += typed;
    if (typed.isEmpty() || !isTypeAheadLetter(typed.back()))
        s.TypeAheadText.clear();
    const LocateOption options = LocateOption::CaseInsensitive | LocateOption::PartialKey;
    if (grid == DBGrid4) {
        ctx.tables.Tab_Gattung.open();
        ctx.tables.Tab_Gattung.locate(QStringLiteral("Familie"), s.TypeAheadText, options);
    } else if (grid == DBGrid1) {
        ctx.tables.Tab_Pflanzen_test.open();
        ctx.tables.Tab_Pflanzen_test.locate(QStringLiteral("Namen"), s.TypeAheadText, options);
    }
}

// ---------------------------------------------------------------------------------------------
// The plant box's own mouse events

bool HauptansichtPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == GroupBox4 && type == QEvent::Resize) {
        layoutThumbnails();
    } else if (watched == Edit15 && type == QEvent::MouseButtonPress
               && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        ctx.run([this] { Pflanzezeigen(); });
        openListMenu(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
        return true;
    } else if (watched == Edit12 && (type == QEvent::MouseMove || type == QEvent::Enter)) {
        if (ctx.tables.Tab_Pflanzen_test.active())
            Edit12->setToolTip(ctx.tables.Tab_Pflanzen_test.text(QStringLiteral("Namen")));
    }
    return Page::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// List menu and date picker

void HauptansichtPage::openListMenu(const QPoint &globalPos) { ListMenu->popup(globalPos); }

void HauptansichtPage::zurLIsteClick()
{
    if (AppWindow *w = ctx.window(QStringLiteral("TListe")))
        w->showOver(window());
}

void HauptansichtPage::PflanzegehrtzuListe1Click()
{
    if (AppWindow *w = ctx.window(QStringLiteral("TAufListe")))
        w->showOver(window());
}

void HauptansichtPage::Image15Click()
{
    MonthCalendar3->setSelectedDate(ctx.prompter.today());
    Tag::set(MonthCalendar3, 1);
    MonthCalendar3->show();
    MonthCalendar3->raise();
}

void HauptansichtPage::Image13Click()
{
    MonthCalendar3->setSelectedDate(ctx.prompter.today());
    Tag::set(MonthCalendar3, 2);
    MonthCalendar3->show();
    MonthCalendar3->raise();
}

void HauptansichtPage::MonthCalendar3DblClick()
{
    const QString date = ShortDate::format(MonthCalendar3->selectedDate());
    if (Tag::of(MonthCalendar3) == 1)
        Edit12->setText(date);
    else if (Tag::of(MonthCalendar3) == 2)
        Edit13->setText(date);
    Tag::set(MonthCalendar3, 0);
    MonthCalendar3->hide();
}

// ---------------------------------------------------------------------------------------------
// Page shown and left

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
    refreshPlantCount();
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
