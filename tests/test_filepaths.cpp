// Data files in folders whose names a user chooses: letters beyond ASCII and spaces, through the
// window's file code and through korveltctl, and a save that cannot replace the file.

#include "text/DataFile.h"
#include "cli/Korveltctl.h"
#include "simulator/SimulatedHidBackend.h"
#include "TestSchedules.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace korvelt;
using namespace korvelt::testing;
namespace fs = std::filesystem;

namespace {

fs::path PathOf(const QString &name)
{
    return {name.toStdU16String()};
}

std::vector<char> Bytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Korveltctl(const QStringList &arguments, QString &err)
{
    SimulatedHidBackend backend;
    QByteArray out;
    QBuffer outBuffer(&out);
    outBuffer.open(QIODevice::WriteOnly);
    QTextStream errStream(&err);
    return RunKorveltctl(arguments, backend, outBuffer, errStream);
}

} // namespace

class TestFilePaths : public QObject {
    Q_OBJECT

private slots:
    // A schedule saved, loaded, exported to JSON and imported again by korveltctl, and saved
    // over itself, in a folder of the user's choosing: the same bytes all the way, and no
    // temporary file left behind.
    void SaveLoadExportImport_data() // clang-format off
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("shop.dat");
        QTest::newRow("letters beyond ASCII and spaces")
            << QStringLiteral("Users/Zo\u00eb/Zeitpl\u00e4ne/Laden 1.dat");
        QTest::newRow("letters outside the 8-bit code pages")
            << QStringLiteral("\u0417\u043e\u044f/\u6642\u9593\u8868 1.dat");
    } // clang-format on
    void SaveLoadExportImport()
    {
        QFETCH(QString, name);
        const QTemporaryDir dir;
        const QString file = dir.filePath(name);
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QVERIFY(SaveDataFile(PathOf(file), ScheduleModel{}));
        QVERIFY(SaveDataFile(PathOf(file), DistinctSchedule()));
        const DataFileResult loaded = LoadDataFile(PathOf(file));
        QCOMPARE(loaded.Outcome, DataFileOutcome::Loaded);
        QVERIFY(SameSchedule(loaded.Model, DistinctSchedule()));

        const QString json = file + QStringLiteral(".json");
        const QString again =
            QFileInfo(file).absolutePath() + QStringLiteral("/Kopie von ") + QFileInfo(file).fileName();
        QString err;
        QCOMPARE(Korveltctl({QStringLiteral("export"), file, QStringLiteral("-o"), json}, err), 0);
        QCOMPARE(err, QString());
        QCOMPARE(Korveltctl({QStringLiteral("import"), json, QStringLiteral("-o"), again}, err), 0);
        QCOMPARE(err, QString());
        QVERIFY(!Bytes(PathOf(again)).empty());
        QVERIFY(Bytes(PathOf(again)) == Bytes(PathOf(file)));
        QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    // A file another program holds open: on Windows it cannot be replaced while open, so the
    // save fails and the file keeps all of its old contents; elsewhere it is replaced. Either
    // way nothing is left behind.
    void FileHeldOpen()
    {
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Zo\u00eb 1.dat"));
        QVERIFY(SaveDataFile(PathOf(file), DistinctSchedule()));
        const std::vector<char> before = Bytes(PathOf(file));
        QFile held(file);
        QVERIFY(held.open(QIODevice::ReadOnly));
        const bool saved = SaveDataFile(PathOf(file), ScheduleModel{});
        held.close();
#ifdef _WIN32
        QVERIFY(!saved);
        QVERIFY(Bytes(PathOf(file)) == before);
#else
        QVERIFY(saved);
        QVERIFY(SameSchedule(LoadDataFile(PathOf(file)).Model, ScheduleModel{}));
#endif
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFilePaths)
#include "test_filepaths.moc"
