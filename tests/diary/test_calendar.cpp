// The year calendar: where each day stands, which days are marked and in which colour, and the
// window end to end (year, clicks on days and on the legend, closing back to the diary).
#include "DiaryTestSupport.h"
#include "app/Colours.h"
#include "app/DataGrid.h"
#include "diary/CalendarGrid.h"
#include "diary/TKalender.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace diarytest;

namespace {

TKalender *calendarWindow(AppFixture &app) { return app.find<TKalender>("TKalender"); }

// The day's cell text in the calendar of its year.
QString dayCell(const TKalender *w, const QDate &day)
{
    const CalendarGeometry &g = w->StringGrid1->calendar().geometry();
    return w->StringGrid1->calendar().cellText(day.month(), g.columnOf(day.month(), day.day()));
}

QPoint cellCentre(int row, int column)
{
    return {CalendarGeometry::columnLeft(column) + CalendarGeometry::columnWidth(column) / 2,
            row * CalendarGeometry::kCellSize + CalendarGeometry::kCellSize / 2};
}

void clickDay(TKalender *w, const QDate &day)
{
    const int column = w->StringGrid1->calendar().geometry().columnOf(day.month(), day.day());
    QTest::mouseClick(w->StringGrid1, Qt::LeftButton, {}, cellCentre(day.month(), column));
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void monthColumns_data();
    void monthColumns();
    void noMonthReachesTheLastColumn();
    void headersAndHits();
    void marks();
    void yearCalendarOfAPlant();
    void plantWithoutEntries();
};

void TestCalendar::monthColumns_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("January 2024 starts on a Monday") << 2024 << 1 << 1 << 31;
    QTest::newRow("March 2025 starts on a Saturday") << 2025 << 3 << 6 << 36;
    QTest::newRow("February of a leap year") << 2024 << 2 << 4 << 32;
    QTest::newRow("February of a common year") << 2023 << 2 << 3 << 30;
    QTest::newRow("a long month from a Sunday") << 2024 << 12 << 7 << 37;
}

void TestCalendar::monthColumns()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, first);
    QFETCH(int, last);
    const CalendarGeometry g(year);
    const int days = QDate(year, month, 1).daysInMonth();
    QCOMPARE(g.columnOf(month, 1), first);
    QCOMPARE(g.columnOf(month, days), last);
    QCOMPARE(g.columnOf(month, days + 1), 0);
    QVERIFY(!g.dateAt(month, first - 1).isValid());
    QCOMPARE(g.dateAt(month, first), QDate(year, month, 1));
    QCOMPARE(g.dateAt(month, last), QDate(year, month, days));
    QVERIFY(!g.dateAt(month, last + 1).isValid());
    // Every day stands under its own weekday's name.
    for (int day = 1; day <= days; ++day)
        QCOMPARE(CalendarGeometry::weekdayName(g.columnOf(month, day)),
                 QLocale(QLocale::German).dayName(QDate(year, month, day).dayOfWeek(), QLocale::ShortFormat).left(2));
}

