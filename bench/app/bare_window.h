#pragma once

#include <QWidget>

// The main window's widgets, texts and places built by hand: no form, no skin, no handlers.
QWidget *makeBareWindow();
