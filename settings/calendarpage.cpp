#include "calendarpage.h"

#include "configenv.h"
#include "optiongroup.h"

// TODO(settings-b): the real page.
CalendarPage::CalendarPage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env) {}
CalendarPage::~CalendarPage() = default;
void CalendarPage::fill() {}
