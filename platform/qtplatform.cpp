#include "qtplatform.h"
#include "twips.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>

namespace {

const QStringList &dataFileNames()
{
    static const QStringList names{QStringLiteral("TAMOtime.INI"), QStringLiteral("kakugen.txt"),
                                   QStringLiteral("holiday.txt"), QStringLiteral("schedule.dat"),
                                   QStringLiteral("memo.dat")};
    return names;
}

bool folderWritable(const QString &folder)
{
    QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        return false;
    // Probe for real: permissions can lie on read-only mounts.
    QFile probe(folder + QStringLiteral("/.tamotime-write-test"));
    const bool ok = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return ok;
}

// Qt's "name (pattern)" filter from the "name|pattern|" form the program uses.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|', Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
        out << parts.at(i) + QStringLiteral(" (") + pattern + u')';
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace

QString shippedDataFolder()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{
        appDir + QStringLiteral("/../share/tamotime"),
        appDir + QStringLiteral("/data"),
    };
    for (const QString &c : candidates) {
        if (QFileInfo::exists(c + QStringLiteral("/TAMOtime.INI")))
            return QDir::cleanPath(c);
    }
    return QString();
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MsgResult QtPlatform::showMessage(const QString &text, const QString &title, MsgButtons buttons,
                                  MsgIcon icon)
{
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("TamoTime") : title);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.button(QMessageBox::Retry)->setText(QStringLiteral("再試行(&R)"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: break;
    }
    // A box closed by the window manager counts as its escape button.
    if (buttons == MsgButtons::RetryCancel)
        return MsgResult::Cancel;
    if (buttons == MsgButtons::YesNo)
        return MsgResult::No;
    return MsgResult::Ok;
}

QString QtPlatform::activeWindowCaption()
{
    if (QWidget *w = QApplication::activeWindow())
        return w->windowTitle();
    return QString();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

TwipsSize QtPlatform::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return {Twips::fromPx(size.width()), Twips::fromPx(size.height())};
}

QString QtPlatform::programFolder()
{
    if (!m_programFolder.isEmpty())
        return m_programFolder;
    const QString appDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (folderWritable(appDir)) {
        m_programFolder = appDir;
        return m_programFolder;
    }
    // An installed copy keeps its files per user, seeded once from the shipped defaults.
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userDir);
    const QString shipped = shippedDataFolder();
    if (!shipped.isEmpty()) {
        for (const QString &name : dataFileNames()) {
            const QString target = userDir + u'/' + name;
            if (!QFileInfo::exists(target))
                QFile::copy(shipped + u'/' + name, target);
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    m_programFolder = QDir::toNativeSeparators(userDir);
    return m_programFolder;
}

bool QtPlatform::otherInstanceRunning()
{
    // One lock per user and data folder: a crashed instance's lock is stale and taken over.
    const QByteArray key =
        QCryptographicHash::hash(QDir(programFolder()).absolutePath().toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_instanceLock = std::make_unique<QLockFile>(dir + QStringLiteral("/tamotime-") +
                                                 QString::fromLatin1(key) + QStringLiteral(".lock"));
    m_instanceLock->setStaleLockTime(0);
    return !m_instanceLock->tryLock(100);
}

void QtPlatform::setTopmost(QObject *window, bool on)
{
    auto *widget = qobject_cast<QWidget *>(window);
    if (!widget)
        return;
    // Changing the QWindow's flag updates the window manager's "above" state in place;
    // QWidget::setWindowFlags would recreate (hide, move, flash) the window.
    if (QWindow *handle = widget->windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
    } else {
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
}

void QtPlatform::scrollTextLines(QObject *textBox, int lines)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(textBox);
    if (!area)
        return;
    QScrollBar *bar = area->verticalScrollBar();
    bar->setValue(bar->value() + lines * std::max(1, bar->singleStep()));
}

void QtPlatform::setBusyPointer(QObject *, bool on)
{
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_busyDepth;
    } else if (m_busyDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_busyDepth;
    }
}

std::optional<QString> QtPlatform::fileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title.trimmed(),
                       request.initialFolder);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filter = qtFilter(request.filter);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<FontChoice> QtPlatform::fontDialog(const FontChoice &preset)
{
    bool ok = false;
    const QFont initial = storedFont(preset.name, preset.size > 0 ? preset.size : 9, preset.bold,
                                     preset.italic);
    const QFont chosen = QFontDialog::getFont(&ok, initial, QApplication::activeWindow(), QString(),
                                              QFontDialog::DontUseNativeDialog);
    if (!ok)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

std::optional<quint32> QtPlatform::colourDialog(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(colorFromBgr(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return bgrFromColor(chosen);
}

void QtPlatform::setCurrentFolder(const QString &folder)
{
    QDir::setCurrent(folder);
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

double QtPlatform::random()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}
