#include "catalogue/HauptansichtPage.h"
#include "catalogue/PlantEditing.h"

#include "app/AppWindow.h"
#include "app/Colours.h"
#include "app/DataGrid.h"
#include "app/ScrollGuard.h"
#include "app/Tag.h"
#include "catalogue/PhotoView.h"
#include "data/ShortDate.h"
#include "photos/PlantPhotoSlots.h"
#include "photos/ThumbnailCache.h"
#include "photos/ThumbnailLoader.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
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
constexpr int kHoverColour = 0xFFE7D9; // light blue, as 0xBBGGRR

// Rows of caption and field in the plant box: two columns, a few fields span the box.
constexpr int kRow0 = 24, kRowStep = 30, kHeight = 24;
constexpr int kLeftCaption = 10, kLeftField = 110, kRightCaption = 270, kRightField = 370, kRight = 524;

// The frame Image9 is decoded for while the details page has not been laid out yet.
const QSize kLiteratureFallbackFrame(360, 270);

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

QPushButton *smallButton(const char *name, const QString &caption, const QString &hint)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    return b;
}

QLineEdit *readOnlyField(const char *name)
{
    auto *e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    return e;
}

// Values enter filter expressions only through the quoting helper, so that a quote in a name
// cannot break the expression.
QString clause(const QString &column, const QString &op, const QString &value)
{
    return QStringLiteral("(") + column + op + filterQuoted(value) + QStringLiteral(")");
}

// The column behind an entry of the search field list.
QString searchColumn(const QString &field)
{
    if (field == QLatin1String("Gattung"))
        return QStringLiteral("Familie");
    if (field == QLatin1String("Nr."))
        return QStringLiteral("Nr");
    if (field == QLatin1String("Bemerkung"))
        return QStringLiteral("Bezeichnung");
    if (field == QLatin1String("Standort Sommer"))
        return QStringLiteral("Sommer");
    if (field == QLatin1String("Standort Winter"))
        return QStringLiteral("Winter");
    return field;
}

// Letters keep a type-ahead search going; anything else starts it again.
bool isTypeAheadLetter(QChar c)
{
    if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
        return true;
    return QStringLiteral("ÄÖÜäöüß").contains(c);
}

void setControlText(QWidget *w, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        l->setText(text);
    } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
        p->setPlainText(text);
    } else if (auto *t = qobject_cast<QTextEdit *>(w)) {
        t->setPlainText(text);
    }
}

} // namespace

HauptansichtPage::HauptansichtPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet1"), QStringLiteral("Hauptansicht          "))
{
    m_loader = std::make_shared<ThumbnailLoader>();
    m_photos = std::make_unique<PlantPhotoSlots>(*m_loader);
    connect(m_photos.get(), &PlantPhotoSlots::slotChanged, this,
            [this](int slot, const QImage &picture, SlotState state) { applyPicture(slot, picture, state); });
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { requestPhotos(); });
    m_reframe.setSingleShot(true);
    m_reframe.setInterval(150);
    connect(&m_reframe, &QTimer::timeout, this, [this] {
        for (int slot = 1; slot <= kPhotoSlotCount; ++slot) {
            QWidget *w = pictureControl(slot);
            auto *view = qobject_cast<PhotoView *>(w);
            const QSize frame = view ? view->frameInDevicePixels() : (w ? w->size() * w->devicePixelRatioF() : QSize());
            if (!frame.isEmpty() && frame != m_photos->frameSize(slot) && !m_settle.isActive()
                && !m_photoColumns.isEmpty()) {
                requestPhotos();
                return;
            }
        }
    });

    buildBrowser();
    buildPlantBox();
    connectChain();
    new PlantEditing(ctx, this); // the editing mode, deleting and duplicating
}

HauptansichtPage::~HauptansichtPage()
{
    m_photos->cancel();
}

