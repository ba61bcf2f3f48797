#include "settings/BackupFiles.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTimer>

#include <sqlite3.h>

#include <atomic>
#include <functional>
#include <cstdio>
#include <thread>

namespace vindel::backup {

namespace {

const QString kFolderPrefix = QStringLiteral("Datensicherung Tessaro ");

QString sqliteMessage(sqlite3 *db, int rc)
{
    if (rc == SQLITE_FULL)
        return QStringLiteral("Der Datenträger ist voll.");
    return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// Renames over an existing file in one step, as POSIX rename does.
bool replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool diskFullFor(const QString &folder, qint64 bytes)
{
    QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < bytes;
}

// A temporary name beside the file, hidden, that no other copy of the same run uses.
QString partName(const QString &file)
{
    const QFileInfo info(file);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".teil");
}

int copyPages(sqlite3 *to, const char *toName, sqlite3 *from)
{
    sqlite3_backup *b = sqlite3_backup_init(to, toName, from, "main");
    if (!b)
        return sqlite3_errcode(to);
    int rc;
    // All pages in one step: the copy is one consistent state of the source.
    while ((rc = sqlite3_backup_step(b, -1)) == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        sqlite3_sleep(5);
    const int finished = sqlite3_backup_finish(b);
    return rc == SQLITE_DONE ? finished : rc;
}

// Runs the work on a thread of its own; the caller's thread keeps painting and running its timers
// (not the user's input) until it is done.
void offTheUserInterface(const std::function<void()> &work, const std::function<void()> &poll = {})
{
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        work();
        finished = true;
    });
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(40);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (poll)
            poll();
        if (finished)
            loop.quit();
    });
    timer.start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
}

} // namespace

QString dayFolder(const QString &target, const QDate &day)
{
    QString base = target;
    if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + kFolderPrefix + day.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char('/');
}

QDate dayOf(const QString &folder)
{
    QString name = QDir::cleanPath(folder).section(QLatin1Char('/'), -1);
    if (!name.startsWith(kFolderPrefix))
        return {};
    return QDate::fromString(name.mid(kFolderPrefix.size()), QStringLiteral("dd.MM.yyyy"));
}

QString checkDatabase(const QString &file)
{
    if (!QFileInfo(file).isFile() || QFileInfo(file).size() == 0)
        return QStringLiteral("Die Datei %1 fehlt oder ist leer.").arg(QDir::toNativeSeparators(file));
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QString problem;
    if (rc != SQLITE_OK) {
        problem = sqliteMessage(db, rc);
    } else {
        sqlite3_stmt *stmt = nullptr;
        rc = sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
        if (rc != SQLITE_OK) {
            problem = sqliteMessage(db, rc);
        } else {
            QStringList lines;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
                lines << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
            if (rc != SQLITE_DONE)
                problem = sqliteMessage(db, rc);
            else if (lines != QStringList{QStringLiteral("ok")})
                problem = lines.mid(0, 3).join(QLatin1Char(' '));
            sqlite3_finalize(stmt);
        }
        if (problem.isEmpty()) {
            // A sound file of another program is no backup of ours.
            sqlite3_stmt *tables = nullptr;
            sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('Pflanzen', 'Stammdaten')",
                               -1, &tables, nullptr);
            if (!tables || sqlite3_step(tables) != SQLITE_ROW || sqlite3_column_int(tables, 0) != 2)
                problem = QStringLiteral("Die Datei enthält keine Pflanzendaten.");
            sqlite3_finalize(tables);
        }
    }
    sqlite3_close(db);
    if (problem.isEmpty())
        return {};
    return QStringLiteral("Die Datenbank %1 ist beschädigt: %2").arg(QDir::toNativeSeparators(file), problem);
}

