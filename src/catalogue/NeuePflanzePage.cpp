#include "catalogue/NeuePflanzePage.h"

#include "app/Make.h"
#include "app/Tag.h"
#include "catalogue/NameCheck.h"
#include "catalogue/PlantCursor.h"
#include "catalogue/SuggestionLists.h"
#include "data/Schema.h"
#include "data/ShortDate.h"

#include <QCalendarWidget>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace vindel {

namespace {

const QString kNotANumber = QStringLiteral("Die Pflanzennummer muß aus Zahlen bestehen!");
const QString kNumberTaken = QStringLiteral("Diese Nummer besteht bereits für: ");
const QString kNumberFree = QStringLiteral("Diese Nummer ist möglich ");
const QString kNumberMissing = QStringLiteral("Die Pflanzennummer muß eingetragen sein!");

// The stored text of a control: an empty field stores the empty string, not NULL.
QString stored(const QString &text) { return text.isNull() ? QStringLiteral("") : text; }

// Longest text the plant column holds (0: no limit).
int widthOf(const char *column)
{
    const ColumnDef *c = Schema::plantTable().column(QString::fromUtf8(column));
    return c && c->kind == ColumnKind::Text ? c->width : 0;
}

} // namespace

NeuePflanzePage::NeuePflanzePage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet4"), QStringLiteral("Neue Pflanze anlegen      "))
{
    DesignLayout *page = design();
    Label29 = new QLabel(QStringLiteral("Neue Pflanze eintragen"));
    Label29->setObjectName(QStringLiteral("Label29"));
    QFont f = Label29->font();
    f.setPixelSize(24);
    f.setBold(true);
    f.setItalic(true);
    Label29->setFont(f);
    Label29->installEventFilter(this);
    page->place(Label29, {20, 10, 500, 36});

    auto caption = [page](const QString &text, const QRect &rect) {
        auto *l = new QLabel(text);
        page->place(l, rect);
        return l;
    };
    auto lineEdit = [page](const char *name, const char *column, const QRect &rect) {
        auto *e = new QLineEdit;
        e->setObjectName(QLatin1String(name));
        if (column && widthOf(column) > 0)
            e->setMaxLength(widthOf(column));
        page->place(e, rect);
        return e;
    };
    auto suggestionBox = [page](const char *name, const char *column, const QRect &rect) {
        auto *b = new SuggestionBox(QLatin1String(name));
        if (widthOf(column) > 0)
            b->lineEdit()->setMaxLength(widthOf(column));
        page->place(b, rect);
        return b;
    };
    auto calendarIcon = [page](const char *name, const QRect &rect) {
        auto *b = new QToolButton;
        b->setObjectName(QLatin1String(name));
        b->setText(QStringLiteral("…"));
        b->setToolTip(QStringLiteral("Kalender anzeigen"));
        page->place(b, rect);
        return b;
    };

    // Left column: names and descriptions. Each row is a caption and the field beside it; a
    // required field carries a star behind it.
    constexpr int lx = 20, fx = 136, fw = 300, row = 34;
    int y = 62;
    auto leftRow = [&](const QString &text, bool required = false) {
        caption(text, {lx, y + 2, 110, 22});
        if (required)
            caption(QStringLiteral("*"), {fx + fw + 4, y + 2, 10, 22});
        const QRect field{fx, y, fw, 24};
        y += row;
        return field;
    };
    ComboBox1 = suggestionBox("ComboBox1", "Kategorie", leftRow(QStringLiteral("Kategorie:"), true));
    ComboBox16 = suggestionBox("ComboBox16", "Familie", leftRow(QStringLiteral("Gattung:"), true));
    Edit31 = lineEdit("Edit31", "Art", leftRow(QStringLiteral("Art:")));
    Edit45 = lineEdit("Edit45", "Variante", leftRow(QStringLiteral("Variante:")));
    Edit1 = lineEdit("Edit1", "Namen", leftRow(QStringLiteral("Name:")));
    ComboBox19 = suggestionBox("ComboBox19", "Vorkommen", leftRow(QStringLiteral("Habitat:")));
    Edit37 = lineEdit("Edit37", "Mundart", leftRow(QStringLiteral("Mundartlich:")));
    Edit3 = lineEdit("Edit3", "Bezeichnung", leftRow(QStringLiteral("Bemerkung:")));
    ComboBox13 = suggestionBox("ComboBox13", "Herkunft", leftRow(QStringLiteral("Herkunft:")));
    Edit28 = lineEdit("Edit28", nullptr, leftRow(QStringLiteral("Boden:")));
    Edit29 = lineEdit("Edit29", nullptr, leftRow(QStringLiteral("Düngung:")));
    QRect memoRect = leftRow(QStringLiteral("Beschreibung:"));
    memoRect.setHeight(150);
    Memo2 = make::memo("Memo2");
    page->place(Memo2, memoRect);

    // Right column: number, dates, places.
    constexpr int rx = 520, gx = 656, gw = 250;
    y = 62;
    caption(QStringLiteral("Neue Nummer:"), {rx, y + 2, 130, 22});
    Edit35 = lineEdit("Edit35", nullptr, {gx, y, 90, 24});
    Edit35->setMaxLength(11);
    caption(QStringLiteral("*"), {gx + 94, y + 2, 10, 22});
    caption(QStringLiteral("Nummer kann geändert werden"), {gx + 110, y + 2, 200, 22});
    y += 28;
    Label119 = caption(QString(), {gx, y, 330, 20});
    Label119->setObjectName(QStringLiteral("Label119"));
    y += 20;
    Label118 = caption(QString(), {gx, y, 330, 20});
    Label118->setObjectName(QStringLiteral("Label118"));
    Label118->hide();
    y += 28;
    auto rightRow = [&](const QString &text) {
        caption(text, {rx, y + 2, 130, 22});
        const QRect field{gx, y, gw, 24};
        y += row;
        return field;
    };
    // The calendar icon right of a date field.
    auto beside = [&](const QRect &field) { return QRect(gx + gw + 6, field.y(), 24, 24); };
    Edit5 = lineEdit("Edit5", "Kaufpreis", rightRow(QStringLiteral("Kaufpreis:")));
    Edit48 = lineEdit("Edit48", "Feldnummer", rightRow(QStringLiteral("Feldnummer:")));
    const QRect sowing = rightRow(QStringLiteral("Aussaat/ Pflanzung:"));
    Edit2 = lineEdit("Edit2", "Aussaat", sowing);
    Image5 = calendarIcon("Image5", beside(sowing));
    const int calendarTop = sowing.y() + 28;
    const QRect flowering = rightRow(QStringLiteral("Blüte:"));
    Edit6 = lineEdit("Edit6", "Blüte", flowering);
    Image3 = calendarIcon("Image3", beside(flowering));
    Edit7 = lineEdit("Edit7", "Töpfe", rightRow(QStringLiteral("Topfgröße:")));
    const QRect inStock = rightRow(QStringLiteral("Im Bestand seit:"));
    Edit32 = lineEdit("Edit32", "Bestand", inStock);
    Image16 = calendarIcon("Image16", beside(inStock));
    ComboBox14 = suggestionBox("ComboBox14", "Sommer", rightRow(QStringLiteral("Standort Sommer:")));
    ComboBox15 = suggestionBox("ComboBox15", "Winter", rightRow(QStringLiteral("Standort Winter:")));
    y += 10;
    caption(QStringLiteral("* = Pflichteinträge"), {gx, y, gw, 22});
    y += 40;
    BitBtn1 = new QPushButton(QStringLiteral("Speichern"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setEnabled(false);
    page->place(BitBtn1, {gx, y, 120, 32});
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    page->place(BitBtn2, {gx + 130, y, 120, 32});
    caption(QStringLiteral("Fotos können in der Hauptansicht für diesen Pflanze gespeichert werden!"),
            {fx, 600, 700, 22});

    MonthCalendar1 = new QCalendarWidget;
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setToolTip(QStringLiteral("Doppelklick für Auswahl - Abbrechen mit 'ESC' !!"));
    MonthCalendar1->hide();
    page->place(MonthCalendar1, {gx, calendarTop, 260, 190});

    // Handlers. Database errors end the handler with the error box.
    auto handle = [this](auto method) { return [this, method] { ctx.run([this, method] { (this->*method)(); }); }; };
    connect(BitBtn1, &QPushButton::clicked, this, handle(&NeuePflanzePage::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handle(&NeuePflanzePage::BitBtn2Click));
    connect(Edit1, &QLineEdit::textChanged, this, handle(&NeuePflanzePage::Edit1Change));
    connect(Edit35, &QLineEdit::textChanged, this, handle(&NeuePflanzePage::Edit35Change));
    connect(ComboBox16, &QComboBox::editTextChanged, this, handle(&NeuePflanzePage::ComboBox16Change));
    connect(Edit31, &QLineEdit::textChanged, this, handle(&NeuePflanzePage::Edit31Change));
    connect(Edit45, &QLineEdit::textChanged, this, handle(&NeuePflanzePage::Edit45Change));
    connect(Edit48, &QLineEdit::textChanged, this, handle(&NeuePflanzePage::Edit45Change));
    connect(Image5, &QToolButton::clicked, this, handle(&NeuePflanzePage::Image5Click));
    connect(Image3, &QToolButton::clicked, this, handle(&NeuePflanzePage::Image3Click));
    connect(Image16, &QToolButton::clicked, this, handle(&NeuePflanzePage::Image16Click));
    connect(MonthCalendar1, &QCalendarWidget::activated, this, handle(&NeuePflanzePage::MonthCalendar1DblClick));
    // The question comes once the focus has moved on, and the focus goes back there afterwards,
    // so that what the user types next lands in the field they went to.
    connect(
        ComboBox16, &SuggestionBox::exited, this,
        [this] {
            QPointer<QWidget> next = QApplication::focusWidget();
            ctx.run([this] { ComboBox16Exit(); });
            if (next && next->isVisible() && next->window() == window())
                next->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);

    auto onDropDown = [this](SuggestionBox *box, void (NeuePflanzePage::*method)()) {
        box->onDropDown = [this, method] { ctx.run([this, method] { (this->*method)(); }); };
    };
    onDropDown(ComboBox13, &NeuePflanzePage::ComboBox13DropDown);
    onDropDown(ComboBox14, &NeuePflanzePage::ComboBox14DropDown);
    onDropDown(ComboBox15, &NeuePflanzePage::ComboBox15DropDown);
    onDropDown(ComboBox19, &NeuePflanzePage::ComboBox19DropDown);
    onDropDown(ComboBox16, &NeuePflanzePage::ComboBox16DropDown);
    onDropDown(ComboBox1, &NeuePflanzePage::ComboBox1DropDown);
    connect(&ctx.events, &ContextEvents::categoriesChanged, this, handle(&NeuePflanzePage::fillCategoryList));
}

bool NeuePflanzePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label29 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        ctx.run([this] { Image5Click(); });
    return Page::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Showing and leaving the page

void NeuePflanzePage::TabSheet4Show()
{
    Table &categories = ctx.tables.Tab_Kate_test;
    if (categories.active() && !categories.isEmpty()) {
        const QString category = categories.text(QStringLiteral("Namen"));
        if (category != QLatin1String(" Alle"))
            ComboBox1->setEditText(category);
    }
    ctx.state.NextPlantNr = proposedNumber();
    setNumberField(ctx.state.NextPlantNr);
    updateSaveButton();
}

void NeuePflanzePage::TabSheet4Exit()
{
    if (!Edit1->text().isEmpty()) {
        const bool keep = ctx.prompter.confirm(
            QStringLiteral("Sie haben für eine neue Pflanze Daten eingegeben und noch nicht gespeichert. \n\n"
                           "Sollen diese erhalten bleiben?"));
        if (!keep) {
            clearEntryFields(true);
            Edit1->clear();
        }
    }
    reapplyCatalogueSort(ctx);
}

// ---------------------------------------------------------------------------------------------
// Number

int NeuePflanzePage::proposedNumber()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    AllPlantsScope all(plants);
    // Stays sorted by number while the page is shown.
    plants.setIndexFieldNames(QStringLiteral("Nr"));
    if (plants.isEmpty())
        return 1;
    plants.last();
    return int(plants.integer(QStringLiteral("Nr"))) + 1;
}

void NeuePflanzePage::setNumberField(int number)
{
    const QString text = QString::number(number);
    if (Edit35->text() == text)
        Edit35Change();
    else
        Edit35->setText(text);
}

bool NeuePflanzePage::numberFieldUsable() const
{
    return Edit35->text().isEmpty() || plantNumber(Edit35->text()).has_value();
}

void NeuePflanzePage::updateSaveButton()
{
    BitBtn1->setEnabled(!Edit1->text().isEmpty() && numberFieldUsable());
}

void NeuePflanzePage::Edit35Change()
{
    const QString text = Edit35->text();
    Label119->show();
    if (text.isEmpty()) {
        Label118->hide();
        Label119->setText(kNumberMissing);
        updateSaveButton();
        return;
    }
    const std::optional<int> number = plantNumber(text);
    ctx.state.NextPlantNr = number.value_or(-1);
    if (!number) {
        Label119->setText(kNotANumber);
        Label118->hide();
        updateSaveButton();
        return;
    }
    updateSaveButton();
    // Against all plants, whatever the catalogue shows.
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    AllPlantsScope all(plants);
    if (plants.locate(QStringLiteral("Nr"), *number)) {
        Label119->setText(kNumberTaken);
        Label118->setText(plants.text(QStringLiteral("Namen")));
        Label118->show();
    } else {
        Label118->hide();
        Label119->setText(kNumberFree);
    }
}

void NeuePflanzePage::Edit1Change() { updateSaveButton(); }

// ---------------------------------------------------------------------------------------------
// Composed name and name check

void NeuePflanzePage::composeName(int upTo)
{
    const QString genus = ComboBox16->currentText();
    if (upTo == 1)
        Edit1->setText(genus + QLatin1Char(' '));
    else if (upTo == 2)
        Edit1->setText(genus + QLatin1Char(' ') + Edit31->text() + QLatin1Char(' '));
    else
        Edit1->setText(genus + QLatin1Char(' ') + Edit31->text() + QLatin1Char(' ') + Edit45->text());
}

void NeuePflanzePage::ComboBox16Change() { composeName(1); }

void NeuePflanzePage::Edit31Change()
{
    checkNameField(ctx, Edit31);
    composeName(2);
}

void NeuePflanzePage::Edit45Change()
{
    // The field-number box tests the variant too; a correction does not fire its own handler.
    checkNameField(ctx, Edit45);
    composeName(3);
}

// ---------------------------------------------------------------------------------------------
// Date pickers

void NeuePflanzePage::openCalendar(int target)
{
    MonthCalendar1->setSelectedDate(ctx.prompter.today());
    MonthCalendar1->show();
    MonthCalendar1->raise();
    Tag::set(MonthCalendar1, target);
}

void NeuePflanzePage::Image5Click() { openCalendar(1); }
void NeuePflanzePage::Image3Click() { openCalendar(2); }
void NeuePflanzePage::Image16Click() { openCalendar(3); }

void NeuePflanzePage::MonthCalendar1DblClick()
{
    QLineEdit *target = nullptr;
    switch (Tag::of(MonthCalendar1)) {
    case 1: target = Edit2; break;
    case 2: target = Edit6; break;
    case 3: target = Edit32; break;
    default: break;
    }
    if (target)
        target->setText(ShortDate::format(MonthCalendar1->selectedDate()));
    Tag::set(MonthCalendar1, 0);
    MonthCalendar1->hide();
}

// ---------------------------------------------------------------------------------------------
// Saving and cancelling

void NeuePflanzePage::clearEntryFields(bool habitatToo)
{
    for (QLineEdit *e : {Edit5, Edit2, Edit3, Edit6, Edit7, Edit28, Edit29, Edit31, Edit32, Edit37, Edit45, Edit48})
        e->clear();
    Memo2->clear();
    for (SuggestionBox *b : {ComboBox13, ComboBox14, ComboBox15, ComboBox16}) {
        b->setCurrentIndex(-1);
        b->setEditText(QString());
    }
    if (habitatToo) {
        ComboBox19->setCurrentIndex(-1);
        ComboBox19->setEditText(QString());
    }
}

void NeuePflanzePage::BitBtn1Click()
{
    SharedState &s = ctx.state;
    if (Edit35->text().isEmpty()) {
        ctx.prompter.information(QStringLiteral("Pflanzen Nummer ist leer"));
        Edit35->setFocus();
        return;
    }
    // The button is disabled for such a number; a click that still arrives stores nothing.
    const std::optional<int> number = plantNumber(Edit35->text());
    if (!number || Edit1->text().isEmpty())
        return;
    s.NextPlantNr = *number;

    Table &plants = ctx.tables.Tab_Pflanzen_test;
    ScrollGuard guard(plants, ScrollGuard::OnExit::Restore);
    plants.open();
    const bool wasFiltered = plants.filtered();
    plants.setFiltered(false);
    plants.setIndexFieldNames(QStringLiteral("ID"));
    plants.last();
    plants.append();
    const std::pair<const char *, QString> values[] = {
        {"Kategorie", ComboBox1->currentText()}, {"Namen", Edit1->text()},       {"Bezeichnung", Edit3->text()},
        {"Herkunft", ComboBox13->currentText()}, {"Vorkommen", ComboBox19->currentText()},
        {"Beschreibung", Memo2->toPlainText()},  {"Kaufpreis", Edit5->text()},   {"Töpfe", Edit7->text()},
        {"Aussaat", Edit2->text()},              {"Blüte", Edit6->text()},       {"Boden", Edit28->text()},
        {"Düngung", Edit29->text()},             {"Sommer", ComboBox14->currentText()},
        {"Winter", ComboBox15->currentText()},   {"Bestand", Edit32->text()},    {"Familie", ComboBox16->currentText()},
        {"Art", Edit31->text()},                 {"Variante", Edit45->text()},   {"Mundart", Edit37->text()},
        {"Feldnummer", Edit48->text()},
    };
    try {
        plants.setValue(QStringLiteral("Nr"), s.NextPlantNr);
        for (const auto &[column, text] : values)
            plants.setValue(QString::fromUtf8(column), stored(text));
        plants.post();
    } catch (...) {
        plants.cancel();
        plants.setFiltered(wasFiltered);
        throw;
    }
    const qint64 newId = plants.integer(QStringLiteral("ID"));
    plants.close();
    plants.open();
    plants.locate(QStringLiteral("ID"), newId);
    s.CurrentPlantId = int(newId);
    s.CurrentPlantNr = int(plants.integer(QStringLiteral("Nr")));
    s.CurrentPlantNrText = QString::number(s.CurrentPlantNr);
    if (ctx.catalogue)
        ctx.catalogue->Pflanzezeigen();

    stampLastChange(ctx);

    clearEntryFields(false);

    s.NextPlantNr = proposedNumber();
    setNumberField(s.NextPlantNr);
    plants.setFiltered(wasFiltered);
    reapplyCatalogueSort(ctx);

    Edit1->clear();
    ctx.prompter.information(QStringLiteral("Daten wurden gespeichert"));
}

void NeuePflanzePage::BitBtn2Click()
{
    clearEntryFields(true);
    Edit1->clear();
    ctx.state.NextPlantNr = proposedNumber();
    setNumberField(ctx.state.NextPlantNr);
    Edit1->clear();
}

// ---------------------------------------------------------------------------------------------
// Suggestion lists

void NeuePflanzePage::fillDistinct(SuggestionBox *box, const QString &column)
{
    box->setSuggestions(SuggestionLists(ctx.tables).fromComboboxListe(column));
}

void NeuePflanzePage::ComboBox13DropDown() { fillDistinct(ComboBox13, QStringLiteral("Herkunft")); }
void NeuePflanzePage::ComboBox14DropDown() { fillDistinct(ComboBox14, QStringLiteral("Sommer")); }
void NeuePflanzePage::ComboBox15DropDown() { fillDistinct(ComboBox15, QStringLiteral("Winter")); }

void NeuePflanzePage::ComboBox19DropDown()
{
    ComboBox19->setSuggestions(SuggestionLists(ctx.tables).habitats());
}

// Both fill the genus list for the category shown; the genus cursor is guarded either way, so
// opening the category box does not redisplay the catalogue.
void NeuePflanzePage::fillGenera()
{
    ComboBox16->setSuggestions(SuggestionLists(ctx.tables).generaOfCategory(ComboBox1->currentText()));
}

void NeuePflanzePage::ComboBox16DropDown() { fillGenera(); }
void NeuePflanzePage::ComboBox1DropDown() { fillGenera(); }

void NeuePflanzePage::ComboBox16Exit()
{
    const QString genus = ComboBox16->currentText();
    if (genus.isEmpty())
        return;
    SuggestionLists lists(ctx.tables);
    if (lists.genusExists(genus))
        return;
    if (!ctx.prompter.confirm(QStringLiteral("Die Gattung ist noch nicht vorhanden! Speichern?")))
        return;
    lists.addGenus(ComboBox1->currentText(), genus);
    emit ctx.events.generaChanged();
}

void NeuePflanzePage::fillCategoryList()
{
    ComboBox1->clear();
    ComboBox1->addItems(SuggestionLists::categoryNames(ctx.tables.Tab_Kate_test));
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
}

} // namespace vindel
