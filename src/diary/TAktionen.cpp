#include "diary/TAktionen.h"

#include "app/Colours.h"
#include "app/DataGrid.h"
#include "app/DesignLayout.h"
#include "app/Make.h"
#include "app/ProgressBarProgress.h"
#include "app/Tag.h"
#include "data/ShortDate.h"
#include "diary/DiaryAction.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace vindel {

namespace {

const QString kNotADate =
    QStringLiteral("Kein richtiges Datum eingetragen!\n\nBitte kontrollieren Sie die Schreibweise! ");
const QString kCreateCaption = QStringLiteral("Neue Aktion anlegen");
const int kInputColour = 0xC9CAFC; // light pink

QLabel *selectionValue(const char *name)
{
    QLabel *l = make::label(name);
    l->setStyleSheet(QStringLiteral("color: red; background: white; font-weight: bold; padding-left: 2px;"));
    return l;
}

void setFieldColour(QLineEdit *field, int bgr)
{
    field->setStyleSheet(QStringLiteral("background-color: %1;").arg(fromWinColour(bgr).name()));
}

} // namespace

TAktionen::TAktionen(AppContext &context)
    : AppWindow(context, QStringLiteral("TAktionen"), QStringLiteral("Aktionen"), {740, 620})
{
    setCloseBoxHandler([this] {
        // Not while an action is being changed.
        if (BitBtn3->isEnabled())
            BitBtn3Click();
    });
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new DesignLayout(this, {740, 620});

    QLabel *heading = make::label("ActionsHeading", QStringLiteral("Aktionen ins Tagebuch eintragen"));
    QFont headingFont(QStringLiteral("Verdana"));
    headingFont.setPixelSize(22);
    headingFont.setBold(true);
    headingFont.setItalic(true);
    heading->setFont(headingFont);
    layout->place(heading, {16, 8, 700, 32});

    QGroupBox *selection = make::groupBox("GroupBox1", QStringLiteral("Vorgenomme Pflanzen-Auswahl:"));
    auto *box = new DesignLayout(selection, {370, 130});
    const std::pair<QString, QLabel **> rows[] = {{QStringLiteral("Kategorie:"), &SelectionCategory},
                                                  {QStringLiteral("Gattung:"), &SelectionGenus},
                                                  {QStringLiteral("Gefiltert nach:"), &SelectionFilter},
                                                  {QStringLiteral("Anzahl der gewählten Pflanzen:"), &SelectionCount}};
    const char *names[] = {"SelectionCategory", "SelectionGenus", "SelectionFilter", "SelectionCount"};
    for (int i = 0; i < 4; ++i) {
        box->place(new QLabel(rows[i].first), {8, 22 + i * 26, 190, 22});
        *rows[i].second = selectionValue(names[i]);
        box->place(*rows[i].second, {200, 22 + i * 26, 162, 22});
    }
    layout->place(selection, {16, 48, 370, 130});

    layout->place(new QLabel(QStringLiteral("Datum für die Aktion auswählen:")), {400, 52, 240, 20});
    Edit1 = make::lineEdit("Edit1");
    layout->place(Edit1, {400, 74, 110, 24});
    Image16 = make::calendarIcon("Image16");
    layout->place(Image16, {514, 74, 24, 24});

    layout->place(new QLabel(QStringLiteral("Aktion auswählen:")), {16, 188, 200, 20});
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"));
    DBGrid1->bind(ctx.tables.Tab_Aktion, {{QStringLiteral("Kenner"), QStringLiteral("Nr"), 20, Qt::AlignCenter},
                                          {QStringLiteral("Bezeichnung"), {}, 150},
                                          {QStringLiteral("Bemerkung"), {}, 330}});
    layout->place(DBGrid1, {16, 210, 520, 200});
    layout->place(new QLabel(QStringLiteral("Max. 7 verschiedene Aktionen möglich!")), {16, 412, 300, 20});

    layout->place(new QLabel(QStringLiteral("Aktionen bearbeiten:")), {550, 188, 180, 20});
    BitBtn5 = make::button("BitBtn5", QStringLiteral("Aktion  ändern"));
    layout->place(BitBtn5, {550, 210, 170, 28});
    BitBtn1 = make::button("BitBtn1", QStringLiteral("Aktion Löschen"));
    layout->place(BitBtn1, {550, 244, 170, 28});
    BitBtn4 = make::button("BitBtn4", kCreateCaption);
    layout->place(BitBtn4, {550, 278, 170, 28});

    Edit7 = make::lineEdit("Edit7", QStringLiteral("Nr. der Aktion eintragen"));
    layout->place(Edit7, {16, 440, 30, 24});
    Edit5 = make::lineEdit("Edit5", QStringLiteral("Namen der Aktion eintragen"));
    layout->place(Edit5, {52, 440, 150, 24});
    Edit6 = make::lineEdit("Edit6", QStringLiteral("Beschreibung der Aktion eintragen"));
    layout->place(Edit6, {208, 440, 328, 24});
    for (QLineEdit *field : {Edit7, Edit5, Edit6})
        setFieldColour(field, kInputColour);
    BitBtn6 = make::button("BitBtn6", QStringLiteral("Abbrechen"));
    layout->place(BitBtn6, {550, 438, 170, 28});

    QGroupBox *entry = make::groupBox("GroupBox2", QStringLiteral("Inhalt der neuen Tagebucheintragung:"));
    auto *entryBox = new DesignLayout(entry, {704, 84});
    entryBox->place(new QLabel(QStringLiteral("Datum:")), {8, 22, 50, 22});
    Edit2 = make::lineEdit("Edit2");
    Edit2->setReadOnly(true);
    entryBox->place(Edit2, {60, 22, 100, 24});
    entryBox->place(new QLabel(QStringLiteral("Aktion:")), {172, 22, 50, 22});
    Edit3 = make::lineEdit("Edit3");
    entryBox->place(Edit3, {224, 22, 160, 24});
    entryBox->place(new QLabel(QStringLiteral("Text der Eintragung:")), {8, 52, 140, 22});
    Edit4 = make::lineEdit("Edit4");
    entryBox->place(Edit4, {150, 52, 546, 24});
    layout->place(entry, {16, 476, 704, 84});

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: #FF0000; }"));
    ProgressBar1->hide();
    layout->place(ProgressBar1, {16, 580, 490, 20});
    BitBtn2 = make::button("BitBtn2", QStringLiteral("Start"));
    layout->place(BitBtn2, {520, 574, 95, 32});
    BitBtn3 = make::button("BitBtn3", QStringLiteral("Schliessen"));
    layout->place(BitBtn3, {625, 574, 95, 32});

    MonthCalendar1 = make::datePicker("MonthCalendar1", QStringLiteral("Doppelklick für Auswahl  -  Esc für Abbruch"));
    layout->place(MonthCalendar1, {400, 100, 280, 200});

    showInputs(false);
    Edit1->installEventFilter(this);
    Edit7->installEventFilter(this);
    connect(DBGrid1, &QAbstractItemView::clicked, this, handler(&TAktionen::DBGrid1CellClick));
    connect(Image16, &QToolButton::clicked, this, handler(&TAktionen::Image16Click));
    connect(MonthCalendar1, &QCalendarWidget::activated, this, handler(&TAktionen::MonthCalendar1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TAktionen::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, handler(&TAktionen::BitBtn3Click));
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TAktionen::BitBtn1Click));
    connect(BitBtn4, &QPushButton::clicked, this, handler(&TAktionen::BitBtn4Click));
    connect(BitBtn5, &QPushButton::clicked, this, handler(&TAktionen::BitBtn5Click));
    connect(BitBtn6, &QPushButton::clicked, this, handler(&TAktionen::BitBtn6Click));
    connect(Edit7, &QLineEdit::textChanged, this, handler(&TAktionen::Edit7Change));
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { FormKeyDown(Qt::Key_Escape); });
}