QWidget *HauptansichtPage::thumbnail(int index) const { return m_thumbnails[size_t(index)]; }

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

    GroupBox1 = groupBox("GroupBox1", QStringLiteral("Kategorien"));
    DBGrid2 = new DataGrid(QStringLiteral("DBGrid2"));
    DBGrid2->bind(t.Tab_Kate_test, {{QStringLiteral("Namen"), {}, 197}}, false);
    DBGrid2->setToolTip(QStringLiteral("Klicken für Kategorieauswahl!"));
    Label6 = label("Label6");
    BitBtn41 = smallButton("BitBtn41", QStringLiteral("+"), QStringLiteral("Neue Kategorie anlegen!"));
    BitBtn40 = smallButton("BitBtn40", QStringLiteral("-"), QStringLiteral("Kategorie Löschen?"));
    BitBtn42 = smallButton("BitBtn42", QStringLiteral("?"), QStringLiteral("Kategorie ändern!"));
    pickerBox(GroupBox1, {6, 6, 225, 250}, DBGrid2, Label6, {BitBtn41, BitBtn40, BitBtn42});

    GroupBox2 = groupBox("GroupBox2", QStringLiteral("Gattung"));
    DBGrid4 = new DataGrid(QStringLiteral("DBGrid4"));
    DBGrid4->bind(t.Tab_Gattung, {{QStringLiteral("Familie"), {}, 197}}, false);
    DBGrid4->setToolTip(QStringLiteral("Klicken für Gattungsauswahl!  Oder Anfangsbuchstaben eingeben!"));
    Label75 = label("Label75");
    BitBtn29 = smallButton("BitBtn29", QStringLiteral("+"), QStringLiteral("Neue Gattung anlegen!"));
    BitBtn30 = smallButton("BitBtn30", QStringLiteral("-"), QStringLiteral("Gattung Löschen?"));
    BitBtn7 = smallButton("BitBtn7", QStringLiteral("?"), QStringLiteral("Gattung ändern!"));
    pickerBox(GroupBox2, {237, 6, 225, 250}, DBGrid4, Label75, {BitBtn29, BitBtn30, BitBtn7});

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
    Edit33->setMouseTracking(true);
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
    connect(DBGrid2, &QAbstractItemView::clicked, this, [this] { runGuarded(&HauptansichtPage::Kategoriezeigen); });
    connect(DBGrid4, &QAbstractItemView::clicked, this, [this] { runGuarded(&HauptansichtPage::Gattungzeigen); });
    connect(BitBtn41, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn41Click(); }); });
    connect(BitBtn40, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn40Click(); }); });
    connect(BitBtn42, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn42Click(); }); });
    connect(BitBtn29, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn29Click(); }); });
    connect(BitBtn30, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn30Click(); }); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn7Click(); }); });

    for (DataGrid *grid : {DBGrid2, DBGrid4, DBGrid1}) {
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
        grid->viewport()->setMouseTracking(true);
    }
    Edit33->installEventFilter(this);
}

void HauptansichtPage::buildPlantBox()
{
    DesignLayout *page = design();
    GroupBox4 = groupBox("GroupBox4", QStringLiteral("Pflanze"));
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

    Label125 = label("Label125");
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

    ComboBox2 = comboBox("ComboBox2");
    ComboBox2->hide();
    box->place(ComboBox2, {kRightField, row(0), kRight - kRightField, kHeight});
    CheckBox1 = new QCheckBox(QStringLiteral("Nummeriert:"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setLayoutDirection(Qt::RightToLeft);
    CheckBox1->setEnabled(false);
    box->place(CheckBox1, {24, 620, 110, 22});
    CheckBox2 = new QCheckBox(QStringLiteral("Beschriftet:"));
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setLayoutDirection(Qt::RightToLeft);
    CheckBox2->setEnabled(false);
    box->place(CheckBox2, {150, 620, 110, 22});
    box->place(label("Label76", QStringLiteral("Bild für Listendruck:")), {280, 621, 130, 20});
    ComboBox7 = comboBox("ComboBox7",
                         {QStringLiteral("Bild1"), QStringLiteral("Bild2"), QStringLiteral("Bild3"),
                          QStringLiteral("Bild4"), QStringLiteral("Bild5"), QStringLiteral("Bild6")});
    ComboBox7->setEnabled(false);
    box->place(ComboBox7, {412, 618, 100, 24});
    connect(ComboBox7, &QComboBox::activated, this, [this] { ctx.run([this] { ComboBox7Change(); }); });

    // The thumbnails are placed by the main window's layout rule, not by the box's layout.
    for (size_t i = 0; i < m_thumbnails.size(); ++i) {
        const PhotoSlot &slot = photoSlot(int(i) + 1);
        auto *view = new PhotoView(QLatin1String(slot.imageName), slot.fit, GroupBox4);
        view->setGeometry(kThumbnailDesign[i]);
        connect(view, &PhotoView::resized, &m_reframe, qOverload<>(&QTimer::start));
        m_thumbnails[i] = view;
    }
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
        chainStepDone();
        ctx.run([this] { Kategoriezeigen(); });
    });
    connect(&t.Tab_Gattung, &Dataset::afterScroll, this, [this] {
        chainStepDone();
        ctx.run([this] { Gattungzeigen(); });
    });
    connect(&t.Tab_Pflanzen_test, &Dataset::afterScroll, this, [this] {
        chainStepDone();
        ctx.run([this] { Pflanzezeigen(); });
    });
}

