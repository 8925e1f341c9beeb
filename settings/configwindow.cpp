#include "configwindow.h"

#include "appcontext.h"

// TODO(settings): the real window; these stubs only keep the program linking.
ConfigWindow::ConfigWindow(AppContext &ctx, SettingsLinks links, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_links(std::move(links))
{
}

ConfigWindow::~ConfigWindow() = default;
void ConfigWindow::OPEN_FILE() {}
void ConfigWindow::save_file() {}
void ConfigWindow::time_para_disp() {}