TAktionen::EditState TAktionen::editState() const { return EditState(Tag::of(BitBtn4)); }

void TAktionen::setEditState(EditState state) { Tag::set(BitBtn4, state); }

void TAktionen::showInputs(bool show)
{
    for (QWidget *w : {static_cast<QWidget *>(Edit7), static_cast<QWidget *>(Edit5), static_cast<QWidget *>(Edit6)})
        w->setVisible(show);
}

void TAktionen::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    ctx.run([this] { FormActivate(); });
}

void TAktionen::FormActivate()
{
    DataTables &t = ctx.tables;
    applyFormColor();
    for (QGroupBox *box : findChildren<QGroupBox *>())
        setBackground(box, ctx.state.GroupBoxColor);
    for (QWidget *w : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5})
        w->setEnabled(true);
    BitBtn4->setText(kCreateCaption);
    setEditState(Idle);
    showInputs(false);
    BitBtn6->hide();
    MonthCalendar1->hide();

    // The catalogue shows the first plant of the selection (no scroll guard).
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    plants.setIndexFieldNames(QStringLiteral("ID"));
    plants.first();
    fillSelection();

    Table &actions = t.Tab_Aktion;
    actions.open();
    actions.setIndexFieldNames(QStringLiteral("Kenner"));
    actions.setFilter(QStringLiteral("Kenner <> 0"));
    actions.setFiltered(true);
    actions.first();

    Edit1->setText(ShortDate::format(ctx.prompter.today()));
    Edit2->setText(Edit1->text());
    takeCurrentAction();
}

