#include "contacts/KontaktePage.h"

#include "app/DataGrid.h"
#include "app/LastChange.h"
#include "app/Make.h"
#include "app/RecordNavigator.h"
#include "data/RowFilter.h"
#include "data/ShortDate.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace vindel {

namespace {

const QColor kEditable(0xFC, 0xCA, 0xC9); // 0xC9CAFC as the program stores colours
const QString kNew = QStringLiteral("Neuer Kontakt");
const QString kChange = QStringLiteral("Daten ändern");
const QString kSave = QStringLiteral("Speichern");

void tint(QWidget *w, bool editable)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, editable ? kEditable : QPalette().color(QPalette::Base));
    w->setPalette(p);
}

} // namespace

KontaktePage::KontaktePage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet7"), QStringLiteral("Kontakte             "))
{
    GroupBox6 = new QGroupBox(QStringLiteral("Alle Kontakte"));
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    design()->place(GroupBox6, {8, 8, 420, 690}, AnchorLeft | AnchorTop | AnchorBottom);
    GroupBox7 = new QGroupBox(QStringLiteral("Kontaktdetails"));
    GroupBox7->setObjectName(QStringLiteral("GroupBox7"));
    design()->place(GroupBox7, {436, 8, 568, 690}, AnchorAll);

    auto *list = new DesignLayout(GroupBox6, {420, 690});
    list->place(new QLabel(QStringLiteral("Suche nach:")), {10, 26, 80, 22});
    ComboBox20 = make::comboBox("ComboBox20", {QStringLiteral("Nachname"), QStringLiteral("Vorname"), QStringLiteral("Firma"),
                                               QStringLiteral("Ort"), QStringLiteral("PLZ"), QStringLiteral("Branche")});
    list->place(ComboBox20, {90, 24, 120, 24});
    Edit26 = make::lineEdit("Edit26", QStringLiteral("Anfangsbuchstaben für die Suche eingeben!"));
    list->place(Edit26, {216, 24, 194, 24});
    DBGrid3 = new DataGrid(QStringLiteral("DBGrid3"));
    DBGrid3->installEventFilter(this);
    list->place(DBGrid3, {10, 56, 400, 584}, AnchorAll);
    auto *navigator = new RecordNavigator("DBNavigator3", {RecordNavigator::First, RecordNavigator::Next,
                                                           RecordNavigator::Last, RecordNavigator::Delete});
    DBNavigator3 = navigator;
    NavigatorFirst = navigator->button(RecordNavigator::First);
    NavigatorNext = navigator->button(RecordNavigator::Next);
    NavigatorLast = navigator->button(RecordNavigator::Last);
    NavigatorDelete = navigator->button(RecordNavigator::Delete);
    list->place(DBNavigator3, {10, 648, 200, 30}, AnchorLeft | AnchorBottom);

    // The details: one field per column, in two columns of the group.
    auto *details = new DesignLayout(GroupBox7, {568, 690});
    const struct {
        const char *caption;
        const char *column;
        int x, y, width;
    } fields[] = {{"Nachname:", "Nachname", 10, 30, 180},  {"Vorname:", "Vorname", 290, 30, 180},
                  {"Anrede:", "Anrede", 10, 66, 180},      {"Firma:", "Firma", 290, 66, 180},
                  {"Ort:", "Ort", 10, 102, 180},           {"PLZ:", "PLZ", 290, 102, 180},
                  {"Erstellt:", "Erstellt", 10, 138, 180}, {"Straße:", "Straße", 290, 138, 180},
                  {"Telefon:", "Telefon", 10, 174, 180},   {"Mobil:", "Mobil", 290, 174, 180},
                  {"Fax:", "Fax", 10, 210, 180},           {"E-Mail:", "Email", 290, 210, 180},
                  {"WEB:", "WEB", 10, 246, 180},           {"Branche:", "Branche", 290, 246, 180}};
    for (const auto &f : fields) {
        details->place(new QLabel(QString::fromUtf8(f.caption)), {f.x, f.y + 2, 80, 20});
        auto *edit = make::lineEdit(qPrintable(QStringLiteral("Kontakt") + QString::fromUtf8(f.column)));
        details->place(edit, {f.x + 82, f.y, f.width, 24}, AnchorLeft | AnchorTop);
        m_fields.push_back({edit, QString::fromUtf8(f.column)});
    }
    ComboBox9 = make::comboBox("ComboBox9", {QStringLiteral("Frau"), QStringLiteral("Herr"), QStringLiteral("Familie"),
                                             QStringLiteral("Firma")});
    ComboBox9->setEditable(true);
    ComboBox9->hide();
    details->place(ComboBox9, {92, 66, 180, 24});
    details->place(new QLabel(QStringLiteral("Bemerkungen:")), {10, 284, 100, 20});
    Bemerkungen = make::memo("Bemerkungen");
    Bemerkungen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    details->place(Bemerkungen, {10, 306, 548, 320}, AnchorAll);
    BitBtn25 = make::button("BitBtn25", kNew);
    details->place(BitBtn25, {10, 640, 150, 30}, AnchorLeft | AnchorBottom);
    BitBtn23 = make::button("BitBtn23", kChange);
    details->place(BitBtn23, {170, 640, 150, 30}, AnchorLeft | AnchorBottom);
    BitBtn24 = make::button("BitBtn24", QStringLiteral("Abbrechen"));
    details->place(BitBtn24, {330, 640, 150, 30}, AnchorLeft | AnchorBottom);

    Table &contacts = ctx.tables.Tab_Kontakte;
    DBGrid3->bind(contacts, {{QStringLiteral("ID"), {}, 25},
                             {QStringLiteral("Nachname"), {}, 110},
                             {QStringLiteral("Vorname"), {}, 77},
                             {QStringLiteral("Ort"), {}, 118},
                             {QStringLiteral("Firma")}});
    connect(&contacts, &Dataset::currentChanged, this, [this] {
        if (m_mode == Mode::View)
            showContact();
    });
    connect(&contacts, &Dataset::rowsReset, this, [this] {
        if (m_mode == Mode::View)
            showContact();
    });
    connect(Edit26, &QLineEdit::textChanged, this, handler(&KontaktePage::Edit26Change));
    connect(BitBtn25, &QPushButton::clicked, this, handler(&KontaktePage::BitBtn25Click));
    connect(BitBtn23, &QPushButton::clicked, this, handler(&KontaktePage::BitBtn23Click));
    connect(BitBtn24, &QPushButton::clicked, this, handler(&KontaktePage::BitBtn24Click));
    connect(NavigatorFirst, &QToolButton::clicked, this, [this] { ctx.run([this] { ctx.tables.Tab_Kontakte.first(); }); });
    connect(NavigatorNext, &QToolButton::clicked, this, [this] { ctx.run([this] { ctx.tables.Tab_Kontakte.next(); }); });
    connect(NavigatorLast, &QToolButton::clicked, this, [this] { ctx.run([this] { ctx.tables.Tab_Kontakte.last(); }); });
    connect(NavigatorDelete, &QToolButton::clicked, this, handler(&KontaktePage::deleteContact));
    setEditable(false);
}

