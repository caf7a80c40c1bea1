#pragma once

class QCoreApplication;

namespace tildora {

// SIGTERM, SIGINT and SIGHUP (a session ending, a shutdown) quit the event
// loop the way closing the window does, so that what is still being written
// (a child's last answers, on a slow share) is finished or said, not dropped.
void quitOnStopSignals(QCoreApplication &app);

} // namespace tildora
