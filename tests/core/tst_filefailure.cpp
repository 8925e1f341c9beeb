#include "corecontext.h"
#include "filefailure.h"
#include "fileio.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using CoreFiles::join;

namespace {

// A step that fails with the given numbers in turn and then succeeds.
struct ScriptedStep
{
    QList<int> failures;
    int calls = 0;
    std::optional<FileFailure> operator()()
    {
        ++calls;
        if (failures.isEmpty())
            return std::nullopt;
        return FileFailure{failures.takeFirst(), u"Bad file descriptor"_s};
    }
};

FailureRule rule(QList<int> numbers, const QString &message, MsgButtons buttons,
                 FailureAction accept, FailureAction decline)
{
    return {std::move(numbers), message, false, buttons, MsgIcon::Exclamation, accept, decline};
}

} // namespace

class TestFileFailure final : public QObject
{
    Q_OBJECT
private slots:
    void classifiesRealPaths_data();
    void classifiesRealPaths();
    void classifiesSystemErrors_data();
    void classifiesSystemErrors();
    void otherFailureShowsNumberAndDescription();
    void retriesStopAfterTheThirdFailure();
    void retryThenSuccess();
    void declineStops();
    void namedRuleWinsOverAnyOther();
    void silentRuleAndBeep();
    void customIsLeftToTheCaller();
    void readsAndWritesPlainFiles();
    void failedWriteLeavesOldFileIntact();
};

void TestFileFailure::classifiesRealPaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("forWriting");
    QTest::addColumn<int>("number");
    const QString tooLong = QString(300, u'a');
    QTest::newRow("missing file, reading") << u"missing.txt"_s << false << Failure::fileNotFound;
    QTest::newRow("missing file, writing is fine") << u"missing.txt"_s << true << 0;
    QTest::newRow("folder missing, reading")
        << u"nofolder/x.txt"_s << false << Failure::folderNotFound;
    QTest::newRow("folder missing, writing")
        << u"nofolder/x.txt"_s << true << Failure::folderNotFound;
    QTest::newRow("a file in place of the folder")
        << u"file.txt/x.txt"_s << false << Failure::folderNotFound;
    QTest::newRow("a folder in place of the file, reading")
        << u"folder"_s << false << Failure::accessRefused;
    QTest::newRow("a folder in place of the file, writing")
        << u"folder"_s << true << Failure::accessRefused;
    QTest::newRow("a pipe in place of the file") << u"pipe"_s << false << Failure::accessRefused;
    QTest::newRow("too long a name, reading") << tooLong << false << Failure::badFileName;
    QTest::newRow("too long a name, writing") << tooLong << true << Failure::badFileName;
    QTest::newRow("existing file") << u"file.txt"_s << false << 0;
    QTest::newRow("relative name, reading") << u"!relative.txt"_s << false << Failure::badFileName;
    QTest::newRow("name from another system, writing")
        << u"!C:\\TAMO\\memo.dat"_s << true << Failure::badFileName;
}

void TestFileFailure::classifiesRealPaths()
{
    QFETCH(QString, name);
    QFETCH(bool, forWriting);
    QFETCH(int, number);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(CoreFiles::writeBytes(join(dir.path(), u"file.txt"_s), "x"));
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(join(dir.path(), u"pipe"_s)).constData(), 0600), 0);

    // A name starting with '!' is used as it is, without the folder.
    const QString path = name.startsWith(u'!') ? name.mid(1) : join(dir.path(), name);
    const std::optional<FileFailure> checked =
        checkPath(path, forWriting ? FileAccess::Write : FileAccess::Read);
    QCOMPARE(checked ? checked->number : 0, number);

    // The whole read or write reports the same, and a failed write creates nothing.
    std::optional<FileFailure> done;
    if (forWriting) {
        done = writeFileAtomically(path, "data");
    } else {
        QByteArray bytes;
        done = readFileBytes(path, bytes);
    }
    QCOMPARE(done ? done->number : 0, number);
    if (done)
        QVERIFY2(!done->description.isEmpty(), "a failure carries the system's description");
    if (forWriting && number != 0)
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestFileFailure::classifiesSystemErrors_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("forWriting");
    QTest::addColumn<int>("number");
    QTest::newRow("no medium is device not ready") << ENOMEDIUM << false << Failure::deviceNotReady;
    QTest::newRow("no such device is device unavailable")
        << ENXIO << false << Failure::deviceUnavailable;
    QTest::newRow("permission denied is access refused")
        << EACCES << true << Failure::accessRefused;
    QTest::newRow("read-only file system is access refused")
        << EROFS << true << Failure::accessRefused;
    QTest::newRow("missing entry while reading is file not found")
        << ENOENT << false << Failure::fileNotFound;
    QTest::newRow("missing entry while writing is folder not found")
        << ENOENT << true << Failure::folderNotFound;
    QTest::newRow("name too long is bad file name")
        << ENAMETOOLONG << false << Failure::badFileName;
    QTest::newRow("disk full keeps a number of its own") << ENOSPC << true << Failure::diskFull;
    QTest::newRow("I/O error") << EIO << false << Failure::ioError;
    QTest::newRow("unknown code is offset") << EBADF << false << Failure::systemBase + EBADF;
}

void TestFileFailure::classifiesSystemErrors()
{
    QFETCH(int, code);
    QFETCH(bool, forWriting);
    QFETCH(int, number);
    const FileFailure failure =
        failureFromSystemError(code, forWriting ? FileAccess::Write : FileAccess::Read, QString());
    QCOMPARE(failure.number, number);
    QVERIFY(!failure.description.isEmpty());
}

