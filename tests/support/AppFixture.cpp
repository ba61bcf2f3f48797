#include "support/AppFixture.h"

#include "data/Database.h"
#include "data/NewDatabase.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <stdexcept>

namespace vindel::test {

AppFixture::AppFixture() : AppFixture(Options{}) {}

AppFixture::AppFixture(Options options) : m_options(options)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    if (options.createDatabase)
        createDatabase(databasePath());
}

AppFixture::~AppFixture()
{
    m_program.reset();
    QCoreApplication::processEvents();
}

QString AppFixture::programDir() const { return m_dir.path() + QStringLiteral("/"); }

QString AppFixture::databasePath() const { return programDir() + QStringLiteral("Pflanzen.mdb"); }

void AppFixture::exec(const QString &sql, const QVariantList &params)
{
    Database db;
    db.open(databasePath());
    db.exec(sql, params);
    db.close();
}

std::vector<std::vector<QVariant>> AppFixture::select(const QString &sql, const QVariantList &params)
{
    Database db;
    db.open(databasePath());
    auto rows = db.select(sql, params);
    db.close();
    return rows;
}

void AppFixture::dropColumn(const QString &table, const QString &column)
{
    exec(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(Schema::quoteIdentifier(table), Schema::quoteIdentifier(column)));
}

void AppFixture::installImportHelper()
{
    const QString target = programDir() + QStringLiteral("vindel-mdb-import");
    if (!QFile::exists(target) && !QFile::copy(QStringLiteral(VINDEL_IMPORT_HELPER), target))
        throw std::runtime_error("cannot copy the import helper");
}

bool AppFixture::start()
{
    m_program = std::make_unique<Program>(m_prompter, programDir());
    m_program->context().offerNewDatabase = m_options.installed;
    m_program->onEnded = [this] { m_ended = true; };
    if (!m_program->start())
        return false;
    m_started = true;
    return QTest::qWaitForWindowActive(mainWindow());
}

std::vector<AppWindow *> AppFixture::windows() const
{
    return m_program ? m_program->windows() : std::vector<AppWindow *>{};
}

bool AppFixture::activate(QWidget *window)
{
    if (!window->isVisible())
        window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool AppFixture::returnToMainWindow() { return activate(mainWindow()); }

} // namespace vindel::test
