#include "import/LegacyImport.h"

#include "data/DatabaseError.h"
#include "import/JetFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <unistd.h>

namespace vindel {

namespace {

// The helper writes here first; the name never collides with anything the program uses.
QString stagedName() { return QStringLiteral("Pflanzen.mdb.neu"); }

bool isSqliteFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

LegacyImport::LegacyImport(QString programDir, QString helperPath)
    : m_programDir(std::move(programDir)), m_helperPath(std::move(helperPath))
{
    if (!m_programDir.endsWith(QLatin1Char('/')))
        m_programDir += QLatin1Char('/');
    if (m_helperPath.isEmpty())
        m_helperPath = findHelper(m_programDir);
}

QString LegacyImport::findHelper(const QString &programDir)
{
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const QString &folder :
         {programDir, beside, beside + QStringLiteral("../") + QStringLiteral(VINDEL_LIBEXEC_SUBDIR) + QLatin1Char('/')})
        if (QFileInfo(folder + helperName()).isExecutable())
            return QDir::cleanPath(folder + helperName());
    return programDir + helperName();
}

bool LegacyImport::isWindowsPath(const QString &path)
{
    static const QRegularExpression drive(QStringLiteral("^\\s*[A-Za-z]:"));
    return path.contains(QLatin1Char('\\')) || drive.match(path).hasMatch();
}

LegacyImport::PhotoFolderChange LegacyImport::replaceWindowsPhotoFolder(Database &db, const QString &programDir)
{
    PhotoFolderChange change;
    if (!db.hasTable(QStringLiteral("Stammdaten")))
        return change;
    QString column;
    for (const ColumnDef &c : db.columns(QStringLiteral("Stammdaten")))
        if (c.name.compare(QLatin1String("Speicherpfad"), Qt::CaseInsensitive) == 0)
            column = c.name;
    if (column.isEmpty())
        return change;

    const QString folder = programDir + QStringLiteral("Fotos/");
    const QString col = Schema::quoteIdentifier(column);
    for (const SqlRow &r : db.select(QStringLiteral("SELECT rowid, %1 FROM Stammdaten").arg(col))) {
        const QString value = r[1].toString();
        if (r[1].isNull() || !isWindowsPath(value))
            continue;
        db.exec(QStringLiteral("UPDATE Stammdaten SET %1 = ? WHERE rowid = ?").arg(col), {folder, r[0]});
        if (!change.replaced)
            change.oldFolder = value;
        change.replaced = true;
        change.newFolder = folder;
    }
    return change;
}

QString LegacyImport::freeOriginalPath() const
{
    QString path = m_programDir + originalBaseName() + QStringLiteral(".mdb");
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = m_programDir + originalBaseName() + QStringLiteral(" %1.mdb").arg(n);
    return path;
}

void LegacyImport::removeStaged() const
{
    QDir dir(m_programDir);
    for (const QString &name : dir.entryList({stagedName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden))
        dir.remove(name);
}

LegacyImport::Outcome LegacyImport::failed(const QString &reason) const
{
    removeStaged();
    Outcome o;
    o.result = Result::Failed;
    o.originalPath = m_programDir + databaseName();
    o.message = QStringLiteral("Die Datenbank \"Pflanzen.mdb\" liegt noch im Access-Format einer älteren "
                               "Programmversion vor und konnte nicht in das neue Format übernommen werden:\n\n%1\n\n"
                               "Die Datei wurde nicht verändert; sie liegt weiter unter:\n%2\n\n"
                               "Das Programm wird beendet.")
                    .arg(reason.trimmed(), shown(o.originalPath));
    return o;
}

LegacyImport::Outcome LegacyImport::notACatalogue(const QString &reason) const
{
    removeStaged();
    Outcome o;
    o.result = Result::Failed;
    o.originalPath = m_programDir + databaseName();
    o.message = QStringLiteral("Die Datei \"Pflanzen.mdb\" ist eine Access-Datenbank, aber keine Pflanzen-Datenbank "
                               "dieses Programms. %1\n\nBitte legen Sie Ihre eigene \"Pflanzen.mdb\" ins "
                               "Programmverzeichnis. Die Datei wurde nicht verändert; sie liegt weiter unter:\n%2\n\n"
                               "Das Programm wird beendet.")
                    .arg(reason.trimmed(), shown(o.originalPath));
    return o;
}

LegacyImport::Outcome LegacyImport::run()
{
    NoProgress none;
    return run(none);
}

LegacyImport::Outcome LegacyImport::run(Progress &progress)
{
    const QString database = m_programDir + databaseName();
    if (!QFileInfo(database).isFile() || !JetFile::isJetDatabase(database))
        return {};

    if (!QFileInfo(m_helperPath).isExecutable())
        return failed(QStringLiteral("Das Umwandlungsprogramm \"%1\" fehlt.").arg(shown(m_helperPath)));

    removeStaged();
    const QString staged = m_programDir + stagedName();
    progress.setText(QStringLiteral("Die Datenbank wird in das neue Format übernommen …"));
    QProcess helper;
    helper.setProgram(m_helperPath);
    helper.setArguments({database, staged});
    helper.setWorkingDirectory(m_programDir);
    helper.start();
    if (!helper.waitForStarted(30000))
        return failed(QStringLiteral("Das Umwandlungsprogramm \"%1\" lässt sich nicht starten: %2")
                          .arg(shown(m_helperPath), helper.errorString()));

    // The helper reports its rows as it goes; while it does, it may take as long as it needs.
    QStringList lines;
    QByteArray pending;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    auto takeLines = [&] {
        pending += helper.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() == 3 && parts[0] == QLatin1String("FORTSCHRITT")) {
                progress.setMaximum(parts[2].toLongLong());
                progress.setValue(parts[1].toLongLong());
                sinceProgress.restart();
            } else if (!line.isEmpty()) {
                lines << line;
            }
        }
    };
    while (helper.state() != QProcess::NotRunning) {
        if (!helper.waitForReadyRead(100) && helper.state() != QProcess::NotRunning
            && sinceProgress.elapsed() > m_stallMs) {
            helper.kill();
            helper.waitForFinished(5000);
            return failed(QStringLiteral("Die Umwandlung kam nicht mehr voran und wurde abgebrochen; die Access-Datei "
                                         "ist vermutlich beschädigt."));
        }
        takeLines();
        if (progress.cancelled()) {
            helper.kill();
            helper.waitForFinished(5000);
            return failed(QStringLiteral("Die Umwandlung wurde abgebrochen."));
        }
    }
    helper.waitForFinished(5000);
    takeLines();
    if (!pending.trimmed().isEmpty())
        lines << QString::fromUtf8(pending).trimmed();