void TestFileFailure::otherFailureShowsNumberAndDescription()
{
    FakePlatform platform;
    platform.caption = u"ＴＡＭＯ時計"_s;
    FailureTable table;
    table.rules.append({{},
                        QString(),
                        true,
                        MsgButtons::Ok,
                        MsgIcon::None,
                        FailureAction::Next,
                        FailureAction::Next});
    FileOperation op(platform, table);
    ScriptedStep step{{1009}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Next);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, u"1009 : Bad file descriptor"_s);
    QCOMPARE(platform.messages[0].title, u"ＴＡＭＯ時計"_s);
    QCOMPARE(platform.messages[0].icon, MsgIcon::None);
    QVERIFY(!op.stopped());
}

void TestFileFailure::retriesStopAfterTheThirdFailure()
{
    FakePlatform platform;
    queueAnswers(platform,
                 {MsgResult::Retry, MsgResult::Retry, MsgResult::Retry, MsgResult::Retry});
    FailureTable table;
    table.rules.append(rule({Failure::deviceNotReady}, u"not ready"_s, MsgButtons::RetryCancel,
                            FailureAction::Retry, FailureAction::Stop));
    FileOperation op(platform, table);
    ScriptedStep step{{71, 71, 71, 71, 71}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Stop);
    QCOMPARE(step.calls, FileOperation::maxFailuresPerStep);
    QCOMPARE(platform.messages.size(), 3);
    QVERIFY(op.stopped());
    // A stopped operation runs no further step.
    QCOMPARE(op.run(std::ref(step)), StepResult::Stop);
    QCOMPARE(step.calls, 3);
}

void TestFileFailure::retryThenSuccess()
{
    FakePlatform platform;
    queueAnswers(platform, {MsgResult::Retry});
    FailureTable table;
    table.rules.append(rule({Failure::deviceNotReady}, u"not ready"_s, MsgButtons::RetryCancel,
                            FailureAction::Retry, FailureAction::Stop));
    FileOperation op(platform, table);
    ScriptedStep step{{71}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Done);
    QCOMPARE(step.calls, 2);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].buttons, MsgButtons::RetryCancel);
    QCOMPARE(op.lastFailure().number, 71);
}

void TestFileFailure::declineStops()
{
    FakePlatform platform;
    queueAnswers(platform, {MsgResult::Cancel});
    FailureTable table;
    table.rules.append(rule({Failure::deviceNotReady}, u"not ready"_s, MsgButtons::RetryCancel,
                            FailureAction::Retry, FailureAction::Stop));
    FileOperation op(platform, table);
    ScriptedStep step{{71}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Stop);
    QCOMPARE(step.calls, 1);
}

void TestFileFailure::namedRuleWinsOverAnyOther()
{
    FakePlatform platform;
    FailureTable table;
    table.rules.append({{},
                        QString(),
                        true,
                        MsgButtons::Ok,
                        MsgIcon::None,
                        FailureAction::Next,
                        FailureAction::Next});
    table.rules.append(rule({Failure::endOfData}, u"short"_s, MsgButtons::Ok, FailureAction::Stop,
                            FailureAction::Stop));
    FileOperation op(platform, table);
    ScriptedStep step{{62}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Stop);
    QCOMPARE(platform.messageTexts(), QStringList{u"short"_s});
}

void TestFileFailure::silentRuleAndBeep()
{
    FakePlatform platform;
    FailureTable table;
    table.beep = true;
    table.rules.append({{},
                        QString(),
                        false,
                        MsgButtons::Ok,
                        MsgIcon::None,
                        FailureAction::Next,
                        FailureAction::Next});
    FileOperation op(platform, table);
    ScriptedStep step{{75}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Next);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.beeps, 1);
}

void TestFileFailure::customIsLeftToTheCaller()
{
    FakePlatform platform;
    queueAnswers(platform, {MsgResult::Yes});
    FailureTable table;
    table.rules.append(rule({Failure::folderNotFound}, u"load the default?"_s, MsgButtons::YesNo,
                            FailureAction::Custom, FailureAction::Stop));
    FileOperation op(platform, table);
    ScriptedStep step{{76}};
    QCOMPARE(op.run(std::ref(step)), StepResult::Custom);
    QVERIFY(!op.stopped());
    QCOMPARE(platform.messages[0].buttons, MsgButtons::YesNo);
}

void TestFileFailure::readsAndWritesPlainFiles()
{
    QTemporaryDir dir;
    const QString path = join(dir.path(), u"a.txt"_s);
    QVERIFY(!writeFileText(path, u"\"日本\"\r\n"_s));
    QCOMPARE(CoreFiles::readBytes(path), CoreFiles::cp932(u"\"日本\"\r\n"_s));
    QString text;
    QVERIFY(!readFileText(path, text));
    QCOMPARE(text, u"\"日本\"\r\n"_s);
    // Replacing keeps no temporary file behind.
    QVERIFY(!writeFileText(path, u"2"_s));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"a.txt"_s});
}

void TestFileFailure::failedWriteLeavesOldFileIntact()
{
    QTemporaryDir dir;
    const QString path = join(dir.path(), u"TAMOtime.INI"_s);
    QVERIFY(CoreFiles::writeBytes(path, "old contents\r\n"));

    // A file-size limit makes the write fail part-way, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<FileFailure> failure = writeFileAtomically(path, QByteArray(200000, 'x'));
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_DFL);

    QVERIFY2(failure.has_value(), "a failed write is reported");
    QCOMPARE(CoreFiles::readBytes(path), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"TAMOtime.INI"_s});
}

QTEST_GUILESS_MAIN(TestFileFailure)
#include "tst_filefailure.moc"
