#include "versionpage.h"

#include "configenv.h"
#include "optiongroup.h"

// TODO(settings-b): the real page.
VersionPage::VersionPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env) {}
VersionPage::~VersionPage() = default;
void VersionPage::fill() {}
