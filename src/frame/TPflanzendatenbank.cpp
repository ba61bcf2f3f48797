#include "frame/TPflanzendatenbank.h"

#include "app/Colours.h"
#include "app/Controls.h"
#include "app/DataGrid.h"
#include "app/DesignLayout.h"
#include "app/LayeredTitle.h"
#include "app/Page.h"
#include "app/ProgressWindow.h"
#include "app/ScrollGuard.h"
#include "app/Tag.h"
#include "frame/PageControl.h"
#include "catalogue/DetailsPage.h"
#include "data/NewDatabase.h"
#include "data/SchemaUpgrade.h"
#include "settings/DataBackup.h"
#include "data/StartupData.h"
#include "import/LegacyImport.h"
#include "catalogue/HauptansichtPage.h"
#include "catalogue/NeuePflanzePage.h"
#include "contacts/KontaktePage.h"
#include "diary/TagebuchPage.h"
#include "photos/FotoalbumPage.h"
#include "settings/StammdatenPage.h"
#include "stats/StatistikPage.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QWindow>
#include <utility>

namespace vindel {

TPflanzendatenbank::TPflanzendatenbank(AppContext &context)
    : AppWindow(context, QStringLiteral("TPflanzendatenbank"), QStringLiteral("Pflanzen - Datenbank V 4.0"),
                kDesignSize)
{
    ctx.frame = this;
    m_layout = new DesignLayout(this, kDesignSize);

    QFont titleFont(QStringLiteral("Verdana"));
    titleFont.setPixelSize(37);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    m_title = new LayeredTitle(QStringLiteral("Title"), QStringLiteral("Pflanzen - Datenbank"), titleFont, {4, 1});
    m_layout->place(m_title, {0, 2, 1020, 50}, AnchorLeft | AnchorTop | AnchorRight);

    m_info = new QPushButton(QStringLiteral("Info"));
    m_info->setObjectName(QStringLiteral("BitBtn36"));
    m_layout->place(m_info, {926, 12, 84, 30}, AnchorTop | AnchorRight);

    m_pages = new PageControl;
    m_layout->place(m_pages, {0, 54, 1020, 743}, AnchorAll);

    m_hauptansicht = new HauptansichtPage(ctx);
    m_details = new DetailsPage(ctx);
    m_tagebuch = new TagebuchPage(ctx);
    m_neuePflanze = new NeuePflanzePage(ctx);
    m_statistik = new StatistikPage(ctx);
    m_fotoalbum = new FotoalbumPage(ctx);
    m_kontakte = new KontaktePage(ctx);
    m_stammdaten = new StammdatenPage(ctx);
    m_pageList = {m_hauptansicht, m_details, m_tagebuch, m_neuePflanze,
                  m_statistik,    m_fotoalbum, m_kontakte, m_stammdaten};
    for (Page *p : m_pageList)
        m_pages->addTab(p, p->caption());
    m_currentPage = m_hauptansicht;
    ctx.catalogue = m_hauptansicht;
    m_pages->fitTabs(kDesignSize.width() - 4);

    // Pages are designed for the area they get at the window's design size.
    ensurePolished();
    m_pages->ensurePolished();
    const QSize pageSize = m_pages->pageRectFor(m_layout->designRect(m_pages).size()).size();
    for (Page *p : m_pageList)
        p->design()->setDesignSize(pageSize);

    connect(m_pages, &QTabWidget::currentChanged, this, &TPflanzendatenbank::pageChanged);
    connect(m_title, &LayeredTitle::clicked, this, [this] { ctx.run([this] { m_neuePflanze->Image5Click(); }); });
    connect(m_info, &QPushButton::clicked, this, [this] {
        if (AppWindow *info = ctx.window(QStringLiteral("TInfo")))
            info->showOver(this);
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TPflanzendatenbank::focusWindowChanged);
    // Key preview and the plant box's resizing both need to see events of other widgets.
    qApp->installEventFilter(this);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TPflanzendatenbank::~TPflanzendatenbank()
{
    if (qApp)
        qApp->removeEventFilter(this);
    if (ctx.frame == this)
        ctx.frame = nullptr;
    if (ctx.catalogue == m_hauptansicht)
        ctx.catalogue = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Start-up

void TPflanzendatenbank::FormCreate()
{
    if (startUp() == StartupResult::Stopped)
        emit programEnded();
}

TPflanzendatenbank::StartupResult TPflanzendatenbank::startUp()
{
    m_startupStopped = runStartup() == StartupResult::Stopped;
    return m_startupStopped ? StartupResult::Stopped : StartupResult::Ready;
}

TPflanzendatenbank::StartupResult TPflanzendatenbank::runStartup()
{
    DataTables &t = ctx.tables;
    try {
        if (t.db.isOpen())
            t.closeAll();
        if (!databaseFilePresent()) {
            if (ctx.offerNewDatabase)
                return provideDatabase() ? runStartup() : StartupResult::Stopped;
            ctx.prompter.information(QStringLiteral("Die Datenbankdatei fehlt!   Bitte kopieren Sie die "
                                                    "\"Pflanzen.mdb\" ins Programmverzeichnis."));
            return StartupResult::Stopped;
        }
        if (!convertAccessDatabase())
            return StartupResult::Stopped;
        connectDatabase();
        upgradeSchema();
        StartupData::ensureIndexes(t);
        openTables();
        StartupData::ensurePhotoDir(t, ctx.state.ProgramDir);
        t.Tab_Stammdaten.open();
        loadColours();
        applyStartColours();
        activatePage(QStringLiteral("TabSheet1"));
        loadPhotoDir();
        m_hauptansicht->prepareAtStart();
        m_hauptansicht->recordThumbnailBaseline();
        if (t.ADOQuery_Stammdaten.tag == 1) {
            // Runs this sequence again with the default colours stored.
            m_stammdaten->BitBtn34Click();
            if (m_startupStopped)
                return StartupResult::Stopped;
        }
        StartupData::ensureObservationAction(t);
        StartupData::completeDiary(t);
    } catch (const DatabaseError &e) {
        ctx.prompter.error(e.message());
        return StartupResult::Stopped;
    }
    return StartupResult::Ready;
}

bool TPflanzendatenbank::databaseFilePresent()
{
    return QFileInfo(ctx.state.ProgramDir + QStringLiteral("Pflanzen.mdb")).isFile();
}

// The first start of an installed program: a new, empty catalogue, or an existing
// "Pflanzen.mdb" (an old Access file included, which the start-up then converts), copied into
// the user's data folder.
bool TPflanzendatenbank::provideDatabase()
{
    const QString folder = ctx.state.ProgramDir;
    const QString target = folder + QStringLiteral("Pflanzen.mdb");
    QDir().mkpath(folder);
    if (ctx.prompter.confirm(QStringLiteral(
            "Willkommen! Es gibt noch keine Pflanzen-Datenbank.\n\nSoll eine neue, leere Datenbank angelegt "
            "werden?\n\nMit „Nein“ wählen Sie eine vorhandene „Pflanzen.mdb“ aus, zum Beispiel die Ihrer "
            "bisherigen Programmversion; eine alte Access-Datei wird dabei übernommen."))) {
        createDatabase(target);
        return true;
    }
    const std::optional<QString> chosen =
        ctx.prompter.openFile(QStringLiteral("Vorhandene Pflanzen-Datenbank auswählen"), QDir::homePath(),
                              QStringLiteral("Pflanzen-Datenbank (*.mdb *.MDB);;Alle Dateien (*)"));
    if (chosen && QFile::copy(*chosen, target))
        return true;
    ctx.prompter.information(
        chosen ? QStringLiteral("Die Datei „%1“ konnte nicht nach „%2“ kopiert werden.\n\nOhne Datenbank kann das "
                                "Programm nicht arbeiten; es wird beendet.")
                     .arg(*chosen, folder)
               : QStringLiteral("Ohne Datenbank kann das Programm nicht arbeiten; es wird beendet.\n\nBeim nächsten "
                                "Start können Sie eine Datenbank anlegen oder auswählen."));
    return false;
}

// A Pflanzen.mdb that is still an Access file is converted once, before the connection.
bool TPflanzendatenbank::convertAccessDatabase()
{
    ProgressWindow progress(QStringLiteral("Datenbank übernehmen"));
    const LegacyImport::Outcome outcome = importLegacyDatabase(ctx.state.ProgramDir, progress);
    progress.hide();
    switch (outcome.result) {
    case LegacyImport::Result::NotJet:
        return true;
    case LegacyImport::Result::Imported:
        ctx.prompter.information(outcome.message);
        return true;
    case LegacyImport::Result::Failed:
        ctx.prompter.error(outcome.message);
        return false;
    }
    return false;
}

void TPflanzendatenbank::connectDatabase()
{
    ctx.tables.db.open(ctx.state.ProgramDir + QStringLiteral("Pflanzen.mdb"), Schema::requiredTableNames());
}

void TPflanzendatenbank::upgradeSchema()
{
    SchemaUpgrade(ctx.tables).run([this](const QString &message) { ctx.prompter.information(message); });
}

void TPflanzendatenbank::openTables()
{
    DataTables &t = ctx.tables;
    for (Table *table : {&t.Tab_Stammdaten, &t.Tab_Kate_test, &t.Tab_Pflanzen_test, &t.Tab_Gattung, &t.Tab_Aktion,
                         &t.Tab_Combobox, &t.Tab_Kontakte, &t.Tab_Historie})
        table->open();
}

void TPflanzendatenbank::loadColours()
{
    Table &s = ctx.tables.Tab_Stammdaten;
    ctx.state.FormColor = StartupData::colourOrWhite(s.text(QStringLiteral("Formfarbe")));
    ctx.state.TabSheetColor = StartupData::colourOrWhite(s.text(QStringLiteral("Tabsheetfarbe")));
    ctx.state.GroupBoxColor = StartupData::colourOrWhite(s.text(QStringLiteral("Groupboxfarbe")));
}

void TPflanzendatenbank::loadPhotoDir()
{
    ctx.state.PhotoDir = ctx.tables.Tab_Stammdaten.text(QStringLiteral("Speicherpfad"));
    m_stammdaten->showPhotoDir();
}

// ---------------------------------------------------------------------------------------------
// Colours

void TPflanzendatenbank::applyStartColours()
{
    const SharedState &s = ctx.state;
    setBackground(this, s.FormColor);
    setBackground(control<QWidget>(this, QStringLiteral("Shape4")), s.FormColor);

    for (Page *p : m_pageList)
        if (p != m_statistik)
            setBackground(p, s.TabSheetColor);
    for (const char *name : {"Shape2", "RadioGroup1", "RadioGroup2"})
        setBackground(control<QWidget>(this, QLatin1String(name)), s.TabSheetColor);

    for (int i = 1; i <= 9; ++i)
        setBackground(control<QGroupBox>(this, QStringLiteral("GroupBox%1").arg(i)), s.GroupBoxColor);
    for (const char *name : {"Shape1", "Shape3", "Shape5", "Shape6", "Shape7", "Shape8", "Shape15"})
        setBackground(control<QWidget>(this, QLatin1String(name)), s.GroupBoxColor);
    for (int i = 1; i <= 5; ++i)
        setBackground(control<QWidget>(this, QStringLiteral("CheckBox%1").arg(i)), s.GroupBoxColor);
}

void TPflanzendatenbank::applyActivationColours()
{
    const SharedState &s = ctx.state;
    setBackground(this, s.FormColor);
    for (Page *p : m_pageList)
        setBackground(p, s.TabSheetColor);
    static const QStringList kBoxes{QStringLiteral("Alle Kontakte"), QStringLiteral("Pflanzenliste"),
                                    QStringLiteral("Kategorien"),    QStringLiteral("Pflanze"),
                                    QStringLiteral("Kontaktdetails"), QStringLiteral("Gattung"),
                                    QStringLiteral("Suche nach:")};
    for (QGroupBox *box : findChildren<QGroupBox *>())
        if (kBoxes.contains(box->title()))
            setBackground(box, s.GroupBoxColor);
}

// ---------------------------------------------------------------------------------------------
// Show, activation, resizing, keys, close

void TPflanzendatenbank::FormShow()
{
    m_wheelHook.install();
    if (AppWindow *calendar = ctx.window(QStringLiteral("TKalender")))
        if (auto *year = calendar->findChild<QSpinBox *>(QStringLiteral("SpinEdit1")))
            year->setValue(ctx.prompter.today().toString(QStringLiteral("yyyy")).toInt());
    m_hauptansicht->Pflanzezeigen();
}

void TPflanzendatenbank::FormActivate()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    auto windowTag = [this](const char *className) {
        AppWindow *w = ctx.window(QLatin1String(className));
        return w ? w->tag : 0;
    };
    QPushButton *printButton = m_hauptansicht->BitBtn20;

    applyActivationColours();

    const bool reportFlag = windowTag("TRep_druckansicht") == 1 || windowTag("TRep_Historie") == 1
                            || windowTag("TRep_Liste") == 1 || Tag::of(printButton) == 1;
    // Returning from the photo viewer the album opened: the album stays.
    const QString stay = std::exchange(m_stayOnPage, QString());
    if (s.PhotoCode != 7 && s.PhotoCode != 8 && !reportFlag && stay.isEmpty())
        activatePage(QStringLiteral("TabSheet1"));
    if (s.PhotoCode == 7) {
        t.Tab_Pflanzen_test.open();
        t.Tab_Pflanzen_test.locate(QStringLiteral("Nr"), s.CurrentPlantNr);
        s.PhotoCode = 0;
        activatePage(QStringLiteral("TabSheet2"));
    }
    if (windowTag("TRep_Historie") == 1 || windowTag("TKalender") == 1)
        activatePage(QStringLiteral("TabSheet3"));
    if (windowTag("TRep_Liste") == 1 || Tag::of(printButton) == 1)
        m_hauptansicht->DBGrid1->setFocus();
    // The calendar's flag is used once too; left set, every later return would show the diary.
    for (const char *className : {"TRep_Historie", "TRep_Liste", "TKalender"})
        if (AppWindow *w = ctx.window(QLatin1String(className)))
            w->tag = 0;
    Tag::set(printButton, 0);

    m_hauptansicht->resynchronise();

    if (s.PhotoCode <= 6)
        m_hauptansicht->TabSheet1Show();
    else if (s.PhotoCode == 7)
        m_details->pageShown();
    else if (s.PhotoCode == 8)
        m_tagebuch->pageShown();
}

void TPflanzendatenbank::FormResize() { m_hauptansicht->layoutThumbnails(); }

void TPflanzendatenbank::FormKeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return;
    m_neuePflanze->MonthCalendar1->hide();
    m_hauptansicht->MonthCalendar3->hide();
}

void TPflanzendatenbank::FormClose()
{
    ctx.run([this] { remindOfBackup(); });
    emit programEnded();
}

// The stored settings decide, whether or not the settings page was opened in this run.
void TPflanzendatenbank::remindOfBackup()
{
    if (!ctx.tables.db.isOpen())
        return;
    DataBackup backup(ctx);
    const DataBackup::Reminder reminder = backup.storedReminder();
    const bool targetExists = !reminder.target.trimmed().isEmpty() && QFileInfo(reminder.target).isDir();
    if (!reminder.due(ctx.prompter.today(), targetExists) || !ctx.prompter.warningYesNo(reminder.question()))
        return;
    ProgressWindow progress(QStringLiteral("Datensicherung"));
    backup.run(progress);
}

bool TPflanzendatenbank::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this)
        FormKeyDown(static_cast<QKeyEvent *>(event)->key());
    return false;
}

