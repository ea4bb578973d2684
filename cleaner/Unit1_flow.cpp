// One long flow at a time: scan all, repair all, page actions, backups and the optimizer
// let messages run, so the window answers meanwhile; what would switch the page or start
// another flow is disabled until the flow ends. An exit asked for meanwhile ends the flow
// at its next step and is done then.
#include "cleaner/Categories.h"

#include "toolkit/Application.h"

#include <algorithm>
#include <utility>

namespace tidewell {

namespace {

// Thrown at a flow's step once an exit is asked for; caught where the flow began.
struct FlowStopped {};

// What would switch the page or start another flow: the category bar, "Back to Main
// Menu", the results page's buttons but select-all, the page buttons that ignore, remove
// or refresh, and the buttons of the Backups and Optimizer pages.
std::vector<tk::Control*> FlowBlockedControls(const TForm1& form) {
    std::vector<tk::Control*> controls = {form.CB1.get(),
                                          form.OBscanpc.get(),
                                          form.OBall2.get(),
                                          form.OBall3.get(),
                                          form.OBall4.get(),
                                          form.OBbackup.get(),
                                          form.OBrestorebackup.get(),
                                          form.OBdeletebackup.get(),
                                          form.OBoptimize.get()};
    for (const Category& category : Categories) {
        const PageButtonSet& buttons = category.buttons;
        const std::pair<tk::Control*, Handler> actions[] = {
            {(form.*buttons.ignore).get(), buttons.ignoreClick},
            {(form.*buttons.remove).get(), buttons.removeClick},
            {(form.*buttons.refresh).get(), buttons.refreshClick}};
        for (const auto& [button, click] : actions)
            if (click && std::find(controls.begin(), controls.end(), button) == controls.end())
                controls.push_back(button);
    }
    return controls;
}

// The window while a flow runs: the blocked controls disabled and the flow's steps
// checking for an exit; at the end the controls enabled again ("Detail Items" once a
// results row has been selected), the keyboard focus back where it was (disabling its
// control left it nowhere) and the exit done.
class FlowHold {
  public:
    explicit FlowHold(TForm1& form) : form_(form), focused_(GetFocus()) {
        form_.FlowRunning = true;
        for (tk::Control* control : FlowBlockedControls(form_))
            control->setEnabled(false);
        tk::app().setStepCheck([&form] {
            if (form.PendingExit != TForm1::ExitRequest::None)
                throw FlowStopped{};
        });
    }
    ~FlowHold() {
        tk::app().setStepCheck(nullptr);
        for (tk::Control* control : FlowBlockedControls(form_))
            control->setEnabled(control != form_.OBall3.get() || !form_.SelectedRowCaption.empty());
        form_.FlowRunning = false;
        if (GetActiveWindow() == form_.handle() && !GetFocus() && IsWindowVisible(focused_) &&
            IsWindowEnabled(focused_))
            SetFocus(focused_);
        const auto pending = std::exchange(form_.PendingExit, TForm1::ExitRequest::None);
        if (pending == TForm1::ExitRequest::Close)
            PostMessageW(form_.handle(), WM_CLOSE, 0, 0);
        else if (pending == TForm1::ExitRequest::Terminate)
            tk::app().terminate();
    }
    FlowHold(const FlowHold&) = delete;
    FlowHold& operator=(const FlowHold&) = delete;

  private:
    TForm1& form_;
    HWND focused_;
};

} // namespace

void TForm1::RunFlow(const std::function<void()>& flow) {
    if (FlowRunning)
        return;
    const FlowHold hold(*this);
    try {
        flow();
    } catch (const FlowStopped&) {
        // The exit asked for follows as the hold ends.
    }
}

bool TForm1::DeferExitWhileFlowRuns(ExitRequest request) {
    if (!FlowRunning)
        return false;
    if (PendingExit != ExitRequest::Terminate)
        PendingExit = request;
    return true;
}

} // namespace tidewell
