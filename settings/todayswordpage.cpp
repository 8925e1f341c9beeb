#include "todayswordpage.h"

#include "configenv.h"
#include "optiongroup.h"

// TODO(settings-b): the real page.
TodaysWordPage::TodaysWordPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env) {}
TodaysWordPage::~TodaysWordPage() = default;
void TodaysWordPage::fill() {}
