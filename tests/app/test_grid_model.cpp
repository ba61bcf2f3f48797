// The grid model over a table object and the grid that follows the cursor.
#include "app/DataGrid.h"
#include "app/DatasetModel.h"
#include "data/DataTables.h"
#include "data/NewDatabase.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;

class TestGridModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void followsTheTableObject();
    void columnsByNameAndValues();
    void gridAndCursorMoveTogether();

private:
    QTemporaryDir *m_dir = nullptr;
    DataTables *m_tables = nullptr;
};

void TestGridModel::init()
{
    m_dir = new QTemporaryDir;
    const QString path = m_dir->filePath("Pflanzen.mdb");
    createDatabase(path);
    m_tables = new DataTables;
    m_tables->db.open(path);
    for (int i = 0; i < 5; ++i)
        m_tables->db.exec("INSERT INTO Pflanzen (Nr, Namen, Mundart) VALUES (?, ?, ?)",
                          {10 - i, QStringLiteral("Pflanze %1").arg(i), i % 2 ? QVariant() : QVariant("Volksname")});
}

void TestGridModel::cleanup()
{
    m_tables->closeAll();
    delete m_tables;
    delete m_dir;
}

void TestGridModel::followsTheTableObject()
{
    Table &plants = m_tables->Tab_Pflanzen_test;
    DatasetModel model(plants, {{"Nr", "Nr.", 40}, {"Namen", "Name"}, {"Mundart", {}}});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0); // closed
    QCOMPARE(model.columnCount(), 3);

    plants.open();
    QCOMPARE(model.rowCount(), 5);
    plants.setFilter("(Nr > 7)");
    plants.setFiltered(true);
    QCOMPARE(model.rowCount(), 3);
    plants.setIndexFieldNames("Nr");
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("8"));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    plants.first();
    plants.edit();
    plants.setValue("Namen", "Umbenannt");
    plants.post();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("Umbenannt"));

    plants.setFiltered(false);
    plants.append();
    plants.setValue("Nr", 11);
    plants.setValue("Namen", "Neu");
    plants.post();
    QCOMPARE(model.rowCount(), 6);
    plants.remove();
    QCOMPARE(model.rowCount(), 5);
    plants.close();
    QCOMPARE(model.rowCount(), 0);
}

void TestGridModel::columnsByNameAndValues()
{
    Table &plants = m_tables->Tab_Pflanzen_test;
    plants.open();
    plants.setIndexFieldNames("Nr");
    DatasetModel model(plants, {{"nr", "Nr.", 40, Qt::AlignCenter}, {"MUNDART", {}}, {"GibtEsNicht", "Fehlt"}});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nr."));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("MUNDART"));
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("6"));
    QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("Volksname"));
    QCOMPARE(model.data(model.index(1, 1)).toString(), QString()); // NULL
    QCOMPARE(model.data(model.index(0, 2)).toString(), QString());  // no such column
    QCOMPARE(DatasetModel::displayText(QVariant("2024-03-05 00:00:00"), ColumnKind::DateTime),
             QStringLiteral("05.03.2024"));
}

void TestGridModel::gridAndCursorMoveTogether()
{
    Table &plants = m_tables->Tab_Pflanzen_test;
    plants.open();
    DataGrid grid("DBGrid1");
    grid.bind(plants, {{"Nr", "Nr.", 40}, {"Namen", "Name", 324}});
    QCOMPARE(grid.objectName(), QStringLiteral("DBGrid1"));
    QCOMPARE(grid.columnWidth(1), 324);
    QCOMPARE(grid.currentIndex().row(), 0);

    QSignalSpy scrolled(&plants, &Dataset::afterScroll);
    plants.moveTo(3);
    QCOMPARE(grid.currentIndex().row(), 3);
    QCOMPARE(scrolled.count(), 1);

    grid.setCurrentIndex(grid.model()->index(1, 1));
    QCOMPARE(plants.currentRow(), 1);
    QCOMPARE(scrolled.count(), 2);

    // Under the scroll guard the grid still follows, but nothing else is told.
    plants.tag = 1;
    plants.last();
    plants.tag = 0;
    QCOMPARE(grid.currentIndex().row(), 4);
    QCOMPARE(scrolled.count(), 2);

    // After a reset (new filter) the grid shows the cursor's row again.
    plants.setFilter("(Nr < 9)");
    plants.setFiltered(true);
    QCOMPARE(grid.model()->rowCount(), 3);
    QCOMPARE(grid.currentIndex().row(), plants.currentRow());
}

QTEST_MAIN(TestGridModel)
#include "test_grid_model.moc"