QLineEdit *KontaktePage::field(const QString &column) const
{
    for (const DetailField &f : m_fields)
        if (f.column == column)
            return f.edit;
    return nullptr;
}

QString KontaktePage::searchFilter(const QString &column, const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("*"))
        return {};
    return QStringLiteral("(") + column + QStringLiteral(" LIKE ") + filterQuoted(text + QLatin1Char('*')) + QStringLiteral(")");
}

void KontaktePage::TabSheet7Show()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    contacts.open();
    contacts.setIndexFieldNames(QStringLiteral("Nachname"));
    showContact();
}

void KontaktePage::Edit26Change()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    if (!ComboBox20->currentText().isEmpty())
        ctx.state.FilterValue = ComboBox20->currentText();
    const QString filter = searchFilter(ctx.state.FilterValue.isEmpty() ? QStringLiteral("Nachname") : ctx.state.FilterValue,
                                        Edit26->text());
    contacts.open();
    if (filter.isEmpty()) {
        contacts.setFiltered(false);
        return;
    }
    contacts.setFilter(filter);
    contacts.setFiltered(true);
}

void KontaktePage::showContact()
{
    const Table &contacts = ctx.tables.Tab_Kontakte;
    const bool any = contacts.active() && !contacts.isEmpty();
    for (const DetailField &f : m_fields) {
        f.edit->setText(any ? contacts.text(f.column) : QString());
        f.edit->setCursorPosition(0);
    }
    Bemerkungen->setPlainText(any ? contacts.text(QStringLiteral("Bemerkungen")) : QString());
}

