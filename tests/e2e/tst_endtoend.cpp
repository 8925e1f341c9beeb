// Starts the real TamoTime under a private Xvfb server in a temporary program folder.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

const QStringList dataFiles{QStringLiteral("TAMOtime.INI"), QStringLiteral("kakugen.txt"),
                            QStringLiteral("holiday.txt"), QStringLiteral("schedule.dat"),
                            QStringLiteral("memo.dat")};

QList<QByteArray> iniLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestEndToEnd final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void startsAndSavesOnTerminate();
    void secondStartLeavesEverythingAlone();

private:
    QProcess *startProgram();
    bool waitUntilRunning(QProcess *program);
    void stopProgram(QProcess *program);

    QProcess m_xvfb;
    QString m_display;
    QTemporaryDir m_dir;
    QString m_folder;
};

void TestEndToEnd::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed (./test.sh installs it)");
    // A display number of our own, so parallel runs do not meet.
    for (int n = 80 + int(QCoreApplication::applicationPid() % 100); n < 400; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        m_display = QStringLiteral(":%1").arg(n);
        break;
    }
    m_xvfb.start(xvfb, {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
    QVERIFY(m_xvfb.waitForStarted());
    const QString socket = QStringLiteral("/tmp/.X11-unix/X") + m_display.mid(1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
}

void TestEndToEnd::cleanupTestCase()
{
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(5000);
    }
}

void TestEndToEnd::init()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.path() + QStringLiteral("/prog-") + QString::fromLatin1(QTest::currentTestFunction());
    QVERIFY(QDir().mkpath(m_folder));
    const QString source = qEnvironmentVariable("TAMO_SOURCE_DIR") + QStringLiteral("/data/");
    for (const QString &name : dataFiles)
        QVERIFY2(QFile::copy(source + name, m_folder + u'/' + name), qPrintable(name));
    // The program keeps its files beside the executable when that folder is writable.
    QVERIFY(QFile::copy(QStringLiteral(TAMO_BINARY), m_folder + QStringLiteral("/TamoTime")));
    QFile(m_folder + QStringLiteral("/TamoTime"))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcess *TestEndToEnd::startProgram()
{
    auto *program = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(QProcess::ForwardedChannels);
    program->start(m_folder + QStringLiteral("/TamoTime"), {});
    return program;
}

bool TestEndToEnd::waitUntilRunning(QProcess *program)
{
    if (!program->waitForStarted(10000))
        return false;
    // Give it time to load its files and show its window (sanitizer builds are slow).
    for (int i = 0; i < 40; ++i) {
        if (program->state() == QProcess::NotRunning)
            return false;
        QThread::msleep(100);
    }
    return program->state() == QProcess::Running;
}

void TestEndToEnd::stopProgram(QProcess *program)
{
    ::kill(pid_t(program->processId()), SIGTERM);
    QVERIFY(program->waitForFinished(30000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
}

void TestEndToEnd::startsAndSavesOnTerminate()
{
    const QString ini = m_folder + QStringLiteral("/TAMOtime.INI");
    const QList<QByteArray> shipped = iniLines(ini);
    QCOMPARE(shipped.size(), 24);

    QProcess *program = startProgram();
    QVERIFY(waitUntilRunning(program));
    stopProgram(program);

    // The close sequence wrote the whole settings file and both memo pages.
    const QList<QByteArray> written = iniLines(ini);
    QCOMPARE(written.size(), 24);
    for (const QByteArray &line : written)
        QVERIFY2(line.endsWith('\r'), line.constData());
    const QList<QByteArray> place = written.first().trimmed().split(',');
    QCOMPARE(place.size(), 4);
    const QList<QByteArray> shippedPlace = shipped.first().trimmed().split(',');
    // Without a window manager the window stands exactly where it was put.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(place.at(i).toDouble(), shippedPlace.at(i).toDouble());
    QVERIFY(place.at(3).toInt() > 345);
    for (int i = 1; i < 24; ++i)
        QCOMPARE(written.at(i), shipped.at(i));
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/schedule.dat")));
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/memo.dat")));
}

void TestEndToEnd::secondStartLeavesEverythingAlone()
{
    QProcess *first = startProgram();
    QVERIFY(waitUntilRunning(first));

    const QString ini = m_folder + QStringLiteral("/TAMOtime.INI");
    QFile before(ini);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray contents = before.readAll();
    before.close();

    QProcess *second = startProgram();
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitCode(), 0);
    QFile after(ini);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), contents);

    stopProgram(first);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
