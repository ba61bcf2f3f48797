#include "catalogue/PlantEditing.h"

#include "app/AppWindow.h"
#include "app/Colours.h"
#include "app/Controls.h"
#include "app/DesignLayout.h"
#include "app/Tag.h"
#include "catalogue/FieldColours.h"
#include "catalogue/NameCheck.h"
#include "catalogue/PlantCursor.h"
#include "catalogue/PlantOperations.h"
#include "catalogue/SuggestionLists.h"
#include "data/Schema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace vindel {

namespace {

const QString kNr = QStringLiteral("Nr");
const QString kId = QStringLiteral("ID");

int widthOf(const char *column)
{
    const ColumnDef *c = Schema::plantTable().column(QString::fromUtf8(column));
    return c && c->kind == ColumnKind::Text ? c->width : 0;
}

} // namespace

PlantEditing::PlantEditing(AppContext &context, QWidget *page) : QObject(page), ctx(context), m_page(page)
{
    setObjectName(QStringLiteral("PlantEditing"));
    m_plantBox = control<QWidget>(page, QStringLiteral("GroupBox4"));
    m_number = control<QLabel>(page, QStringLiteral("Label125"));
    m_numberField = field("Edit46");
    m_categoryField = field("Edit16");
    m_category = control<QComboBox>(page, QStringLiteral("ComboBox2"));
    m_numbered = control<QCheckBox>(page, QStringLiteral("CheckBox1"));
    m_labelled = control<QCheckBox>(page, QStringLiteral("CheckBox2"));
    m_listPhoto = control<QComboBox>(page, QStringLiteral("ComboBox7"));
    for (const char *name : {"Edit15", "Edit8", "Edit17", "Edit13", "Edit12", "Edit11", "Edit10", "Edit49", "Edit24"})
        m_editable.push_back(field(name));
    for (const char *name : {"DBGrid2", "DBGrid4", "DBGrid1"})
        m_grids.push_back(control<QWidget>(page, QLatin1String(name)));
    for (const char *name : {"Image15", "Image13"})
        if (auto *icon = page->findChild<QToolButton *>(QLatin1String(name)))
            m_calendarIcons.push_back(icon);

    // The category list may hold a category that is no longer listed; the box then shows it as text.
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->setCompleter(nullptr);
    keepOver(m_category, m_categoryField);

    ComboBox12 = overlay("ComboBox12", field("Edit9"), "Herkunft");
    ComboBox10 = overlay("ComboBox10", field("Edit14"), "Sommer");
    ComboBox11 = overlay("ComboBox11", field("Edit27"), "Winter");
    ComboBox18 = overlay("ComboBox18", field("Edit25"), "Vorkommen");
    ComboBox17 = overlay("ComboBox17", field("Edit34"), "Familie");
    ComboBox22 = overlay("ComboBox22", field("Edit4"), "Art");
    ComboBox23 = overlay("ComboBox23", field("Edit30"), "Variante");

    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    BitBtn3 = button("BitBtn3", QStringLiteral("Daten ändern"));
    BitBtn4 = button("BitBtn4", QStringLiteral("Abbrechen"));
    BitBtn5 = button("BitBtn5", QStringLiteral("Löschen"));
    BitBtn22 = button("BitBtn22", QStringLiteral("Duplizieren"));
    BitBtn4->hide();
    if (auto *box = qobject_cast<DesignLayout *>(m_plantBox->layout())) {
        // "Abbrechen" shows only while editing, "Löschen" only while browsing: they share a place.
        // The row under the photos keeps its distance from the box's bottom.
        constexpr int anchors = AnchorLeft | AnchorBottom;
        box->place(BitBtn3, {24, 648, 120, 24}, anchors);
        box->place(BitBtn4, {150, 648, 100, 24}, anchors);
        box->place(BitBtn5, {150, 648, 100, 24}, anchors);
        box->place(BitBtn22, {256, 648, 100, 24}, anchors);
    } else {
        for (QPushButton *b : {BitBtn3, BitBtn4, BitBtn5, BitBtn22})
            b->setParent(m_plantBox);
    }

    auto handle = [this](auto method) { return [this, method] { ctx.run([this, method] { (this->*method)(); }); }; };
    connect(BitBtn3, &QPushButton::clicked, this, handle(&PlantEditing::BitBtn3Click));
    connect(BitBtn4, &QPushButton::clicked, this, handle(&PlantEditing::BitBtn4Click));
    connect(BitBtn5, &QPushButton::clicked, this, handle(&PlantEditing::BitBtn5Click));
    connect(BitBtn22, &QPushButton::clicked, this, handle(&PlantEditing::BitBtn22Click));
    connect(field("Edit15"), &QLineEdit::textChanged, this, handle(&PlantEditing::Edit15Change));
    m_numberField->installEventFilter(this);

    auto onDropDown = [this](SuggestionBox *box, void (PlantEditing::*method)()) {
        box->onDropDown = [this, method] { ctx.run([this, method] { (this->*method)(); }); };
    };
    onDropDown(ComboBox12, &PlantEditing::ComboBox12DropDown);
    onDropDown(ComboBox10, &PlantEditing::ComboBox10DropDown);
    onDropDown(ComboBox11, &PlantEditing::ComboBox11DropDown);
    onDropDown(ComboBox18, &PlantEditing::ComboBox18DropDown);
    onDropDown(ComboBox17, &PlantEditing::ComboBox17DropDown);
    onDropDown(ComboBox22, &PlantEditing::ComboBox22DropDown);
    onDropDown(ComboBox23, &PlantEditing::ComboBox23DropDown);
}

