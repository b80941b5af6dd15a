#pragma once

#include "app/app_state.h"

#include <string>
#include <vector>

class QWidget;

// The census of the program's visible top-level windows, front-most first. Other processes'
// windows cannot be listed portably, so the census holds this process's windows only; the order
// is kept by watching which window was last shown or activated.
namespace ftq {

// Fills the census from the windows in stacking order, hands the caller a copy in place of its
// list, empties the census again and returns the number of entries. One census at a time; a call
// from a worker thread is carried out on the GUI thread.
int takeWindowCensus(std::vector<WindowEntry> &list);

// The census callback: appends an entry for `window` when it is visible.
void recordWindow(QWidget *window);

// The first window of the census that belongs to `processId`, or null.
QWidget *findProcessWindow(qint64 processId);

qint64 processIdOf(QWidget *window);
Qt::HANDLE threadIdOf(QWidget *window);
std::string windowTitleOf(QWidget *window); // code page 936, at most 255 bytes
std::string windowClassOf(QWidget *window); // at most 49 bytes

} // namespace ftq
