#include "mainfixture.h"

#include "datafiles.h"
#include "fileio.h"
#include "twips.h"

#include <QTest>

using namespace Qt::StringLiterals;

const QString scheduleText = u"10月の予定\r\n1 月初め\r\n8 会議\r\n9 歯医者\r\n15 旅行\r\n"_s;
const QString memoText = u"買い物: 牛乳, パン\r\n電話する"_s;

namespace {

QString kakugenText()
{
    QString text;
    for (int day = 1; day <= 366; ++day)
        text += u"言葉%1\r\n"_s.arg(day);
    return text;
}

} // namespace

QString shown(const QString &crlf)
{
    QString s = crlf;
    return s.replace(u"\r\n"_s, u"\n"_s);
}

void MainFixture::initTestCase()
{
    installJapaneseFontSubstitutes(); // as the program does at start
}

void MainFixture::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_platform = std::make_unique<FakePlatform>();
    m_platform->folder = m_dir->path();
    m_platform->clock = QDateTime(QDate(2001, 10, 8), QTime(13, 5, 9));
    m_ctx = std::make_unique<AppContext>(*m_platform);
    m_companions = std::make_unique<FakeCompanions>();
    writeFile(u"kakugen.txt"_s, kakugenText());
    writeFile(u"holiday.txt"_s, u"2001/10/8\r\n"_s);
}

void MainFixture::cleanup()
{
    m_main.reset();
    m_companions.reset();
    m_ctx.reset();
    m_platform.reset();
    m_dir.reset();
}

Settings MainFixture::baseSettings() const
{
    Settings s = defaultSettings();
    s.mainTop = 1500;
    s.mainLeft = 3000;
    s.mainWidth = 6000;
    s.mainHeight = 5000;
    s.todaysWordShow = {1, 1};
    s.memoShow = {1, 1};
    s.clockRows = 2;
    s.autoDst = 1;
    s.showSeconds = 1;
    s.mainOnTop = 0;
    s.rowCity = {0, 3, 5};
    s.rowFormat = {0, 0, 1};
    s.rowBackColor = {16777215, 16777215, 16777215};
    s.rowManualDst = {0, 0, 0};
    for (size_t k = 0; k < 5; ++k) {
        s.itemFontName[k] = u"ＭＳ Ｐゴシック"_s;
        s.itemFontSize[k] = k < 3 ? 20.25 : 9.75;
        s.itemFontBold[k] = 0;
        s.itemFontItalic[k] = 0;
        s.itemForeColor[k] = 0;
    }
    s.titleBarText = u"テスト"_s;
    s.iconScale = 1;
    s.memoFilePath = {m_dir->filePath(u"schedule.dat"_s), m_dir->filePath(u"memo.dat"_s)};
    s.calAutoOpen = 0;
    s.bioAutoOpen = 0;
    s.holidayColor = u"255"_s;
    return s;
}

void MainFixture::writeFile(const QString &name, const QString &text)
{
    QVERIFY(!writeFileText(m_dir->filePath(name), text).has_value());
}

TimeMain *MainFixture::start(const Settings &s, const QString &front, const QString &back)
{
    {
        AppContext writer(*m_platform);
        writer.settings = s;
        writer.settings.appFolder = m_dir->path();
        saveSettings(writer, {front, back});
    }
    m_main = std::make_unique<TimeMain>(*m_ctx, *m_companions);
    m_main->setSlideStepDelay(0);
    m_main->startUp();
    return m_main.get();
}

Settings MainFixture::reloadedSettings()
{
    AppContext reader(*m_platform);
    reader.settings.appFolder = m_dir->path();
    loadSettings(reader);
    return reader.settings;
}
