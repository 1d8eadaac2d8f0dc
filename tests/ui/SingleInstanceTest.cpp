// Two real starts of the program in one program folder.

#include "app/SingleInstance.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ui/UiTest.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <filesystem>

using namespace cvn;

namespace {

namespace fs = std::filesystem;

// A program folder of its own: the program, as the build made it, with the sample
// catalogue beside it. The program finds its folder through its own path, so it is
// linked (or copied) in.
struct TProgramFolder {
    TProgramFolder() {
        Folder.CopySample("Data");
        Folder.CopySample("Images");
        Program = Folder.Path() + "corvane38";
        std::error_code ec;
        fs::create_hard_link(CORVANE_PROGRAM, Program, ec);
        if (ec) {
            fs::copy_file(CORVANE_PROGRAM, Program, fs::copy_options::overwrite_existing);
        }
    }

    // Started with an argument (no splash), offscreen.
    std::unique_ptr<QProcess> Start() const {
        auto run = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run->setProcessEnvironment(env);
        run->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run->start(QString::fromStdString(Program), {QStringLiteral("-nosplash")});
        run->waitForStarted(5000);
        return run;
    }

    QString Path() const { return QString::fromStdString(Folder.Path()); }

    // Whether a program of the folder listens for a second start.
    bool Listening() const {
        QLocalSocket probe;
        probe.connectToServer(TSingleInstance::ServerName(Path()));
        return probe.waitForConnected(200);
    }

    test::TTempFolder Folder;
    std::string Program;
};

void Stop(QProcess& run) {
    if (run.state() != QProcess::NotRunning) {
        run.kill();
        run.waitForFinished(5000);
    }
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    // A second start wakes the running program and ends; a killed program's lock is taken
    // over by the next start, and the command line runs beside it all along.
    void aSecondStartWakesTheRunningProgramAndAKilledOnesLockIsTakenOver() {
        TProgramFolder folder;
        {
            // This test process is the folder's running program.
            TSingleInstance running(folder.Path());
            QVERIFY(running.Claim());
            int wakeUps = 0;
            running.OnWakeUp = [&] { ++wakeUps; };
            const auto second = folder.Start();
            const bool ended = second->waitForFinished(10000);
            Stop(*second);
            QVERIFY2(ended, "the second start kept running beside the first");
            QCOMPARE(second->exitStatus(), QProcess::NormalExit);
            QCOMPARE(second->exitCode(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(wakeUps, 1, 5000);
        }
        const auto first = folder.Start();
        QTRY_VERIFY_WITH_TIMEOUT(folder.Listening(), 15000);
        QProcess cli;
        cli.start(QStringLiteral(CORVANE_CLI),
                  {QStringLiteral("--app-dir"), folder.Path(), QStringLiteral("check")});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);

        // Killed, it leaves its lock file behind; the next start still runs.
        Stop(*first);
        QVERIFY(QFile::exists(TSingleInstance::LockFileName(folder.Path())));
        const auto third = folder.Start();
        QTRY_VERIFY_WITH_TIMEOUT(folder.Listening(), 15000);
        QCOMPARE(third->state(), QProcess::Running);
        Stop(*third);
    }
};

CORVANE_UI_TEST(SingleInstanceTest)

#include "SingleInstanceTest.moc"
