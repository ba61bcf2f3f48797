#include "diary/TTagebuchneu.h"

#include "app/Colours.h"
#include "app/DesignLayout.h"
#include "app/LastChange.h"
#include "app/Make.h"
#include "data/ShortDate.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoStore.h"
#include "photos/PhotoView.h"
#include "photos/Placeholders.h"
#include "photos/TFotozeigen.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace vindel {

namespace {

const QString kIncompleteDate = QStringLiteral(
    "Es ist kein vollsständiges oder richtiges Datum eingetragen\n\nDie Sortierung im Tagebuch ist dann nicht "
    "korrekt.\n\nWollen Sie trotzdem speichern?");
const QString kObservation = QStringLiteral("Beobachtung");

// A photo file written for an entry that is not stored yet: removed again unless the entry was.
class PendingPhotoFile {
public:
    explicit PendingPhotoFile(const PhotoStore &store) : m_store(store) {}
    ~PendingPhotoFile()
    {
        if (!m_name.isEmpty() && !m_kept)
            m_store.remove(m_name);
    }
    void write(const ChosenPhoto &photo, const QString &name)
    {
        QString message;
        if (!writeChosenPhoto(m_store, photo, name, &message))
            throw DatabaseError(message);
        m_name = name;
    }
    void keep() { m_kept = true; }

private:
    const PhotoStore &m_store;
    QString m_name;
    bool m_kept = false;
};

} // namespace

TTagebuchneu::TTagebuchneu(AppContext &context)
    : AppWindow(context, QStringLiteral("TTagebuchneu"), QStringLiteral("Neuer Tagebucheintrag"), {620, 500})
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new DesignLayout(this, {620, 500});

    Heading = make::label("Heading", QStringLiteral("Neuer Tagebucheintrag"));
    QFont heading(QStringLiteral("Verdana"));
    heading.setPixelSize(27);
    heading.setBold(true);
    heading.setItalic(true);
    Heading->setFont(heading);
    layout->place(Heading, {20, 10, 580, 36});

    layout->place(new QLabel(QStringLiteral("Datum:")), {20, 62, 80, 22});
    Edit1 = make::lineEdit("Edit1");
    layout->place(Edit1, {110, 60, 110, 24});
    Image11 = make::calendarIcon("Image11");
    layout->place(Image11, {224, 60, 24, 24});

    layout->place(new QLabel(QStringLiteral("Aktion:")), {20, 98, 80, 22});
    ComboBox1 = make::comboBox("ComboBox1");
    ComboBox1->setMaxVisibleItems(9);
    layout->place(ComboBox1, {110, 96, 220, 24});
    layout->place(new QLabel(QStringLiteral("(Nur für diese Pflanze)")), {338, 98, 200, 22});

    layout->place(new QLabel(QStringLiteral("Bemerkung:")), {20, 134, 80, 22});
    Memo1 = make::memo("Memo1");
    layout->place(Memo1, {110, 132, 490, 140});

    layout->place(new QLabel(QStringLiteral("Mein Foto:")), {20, 288, 80, 22});
    Image1 = new PhotoView(QStringLiteral("Image1"), FitMode::Stretch);
    Image1->setToolTip(QStringLiteral("Klicken um Bild anzeigen oder Laden!"));
    Image1->setCursor(Qt::PointingHandCursor);
    layout->place(Image1, {110, 288, 240, 180});

    BitBtn2 = make::button("BitBtn2", QStringLiteral("Speichern"));
    layout->place(BitBtn2, {370, 436, 110, 32});
    BitBtn3 = make::button("BitBtn3", QStringLiteral("Abbrechen"));
    layout->place(BitBtn3, {490, 436, 110, 32});

    MonthCalendar2 = make::datePicker("MonthCalendar2", QStringLiteral("Übernehmen mit Doppel Klick! Abbrechen mit 'ESC' !!"));
    layout->place(MonthCalendar2, {110, 86, 280, 200});

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char *name, const QString &text) {
        QAction *a = PopupMenu1->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    Fotoanzeigen1 = item("Fotoanzeigen1", QStringLiteral("Foto anzeigen"));
    Fotoladen1 = item("Fotoladen1", QStringLiteral("Foto laden/ändern"));
    Fotolschen1 = item("Fotolschen1", QStringLiteral("Foto löschen"));
    Abbrechen1 = item("Abbrechen1", QStringLiteral("Abbrechen"));

    connect(BitBtn2, &QPushButton::clicked, this, handler(&TTagebuchneu::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, handler(&TTagebuchneu::BitBtn3Click));
    connect(Image11, &QToolButton::clicked, this, handler(&TTagebuchneu::Image11Click));
    connect(MonthCalendar2, &QCalendarWidget::activated, this, handler(&TTagebuchneu::MonthCalendar2DblClick));
    connect(Image1, &PhotoView::pressed, this, [this](Qt::MouseButton, const QPoint &at) { Image1Click(at); });
    connect(Fotoanzeigen1, &QAction::triggered, this, handler(&TTagebuchneu::Fotoanzeigen1Click));
    connect(Fotoladen1, &QAction::triggered, this, handler(&TTagebuchneu::Fotoladen1Click));
    connect(Fotolschen1, &QAction::triggered, this, handler(&TTagebuchneu::Fotolschen1Click));
    connect(Abbrechen1, &QAction::triggered, PopupMenu1, &QMenu::close);
    // Esc hides the date picker whichever control has the focus.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { FormKeyDown(Qt::Key_Escape); });
}

TTagebuchneu::~TTagebuchneu() = default;

void TTagebuchneu::openFor(Mode mode, const QString &heading, QWidget *opener)
{
    tag = mode;
    Heading->setText(heading);
    showOver(opener);
}

void TTagebuchneu::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    // Opened anew, not when it becomes active again after the photo viewer.
    if (!m_open) {
        m_open = true;
        ctx.run([this] { FormActivate(); });
    }
}

