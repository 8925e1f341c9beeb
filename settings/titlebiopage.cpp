#include "titlebiopage.h"

#include "configenv.h"
#include "optiongroup.h"

// TODO(settings-b): the real page.
TitleBioPage::TitleBioPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env) {}
TitleBioPage::~TitleBioPage() = default;
void TitleBioPage::fill() {}
void TitleBioPage::takeOverOnClose() {}
