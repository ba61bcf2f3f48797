// Speed of the backup, driving the real backup offscreen: the snapshot of a 50 MB database, a
// first backup with 2,000 photos of 512 KB (1 GB) against "cp -r" of the same folder, how the
// progress moved and how long the user interface waited at most, and a second backup with
// nothing changed.
//   build/tools/bench/bench_backup [plants=75000] [photos=2000] [photo KB=512]
#include "BenchPrompter.h"
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"
#include "settings/BackupFiles.h"
#include "settings/DataBackup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vindel;
using namespace vindel::bench;

namespace {

// Counts the updates and when they came.
class WatchedProgress : public Progress {
public:
    void setMaximum(qint64 m) override { maximum = m; }
    void setValue(qint64 v) override
    {
        if (v != m_value)
            ++updates;
        m_value = v;
    }
    qint64 value() const override { return m_value; }
    void setText(const QString &) override {}
    bool cancelled() const override { return false; }
    qint64 maximum = 0;
    int updates = 0;

private:
    qint64 m_value = 0;
};

void makeData(const QString &programDir, const QString &photoDir, const QString &target, int plants, int photos, int kb)
{
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));
    Database db;
    db.open(programDir + QStringLiteral("Pflanzen.mdb"));
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE Stammdaten SET Speicherpfad = ?, Sicherungspfad = ?, Fotossichern = 'j'"),
            {photoDir, target});
    const QString text = QString(600, QLatin1Char('x'));
    for (int i = 1; i <= plants; ++i)
        db.exec(QStringLiteral("INSERT INTO Pflanzen (ID, Nr, Namen, Beschreibung) VALUES (?, ?, ?, ?)"),
                {i, i, QStringLiteral("Pflanze %1").arg(i), text});
    tx.commit();
    QDir().mkpath(photoDir);
    QByteArray bytes(kb * 1024, Qt::Uninitialized);
    for (int i = 0; i < photos; ++i) {
        QRandomGenerator(quint32(i)).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        QFile f(photoDir + QStringLiteral("%1 Nr %1 Bild1 Pflanze.JPG").arg(i));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int plants = argc > 1 ? std::max(1, atoi(argv[1])) : 75000;
    const int photos = argc > 2 ? std::max(1, atoi(argv[2])) : 2000;
    const int kb = argc > 3 ? std::max(1, atoi(argv[3])) : 512;
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/programm/");
    const QString photoDir = programDir + QStringLiteral("Fotos/");
    const QString target = dir.path() + QStringLiteral("/stick/");
    QDir().mkpath(programDir);
    QDir().mkpath(target);
    makeData(programDir, photoDir, target, plants, photos, kb);

    QuietPrompter prompter;
    prompter.confirmAnswer = true;
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return 1;
    AppContext &ctx = program.context();
    const double databaseMb = QFileInfo(programDir + QStringLiteral("Pflanzen.mdb")).size() / 1e6;

    Figures snapshot;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        const QString problem = backup::snapshotDatabase(ctx.tables.db.path(), dir.filePath(QStringLiteral("snap.mdb")));
        snapshot.add(msSince(t));
        if (!problem.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(problem));
    }
    std::printf("snapshot of the open database (%.0f MB), checked: median %.0f ms (min %.0f, max %.0f; goal < 500)\n",
                databaseMb, snapshot.median(), snapshot.min(), snapshot.max());

    // How long the event loop waited at most while the photos were copied.
    QElapsedTimer sinceTick;
    double longestWait = 0;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestWait = std::max(longestWait, msSince(sinceTick));
        sinceTick.restart();
    });

    {
        QElapsedTimer t;
        t.start();
        QProcess cp;
        cp.start(QStringLiteral("cp"), {QStringLiteral("-r"), photoDir, dir.filePath(QStringLiteral("cp-Fotos"))});
        cp.waitForFinished(-1);
        const double cpMs = msSince(t);
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), dir.filePath(QStringLiteral("cp-Fotos"))});

        WatchedProgress progress;
        sinceTick.start();
        tick.start();
        t.restart();
        const bool ok = DataBackup(ctx).run(progress);
        const double backupMs = msSince(t);
        tick.stop();
        const double gb = double(photos) * kb / 1024 / 1024;
        std::printf("first backup with %d photos (%.2f GB): %.1f s (%s); cp -r of the photos alone: %.1f s; "
                    "ratio %.2f\n",
                    photos, gb, backupMs / 1000, ok ? "complete" : "FAILED", cpMs / 1000, backupMs / cpMs);
        std::printf("  progress: %d updates up to %lld of %lld; longest wait of the user interface: %.0f ms\n",
                    progress.updates, progress.value(), progress.maximum, longestWait);
    }
    Figures again;
    for (int i = 0; i < 3; ++i) {
        WatchedProgress progress;
        QElapsedTimer t;
        t.start();
        DataBackup(ctx).run(progress);
        again.add(msSince(t));
    }
    std::printf("second backup, nothing changed (database and program file renewed, photos left): median %.2f s "
                "(min %.2f, max %.2f; goal < 1)\n",
                again.median() / 1000, again.min() / 1000, again.max() / 1000);
    return 0;
}