void TestCalendar::noMonthReachesTheLastColumn()
{
    for (int year = TKalender::kFirstYear; year <= TKalender::kLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            QVERIFY(CalendarGeometry(year).columnOf(month, QDate(year, month, 1).daysInMonth()) < CalendarGeometry::kColumns);
}

void TestCalendar::headersAndHits()
{
    QCOMPARE(CalendarGeometry::weekdayName(1), QStringLiteral("Mo"));
    QCOMPARE(CalendarGeometry::weekdayName(7), QStringLiteral("So"));
    QCOMPARE(CalendarGeometry::weekdayName(37), QStringLiteral("Di"));
    QCOMPARE(CalendarGeometry::monthName(3), QStringLiteral("März"));
    QVERIFY(CalendarGeometry::isWeekendColumn(6));
    QVERIFY(CalendarGeometry::isWeekendColumn(14));
    QVERIFY(!CalendarGeometry::isWeekendColumn(15));
    QVERIFY(!CalendarGeometry::isWeekendColumn(0));
    int row = -1, column = -1;
    QVERIFY(CalendarGeometry::cellAt(89, 5, &row, &column));
    QCOMPARE(column, 0);
    QVERIFY(CalendarGeometry::cellAt(90 + 20 * 5 + 3, 20 * 2 + 1, &row, &column));
    QCOMPARE(row, 2);
    QCOMPARE(column, 6);
    QVERIFY(!CalendarGeometry::cellAt(90 + 20 * 37, 5, &row, &column));
    QVERIFY(!CalendarGeometry::cellAt(100, 20 * 13, &row, &column));
}

void TestCalendar::marks()
{
    const YearCalendar calendar(2024,
                                {{"01.05.2024", "1"}, {"01.05.2024", "2"}, // the first entry decides
                                 {"2.5.2024", "1"},                        // not written as the calendar writes it
                                 {"03.05.2024", ""},                       // no number: an observation
                                 {"04.05.2024", "5"},                      // no such action
                                 {"05.05.2024", "7"}},
                                {"0", "1", "2", "7"});
    const CalendarGeometry &g = calendar.geometry();
    QCOMPARE(calendar.cellText(5, g.columnOf(5, 1)), QStringLiteral("01.05.2024a"));
    QCOMPARE(calendar.cellText(5, g.columnOf(5, 2)), QStringLiteral("02.05.2024"));
    QCOMPARE(calendar.cellText(5, g.columnOf(5, 3)), QStringLiteral("03.05.2024h"));
    QCOMPARE(calendar.cellText(5, g.columnOf(5, 4)), QStringLiteral("04.05.2024"));
    QCOMPARE(calendar.cellText(5, g.columnOf(5, 5)), QStringLiteral("05.05.2024g"));
    QCOMPARE(calendar.cellText(5, 1), QString()); // before the 1st
    QCOMPARE(calendar.cellText(0, 2), QStringLiteral("Di"));
    QCOMPARE(calendar.cellText(12, 0), QStringLiteral("Dezember"));
    QCOMPARE(YearCalendar::actionNumberOf("05.05.2024g"), QStringLiteral("7"));
    QCOMPARE(YearCalendar::actionNumberOf("03.05.2024h"), QStringLiteral("0"));
    QCOMPARE(YearCalendar::actionNumberOf("02.05.2024"), QString());
    QCOMPARE(YearCalendar::markOf("8"), QString());
}

void TestCalendar::yearCalendarOfAPlant()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina", "Rosa");
    addAction(app, "1", "Gießen", "", "255"); // red
    app.exec("UPDATE Aktionen SET Farbe = 'grün' WHERE Kenner = '0'");
    addEntry(app, 12, {"29.02.2024", "Gießen", "1", "Schalttag"});
    addEntry(app, 12, {"01.03.2024", "Beobachtung", "0", ""});
    addEntry(app, 12, {"02.03.2024", "Beobachtung", "0", "im falschen Jahr", "", "2023"});
    addEntry(app, 12, {"01.03.2023", "Gießen", "1", "Vorjahr"});
    app.prompter().setToday(QDate(2024, 7, 1));
    QVERIFY(app.start());
    // Start-up completes entries without an action; this one comes later.
    addEntry(app, 12, {"03.03.2024", "", "1", "ohne Aktion"});
    app.tables().Tab_Historie.refresh();
    TagebuchPage *page = openDiary(app);
    TKalender *w = calendarWindow(app);
    page->BitBtn31->click();
    QVERIFY(w->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(w->SpinEdit1->value(), 2024);
    QCOMPARE(w->PlantNumber->text(), QStringLiteral("12"));
    QCOMPARE(w->PlantName->text(), QStringLiteral("Rosa canina"));
    QCOMPARE(w->PlantGenus->text(), QStringLiteral("Rosa"));

    QCOMPARE(dayCell(w, {2024, 2, 29}), QStringLiteral("29.02.2024a"));
    QCOMPARE(dayCell(w, {2024, 3, 1}), QStringLiteral("01.03.2024h"));
    QCOMPARE(dayCell(w, {2024, 3, 2}), QStringLiteral("02.03.2024")); // its Jahr says 2023
    QCOMPARE(dayCell(w, {2024, 3, 3}), QStringLiteral("03.03.2024")); // no action named
    QCOMPARE(w->DBGrid1->model()->rowCount(), 2);

    // Colours: the action's, white for one that is no number, light yellow at weekends.
    const CalendarGeometry &g = w->StringGrid1->calendar().geometry();
    QCOMPARE(w->StringGrid1->cellColour(2, g.columnOf(2, 29)), QColor(Qt::red));
    QCOMPARE(w->StringGrid1->cellColour(3, g.columnOf(3, 1)), QColor(Qt::white));
    QCOMPARE(w->StringGrid1->cellColour(3, 6), QColor(0xFF, 0xFF, 0x5B));
    QCOMPARE(w->StringGrid2->cellText(1, 1), QStringLiteral("Beobachtung"));
    QCOMPARE(w->StringGrid2->cellText(2, 1), QStringLiteral("Gießen"));
    QCOMPARE(w->StringGrid2->rowColour(2), QColor(Qt::red));
    w->repaint();

    clickDay(w, {2024, 2, 29});
    clickDay(w, {2024, 3, 1});
    clickDay(w, {2024, 3, 4}); // no entry: nothing
    QCOMPARE(app.prompter().messageTexts(),
             (QStringList{"Datum: 29.02.2024\nGießen:  Schalttag", "Datum: 01.03.2024\nBeobachtung: Keine Eintragung"}));

    // A new colour for the observation: stored as 0xBBGGRR in decimal, every observation day repainted.
    app.prompter().clearRecords();
    app.prompter().answerYes();
    app.prompter().queueColour(QColor(Qt::blue));
    QTest::mouseClick(w->StringGrid2, Qt::LeftButton, {}, QPoint(50, ActionLegend::kRowHeight + 5));
    QCOMPARE(app.prompter().messageTexts(), QStringList{" Farbe für die Aktion \nBeobachtung\nändern?  "});
    QCOMPARE(app.select("SELECT Farbe FROM Aktionen WHERE Kenner = '0'")[0][0].toString(), QStringLiteral("16711680"));
    QCOMPARE(w->StringGrid1->cellColour(3, g.columnOf(3, 1)), QColor(Qt::blue));
    QCOMPARE(w->StringGrid2->rowColour(1), QColor(Qt::blue));
    // No changes nothing.
    app.prompter().answerNo();
    QTest::mouseClick(w->StringGrid2, Qt::LeftButton, {}, QPoint(50, 2 * ActionLegend::kRowHeight + 5));
    QCOMPARE(app.select("SELECT Farbe FROM Aktionen WHERE Kenner = '1'")[0][0].toString(), QStringLiteral("255"));

    // Another year; February has 28 days there.
    w->SpinEdit1->setValue(2023);
    QCOMPARE(dayCell(w, {2023, 3, 1}), QStringLiteral("01.03.2023a"));
    QCOMPARE(w->StringGrid1->calendar().cellText(2, CalendarGeometry(2023).columnOf(2, 28) + 1), QString());
    // The entry dated 2024 with the Jahr 2023 is listed, but no day of 2023 carries its date.
    QCOMPARE(w->DBGrid1->model()->rowCount(), 2);
    QCOMPARE(dayCell(w, {2023, 3, 2}), QStringLiteral("02.03.2023"));

    // Closing returns to the diary page, which shows the plant's diary again.
    w->BitBtn1->click();
    QVERIFY(!w->isVisible());
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet3"));
    QCOMPARE(app.tables().Tab_Historie.filter(), QStringLiteral("(PflanzenID = '12')"));
    QCOMPARE(page->StringGrid1->gridRowCount(), 6);
}

void TestCalendar::plantWithoutEntries()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina");
    app.prompter().setToday(QDate(2061, 1, 1)); // beyond the spin's years
    QVERIFY(app.start());
    openDiary(app)->BitBtn31->click();
    TKalender *w = calendarWindow(app);
    QCOMPARE(w->SpinEdit1->value(), TKalender::kLastYear);
    for (int month = 1; month <= 12; ++month)
        for (int column = 1; column < CalendarGeometry::kColumns; ++column)
            QVERIFY(YearCalendar::actionNumberOf(w->StringGrid1->calendar().cellText(month, column)).isEmpty());
    QCOMPARE(w->DBGrid1->model()->rowCount(), 0);
    w->close(); // as "Schliessen"
    QVERIFY(!w->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
}

VINDEL_TEST_MAIN(TestCalendar)
#include "test_calendar.moc"
