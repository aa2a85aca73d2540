#include "storage/IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the real executable: one copy per executable file name, and SIGTERM closes it in order.
class ProgramInstanceTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;

    void Start(QProcess& process, const QString& exe) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path()); // locks of this test only
        process.setProcessEnvironment(env);
        process.start(exe, {});
        QVERIFY(process.waitForStarted());
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QFile::copy(QStringLiteral(YORRA_EXECUTABLE), dir_.filePath("YorraPDA")));
        QVERIFY(QFile::copy(QStringLiteral(YORRA_EXECUTABLE), dir_.filePath("YorraPDA-copy")));
        QDir().mkpath(dir_.filePath("DefaultDB"));
        for (const char* table : {"YorraPDA13.xml", "YorraPDAMemo17.xml", "YorraPDAAddres4.xml"})
            QVERIFY(QFile::copy(QStringLiteral(YORRA_SOURCE_DATA "/DefaultDB/") + table,
                                dir_.filePath(QStringLiteral("DefaultDB/") + table)));
    }

    void SecondCopyRefusesAndARenamedCopyStarts() {
        QProcess first, second, renamed;
        Start(first, dir_.filePath("YorraPDA"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir_.filePath("YorraPDA13.xml")), 10000);
        QTest::qWait(500);
        QCOMPARE(first.state(), QProcess::Running);

        Start(second, dir_.filePath("YorraPDA"));
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += second.readAllStandardError()).contains("よらぴぃーでーえーは既に起動中です"),
            10000);
        second.kill(); // it waits on its message box
        second.waitForFinished();

        Start(renamed, dir_.filePath("YorraPDA-copy"));
        QTest::qWait(1500);
        QCOMPARE(renamed.state(), QProcess::Running);
        QVERIFY(!renamed.readAllStandardError().contains("既に起動中"));
        renamed.terminate();
        QVERIFY(renamed.waitForFinished(10000));

        // SIGTERM runs the orderly close: the layout is stored.
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        TIniFile settings(dir_.filePath("YorraPDA.ini").toStdString());
        QCOMPARE(settings.ReadString("SystemData", "WindowMode"), std::string("2"));
    }
};

QTEST_MAIN(ProgramInstanceTest)
#include "program_instance_test.moc"