// Click, key release and mouse release of a grid each show its row again; when the press already
// moved the cursor, the after-scroll notification has shown it, and once is enough.
void HauptansichtPage::runGuarded(void (HauptansichtPage::*handler)())
{
    if (m_chainRuns != m_chainRunsAtPress)
        return;
    ++m_chainRuns;
    ctx.run([this, handler] { (this->*handler)(); });
}

QWidget *HauptansichtPage::mainControl(const QString &name) const
{
    QWidget *main = ctx.frame ? ctx.frame->mainWindow() : window();
    return main ? main->findChild<QWidget *>(name) : nullptr;
}

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

    const int genera = t.Tab_Gattung.recordCount();
    Label75->setText(QString::number(genera - 1)
                     + (genera == 2 ? QStringLiteral(" Gattung") : QStringLiteral(" Gattungen")));
    const int count = plants.recordCount();
    Label16->setText(QString::number(count)
                     + (count == 1 ? QStringLiteral(" Eintrag gefunden!") : QStringLiteral(" Einträge gefunden!")));
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

    s.FilterText = QStringLiteral("(PflanzenID = ") + filterQuoted(s.FilterValue) + QStringLiteral(")");
    Table &diary = t.Tab_Historie;
    diary.open();
    diary.setFilter(s.FilterText);
    diary.setFiltered(true);
    if (ctx.frame)
        ctx.frame->setPageCaption(QStringLiteral("TabSheet3"), QStringLiteral("Tagbuch ( ")
                                                                   + QString::number(diary.recordCount())
                                                                   + QStringLiteral(" )   "));
    diary.setFiltered(false);

    // While a plant is being duplicated, the fields hold what is being copied.
    QWidget *duplicate = mainControl(QStringLiteral("BitBtn22"));
    if (!duplicate || Tag::of(duplicate) != 1) {
        Label125->setText(plants.text(QStringLiteral("Nr")));
        if (Tag::of(Edit46) == 0)
            Edit46->setText(plants.text(QStringLiteral("Nr")));
        fillFields();
        showPhotos();
    }
    s.CurrentPlantId = int(plants.integer(QStringLiteral("ID")));
}

void HauptansichtPage::fillFields()
{
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    auto text = [&](const char *column) { return plants.text(QLatin1String(column)); };
    const std::pair<QLineEdit *, const char *> fields[] = {
        {Edit16, "Kategorie"}, {Edit15, "Namen"},     {Edit34, "Familie"}, {Edit4, "Art"},
        {Edit30, "Variante"},  {Edit8, "Bezeichnung"}, {Edit25, "Vorkommen"}, {Edit49, "Feldnummer"},
        {Edit17, "Mundart"},   {Edit12, "Aussaat"},   {Edit11, "Kaufpreis"}, {Edit9, "Herkunft"},
        {Edit13, "Blüte"},     {Edit10, "Töpfe"},     {Edit24, "Bestand"},  {Edit14, "Sommer"},
        {Edit27, "Winter"},
    };
    for (const auto &[field, column] : fields)
        setControlText(field, plants.text(QString::fromUtf8(column)));
    CheckBox1->setChecked(text("Nummeriert") == QLatin1String("Ja"));
    CheckBox2->setChecked(text("Beschriftet") == QLatin1String("Ja"));
    ComboBox7->setCurrentIndex(ComboBox7->findText(text("FotoListe")));

    // The details page and the diary page show what exists of their controls.
    const std::pair<const char *, const char *> elsewhere[] = {
        {"Memo3", "Beschreibung"}, {"Memo4", "Pflege"},   {"Memo5", "Vermehrung"}, {"Memo1", "Düngung"},
        {"Memo6", "Boden"},        {"Edit54", "Webseite1"}, {"Edit55", "Webseite2"}, {"Edit56", "Webseite3"},
        {"Label52", "Namen"},      {"Label53", "Namen"},    {"Label68", "Namen"},    {"Label69", "Namen"},
    };
    for (const auto &[name, column] : elsewhere)
        if (QWidget *w = mainControl(QLatin1String(name)))
            setControlText(w, plants.text(QString::fromUtf8(column)));
}