void TAktionen::fillSelection()
{
    DataTables &t = ctx.tables;
    SelectionCategory->setText(t.Tab_Kate_test.active() ? t.Tab_Kate_test.text(QStringLiteral("Namen")) : QString());
    SelectionGenus->setText(t.Tab_Gattung.active() ? t.Tab_Gattung.text(QStringLiteral("Familie")) : QString());
    const QString field = ctx.catalogue ? ctx.catalogue->searchField() : QString();
    const QString text = ctx.catalogue ? ctx.catalogue->searchText() : QString();
    SelectionFilter->setText(field + QStringLiteral(" = ") + text + QLatin1Char('*'));
    SelectionCount->setText(QString::number(t.Tab_Pflanzen_test.recordCount()));
}

// The entry takes the current action's name and remark as its defaults.
void TAktionen::takeCurrentAction()
{
    const Table &actions = ctx.tables.Tab_Aktion;
    const bool any = actions.active() && !actions.isEmpty();
    Edit3->setText(any ? actions.text(QStringLiteral("Bezeichnung")) : QString());
    Edit4->setText(any ? actions.text(QStringLiteral("Bemerkung")) : QString());
}

void TAktionen::DBGrid1CellClick()
{
    Edit2->setText(Edit1->text());
    takeCurrentAction();
}

void TAktionen::Image16Click()
{
    MonthCalendar1->setSelectedDate(ctx.prompter.today());
    MonthCalendar1->show();
    MonthCalendar1->raise();
}

void TAktionen::MonthCalendar1Click()
{
    Edit1->setText(ShortDate::format(MonthCalendar1->selectedDate()));
    Edit2->setText(Edit1->text());
    MonthCalendar1->hide();
}

void TAktionen::FormKeyDown(int key)
{
    if (key == Qt::Key_Escape)
        MonthCalendar1->hide();
}

void TAktionen::Edit1Exit(QWidget *next)
{
    if (next != BitBtn3 && !ShortDate::parse(Edit1->text(), ctx.prompter.today())) {
        ctx.prompter.information(kNotADate);
        // Back into the field once the focus change in progress is over.
        QMetaObject::invokeMethod(Edit1, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
        return;
    }
    Edit2->setText(Edit1->text());
}

bool TAktionen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        // Only when the focus moves on inside this window, not when another window takes it.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QWidget *next = QApplication::focusWidget();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next && next->window() == this)
            ctx.run([this, next] { Edit1Exit(next); });
    }
    if (watched == Edit7 && event->type() == QEvent::MouseButtonPress)
        ctx.run([this] { Edit7Click(); });
    return AppWindow::eventFilter(watched, event);
}

