// One long flow at a time: scan all, repair all, page actions and backups let messages
// run, so their buttons stay live; a second request is ignored and an exit waits.
#include "cleaner/Unit1.h"

#include "toolkit/Application.h"

namespace tidewell {

TForm1::FlowGuard::FlowGuard(TForm1& form) : form_(form), acquired_(!form.FlowRunning) {
    form_.FlowRunning = true;
}

TForm1::FlowGuard::~FlowGuard() {
    if (!acquired_)
        return;
    form_.FlowRunning = false;
    const ExitRequest pending = std::exchange(form_.PendingExit, ExitRequest::None);
    if (pending == ExitRequest::Close)
        PostMessageW(form_.handle(), WM_CLOSE, 0, 0);
    else if (pending == ExitRequest::Terminate)
        tk::app().terminate();
}

bool TForm1::DeferExitWhileFlowRuns(ExitRequest request) {
    if (!FlowRunning)
        return false;
    if (PendingExit != ExitRequest::Terminate)
        PendingExit = request;
    return true;
}

} // namespace tidewell
