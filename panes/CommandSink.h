#pragma once
// Where a pane sends the command ids it does not handle itself (its toolbar's
// zoom buttons, its Draw and Draw Random buttons, ...). The main frame
// implements it and routes the id as a menu command: view, frame, application.

namespace lumora {

class CommandSink {
public:
    virtual ~CommandSink() = default;
    // Returns false when nobody handles the id.
    virtual bool runCommand(int id) = 0;
};

}  // namespace lumora
