#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "WirnakInfo.h"
#include "app/DesktopIntegration.h"

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

// Runs a program as a shell would on a machine without a display.
Run runWithoutDisplay(const QString& program, const QStringList& arguments,
                      const QString& configHome = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, QStringLiteral("did not end normally")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

const QString kWizard = QStringLiteral(WIRNAK_WIZARD_PATH);
const QString kCli = QStringLiteral(WIRNAK_CLI_PATH);
const QString kVersion = QString::fromLatin1(wirnak::kVersion);

}  // namespace

// The two programs as installed: what they answer on their command lines, and how the wizard
// shows itself to the desktop.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // Both answers come before any window system is reached.
    void bothProgramsTellTheirVersionWithoutADisplay() {
        for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
            const Run wizard = runWithoutDisplay(kWizard, {option});
            QCOMPARE(wizard.err, QString());
            QCOMPARE(wizard.out, "Wirnak " + kVersion + "\n");
            QCOMPARE(wizard.status, 0);
        }
        const Run cli = runWithoutDisplay(kCli, {QStringLiteral("--version")});
        QCOMPARE(cli.out, "wirnak-cli " + kVersion + "\n");
        QCOMPARE(cli.status, 0);
    }

    void wizardHelpNamesItsOptionsAndNoQtOnes() {
        const Run help = runWithoutDisplay(kWizard, {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Usage: wirnak [options]\n")),
                 qPrintable(help.out));
        QVERIFY2(help.out.contains(QStringLiteral("--version")), qPrintable(help.out));
        QVERIFY2(help.out.contains(QStringLiteral("wirnak-cli")), qPrintable(help.out));
        QVERIFY2(!help.out.contains(QStringLiteral("--help-all")), qPrintable(help.out));
    }

    // The settings are kept where the desktop keeps them, and --reset forgets them.
    void resetForgetsTheSettingsInTheirUsualPlace() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Wirnak")));
        QFile kept(home.filePath(QStringLiteral("Wirnak/Wirnak.conf")));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("[shelf]\nlast=12\n") > 0);
        kept.close();
        const Run reset = runWithoutDisplay(kWizard, {QStringLiteral("--reset")}, home.path());
        QCOMPARE(reset.err + QString::number(reset.status), QStringLiteral("0"));
        QVERIFY(!kept.exists());
        QVERIFY(runWithoutDisplay(kWizard, {QStringLiteral("--help")}).out.contains("--reset"));
    }

    void wizardRefusesAnyOtherArgument_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("a job file") << QStringList{"job.txt"} << "job.txt";
        QTest::newRow("a wirnak-cli option") << QStringList{"--round", "8=1"} << "round";
        QTest::newRow("a Qt option") << QStringList{"-platform", "xcb"} << "platform";
        QTest::newRow("after the version") << QStringList{"--version", "extra"} << "extra";
        QTest::newRow("after a double dash") << QStringList{"--", "--help"} << "--help";
    }
    void wizardRefusesAnyOtherArgument() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const Run refused = runWithoutDisplay(kWizard, arguments);
        QCOMPARE(refused.status, 2);
        QCOMPARE(refused.out, QString());
        QVERIFY2(refused.err.startsWith(QStringLiteral("wirnak: ")), qPrintable(refused.err));
        QVERIFY2(refused.err.contains(named), qPrintable(refused.err));
    }

    void everyWindowCarriesTheIconAndTheDesktopId() {
        integrateWithDesktop();
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)),
                 qPrintable(QStringLiteral("%1 sizes").arg(sizes.size())));
        QWidget window;
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(wirnak::kDesktopId));
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
