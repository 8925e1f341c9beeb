#include "appcontext.h"

#include <QDir>

AppContext::AppContext(Platform &platform, QObject *parent) : QObject(parent), platform(platform) {}

QString AppContext::dataFile(const QString &name) const
{
    return settings.appFolder + QDir::separator() + name;
}