void TAktionen::BitBtn2Click()
{
    DataTables &t = ctx.tables;
    Table &actions = t.Tab_Aktion;
    Table &plants = t.Tab_Pflanzen_test;
    actions.open();
    plants.open();
    if (actions.text(QStringLiteral("Kenner")) == QLatin1String("0")) {
        if (!ctx.prompter.confirm(QStringLiteral("Sie wollen eine \"Beobachtung\" in das Tagebuch für ")
                                  + QString::number(plants.recordCount())
                                  + QStringLiteral(" Pflanzen eintragen!\n\nIst das richtig?")))
            return;
        actions.setFiltered(false);
    }
    // An entry date that is no date would give entries that sort nowhere.
    if (!ShortDate::parse(Edit2->text(), ctx.prompter.today())) {
        ctx.prompter.information(kNotADate);
        Edit1->setFocus();
        return;
    }
    const DiaryAction action{Edit2->text(), Edit3->text(), actions.text(QStringLiteral("Kenner")), Edit4->text()};
    ProgressBar1->show();
    struct HideBar {
        QProgressBar *bar;
        ~HideBar() { bar->hide(); }
    } hideBar{ProgressBar1};
    ProgressBarProgress progress(ProgressBar1);
    const int written = enterActionForPlants(ctx, action, progress);
    ctx.prompter.information(QStringLiteral("Für ") + QString::number(written) + QStringLiteral(" Pflanzen wurde die Aktion \"")
                             + Edit3->text() + QStringLiteral("\" eingetragen"));
}

void TAktionen::BitBtn3Click()
{
    ctx.tables.Tab_Aktion.setFiltered(false);
    MonthCalendar1->hide();
    BitBtn6->hide();
    setEditState(Idle);
    closeAndReturn();
}

void TAktionen::BitBtn1Click()
{
    Table &actions = ctx.tables.Tab_Aktion;
    actions.open();
    if (actions.isEmpty())
        return;
    if (actions.text(QStringLiteral("Kenner")) == QLatin1String("0")) {
        ctx.prompter.information(QStringLiteral("Die Aktion \"Beobachtung\" kann nicht gelöscht werden!\n\nDie Aktion "
                                                "\"Beobachtung\" dient zur Anzeige \nder allgemeinen Tagebucheinträge!"));
        return;
    }
    if (!ctx.prompter.confirm(QStringLiteral("Diese Aktion wirklich löschen?\n\nBisherige Eintragungen dieser Aktion im "
                                             "Tagebuch werden nicht gelöscht!")))
        return;
    actions.remove();
    takeCurrentAction();
}