    const QString errors = QString::fromUtf8(helper.readAllStandardError()).trimmed();
    if (helper.exitStatus() == QProcess::CrashExit)
        return failed(QStringLiteral("Das Umwandlungsprogramm ist beim Lesen der Datei abgestürzt; die Datei ist "
                                     "vermutlich beschädigt."));
    if (helper.exitCode() == kExitNotACatalogue)
        return notACatalogue(errors);
    if (helper.exitCode() != 0)
        return failed(errors.isEmpty()
                          ? QStringLiteral("Das Umwandlungsprogramm endete mit dem Fehlercode %1.").arg(helper.exitCode())
                          : errors);
    const QStringList report = lines.isEmpty() ? QStringList() : lines.last().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (report.size() != 3 || report[0] != QLatin1String("OK") || !isSqliteFile(staged))
        return failed(QStringLiteral("Das Umwandlungsprogramm hat keine vollständige Datenbank geliefert."));

    // The new database is as accessible as the file it replaces.
    QFile::setPermissions(staged, QFile::permissions(database));

    PhotoFolderChange photos;
    try {
        Database db;
        db.open(staged);
        photos = replaceWindowsPhotoFolder(db, m_programDir);
        db.close();
    } catch (const DatabaseError &e) {
        return failed(e.message());
    }

    // Keep the original under its new name first (a second link to the same bytes), then put the
    // new database in its place in one step, so there is never a moment without "Pflanzen.mdb".
    const QString original = freeOriginalPath();
    if (::link(native(database).constData(), native(original).constData()) == 0) {
        if (::rename(native(staged).constData(), native(database).constData()) != 0) {
            const QString why = QString::fromLocal8Bit(std::strerror(errno));
            ::unlink(native(original).constData());
            return failed(QStringLiteral("Die neue Datenbank kann nicht an ihren Platz gelegt werden: %1").arg(why));
        }
    } else {
        // A file system without hard links: rename the original away, then move the new one in.
        if (::rename(native(database).constData(), native(original).constData()) != 0)
            return failed(QStringLiteral("Die Access-Datei kann nicht umbenannt werden: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (::rename(native(staged).constData(), native(database).constData()) != 0) {
            const QString why = QString::fromLocal8Bit(std::strerror(errno));
            ::rename(native(original).constData(), native(database).constData());
            return failed(QStringLiteral("Die neue Datenbank kann nicht an ihren Platz gelegt werden: %1").arg(why));
        }
    }
    removeStaged();

    if (photos.replaced)
        QDir().mkpath(photos.newFolder);

    const QLocale german(QLocale::German);
    Outcome o;
    o.result = Result::Imported;
    o.originalPath = original;
    o.message = QStringLiteral("Die Datenbank \"Pflanzen.mdb\" lag noch im Access-Format einer älteren "
                               "Programmversion vor. Sie wurde in das neue Datenbankformat übernommen "
                               "(%1 Tabellen, %2 Datensätze).\n\n"
                               "Die ursprüngliche Access-Datei ist unverändert erhalten unter:\n%3")
                    .arg(german.toString(report[1].toLongLong()), german.toString(report[2].toLongLong()),
                         shown(original));
    if (photos.replaced)
        o.message += QStringLiteral("\n\nDer gespeicherte Fotoordner \"%1\" ist ein Windows-Pfad und kann hier nicht "
                                    "verwendet werden. Als Fotoordner ist jetzt \"%2\" eingetragen; bitte kopieren "
                                    "Sie Ihre Fotos dorthin.")
                         .arg(photos.oldFolder, shown(photos.newFolder));
    return o;
}

LegacyImport::Outcome importLegacyDatabase(const QString &programDir, Progress &progress)
{
    return LegacyImport(programDir).run(progress);
}

} // namespace vindel
