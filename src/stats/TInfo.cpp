#include "stats/TInfo.h"

#include "app/Colours.h"
#include "app/DesignLayout.h"
#include "app/Make.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace vindel {

const QString TInfo::kTelephone = QStringLiteral("Telefon: 0761 / 55 44 33");
const QString TInfo::kMail = QStringLiteral("info@tessaro-software.example");
const QString TInfo::kUpdatePage = QStringLiteral("https://tessaro-software.example/pflanzendatenbank/update");
const QString TInfo::kMailSubject = QStringLiteral("Anfrage an Tessaro Software");

namespace {

QLabel *caption(const QString &text)
{
    auto *l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel *value(const char *name, const QString &text = {})
{
    auto *l = make::label(name, text);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    return l;
}

} // namespace

TInfo::TInfo(AppContext &context) : AppWindow(context, QStringLiteral("TInfo"), QStringLiteral("Informationen"), {520, 520})
{
    setCloseBoxHandler([this] { BitBtn2Click(); });
    // No title-bar buttons: "Schliessen" is the way back.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new DesignLayout(this, {520, 520});
    QLabel *heading = make::label("Label1", QStringLiteral("Informationen"));
    QFont hf = heading->font();
    hf.setPixelSize(22);
    hf.setBold(true);
    heading->setFont(hf);
    layout->place(heading, {16, 8, 400, 32});

    Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    layout->place(Panel1, {12, 44, 496, 220});
    auto *upper = new DesignLayout(Panel1, {496, 220});
    upper->place(caption(QStringLiteral("Programmversion:")), {10, 10, 150, 20});
    upper->place(value("Version", QStringLiteral("V 4.0")), {160, 10, 50, 20});
    upper->place(caption(QStringLiteral("vom:")), {214, 10, 40, 20});
    ProgramDate = value("ProgramDate", QStringLiteral("Datum"));
    upper->place(ProgramDate, {256, 10, 200, 20});
    upper->place(caption(QStringLiteral("Kontakt:")), {10, 40, 150, 20});
    upper->place(value("Telephone", kTelephone), {160, 40, 300, 20});
    upper->place(caption(QStringLiteral("Mail:")), {10, 64, 150, 20});
    Label28 = value("Label28", kMail);
    QFont link = Label28->font();
    link.setUnderline(true);
    Label28->setFont(link);
    Label28->setCursor(Qt::PointingHandCursor);
    Label28->setToolTip(QStringLiteral("Mit Doppelklick eine Mail senden!"));
    Label28->installEventFilter(this);
    upper->place(Label28, {160, 64, 320, 20});
    upper->place(caption(QStringLiteral("Update auf unserer Webseite:")), {10, 98, 230, 20});
    BitBtn1 = make::button("BitBtn1", QStringLiteral("Update Download"));
    upper->place(BitBtn1, {250, 94, 160, 28});
    upper->place(caption(QStringLiteral("Programm installiert im Verzeichnis:")), {10, 136, 300, 20});
    ProgramFolder = value("ProgramFolder");
    ProgramFolder->setWordWrap(true);
    upper->place(ProgramFolder, {10, 160, 476, 50});

    Panel2 = new QFrame;
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    layout->place(Panel2, {12, 276, 496, 180});
    auto *lower = new DesignLayout(Panel2, {496, 180});
    lower->place(caption(QStringLiteral("Dateninformationen")), {10, 10, 300, 20});
    lower->place(caption(QStringLiteral("Letzte Programmnutzung:")), {10, 40, 230, 20});
    LastUseDate = value("LastUseDate");
    lower->place(LastUseDate, {250, 40, 200, 20});
    LastUseTime = value("LastUseTime");
    lower->place(LastUseTime, {250, 62, 200, 20});
    lower->place(caption(QStringLiteral("Anzahl der Datensätze:")), {10, 100, 230, 20});
    PlantCount = value("PlantCount");
    lower->place(PlantCount, {250, 100, 200, 20});
    lower->place(caption(QStringLiteral("Anzahl der Tagebucheinträge:")), {10, 130, 230, 20});
    DiaryCount = value("DiaryCount");
    lower->place(DiaryCount, {250, 130, 200, 20});

    BitBtn2 = make::button("BitBtn2", QStringLiteral("Schliessen"));
    layout->place(BitBtn2, {380, 472, 128, 32});
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TInfo::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TInfo::BitBtn2Click));
}

void TInfo::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    centreOnMainWindow();
    ctx.run([this] { FormActivate(); });
}

void TInfo::changeEvent(QEvent *event)
{
    AppWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ctx.run([this] { FormActivate(); });
}

void TInfo::FormActivate()
{
    applyFormColor();
    setBackground(Panel1, ctx.state.GroupBoxColor);
    setBackground(Panel2, ctx.state.GroupBoxColor);
    ProgramFolder->setText(QDir::toNativeSeparators(ctx.state.ProgramDir));
    // The date of the running program file.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    if (program.isFile())
        ProgramDate->setText(program.lastModified().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));

    const QDateTime lastUse = ctx.tables.Tab_Stammdaten.active()
                                ? ctx.tables.Tab_Stammdaten.value(QStringLiteral("Letzte")).toDateTime()
                                : QDateTime();
    LastUseDate->setText(lastUse.isValid() ? lastUse.toString(QStringLiteral("dd.MM.yyyy")) : QString());
    LastUseTime->setText(lastUse.isValid() ? lastUse.toString(QStringLiteral("hh:mm")) : QString());
    // Counted in the database: the main window keeps its filter.
    Database &db = ctx.tables.db;
    if (!db.isOpen())
        return;
    PlantCount->setText(db.select(QStringLiteral("SELECT COUNT(*) FROM Pflanzen")).front().front().toString());
    DiaryCount->setText(db.select(QStringLiteral("SELECT COUNT(*) FROM Historie")).front().front().toString());
}

void TInfo::BitBtn1Click() { ctx.prompter.openUrl(QUrl(kUpdatePage)); }

void TInfo::BitBtn2Click() { closeAndReturn(); }

void TInfo::Label28Click()
{
    QUrl mail(QStringLiteral("mailto:") + kMail);
    mail.setQuery(QStringLiteral("Subject= ") + kMailSubject);
    ctx.prompter.openUrl(mail);
}

bool TInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label28 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        ctx.run([this] { Label28Click(); });
    return AppWindow::eventFilter(watched, event);
}

} // namespace vindel