void TTagebuchneu::closeEvent(QCloseEvent *event)
{
    // Closing the window by other means than its buttons is "Abbrechen".
    if (m_open) {
        event->ignore();
        ctx.run([this] { BitBtn3Click(); });
        return;
    }
    AppWindow::closeEvent(event);
}

void TTagebuchneu::FormActivate()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    m_plantGuard.emplace(plants);
    m_savedPlantNr = s.CurrentPlantNr;
    m_chosen.reset();
    setBackground(this, s.TabSheetColor);
    MonthCalendar2->hide();

    if (Edit1->text().isEmpty())
        Edit1->setText(ShortDate::format(ctx.prompter.today()));
    fillActions();

    Table &diary = t.Tab_Historie;
    diary.open();
    if (tag == NewMode) {
        s.CurrentPhotoPath.clear();
        showOwnPhotoPlaceholder();
        Memo1->clear();
    }
    if (diary.recordCount() == 1)
        s.CurrentDiaryId = diary.valueAt(0, diary.columnIndex(QStringLiteral("ID"))).toString();
    if (tag != EditMode)
        return;

    ComboBox1->setEditable(true);
    // Typing opens the list of the actions that match.
    auto *completer = new QCompleter(ComboBox1->model(), ComboBox1);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    ComboBox1->setCompleter(completer);
    if (!diary.locate(QStringLiteral("ID"), s.CurrentDiaryId.toLongLong(), LocateOption::None)) {
        ctx.prompter.information(QStringLiteral("Dieser Tagebucheintrag ist nicht mehr vorhanden!"));
        returnToDiary();
        return;
    }
    Edit1->setText(diary.text(QStringLiteral("Datum")));
    Memo1->setPlainText(diary.text(QStringLiteral("Inhalt1")));
    ComboBox1->setEditText(diary.text(QStringLiteral("Aktion")));
    const PhotoStore store(s.PhotoDir);
    const std::optional<QString> path = store.resolve(diary.text(QStringLiteral("Bild")));
    s.CurrentPhotoPath = path && QFileInfo(*path).isFile() ? *path : QString();
    if (s.CurrentPhotoPath.isEmpty()) {
        showOwnPhotoPlaceholder();
        return;
    }
    const PhotoLoadResult loaded =
        photoServices(ctx).loader().loadNow(s.CurrentPhotoPath, Image1->frameInDevicePixels(), FitMode::Stretch);
    if (loaded.ok())
        Image1->setPicture(loaded.image, SlotState::Photo);
    else
        Image1->setPicture(placeholderImage(Placeholder::PhotoMissing), SlotState::Damaged);
}

