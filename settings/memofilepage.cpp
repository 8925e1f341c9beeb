#include "memofilepage.h"

#include "configenv.h"
#include "optiongroup.h"

// TODO(settings-b): the real page.
MemoFilePage::MemoFilePage(ConfigEnv &env, QWidget *parent) : QWidget(parent), m_env(env) {}
MemoFilePage::~MemoFilePage() = default;
void MemoFilePage::fill() {}
void MemoFilePage::OPEN_FILE() {}
void MemoFilePage::save_file() {}
