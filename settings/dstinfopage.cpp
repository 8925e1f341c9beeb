#include "dstinfopage.h"

#include "configenv.h"
#include "optiongroup.h"

// TODO(settings-b): the real page.
DstInfoPage::DstInfoPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env) {}
DstInfoPage::~DstInfoPage() = default;
void DstInfoPage::fill() {}
