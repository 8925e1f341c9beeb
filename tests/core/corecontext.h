#pragma once

#include "appcontext.h"
#include "corefiles.h"
#include "fakeplatform.h"

#include <QTemporaryDir>

// A program folder of its own, the scripted platform and the shared context.
struct CoreContext
{
    QTemporaryDir dir;
    FakePlatform platform;
    AppContext ctx{platform};

    CoreContext()
    {
        platform.folder = dir.path();
        ctx.settings.appFolder = dir.path();
    }
    QString file(const QString &name) const { return CoreFiles::join(dir.path(), name); }
    bool put(const QString &name, const QString &text) const
    {
        return CoreFiles::writeBytes(file(name), CoreFiles::cp932(text));
    }
    QByteArray bytes(const QString &name) const { return CoreFiles::readBytes(file(name)); }
};

// Queues the answers the scripted message boxes give, in order.
inline void queueAnswers(FakePlatform &platform, const QList<MsgResult> &answers)
{
    for (const MsgResult answer : answers)
        platform.answers.enqueue(answer);
}