void TPflanzendatenbank::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The first appearance counts as an activation, with or without a window manager.
    m_lastActiveWindow = this;
    ctx.run([this] { FormShow(); });
    ctx.run([this] { FormActivate(); });
}

void TPflanzendatenbank::resizeEvent(QResizeEvent *event)
{
    AppWindow::resizeEvent(event);
    FormResize();
}

void TPflanzendatenbank::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

// The main window counts as activated when it becomes active after another window of the
// program was; message boxes, pop-ups and other applications in between do not count.
void TPflanzendatenbank::focusWindowChanged(QWindow *window)
{
    if (!window || !m_shown)
        return;
    AppWindow *active = nullptr;
    for (AppWindow *w : ctx.windows())
        if (w->windowHandle() == window)
            active = w;
    if (!active)
        return;
    const bool returning = active == this && m_lastActiveWindow != this;
    m_lastActiveWindow = active;
    if (returning)
        ctx.run([this] { FormActivate(); });
}

// ---------------------------------------------------------------------------------------------
// Pages

Page *TPflanzendatenbank::page(const QString &pageName) const
{
    for (Page *p : m_pageList)
        if (p->objectName() == pageName)
            return p;
    return nullptr;
}

QTabWidget *TPflanzendatenbank::pageControl() const { return m_pages; }