// ---------------------------------------------------------------------------------------------
// Photos

QWidget *HauptansichtPage::pictureControl(int slot)
{
    if (slot >= 1 && slot <= 6)
        return m_thumbnails[size_t(slot - 1)];
    if (slot != kLiteratureSlot)
        return nullptr;
    if (m_image9)
        return m_image9;
    // The literature photo stands in the details page's frame "Literaturfoto :".
    QWidget *w = mainControl(QStringLiteral("Image9"));
    if (!w) {
        auto *box = qobject_cast<QGroupBox *>(mainControl(QStringLiteral("GroupBox9")));
        auto *frame = box ? qobject_cast<DesignLayout *>(box->layout()) : nullptr;
        if (!frame)
            return nullptr;
        auto *view = new PhotoView(QStringLiteral("Image9"), photoSlot(kLiteratureSlot).fit);
        const QSize d = frame->designSize();
        const QRect design(8, 22, d.width() - 16, d.height() - 30);
        frame->place(view, design, AnchorAll);
        view->setGeometry(design); // until the details page is first laid out
        w = view;
    }
    // Its size is known once the details page is laid out; the photo is then fetched anew.
    w->setProperty("vindelWatched", true);
    w->installEventFilter(this);
    m_image9 = w;
    return w;
}

void HauptansichtPage::applyPicture(int slot, const QImage &picture, SlotState state)
{
    QWidget *w = pictureControl(slot);
    if (auto *view = qobject_cast<PhotoView *>(w)) {
        view->setPicture(picture, state);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        if (picture.isNull()) {
            l->clear();
        } else {
            const QRect r = displayRect(picture.size(), l->contentsRect().size(), photoSlot(slot).fit);
            l->setPixmap(QPixmap::fromImage(picture.size() == r.size()
                                                ? picture
                                                : picture.scaled(r.size(), Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation)));
        }
    }
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
    const QString folder = ctx.state.PhotoDir;
    const bool samePlant = columns == m_photoColumns && folder == m_photoFolder;
    if (samePlant && m_settle.isActive())
        return; // still waiting for the list to rest
    bool rapid = false;
    if (!samePlant) {
        rapid = m_keyRepeating || (m_lastPlantChange.isValid() && m_lastPlantChange.elapsed() < kSettleMs);
        m_lastPlantChange.start();
    }
    m_photoColumns = columns;
    m_photoFolder = folder;
    if (rapid && !m_photos->isSynchronous() && !allPhotosAtHand(columns)) {
        // Moving on quickly (a key held down): nothing is decoded for plants passed by.
        m_photos->cancel();
        for (int slot = 1; slot <= kPhotoSlotCount; ++slot)
            applyPicture(slot, QImage(), SlotState::Loading);
        m_settle.start();
        return;
    }
    m_settle.stop();
    requestPhotos();
}

void HauptansichtPage::requestPhotos()
{
    m_settle.stop();
    for (int slot = 1; slot <= kPhotoSlotCount; ++slot) {
        QWidget *w = pictureControl(slot);
        QSize frame;
        if (auto *view = qobject_cast<PhotoView *>(w))
            frame = view->frameInDevicePixels();
        else if (w)
            frame = w->size() * w->devicePixelRatioF();
        if (slot == kLiteratureSlot && (frame.width() < 32 || frame.height() < 32))
            frame = kLiteratureFallbackFrame;
        m_photos->setFrameSize(slot, frame);
    }
    m_photos->showPlant(PhotoStore(m_photoFolder), m_photoColumns);
}

