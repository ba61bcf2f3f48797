// The scripted dialogs the end-to-end tests rely on, and what the program's own dialogs and
// application object promise a German user.
#include "app/QtPrompter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <QTimer>

using namespace vindel;
using namespace vindel::test;

class TestPrompter : public QObject {
    Q_OBJECT
private slots:
    void answersInOrderAndRecordsMessages();
    void emptyQueuesAnswerNoAndAreReported();
    void dialogsAndClock();
    void lettersTypedIntoAQuestionDoNotAnswerIt();
    void theProgramSpeaksGerman();
};

void TestPrompter::answersInOrderAndRecordsMessages()
{
    ScriptedPrompter p;
    p.answerYes();
    p.answerNo();
    p.information("eins");
    QVERIFY(p.confirm("zwei?"));
    QVERIFY(!p.warningYesNo("drei?"));
    p.error("vier");
    p.warning("fünf");
    QCOMPARE(p.messageTexts(), (QStringList{"eins", "zwei?", "drei?", "vier", "fünf"}));
    QCOMPARE(p.messages()[1].kind, MessageKind::Confirmation);
    QCOMPARE(p.messages()[2].kind, MessageKind::WarningQuestion);
    QCOMPARE(p.messageTexts(MessageKind::Error), QStringList{"vier"});
    QVERIFY(p.unanswered().isEmpty());
    QCOMPARE(p.pendingAnswers(), 0);
}

void TestPrompter::emptyQueuesAnswerNoAndAreReported()
{
    ScriptedPrompter p;
    QVERIFY(!p.confirm("Wirklich löschen?"));
    QVERIFY(!p.inputText("Titel", "Name:", "").has_value());
    QVERIFY(!p.colour(Qt::red).has_value());
    QCOMPARE(p.unanswered(), (QStringList{"confirmation: Wirklich löschen?", "inputText: Name:", "colour"}));
    p.queueText(std::nullopt);
    QVERIFY(!p.inputText("Titel", "Name:", "").has_value());
    QCOMPARE(p.unanswered().size(), 3);
}

void TestPrompter::dialogsAndClock()
{
    ScriptedPrompter p;
    p.queueFile("/tmp/a.jpg");
    p.queueFolder("/tmp/Fotos");
    p.queueColour(QColor(1, 2, 3));
    p.queueFont(QFont("DejaVu Sans", 12));
    p.queuePrintSetup(true);
    QCOMPARE(*p.openFile("Foto laden", "/tmp", "*.jpg"), QStringLiteral("/tmp/a.jpg"));
    QCOMPARE(*p.chooseFolder("Ordner", "/"), QStringLiteral("/tmp/Fotos"));
    QCOMPARE(*p.colour(Qt::white), QColor(1, 2, 3));
    QCOMPARE(p.font(QFont())->pointSize(), 12);
    QPrinter printer;
    QVERIFY(p.printSetup(printer));
    QVERIFY(p.openUrl(QUrl("https://example.org/")));
    QVERIFY(p.startProgram("/usr/bin/gimp", {"/tmp/a b.jpg"}));
    int built = 0;
    report::PreviewJob job;
    job.title = "Datenblatt";
    job.build = [&] {
        ++built;
        report::Document d;
        d.pageSize = QSizeF(794, 1123);
        d.pages.resize(2);
        return d;
    };
    p.showReportPreview(job);
    QCOMPARE(built, 1);
    QCOMPARE(p.previews().size(), size_t(1));
    QCOMPARE(p.previews()[0].pageCount(), 2);
    QVERIFY(QFileInfo(p.previewFiles().value(0)).size() > 0);
    QStringList names;
    for (const DialogCall &c : p.dialogs())
        names << c.dialog + "=" + c.detail;
    QCOMPARE(names, (QStringList{"openFile=/tmp", "chooseFolder=/", "colour=#ffffff", "font=" + QFont().family(),
                                 "printSetup=", "openUrl=https://example.org/", "startProgram=/usr/bin/gimp|/tmp/a b.jpg",
                                 "reportPreview=Datenblatt"}));
    p.setToday(QDate(2030, 2, 1));
    QCOMPARE(p.today(), QDate(2030, 2, 1));
    QCOMPARE(p.now(), QDateTime(QDate(2030, 2, 1), QTime(12, 0)));
}

// A question that pops up while the user types: the next letter ("n") must not answer "Nein".
void TestPrompter::lettersTypedIntoAQuestionDoNotAnswerIt()
{
    QtPrompter prompter;
    QStringList buttons;
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
            buttons << b->text();
        QTest::keyClick(box, Qt::Key_N);
        QTest::keyClick(box, Qt::Key_J);
        stillOpen = box->isVisible();
        QTest::keyClick(box, Qt::Key_Return); // the default answer
    });
    QVERIFY(prompter.confirm(QStringLiteral("Die Gattung ist noch nicht vorhanden! Speichern?")));
    QVERIFY(stillOpen);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Ja", "Nein"}));
}

// Whatever the system's language, dates and the toolkit's own menus are German.
void TestPrompter::theProgramSpeaksGerman()
{
    QCOMPARE(QLocale().monthName(12), QStringLiteral("Dezember"));
    QCOMPARE(QLocale().dayName(1, QLocale::ShortFormat), QStringLiteral("Mo."));
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << a->text();
    QVERIFY2(texts.join('|').contains(QStringLiteral("Rückgängig")), qPrintable(texts.join('|')));
    QVERIFY(!texts.join('|').contains(QStringLiteral("Undo")));
}

VINDEL_TEST_MAIN(TestPrompter)
#include "test_prompter.moc"