QLineEdit *PlantEditing::field(const char *name) const { return control<QLineEdit>(m_page, QLatin1String(name)); }

SuggestionBox *PlantEditing::overlay(const char *name, QLineEdit *under, const char *column)
{
    auto *box = new SuggestionBox(QLatin1String(name));
    if (widthOf(column) > 0)
        box->lineEdit()->setMaxLength(widthOf(column));
    box->hide();
    keepOver(box, under);
    return box;
}

// The box lies exactly over the field, wherever the layout moves it.
void PlantEditing::keepOver(QWidget *box, QWidget *under)
{
    box->setParent(under->parentWidget());
    box->setGeometry(under->geometry());
    under->installEventFilter(this);
    m_overlays.emplace_back(box, under);
}

bool PlantEditing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        for (const auto &[box, under] : m_overlays)
            if (under == watched)
                box->setGeometry(under->geometry());
    } else if (watched == m_numberField && event->type() == QEvent::MouseButtonPress) {
        ctx.run([this] { Edit46Click(); });
    }
    return QObject::eventFilter(watched, event);
}

bool PlantEditing::editing() const { return Tag::of(BitBtn3) == 1; }

bool PlantEditing::duplicating() const { return Tag::of(BitBtn22) == 1; }

// ---------------------------------------------------------------------------------------------
// Modes

void PlantEditing::setEditing()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    Tag::set(BitBtn3, 1);
    m_editedId = plants.integer(kId);
    ctx.state.CurrentPlantNr = int(plants.integer(kNr));
    BitBtn3->setText(QStringLiteral("Speichern"));
    BitBtn5->hide();
    BitBtn22->hide();
    BitBtn4->show();
    for (QWidget *grid : m_grids)
        grid->setEnabled(false);

    const QString category = plants.text(QStringLiteral("Kategorie"));
    const int index = m_category->findText(category, Qt::MatchExactly);
    m_category->setCurrentIndex(index);
    m_category->setEditText(category);
    m_category->show();
    m_category->raise();
    paintField(m_category, true);
    for (QLineEdit *e : m_editable) {
        e->setReadOnly(false);
        paintField(e, true);
    }
    m_numberField->show();
    m_numberField->raise();
    for (QCheckBox *c : {m_numbered, m_labelled}) {
        c->setEnabled(true);
        setBackground(c, kEditableFieldColour);
    }
    m_listPhoto->setEnabled(true);
    for (QWidget *icon : m_calendarIcons)
        icon->show();

    for (const auto &[box, under] : m_overlays) {
        auto *suggestions = qobject_cast<SuggestionBox *>(box);
        if (!suggestions)
            continue;
        suggestions->setSuggestions({});
        suggestions->setEditText(static_cast<QLineEdit *>(under)->text());
        paintField(suggestions, true);
        suggestions->show();
        suggestions->raise();
    }
}