// Every photo of the plant can be shown without decoding: empty, missing, or in the cache.
bool HauptansichtPage::allPhotosAtHand(const QStringList &columns) const
{
    const PhotoStore store(ctx.state.PhotoDir);
    for (int i = 0; i < columns.size() && i < kPhotoSlotCount; ++i) {
        if (columns[i].isEmpty())
            continue;
        const auto path = store.resolve(columns[i]);
        if (!path)
            continue;
        const FileStamp stamp = stampFile(*path);
        if (!stamp.exists)
            continue;
        const PhotoSlot &slot = vindel::photoSlots()[size_t(i)];
        if (!m_loader->cache().find(ThumbnailKey{*path, stamp, m_photos->frameSize(slot.number), slot.fit}))
            return false;
    }
    return true;
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
    const QString text = Edit33->text();
    const bool searching = !text.isEmpty() && text != QLatin1String("*");

    // A number search takes whole numbers only; the rewritten text searches again.
    if (field == QLatin1String("Nr.") && searching) {
        bool ok = false;
        int n = text.toInt(&ok);
        if (!ok)
            n = 1;
        if (QString::number(n) != text) {
            Edit33->setText(QString::number(n));
            return;
        }
    }
    if (field == QLatin1String("Nummeriert") && text != QLatin1String("Ja")) {
        Edit33->setText(QStringLiteral("Ja"));
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
    const QString column = searchColumn(field);
    const QString like = QStringLiteral(" LIKE ");

    QString filter;
    if (text != QLatin1String("*"))
        filter = k == kAll ? QStringLiteral("(Kategorie LIKE '*')") : clause(QStringLiteral("Kategorie"), like, k + u'*');
    const QString genusClause =
        g == kAll ? QStringLiteral("(Familie LIKE '*')") : clause(QStringLiteral("Familie"), like, g + u'*');
    if (searching) {
        const QString search = clause(column, QStringLiteral("  LIKE "), text + u'*');
        filter = g != kAll ? filter + QStringLiteral(" AND ") + genusClause + QStringLiteral(" AND ") + search
                           : filter + QStringLiteral(" AND ") + search;
    }
    if (k == kAll) {
        if (searching) {
            filter = clause(column, like, text + u'*');
        } else {
            // Everything: no filter, the plant box keeps what it shows.
            Label16->setText(QString::number(plants.recordCount()) + QStringLiteral(" Einträge gefunden!"));
            plants.setIndexFieldNames(QStringLiteral("Namen"));
            return;
        }
    }
    if (field == QLatin1String("Nr.") && searching)
        filter = k == kAll ? clause(QStringLiteral("Nr"), QStringLiteral("  LIKE "), text)
                           : clause(QStringLiteral("Kategorie"), like, k) + QStringLiteral(" AND ")
                                 + clause(QStringLiteral("Nr"), QStringLiteral("  LIKE "), text);
    if (field == QLatin1String("Gattung") && text == QLatin1String(" "))
        filter = QStringLiteral("(Familie LIKE ' ')");

    plants.setFilter(filter);
    plants.setFiltered(true);
    Label16->setText(QString::number(plants.recordCount()) + QStringLiteral(" Einträge gefunden!"));
    Label6->setText(QString::number(categories.recordCount()) + QStringLiteral(" Einträge gefunden!"));
    if (ComboBox8->currentText() == QLatin1String("A - Z"))
        plants.setIndexFieldNames(QStringLiteral("Namen"));
    else if (ComboBox8->currentText() == QLatin1String("nach Nummern"))
        plants.setIndexFieldNames(QStringLiteral("Nr"));
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
    const QString k = t.Tab_Kate_test.text(QStringLiteral("Namen"));
    const QString categoryClause = k == kAll ? QStringLiteral("(Kategorie LIKE '*')")
                                             : clause(QStringLiteral("Kategorie"), QStringLiteral(" LIKE "), k + u'*');
    const QString column =
        ComboBox5->currentText() == QLatin1String("Beschriftet") ? QStringLiteral("Beschriftet") : QStringLiteral("Nummeriert");
    plants.setFilter(categoryClause + QStringLiteral(" AND ")
                     + clause(column, QStringLiteral(" LIKE "), ComboBox6->currentText()));
    plants.setFiltered(true);
    Label16->setText(QString::number(plants.recordCount()) + QStringLiteral(" Einträge gefunden!"));
    Label6->setText(QString::number(t.Tab_Kate_test.recordCount()) + QStringLiteral(" Einträge gefunden!"));
    plants.setIndexFieldNames(QStringLiteral("Namen"));
}

void HauptansichtPage::ComboBox8Change()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    if (ComboBox8->currentText() == QLatin1String("A - Z"))
        plants.setIndexFieldNames(QStringLiteral("Namen"));
    else if (ComboBox8->currentText() == QLatin1String("nach Nummern"))
        plants.setIndexFieldNames(QStringLiteral("Nr"));
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
// Mouse and keys

void HauptansichtPage::hoverGrid(DataGrid *grid)
{
    for (DataGrid *g : {DBGrid2, DBGrid4, DBGrid1}) {
        const bool hovered = g == grid;
        if (g->property("vindelHovered").toBool() == hovered)
            continue;
        g->setProperty("vindelHovered", hovered);
        QPalette p = g->palette();
        p.setColor(QPalette::Base, hovered ? fromWinColour(kHoverColour) : QPalette().color(QPalette::Base));
        g->setPalette(p);
    }
    grid->setFocus(Qt::MouseFocusReason);
}

bool HauptansichtPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize && watched->property("vindelWatched").toBool()) {
        m_reframe.start();
        return false;
    }
    DataGrid *grid = nullptr;
    bool onViewport = false;
    for (DataGrid *g : {DBGrid2, DBGrid4, DBGrid1}) {
        if (watched == g)
            grid = g;
        else if (watched == g->viewport())
            grid = g, onViewport = true;
    }
    SharedState &s = ctx.state;

    if (grid && onViewport) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        switch (type) {
        case QEvent::MouseMove:
            hoverGrid(grid);
            if (grid != DBGrid4)
                s.TypeAheadText.clear();
            break;
        case QEvent::MouseButtonPress:
            m_chainRunsAtPress = m_chainRuns;
            if (grid == DBGrid1)
                s.TypeAheadText.clear();
            if (grid == DBGrid1 && mouse->button() == Qt::RightButton) {
                const QModelIndex index = DBGrid1->indexAt(mouse->position().toPoint());
                ctx.run([&] {
                    if (index.isValid())
                        ctx.tables.Tab_Pflanzen_test.moveTo(index.row());
                    if (m_chainRuns == m_chainRunsAtPress)
                        Pflanzezeigen();
                });
                openListMenu(mouse->globalPosition().toPoint());
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (grid == DBGrid1) {
                s.TypeAheadText.clear();
                if (mouse->button() == Qt::RightButton)
                    return true; // the press opened the menu
            } else if (grid == DBGrid4) {
                s.TypeAheadText.clear();
            } else if (mouse->button() == Qt::LeftButton) {
                // The release ends the click; clicked() follows and must not show the row again.
                runGuarded(&HauptansichtPage::Kategoriezeigen);
            }
            break;
        default:
            break;
        }
        return false;
    }
    if (grid) {
        switch (type) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            m_chainRunsAtPress = m_chainRuns;
            // A held key passes plants by; their photos are not fetched (see showPhotos).
            if (key->isAutoRepeat())
                m_keyRepeating = true;
            const QString typed = key->text();
            const bool printable = !typed.isEmpty() && typed.at(0).isPrint()
                                   && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            if (printable && (grid == DBGrid4 || grid == DBGrid1)) {
                ctx.run([&] { typeAhead(grid, typed); });
                return true;
            }
            break;
        }
        case QEvent::KeyRelease:
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
                // The key is up: the plant the list stopped on gets its photos at once.
                if (m_keyRepeating) {
                    m_keyRepeating = false;
                    if (m_settle.isActive())
                        requestPhotos();
                }
                if (grid == DBGrid2)
                    runGuarded(&HauptansichtPage::Kategoriezeigen);
                else if (grid == DBGrid4)
                    runGuarded(&HauptansichtPage::Gattungzeigen);
            }
            break;
        case QEvent::FocusOut:
            if (grid != DBGrid2)
                s.TypeAheadText.clear();
            break;
        default:
            break;
        }
        return false;
    }
    if (watched == Edit33 && type == QEvent::MouseMove) {
        Edit33->setFocus(Qt::MouseFocusReason);
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
