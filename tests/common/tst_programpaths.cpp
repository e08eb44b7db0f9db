#include "common/programpaths.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProgramPaths : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void derivesPaths_data();
    void derivesPaths();
};

void TestProgramPaths::derivesPaths_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("language");

    QTest::newRow("no extension") << u"/x/y/Velmarotte"_s << u"/x/y"_s << u"/x/y/Velmarotte.INI"_s
                                  << u"/x/y/Velmarotte.GER"_s;
    QTest::newRow("exe") << u"/x/y/prog.exe"_s << u"/x/y"_s << u"/x/y/prog.INI"_s
                         << u"/x/y/prog.GER"_s;
    QTest::newRow("only the last extension")
        << u"/x/y/my.prog.exe"_s << u"/x/y"_s << u"/x/y/my.prog.INI"_s << u"/x/y/my.prog.GER"_s;
    QTest::newRow("dot in folder is no extension")
        << u"/opt/vm-3.1/Velmarotte"_s << u"/opt/vm-3.1"_s << u"/opt/vm-3.1/Velmarotte.INI"_s
        << u"/opt/vm-3.1/Velmarotte.GER"_s;
}

void TestProgramPaths::derivesPaths()
{
    QFETCH(QString, executable);
    QFETCH(QString, folder);
    QFETCH(QString, settings);
    QFETCH(QString, language);

    const vm::ProgramPaths paths = vm::ProgramPaths::fromExecutable(executable);
    QCOMPARE(paths.executablePath, executable);
    QCOMPARE(paths.programFolder, folder);
    QCOMPARE(paths.settingsFile(), settings);
    QCOMPARE(paths.languageFile(), language);
    QCOMPARE(paths.dataFolder(), folder + u"/DATA"_s);
    QCOMPARE(paths.dataFile(u"Bahn.txt"_s), folder + u"/DATA/Bahn.txt"_s);
    QCOMPARE(paths.withExtension(u".plk"_s), settings.chopped(4) + u".plk"_s);
}

QTEST_GUILESS_MAIN(TestProgramPaths)
#include "tst_programpaths.moc"
