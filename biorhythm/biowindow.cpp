#include "biowindow.h"

#include "appcontext.h"

// TODO(biorhythm): the real window; these stubs only keep the program linking.
BioWindow::BioWindow(AppContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx) {}
BioWindow::~BioWindow() = default;
void BioWindow::bio_calc() {}
void BioWindow::updateCaption() {}
void BioWindow::clearChart() {}