// The actions in number order, each name once, " Alle" left out; the first is preselected. In
// new mode only these names can be chosen.
void TTagebuchneu::fillActions()
{
    Table &actions = ctx.tables.Tab_Aktion;
    ComboBox1->setEditable(false);
    ComboBox1->clear();
    actions.open();
    actions.setSort(QStringLiteral("Kenner ASC"));
    QString previous;
    const int name = actions.columnIndex(QStringLiteral("Bezeichnung"));
    for (int r = 0; r < actions.recordCount(); ++r) {
        const QString n = actions.valueAt(r, name).toString();
        if ((r == 0 || n != previous) && n != QLatin1String(" Alle"))
            ComboBox1->addItem(n);
        previous = n;
    }
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    actions.first();
}

void TTagebuchneu::showOwnPhotoPlaceholder()
{
    Image1->setPicture(placeholderImage(Placeholder::OwnPhoto), SlotState::Empty);
}

void TTagebuchneu::BitBtn2Click()
{
    if (!saveEntry())
        return;
    ctx.prompter.information(QStringLiteral("Für diese Pflanze wurde ins Tagebuch eingetragen "));
    Memo1->clear();
    if (tag == EditMode) {
        Edit1->clear();
        showOwnPhotoPlaceholder();
    }
    returnToDiary();
}

bool TTagebuchneu::saveEntry()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    const bool newEntry = tag == NewMode;
    Table &diary = t.Tab_Historie;
    Table &actions = t.Tab_Aktion;
    Table &plants = t.Tab_Pflanzen_test;
    diary.open();
    actions.open();
    plants.open();

    const QDate today = ctx.prompter.today();
    const std::optional<QDate> date = ShortDate::parse(Edit1->text(), today);
    // Answered No, nothing of the entry is stored and the window stays open for correction.
    if (!date && !ctx.prompter.confirm(kIncompleteDate))
        return false;

    QString action = ComboBox1->currentText();
    std::optional<QString> number; // Aktionkenner; nothing leaves it as it is
    if (action.isEmpty() || (newEntry && action == kObservation)) {
        number = QStringLiteral("0");
        if (newEntry)
            action = kObservation;
    } else if (actions.locate(QStringLiteral("Bezeichnung"), action, LocateOption::None)) {
        number = actions.text(QStringLiteral("Kenner"));
    }

    const PhotoStore store(s.PhotoDir);
    PendingPhotoFile photo(store);
    QString replacedPhoto;
    {
        Transaction transaction(t.db);
        try {
            if (newEntry) {
                diary.append();
                diary.setValue(QStringLiteral("PflanzenID"), QString::number(plants.integer(QStringLiteral("Nr"))));
            } else {
                if (!diary.locate(QStringLiteral("ID"), s.CurrentDiaryId.toLongLong(), LocateOption::None))
                    throw DatabaseError(QStringLiteral("Dieser Tagebucheintrag ist nicht mehr vorhanden!"));
                diary.edit();
            }
            diary.setValue(QStringLiteral("Datum"), Edit1->text());
            if (date)
                diary.setValue(QStringLiteral("SortDatum"), ShortDate::wallClock(*date));
            diary.setValue(QStringLiteral("Inhalt1"), Memo1->toPlainText());
            diary.setValue(QStringLiteral("Aktion"), action);
            if (number)
                diary.setValue(QStringLiteral("Aktionkenner"), *number);
            if (newEntry || !action.isEmpty())
                diary.setValue(QStringLiteral("Jahr"), QString::number((date ? *date : today).year()));
            // A new entry gets its ID when it is posted; its photo is named with it.
            if (newEntry)
                diary.post();
            if (m_chosen) {
                const qint64 id = newEntry ? diary.integer(QStringLiteral("ID")) : s.CurrentDiaryId.toLongLong();
                const QString name = PhotoNaming::diaryPhoto(int(id), s.CurrentPlantNr,
                                                             plants.text(QStringLiteral("Namen")), m_chosen->format);
                if (!newEntry)
                    replacedPhoto = diary.text(QStringLiteral("Bild"));
                photo.write(*m_chosen, name);
                diary.edit();
                diary.setValue(QStringLiteral("Bild"), name);
                diary.setValue(QStringLiteral("Bildda"), QStringLiteral("Bild vorhanden"));
                if (replacedPhoto == name)
                    replacedPhoto.clear();
            }
            if (diary.state() != Dataset::State::Browse)
                diary.post();
            stampLastChange(ctx);
            transaction.commit();
        } catch (...) {
            diary.cancel(); // nothing pending is posted by a later move
            throw;
        }
    }
    photo.keep();
    // The photo the entry had before goes once the entry names the new one.
    if (store.contains(replacedPhoto) && !PhotoStore::stillNamed(t.db, replacedPhoto))
        store.remove(replacedPhoto);
    m_chosen.reset();
    return true;
}

