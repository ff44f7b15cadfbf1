#include "view/CWaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace lumora {

CWaitCursor::CWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

CWaitCursor::~CWaitCursor() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace lumora
