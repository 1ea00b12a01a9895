#pragma once
// The polls on screen: the poll tool button's drop-down menu with the favourite polls, the poll dialog, an
// answering window per received poll, and the results window, all driven by the polls' logic.

#include <memory>

class QAction;

namespace orv {

class IDialogs;
class TPolls;

class TPollToolBox {
public:
    // `pollTool` gets the drop-down; it and `newPollItem` open the poll dialog.
    TPollToolBox(TPolls& polls, IDialogs& dialogs, QAction& pollTool, QAction& newPollItem);
    ~TPollToolBox();

    // The dialog, run as the tool button runs it: the results empty, the poll sent on "Send".
    void CreatePoll();
    // "Show the latest poll results...".
    void ShowResults();

private:
    struct Parts;
    std::unique_ptr<Parts> m;
};

} // namespace orv