void PlantEditing::setBrowsing()
{
    Tag::set(BitBtn3, 0);
    BitBtn3->setText(QStringLiteral("Daten ändern"));
    for (QLineEdit *e : m_editable) {
        e->setReadOnly(true);
        paintField(e, false);
    }
    m_numberField->hide();
    Tag::set(m_numberField, 0);
    for (QCheckBox *c : {m_numbered, m_labelled}) {
        c->setEnabled(false);
        setBackground(c, ctx.state.GroupBoxColor);
    }
    m_listPhoto->setEnabled(false);
    for (QWidget *icon : m_calendarIcons)
        icon->hide();
    if (auto *calendar = m_page->findChild<QWidget *>(QStringLiteral("MonthCalendar3")))
        calendar->hide();
    BitBtn4->hide();
    for (const auto &[box, under] : m_overlays)
        box->hide();
    BitBtn5->show();
    BitBtn22->show();
    for (QWidget *grid : m_grids)
        grid->setEnabled(true);
    if (!m_grids.empty())
        m_grids.back()->setFocus();
}

// ---------------------------------------------------------------------------------------------
// "Daten ändern" / "Speichern", "Abbrechen"

void PlantEditing::writeFields()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    auto text = [this](const char *name) { return field(name)->text(); };
    const std::pair<const char *, QString> values[] = {
        {"Namen", text("Edit15")},
        {"Bezeichnung", text("Edit8")},
        {"Art", ComboBox22->currentText()},
        {"Variante", ComboBox23->currentText()},
        {"Töpfe", text("Edit10")},
        {"Kaufpreis", text("Edit11")},
        {"Bestand", text("Edit24")},
        {"Sommer", ComboBox10->currentText()},
        {"Winter", ComboBox11->currentText()},
        {"Herkunft", ComboBox12->currentText()},
        {"Vorkommen", ComboBox18->currentText()},
        {"Kategorie", m_category->currentText()},
        {"Aussaat", text("Edit12")},
        {"Blüte", text("Edit13")},
        {"Familie", ComboBox17->currentText()},
        {"Mundart", text("Edit17")},
        {"Feldnummer", text("Edit49")},
        {"FotoListe", m_listPhoto->currentText()},
        {"Nummeriert", m_numbered->isChecked() ? QStringLiteral("Ja") : QStringLiteral("Nein")},
        {"Beschriftet", m_labelled->isChecked() ? QStringLiteral("Ja") : QStringLiteral("Nein")},
    };
    for (const auto &[column, value] : values)
        plants.setValue(QString::fromUtf8(column), value.isNull() ? QStringLiteral("") : value);
}

void PlantEditing::BitBtn3Click()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    plants.tag = 1;
    if (t.Tab_Kate_test.active() && !t.Tab_Kate_test.isEmpty())
        s.SavedCategoryId = int(t.Tab_Kate_test.integer(kId));

    if (!editing()) {
        // Nothing to edit without a plant (editing an empty table would append one).
        if (plants.isEmpty()) {
            plants.tag = 0;
            return;
        }
        setEditing();
        return;
    }

    const qint64 id = plants.integer(kId);
    if (plants.isEmpty() || id != m_editedId) {
        // Another page made another plant current meanwhile (a new plant was saved, say): the
        // fields no longer belong to the plant being edited, so nothing is written.
        setBrowsing();
        plants.tag = 0;
        if (ctx.catalogue)
            ctx.catalogue->Pflanzezeigen();
        ctx.prompter.information(QStringLiteral("Die Änderungen wurden nicht gespeichert, weil inzwischen eine "
                                                "andere Pflanze angezeigt wird."));
        return;
    }
    const int oldNr = int(plants.integer(kNr));
    bool ok = false;
    const int newNr = m_numberField->text().trimmed().toInt(&ok);
    const int nr = ok ? newNr : oldNr;

    PlantOperations operations(ctx);
    {
        Transaction transaction(t.db);
        plants.edit();
        try {
            plants.setValue(kNr, nr);
            writeFields();
            plants.post();
        } catch (...) {
            plants.cancel(); // stays in the editing mode, the input kept
            throw;
        }
        // A new number takes the plant's diary and list entries with it.
        operations.carryNumber(oldNr, nr, id);
        stampLastChange(ctx);
        transaction.commit();
    }
    operations.refreshReferences();
    s.CurrentPlantNr = nr;
    s.CurrentPlantNrText = QString::number(nr);

    setBrowsing();
    plants.locate(kId, id);
    plants.tag = 0;
    if (ctx.catalogue)
        ctx.catalogue->Pflanzezeigen();
    ctx.prompter.information(QStringLiteral("Daten von \n\"") + plants.text(QStringLiteral("Namen"))
                             + QStringLiteral("\"\nwurden geändert"));
}

