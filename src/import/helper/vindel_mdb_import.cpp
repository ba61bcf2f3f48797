// vindel-mdb-import <Access-Datei> <neue Datenbank>
// Converts an Access (Jet 3/4) file into a new SQLite database. Runs as a process of its own so
// that a damaged file can at worst end this process, never the program that called it.
//
// On stdout: "FORTSCHRITT <rows written> <rows in all>" lines while it works, then
// "OK <tables> <rows>" and exit code 0. Otherwise a German message on stderr and exit code 1, or
// exit code 3 when the file is readable but no plant database of this program. The target is
// written completely or not at all.

#include "data/DatabaseError.h"
#include "import/AccessReader.h"
#include "import/ImportError.h"
#include "import/LegacyImport.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int messageFd = STDERR_FILENO;
int resultFd = STDOUT_FILENO;

// A damaged file can make the reading library allocate without end; the address space of this
// process is bounded, so that such a file ends in an allocation failure here instead of taking
// the machine's memory.
constexpr rlim_t kAddressSpaceLimit = rlim_t(3) << 30;



void writeLine(int fd, const QString &text)
{
    const QByteArray utf8 = text.toUtf8() + '\n';
    qsizetype done = 0;
    while (done < utf8.size()) {
        const ssize_t n = ::write(fd, utf8.constData() + done, size_t(utf8.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
}

void tell(const QString &text) { writeLine(messageFd, text); }

void limitMemory()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) == 0 && (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > kAddressSpaceLimit)) {
        limit.rlim_cur = kAddressSpaceLimit;
        ::setrlimit(RLIMIT_AS, &limit);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        tell(QStringLiteral("Aufruf: vindel-mdb-import <Access-Datei> <neue Datenbank>"));
        return 2;
    }
    limitMemory();
    // libmdb reports trouble as English lines on stderr and stdout; our caller reads both, so
    // keep those lines away and write only our own result and message there.
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        messageFd = ::dup(STDERR_FILENO);
        resultFd = ::dup(STDOUT_FILENO);
        if (messageFd >= 0 && resultFd >= 0) {
            ::dup2(devNull, STDERR_FILENO);
            ::dup2(devNull, STDOUT_FILENO);
        } else {
            messageFd = STDERR_FILENO;
            resultFd = STDOUT_FILENO;
        }
        ::close(devNull);
    }
    // Text conversion follows the file (its code page for Jet 3), never the caller's settings.
    ::unsetenv("MDB_JET3_CHARSET");
    ::unsetenv("MDBICONV");
    ::unsetenv("MDB_ICONV");

    const QString source = QFile::decodeName(argv[1]);
    const QString target = QFile::decodeName(argv[2]);
    QElapsedTimer sinceReport;
    sinceReport.start();
    auto report = [&](qint64 done, qint64 total) {
        if (done == 0 || done == total || sinceReport.elapsed() >= 100) {
            writeLine(resultFd, QStringLiteral("FORTSCHRITT %1 %2").arg(done).arg(total));
            sinceReport.restart();
        }
    };
    try {
        const vindel::ImportSummary s = vindel::importAccessFile(source, target, report);
        writeLine(resultFd, QStringLiteral("OK %1 %2").arg(s.tables).arg(s.rows));
        return 0;
    } catch (const vindel::NotACatalogue &e) {
        tell(e.message());
        return vindel::LegacyImport::kExitNotACatalogue;
    } catch (const vindel::ImportError &e) {
        tell(e.message());
    } catch (const vindel::DatabaseError &e) {
        tell(QStringLiteral("Die neue Datenbank kann nicht geschrieben werden: %1").arg(e.message()));
    } catch (const std::bad_alloc &) {
        tell(QStringLiteral("Beim Lesen der Access-Datei wurde der Speicher knapp; die Datei ist vermutlich "
                            "beschädigt."));
    } catch (const std::exception &e) {
        tell(QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return 1;
}