void TAktionen::BitBtn4Click()
{
    Table &actions = ctx.tables.Tab_Aktion;
    actions.open();
    switch (editState()) {
    case Idle:
        if (actions.recordCount() >= 8) {
            ctx.prompter.information(QStringLiteral("Es sind max. 8 Aktionen möglich"));
            return;
        }
        for (QLineEdit *field : {Edit7, Edit5, Edit6})
            field->clear();
        Edit7->setReadOnly(false);
        setFieldColour(Edit7, kInputColour);
        for (QWidget *w : {BitBtn1, BitBtn2, BitBtn5})
            w->setEnabled(false);
        BitBtn6->show();
        showInputs(true);
        Edit7->setFocus();
        BitBtn4->setText(QStringLiteral("Speichern"));
        setEditState(Creating);
        return;
    case Creating: {
        if (Edit5->text().isEmpty()) {
            ctx.prompter.information(QStringLiteral("Eine Bezeichnung für die neue Aktion fehlt!"));
            Edit5->setFocus();
            return;
        }
        // A number that is no single digit below 8 is not saved, and nothing is said.
        bool ok = false;
        const int number = Edit7->text().toInt(&ok);
        if (!ok || number >= 8)
            return;
        actions.append();
        actions.setValue(QStringLiteral("Bezeichnung"), Edit5->text());
        actions.setValue(QStringLiteral("Bemerkung"), Edit6->text());
        actions.setValue(QStringLiteral("Kenner"), Edit7->text());
        actions.post();
        reopenActions();
        actions.locate(QStringLiteral("Bezeichnung"), Edit5->text(), LocateOption::None);
        break;
    }
    case Changing:
        actions.edit();
        actions.setValue(QStringLiteral("Bezeichnung"), Edit5->text());
        actions.setValue(QStringLiteral("Bemerkung"), Edit6->text());
        actions.post();
        reopenActions();
        actions.locate(QStringLiteral("Kenner"), Edit7->text(), LocateOption::None);
        setFieldColour(Edit7, kInputColour);
        break;
    }
    takeCurrentAction();
    showInputs(false);
    for (QWidget *w : {BitBtn1, BitBtn2, BitBtn3, BitBtn5})
        w->setEnabled(true);
    BitBtn6->hide();
    BitBtn4->setText(kCreateCaption);
    setEditState(Idle);
}

// Reads the actions anew; filter and order stay.
void TAktionen::reopenActions()
{
    Table &actions = ctx.tables.Tab_Aktion;
    actions.refresh();
}

void TAktionen::BitBtn5Click()
{
    if (editState() != Idle)
        return;
    const Table &actions = ctx.tables.Tab_Aktion;
    if (!actions.active() || actions.isEmpty())
        return;
    setEditState(Changing);
    {
        const QSignalBlocker quiet(Edit7);
        Edit7->setText(actions.text(QStringLiteral("Kenner")));
    }
    Edit7->setReadOnly(true);
    setFieldColour(Edit7, 0xFFFFFF);
    Edit5->setText(actions.text(QStringLiteral("Bezeichnung")));
    Edit6->setText(actions.text(QStringLiteral("Bemerkung")));
    showInputs(true);
    Edit5->setFocus();
    for (QWidget *w : {BitBtn1, BitBtn2, BitBtn3, BitBtn5})
        w->setEnabled(false);
    BitBtn6->show();
    BitBtn4->setText(QStringLiteral("Änderung speichern"));
}

void TAktionen::BitBtn6Click()
{
    showInputs(false);
    for (QWidget *w : {BitBtn1, BitBtn2, BitBtn3, BitBtn5})
        w->setEnabled(true);
    BitBtn6->hide();
    BitBtn4->setText(kCreateCaption);
    setFieldColour(Edit7, kInputColour);
    setEditState(Idle);
}

void TAktionen::Edit7Change()
{
    const QString number = Edit7->text();
    if (number.isEmpty() || editState() == Changing)
        return;
    Table &actions = ctx.tables.Tab_Aktion;
    // A warning only: the number may still be saved.
    if (actions.locate(QStringLiteral("Kenner"), number, LocateOption::None))
        ctx.prompter.information(QStringLiteral("Diese Nr. ist schon vorhanden!\n\nEs sind max. 8 Aktionen möglich! Nr. "
                                                "0 - 7 \n\n Wählen Sie eine andere Nr."));
    if (number.size() > 1) {
        ctx.prompter.information(QStringLiteral("Nr. nur einstellig möglich!"));
        Edit7->setText(number.left(1));
    }
}

void TAktionen::Edit7Click()
{
    if (editState() == Changing)
        ctx.prompter.information(QStringLiteral("Die Nr. kann nicht geändert werden!\n\nDies würde alle in der "
                                                "Vergangenheit  \ngespeicherten Aktionen falsch zuordnen!"));
}

} // namespace vindel
