// The scripted dialogs the end-to-end tests rely on.
#include "support/ScriptedPrompter.h"

#include <QPainter>
#include <QPrinter>
#include <QTest>

using namespace vindel;
using namespace vindel::test;

class TestPrompter : public QObject {
    Q_OBJECT
private slots:
    void answersInOrderAndRecordsMessages();
    void emptyQueuesAnswerNoAndAreReported();
    void dialogsAndClock();
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
    int pagesPainted = 0;
    p.showReportPreview("Datenblatt", [&](QPrinter *pr) {
        QPainter painter(pr);
        painter.drawText(100, 100, "Seite 1");
        ++pagesPainted;
    });
    QCOMPARE(pagesPainted, 1);
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

QTEST_MAIN(TestPrompter)
#include "test_prompter.moc"