void TPflanzendatenbank::activatePage(const QString &pageName)
{
    if (Page *p = page(pageName))
        m_pages->setCurrentWidget(p);
}

QString TPflanzendatenbank::activePageName() const
{
    return m_pages->currentWidget() ? m_pages->currentWidget()->objectName() : QString();
}

void TPflanzendatenbank::setPageCaption(const QString &pageName, const QString &caption)
{
    if (Page *p = page(pageName))
        m_pages->setTabText(m_pages->indexOf(p), caption);
}

void TPflanzendatenbank::runPageShown(const QString &pageName)
{
    if (Page *p = page(pageName))
        ctx.run([p] { p->pageShown(); });
}

void TPflanzendatenbank::stayOnPage(const QString &pageName)
{
    m_stayOnPage = pageName;
    if (activePageName() == pageName)
        runPageShown(pageName);
    else
        activatePage(pageName);
}

void TPflanzendatenbank::pageChanged(int index)
{
    Page *previous = m_currentPage;
    m_currentPage = qobject_cast<Page *>(m_pages->widget(index));
    if (previous && previous != m_currentPage)
        ctx.run([previous] { previous->pageLeft(); });
    if (m_currentPage)
        ctx.run([this] { m_currentPage->pageShown(); });
}

void TPflanzendatenbank::paintPageControl(int colour) { setBackground(m_pages, colour); }

} // namespace vindel
