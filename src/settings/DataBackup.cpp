#include "settings/DataBackup.h"

#include "app/AppContext.h"
#include "app/AppWindow.h"
#include "app/CountFiles.h"
#include "data/Database.h"
#include "data/ShortDate.h"
#include "settings/BackupFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vindel {

namespace {

QString withSeparator(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// The wait window while the photos are copied.
class WaitWindow {
public:
    explicit WaitWindow(AppContext &ctx) : m_window(ctx.window(QStringLiteral("TWarten")))
    {
        if (m_window)
            m_window->show();
    }
    ~WaitWindow()
    {
        if (m_window)
            m_window->hide();
    }

private:
    AppWindow *m_window;
};

} // namespace

DataBackup::DataBackup(AppContext &context) : ctx(context) {}

QString DataBackup::programFile() { return QCoreApplication::applicationFilePath(); }

bool DataBackup::run(Progress &progress)
{
    Table &settings = ctx.tables.Tab_Stammdaten;
    settings.open();
    const QString target = settings.text(QStringLiteral("Sicherungspfad"));
    if (target.trimmed().isEmpty() || !QFileInfo(target).isDir()) {
        ctx.prompter.error(QStringLiteral(
            "Das ausgewählte Laufwerk oder Verzeichnis ist nicht verfügbar!\n\nBitte prüfen Sie ob, dass oben eingestellte "
            "Verzeichnis richtig ist und auch verfügbar!!!\n\nOder der externe Datenspeicher [Stick, Platte oder Server] "
            "angeschlossen bzw. verfügbar ist?\n\nDatensicherung kann nicht durchgeführt werden!!!"));
        return false;
    }
    const QString photoDir = withSeparator(settings.text(QStringLiteral("Speicherpfad")));
    const bool withPhotos = settings.text(QStringLiteral("Fotossichern")) == QLatin1String("j");
    ctx.state.PhotoFileCount = CountFiles(photoDir, QStringLiteral("*.*"));
    progress.setMaximum(ctx.state.PhotoFileCount + 30);
    progress.setValue(1);

    QStringList failures;
    const QString folder = backup::dayFolder(target, ctx.prompter.today());
    if (QFileInfo(folder).isDir()) {
        ctx.prompter.information(QStringLiteral("Für dieses Datum ist eine Datensicherung schon vorhanden!"));
    } else if (!QDir().mkpath(folder)) {
        ctx.prompter.error(QStringLiteral("Der Ordner %1 kann nicht angelegt werden.\n\nDatensicherung kann nicht "
                                          "durchgeführt werden!!!")
                               .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    progress.advance(10);
    copyDatabase(folder, failures);
    progress.advance(10);
    copyProgramFile(folder, failures);
    progress.advance(10);

    if (withPhotos && !photoDir.isEmpty() && QFileInfo(photoDir).isDir()
        && ctx.prompter.confirm(QStringLiteral("Alle ") + QString::number(ctx.state.PhotoFileCount)
                                + QStringLiteral(" Fotos auch kopieren?"))) {
        WaitWindow wait(ctx);
        const backup::FolderCopy photos = backup::copyFolder(photoDir, folder + QStringLiteral("Fotos"), progress);
        if (!photos.complete())
            failures << backup::describeFailure(photos);
    }

    if (!failures.isEmpty()) {
        // Without a complete copy the date stays as it was, so the reminder keeps reminding.
        ctx.prompter.error(QStringLiteral("Die Datensicherung ist nicht vollständig!\n\n") + failures.join(QStringLiteral("\n"))
                           + QStringLiteral("\n\nDas Datum der letzten Datensicherung wurde nicht geändert."));
        return false;
    }
    stampBackupDate();
    ctx.prompter.information(QStringLiteral("Datensicherung erfolgreich abgeschlossen!!"));
    return true;
}

bool DataBackup::copyDatabase(const QString &folder, QStringList &failures)
{
    const QString file = folder + QStringLiteral("Pflanzen.mdb");
    if (QFileInfo::exists(file)
        && !ctx.prompter.confirm(QStringLiteral("Datei Pflanzen.mdb ist schon vorhanden, soll sie aktualisiert werden?")))
        return true;
    const QString problem = backup::snapshotDatabase(ctx.tables.db.path(), file);
    if (!problem.isEmpty())
        failures << problem;
    return problem.isEmpty();
}

void DataBackup::copyProgramFile(const QString &folder, QStringList &failures)
{
    const QString program = programFile();
    if (!QFileInfo(program).isFile())
        return;
    const QString name = QFileInfo(program).fileName();
    const QString copy = folder + name;
    if (QFileInfo::exists(copy)
        && !ctx.prompter.confirm(QStringLiteral("Datei ") + name + QStringLiteral(" ist schon vorhanden, soll sie aktualisiert werden?")))
        return;
    switch (backup::copyFileAside(program, copy)) {
    case backup::CopyResult::Copied:
    case backup::CopyResult::Unchanged:
        break;
    case backup::CopyResult::DiskFull:
        failures << QStringLiteral("Die Programmdatei %1 konnte nicht kopiert werden: Der Datenträger ist voll.").arg(name);
        break;
    case backup::CopyResult::Failed:
        failures << QStringLiteral("Die Programmdatei %1 konnte nicht kopiert werden.").arg(name);
        break;
    }
}

void DataBackup::stampBackupDate()
{
    Table &settings = ctx.tables.Tab_Stammdaten;
    settings.open();
    settings.edit();
    settings.setValue(QStringLiteral("Letztesicherung"), ShortDate::format(ctx.prompter.today()));
    settings.post();
}

DataBackup::Reminder DataBackup::storedReminder() const
{
    Table &settings = ctx.tables.Tab_Stammdaten;
    settings.open();
    Reminder r;
    r.on = settings.text(QStringLiteral("Datensicherung")) != QLatin1String("n");
    const int days = settings.text(QStringLiteral("DatensicherungTage")).toInt();
    r.days = days > 0 ? days : 21;
    r.lastBackup = settings.text(QStringLiteral("Letztesicherung")).trimmed();
    r.target = settings.text(QStringLiteral("Sicherungspfad"));
    return r;
}

bool DataBackup::Reminder::due(const QDate &today, bool targetExists) const
{
    if (!on || !targetExists)
        return false;
    if (lastBackup.isEmpty())
        return true;
    const std::optional<QDate> last = ShortDate::parse(lastBackup, today);
    // A date that cannot be read is no proof of a recent backup.
    return !last || today.addDays(-days) > *last;
}

QString DataBackup::Reminder::question() const
{
    return QStringLiteral("Letzet Datensicherung ist vom ") + lastBackup + QStringLiteral("\n\nDamit älter als ")
         + QString::number(days) + QStringLiteral(" Tage!\n\nSoll eine Datensicherung automatisch durchgeführt werden!");
}

// ---------------------------------------------------------------------------------------------
// Restore

bool DataBackup::restore(const QString &chosen, Progress &progress)
{
    const QString folder = withSeparator(chosen);
    const QString file = folder + QStringLiteral("Pflanzen.mdb");
    if (const QString problem = backup::checkDatabase(file); !problem.isEmpty()) {
        ctx.prompter.error(QStringLiteral("Diese Datensicherung kann nicht zurückgespielt werden.\n\n") + problem
                           + QStringLiteral("\n\nEs wurde nichts verändert."));
        return false;
    }
    qint64 plants = 0, entries = 0;
    QString savedPhotoDir;
    {
        Database saved;
        saved.openForReading(file);
        plants = saved.select(QStringLiteral("SELECT COUNT(*) FROM Pflanzen")).front().front().toLongLong();
        if (saved.hasTable(QStringLiteral("Historie")))
            entries = saved.select(QStringLiteral("SELECT COUNT(*) FROM Historie")).front().front().toLongLong();
        const auto rows = saved.select(QStringLiteral("SELECT Speicherpfad FROM Stammdaten LIMIT 1"));
        if (!rows.empty())
            savedPhotoDir = withSeparator(rows.front().front().toString());
    }
    const QString photos = folder + QStringLiteral("Fotos");
    const int photoCount = CountFiles(photos, QStringLiteral("*.*"));
    ctx.state.PhotoFileCount = photoCount; // what the wait window names
    QDate day = backup::dayOf(folder);
    if (!day.isValid())
        day = QFileInfo(file).lastModified().date();
    if (!ctx.prompter.confirm(QStringLiteral("Datensicherung vom %1 zurückspielen?\n\nSie enthält %2 Pflanzen, %3 "
                                             "Tagebucheinträge und %4 Fotos.\n\nDie jetzigen Daten werden vorher in "
                                             "einem eigenen Ordner gesichert und dann ersetzt.")
                                  .arg(ShortDate::format(day))
                                  .arg(plants)
                                  .arg(entries)
                                  .arg(photoCount)))
        return false;

    // First the present data, into a folder of its own beside the backups.
    const QString stored = ctx.tables.Tab_Stammdaten.text(QStringLiteral("Sicherungspfad"));
    const QString base = QFileInfo(stored).isDir() ? withSeparator(stored) : ctx.state.ProgramDir;
    const QString safety = base + QStringLiteral("Datensicherung Tessaro vor dem Zurückspielen ")
                         + ctx.prompter.now().toString(QStringLiteral("dd.MM.yyyy hh.mm.ss")) + QLatin1Char('/');
    const QString photoDir = withSeparator(ctx.state.PhotoDir);
    QString problem;
    if (!QDir().mkpath(safety))
        problem = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(safety));
    if (problem.isEmpty())
        problem = backup::snapshotDatabase(ctx.tables.db.path(), safety + QStringLiteral("Pflanzen.mdb"));
    if (problem.isEmpty() && photoCount > 0 && QFileInfo(photoDir).isDir()) {
        WaitWindow wait(ctx);
        const backup::FolderCopy kept = backup::copyFolder(photoDir, safety + QStringLiteral("Fotos"), progress);
        if (!kept.complete())
            problem = backup::describeFailure(kept);
    }
    if (!problem.isEmpty()) {
        ctx.prompter.error(QStringLiteral("Die jetzigen Daten konnten nicht gesichert werden; es wurde nichts "
                                          "zurückgespielt.\n\n")
                           + problem);
        return false;
    }

    // The database is replaced while no connection holds it; the start-up then opens it again.
    const QString live = ctx.state.ProgramDir + QStringLiteral("Pflanzen.mdb");
    ctx.tables.closeAll();
    QFile::remove(live + QStringLiteral("-wal"));
    QFile::remove(live + QStringLiteral("-shm"));
    const backup::CopyResult copied = backup::copyFileAside(file, live);
    QString photoProblem;
    if (copied == backup::CopyResult::Copied || copied == backup::CopyResult::Unchanged) {
        const QString photoTarget = savedPhotoDir.isEmpty() ? photoDir : savedPhotoDir;
        if (photoCount > 0 && !photoTarget.isEmpty()) {
            WaitWindow wait(ctx);
            const backup::FolderCopy back = backup::copyFolder(photos, photoTarget, progress);
            if (!back.complete())
                photoProblem = backup::describeFailure(back);
        }
    }
    if (ctx.frame)
        ctx.frame->FormCreate();
    if (copied != backup::CopyResult::Copied && copied != backup::CopyResult::Unchanged) {
        ctx.prompter.error(QStringLiteral("Die Datenbank konnte nicht ersetzt werden%1; die bisherigen Daten sind "
                                          "unverändert.\n\nSie sind außerdem gesichert in %2")
                               .arg(copied == backup::CopyResult::DiskFull ? QStringLiteral(": Der Datenträger ist voll")
                                                                           : QString(),
                                    QDir::toNativeSeparators(safety)));
        return false;
    }
    if (!photoProblem.isEmpty()) {
        ctx.prompter.error(QStringLiteral("Die Datenbank wurde zurückgespielt, die Fotos nicht vollständig:\n\n") + photoProblem
                           + QStringLiteral("\n\nDie vorherigen Daten sind gesichert in ") + QDir::toNativeSeparators(safety));
        return false;
    }
    ctx.prompter.information(QStringLiteral("Die Datensicherung vom %1 wurde zurückgespielt.\n\nDie vorherigen Daten sind "
                                            "gesichert in %2")
                                 .arg(ShortDate::format(day), QDir::toNativeSeparators(safety)));
    return true;
}

} // namespace vindel