void KontaktePage::setEditable(bool editable)
{
    for (const DetailField &f : m_fields) {
        f.edit->setReadOnly(!editable);
        tint(f.edit, editable);
    }
    Bemerkungen->setReadOnly(!editable);
    tint(Bemerkungen, editable);
    tint(ComboBox9, editable);
    ComboBox9->setVisible(editable);
    if (editable)
        ComboBox9->raise();
}

void KontaktePage::writeFields()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    for (const DetailField &f : m_fields)
        if (f.column != QLatin1String("Anrede"))
            contacts.setValue(f.column, f.edit->text());
    contacts.setValue(QStringLiteral("Anrede"), ComboBox9->currentText());
    contacts.setValue(QStringLiteral("Bemerkungen"), Bemerkungen->toPlainText());
}

void KontaktePage::endEditing()
{
    setEditable(false);
    BitBtn25->setText(kNew);
    BitBtn23->setText(kChange);
    m_mode = Mode::View;
}

// "Speichern" in either mode: the fields into the row, then back to viewing.
void KontaktePage::saveContact()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    contacts.edit();
    writeFields();
    contacts.post();
    endEditing();
    showContact();
}

void KontaktePage::BitBtn25Click()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    contacts.open();
    if (m_mode == Mode::New) {
        saveContact();
        return;
    }
    if (m_mode != Mode::View)
        return;
    // The new contact is a row from the start; "Abbrechen" removes it again.
    const QString created = ShortDate::format(ctx.prompter.today());
    contacts.append();
    contacts.setValue(QStringLiteral("Erstellt"), created);
    contacts.post();
    m_mode = Mode::New;
    showContact();
    ComboBox9->setCurrentIndex(0);
    setEditable(true);
    BitBtn25->setText(kSave);
    field(QStringLiteral("Nachname"))->setFocus();
    stampLastChange(ctx);
}

void KontaktePage::BitBtn23Click()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    contacts.open();
    if (m_mode == Mode::Change) {
        saveContact();
        return;
    }
    if (m_mode != Mode::View || contacts.isEmpty())
        return;
    m_mode = Mode::Change;
    ComboBox9->setCurrentText(contacts.text(QStringLiteral("Anrede")));
    setEditable(true);
    BitBtn23->setText(kSave);
}

// Typed changes are thrown away: the fields show the stored contact again.
void KontaktePage::BitBtn24Click()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    const bool wasNew = m_mode == Mode::New;
    endEditing();
    if (wasNew && contacts.active() && !contacts.isEmpty())
        contacts.remove();
    showContact();
}

void KontaktePage::deleteContact()
{
    Table &contacts = ctx.tables.Tab_Kontakte;
    if (m_mode != Mode::View || !contacts.active() || contacts.isEmpty())
        return;
    if (!ctx.prompter.confirm(QStringLiteral("Datensatz löschen?")))
        return;
    contacts.remove();
    showContact();
}

bool KontaktePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid3 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() & Qt::ControlModifier) {
            ctx.run([this] { deleteContact(); });
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

} // namespace vindel
