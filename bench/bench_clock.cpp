#include "appcontext.h"
#include "companions.h"
#include "datafiles.h"
#include "fakeplatform.h"
#include "greeting.h"
#include "timemain.h"
#include "twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

/** The other windows are not part of what is measured. */
class NoCompanions final : public CompanionWindows
{
public:
    QWidget *settingsWindow() override { return &m_window; }
    QWidget *calendarWindow() override { return &m_window; }
    QWidget *bioWindow() override { return &m_window; }
    void bioCalc() override {}
    void closeAll() override {}

private:
    QWidget m_window;
};

} // namespace

class BenchClock final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void panelTextOfOneTick();
    void wholeClockTick();
    void mainLayout();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<AppContext> m_ctx;
    std::unique_ptr<NoCompanions> m_companions;
    std::unique_ptr<TimeMain> m_main;
};

void BenchClock::initTestCase()
{
    installJapaneseFontSubstitutes();
    // The window runs on the shipped files, like the program after installation.
    QString source = qEnvironmentVariable("TAMO_SOURCE_DIR");
    if (source.isEmpty())
        source = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(u".."_s);
    const QString shipped = source + u"/data"_s;
    for (const QString &name :
         {u"TAMOtime.INI"_s, u"kakugen.txt"_s, u"holiday.txt"_s, u"schedule.dat"_s, u"memo.dat"_s})
        QFile::copy(shipped + u'/' + name, m_dir.filePath(name));
    m_platform = std::make_unique<FakePlatform>();
    m_platform->folder = QDir::toNativeSeparators(m_dir.path());
    m_platform->clock = QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9));
    m_ctx = std::make_unique<AppContext>(*m_platform);
    m_companions = std::make_unique<NoCompanions>();
    m_main = std::make_unique<TimeMain>(*m_ctx, *m_companions);
    m_main->startUp();
    QVERIFY(m_main->isVisible());
}

void BenchClock::cleanupTestCase()
{
    m_main.reset();
}

void BenchClock::panelTextOfOneTick()
{
    const QString word = m_ctx->todaysWord.toText();
    QDateTime now(QDate(2001, 10, 8), QTime(13, 5, 9));
    qsizetype total = 0;
    QBENCHMARK
    {
        total += panelText(now, word).size();
        now = now.addSecs(1);
    }
    QVERIFY(total > 0);
}

void BenchClock::wholeClockTick()
{
    // Each tick a new second: three captions change, the panel text is built and compared,
    // and the changed rows are painted.
    QBENCHMARK
    {
        m_platform->clock = m_platform->clock.addSecs(1);
        m_main->onClockTick();
        QCoreApplication::processEvents();
    }
    QVERIFY(m_main->rowLabel(0)->text().contains(u"分"_s));
}

void BenchClock::mainLayout()
{
    QBENCHMARK
    {
        m_main->applyMainLayout();
    }
    QVERIFY(m_main->layoutTwips().rows[0].height > 0);
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchClock bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_clock.moc"