void TTagebuchneu::BitBtn3Click()
{
    m_chosen.reset();
    returnToDiary();
}

void TTagebuchneu::returnToDiary()
{
    m_open = false;
    MonthCalendar2->hide();
    closeAndReturn();
    if (tag == EditMode) {
        Table &plants = ctx.tables.Tab_Pflanzen_test;
        plants.open();
        plants.locate(QStringLiteral("Nr"), m_savedPlantNr);
    }
    m_plantGuard.reset();
    if (ctx.frame)
        ctx.frame->stayOnPage(QStringLiteral("TabSheet3"));
}

void TTagebuchneu::Image1Click(const QPoint &globalPos)
{
    const bool hasPhoto = !ctx.state.CurrentPhotoPath.isEmpty();
    Fotoanzeigen1->setEnabled(hasPhoto || m_chosen.has_value());
    Fotolschen1->setEnabled(hasPhoto);
    Fotoladen1->setEnabled(true);
    Abbrechen1->setEnabled(true);
    PopupMenu1->popup(globalPos);
}

void TTagebuchneu::Fotoladen1Click()
{
    std::optional<ChosenPhoto> photo = ctx.service<PlantPhotoCommands>().chooseDiaryPhoto();
    if (!photo)
        return;
    m_chosen = std::move(photo);
    Image1->setPicture(m_chosen->picture, SlotState::Photo);
}

void TTagebuchneu::Fotoanzeigen1Click()
{
    auto *viewer = ctx.window<TFotozeigen>();
    if (!viewer)
        return;
    TFotozeigen::Showing showing;
    if (m_chosen) {
        showing.picture = m_chosen->picture;
        showing.editMode = -1; // not stored yet: nothing to hand to the photo editor
    } else if (QFileInfo(ctx.state.CurrentPhotoPath).isFile()) {
        showing.path = ctx.state.CurrentPhotoPath;
        showing.editMode = 8;
    } else {
        return;
    }
    viewer->open(showing, this);
}

void TTagebuchneu::Fotolschen1Click()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &diary = t.Tab_Historie;
    diary.open();
    if (tag != EditMode || !diary.locate(QStringLiteral("ID"), s.CurrentDiaryId.toLongLong(), LocateOption::None))
        return;
    const PhotoStore store(s.PhotoDir);
    const QString photo = diary.text(QStringLiteral("Bild"));
    if (!store.contains(photo))
        return;
    if (!ctx.prompter.confirm(QStringLiteral("Wollen Sie das Bild wirklich Löschen?")))
        return;
    // The entry lets go of the file first; the file goes when nothing names it any more.
    diary.edit();
    diary.setValue(QStringLiteral("Bild"), QString());
    diary.post();
    if (!PhotoStore::stillNamed(t.db, photo))
        store.remove(photo);
    s.CurrentPhotoPath.clear();
    showOwnPhotoPlaceholder();
}

void TTagebuchneu::Image11Click()
{
    MonthCalendar2->setSelectedDate(ctx.prompter.today());
    MonthCalendar2->show();
    MonthCalendar2->raise();
}

void TTagebuchneu::MonthCalendar2DblClick()
{
    Edit1->setText(ShortDate::format(MonthCalendar2->selectedDate()));
    MonthCalendar2->hide();
}

void TTagebuchneu::FormKeyDown(int key)
{
    if (key == Qt::Key_Escape)
        MonthCalendar2->hide();
}

} // namespace vindel