void PlantEditing::BitBtn4Click()
{
    setBrowsing();
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.tag = 0;
    // The fields show the stored plant again, its own number included.
    if (plants.active() && !plants.isEmpty()) {
        m_numberField->setText(QString::number(plants.integer(kNr)));
        if (ctx.catalogue)
            ctx.catalogue->Pflanzezeigen();
    }
}

void PlantEditing::Edit15Change()
{
    QLineEdit *name = field("Edit15");
    if (editing() && !name->isReadOnly())
        checkNameField(ctx, name);
}

void PlantEditing::Edit46Click()
{
    if (!editing())
        return;
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    ctx.state.CurrentPlantNr = int(plants.integer(kNr));
    if (AppWindow *dialog = ctx.window(QStringLiteral("TNr")))
        dialog->showOver(ctx.frame ? ctx.frame->mainWindow() : m_page->window());
}

// ---------------------------------------------------------------------------------------------
// "Löschen", "Duplizieren"

void PlantEditing::BitBtn5Click()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    if (plants.isEmpty())
        return;
    if (!ctx.prompter.confirm(QStringLiteral("Diesen Datensatz wirklich löschen? Es werden auch die Bilder und das "
                                             "Tagebuch mit seinen Bildern gelöscht!")))
        return;
    PlantOperations(ctx).deleteCurrentPlant();
    if (!m_grids.empty())
        m_grids.back()->setFocus();
    if (ctx.catalogue)
        ctx.catalogue->Pflanzezeigen();
    if (ctx.catalogue)
        ctx.catalogue->refreshPlantCount();
}

void PlantEditing::BitBtn22Click()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    if (plants.isEmpty())
        return;
    if (!ctx.prompter.confirm(QStringLiteral("Diese Pflanzendaten (ohne Bilder) für eine neue Pflanze wirklich duplizieren?")))
        return;
    Tag::set(BitBtn22, 1);
    PlantOperations::Duplicated copy;
    try {
        copy = PlantOperations(ctx).duplicateCurrentPlant();
    } catch (...) {
        Tag::set(BitBtn22, 0);
        throw;
    }
    Tag::set(BitBtn22, 0);
    if (ctx.catalogue)
        ctx.catalogue->Pflanzezeigen();
    if (!copy.photoError.isEmpty())
        ctx.prompter.error(QStringLiteral("Das Literaturfoto konnte nicht kopiert werden:\n") + copy.photoError);
    ctx.prompter.information(QStringLiteral("Neue Pflanze wurde angelegt"));
}

// ---------------------------------------------------------------------------------------------
// Suggestion lists

void PlantEditing::ComboBox12DropDown()
{
    ComboBox12->setSuggestions(SuggestionLists(ctx.tables).fromComboboxListe(QStringLiteral("Herkunft")));
    ComboBox12->setEditText(field("Edit9")->text());
}

void PlantEditing::ComboBox10DropDown()
{
    ComboBox10->setSuggestions(SuggestionLists(ctx.tables).fromComboboxListe(QStringLiteral("Sommer")));
    ComboBox10->setEditText(field("Edit14")->text());
}

void PlantEditing::ComboBox11DropDown()
{
    ComboBox11->setSuggestions(SuggestionLists(ctx.tables).fromComboboxListe(QStringLiteral("Winter")));
    ComboBox11->setEditText(field("Edit27")->text());
}

void PlantEditing::ComboBox18DropDown() { ComboBox18->setSuggestions(SuggestionLists(ctx.tables).habitats()); }

void PlantEditing::ComboBox17DropDown()
{
    ComboBox17->setSuggestions(SuggestionLists(ctx.tables).shownGenera());
    ComboBox17->setEditText(field("Edit34")->text());
}

// Species and varieties are offered from what is stored for the genus (and species) in the boxes;
// opening them leaves the genus box alone.
void PlantEditing::ComboBox22DropDown()
{
    ComboBox22->setSuggestions(SuggestionLists(ctx.tables).speciesOfGenus(ComboBox17->currentText()));
}

void PlantEditing::ComboBox23DropDown()
{
    ComboBox23->setSuggestions(
        SuggestionLists(ctx.tables).variantsOf(ComboBox17->currentText(), ComboBox22->currentText()));
}

} // namespace vindel