QString snapshotDatabase(const QString &source, const QString &file)
{
    QString problem;
    // A connection of its own, on a thread of its own: it reads the last committed state, also
    // what still sits in the journal, while the program's connection stays free.
    offTheUserInterface([&] {
        const QString part = partName(file);
        QFile::remove(part);
        sqlite3 *from = nullptr;
        sqlite3 *copy = nullptr;
        int rc = sqlite3_open_v2(QFile::encodeName(source).constData(), &from, SQLITE_OPEN_READONLY, nullptr);
        if (rc != SQLITE_OK) {
            problem = sqliteMessage(from, rc);
        } else {
            rc = sqlite3_open_v2(QFile::encodeName(part).constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                 nullptr);
            if (rc == SQLITE_OK)
                rc = copyPages(copy, "main", from);
            if (rc != SQLITE_OK)
                problem = sqliteMessage(copy, rc);
            else if (sqlite3_exec(copy, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK)
                problem = sqliteMessage(copy, sqlite3_errcode(copy));
        }
        sqlite3_close(copy);
        sqlite3_close(from);
        if (problem.isEmpty())
            problem = checkDatabase(part);
        if (problem.isEmpty() && !replaceFile(part, file))
            problem = QStringLiteral("Die Datei kann nicht unter ihrem Namen gespeichert werden.");
        if (!problem.isEmpty())
            QFile::remove(part);
    });
    if (problem.isEmpty())
        return {};
    return QStringLiteral("Die Datenbank konnte nicht gesichert werden (%1): %2").arg(QDir::toNativeSeparators(file), problem);
}

CopyResult copyFile(const QString &from, const QString &to)
{
    const QFileInfo source(from);
    const QFileInfo target(to);
    const QDateTime changed = source.lastModified();
    if (target.isFile() && target.size() == source.size() && target.lastModified() == changed)
        return CopyResult::Unchanged;
    const QString part = partName(to);
    QFile in(from);
    QFile out(part);
    if (!in.open(QIODevice::ReadOnly))
        return CopyResult::Failed;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return diskFullFor(target.absolutePath(), source.size()) ? CopyResult::DiskFull : CopyResult::Failed;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    bool ok = true;
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n) {
            ok = false;
            break;
        }
    }
    ok = ok && out.flush();
    out.close();
    ok = ok && out.error() == QFileDevice::NoError;
    if (ok) {
        // The source's time, so that the next backup sees the copy is current.
        QFile stamped(part);
        ok = stamped.open(QIODevice::ReadWrite) && stamped.setFileTime(changed, QFileDevice::FileModificationTime);
        stamped.close();
    }
    if (ok)
        ok = replaceFile(part, to);
    if (!ok) {
        const bool full = diskFullFor(target.absolutePath(), source.size());
        QFile::remove(part);
        return full ? CopyResult::DiskFull : CopyResult::Failed;
    }
    return CopyResult::Copied;
}

FolderCopy copyFolder(const QString &from, const QString &to, Progress &progress)
{
    const QStringList names = QDir(from).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    FolderCopy result;
    result.total = int(names.size());
    progress.setMaximum(progress.value() + names.size());
    const qint64 start = progress.value();
    if (!QDir().mkpath(to)) {
        result.failed = result.total;
        result.failedNames = names;
        return result;
    }

    // Only the worker touches the result until it has finished.
    std::atomic<int> done{0};
    offTheUserInterface(
        [&] {
            for (const QString &name : names) {
                switch (copyFile(QDir(from).filePath(name), QDir(to).filePath(name))) {
                case CopyResult::Copied: ++result.copied; break;
                case CopyResult::Unchanged: ++result.unchanged; break;
                case CopyResult::DiskFull: result.diskFull = true; [[fallthrough]];
                case CopyResult::Failed:
                    ++result.failed;
                    result.failedNames << name;
                    break;
                }
                ++done;
            }
        },
        // The count is shown as the copies come in.
        [&] { progress.setValue(start + done.load()); });
    progress.setValue(start + done.load());
    return result;
}

CopyResult copyFileAside(const QString &from, const QString &to)
{
    CopyResult result = CopyResult::Failed;
    offTheUserInterface([&] { result = copyFile(from, to); });
    return result;
}

QString describeFailure(const FolderCopy &copy)
{
    QString text = QStringLiteral("%1 von %2 Fotos konnten nicht kopiert werden").arg(copy.failed).arg(copy.total);
    if (copy.diskFull)
        text += QStringLiteral(": Der Datenträger ist voll");
    else if (!copy.failedNames.isEmpty())
        text += QStringLiteral(", zum Beispiel \"%1\"").arg(copy.failedNames.first());
    return text + QLatin1Char('.');
}

} // namespace vindel::backup
