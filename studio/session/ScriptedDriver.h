// A UI driver that plays a script of user actions in a modal dialog.
//
// The action language, one action per line or several separated by ';'
// ('#' starts a comment that runs to the end of the line):
//
//   set ID VALUE     give item ID the value as its kind takes one: a spin edit
//                    gets VALUE typed (whole numbers only in an integer box; a
//                    real box takes it to its places; the item keeps it within
//                    its range), a check box is clicked unless it already
//                    shows VALUE (0 or 1), a popup gets entry VALUE chosen
//   toggle ID        click check box ID
//   choose ID ENTRY  choose the entry whose id is ENTRY in popup ID
//   click ID         press push button or picture button ID
//   pick ID X Y      pick the artwork point (X, Y) with pick button ID: the
//                    event carries modifier 0x20 and the view point that shows
//                    (X, Y), which must lie in the view's window
//   ok               accept the dialog, as Enter does
//   cancel           cancel the dialog, as Escape does
//   state            print the dialog: the page (its bold caption) and every
//                    visible item with id, kind, text, value and whether it is
//                    enabled
//
// A script that does not end the dialog ends it with `ok`. An action a person
// could not do either (an unknown, hidden or disabled item, an item of
// another kind, an entry the popup lacks, a point outside the window, any
// action once the dialog has ended) stops the script: the dialog is
// cancelled and error() names the action and its line.
#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "studio/dialogs/DialogModel.h"

namespace studio {

class Host;

// A script that does not parse; nothing has run.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptAction {
    enum class Kind { Set, Toggle, Choose, Click, Pick, Ok, Cancel, State } kind = Kind::State;
    int32_t id = 0;
    double value = 0;   // set: the number; choose: the entry id; pick: x
    double y = 0;       // pick
    int line = 0;       // 1-based
    std::string text;   // the action as written
    std::string where;  // names the action in messages: source, line and text
};

// Parses a script; throws ScriptError naming the line and action that does
// not parse. source, when given, leads every action's `where`.
std::vector<ScriptAction> parseScript(const std::string& script, const std::string& source = "");

// Prints the dialog as the `state` action does.
void printDialogState(const Dialog& dialog, std::ostream& out);

// Does one action in dialog as the user; `state` prints to out. Empty when
// done, else why a person could not do it.
std::string performAction(Host& host, Dialog& dialog, const ScriptAction& action, std::ostream& out);

class ScriptedDriver : public UiDriver {
public:
    // Throws ScriptError when the script does not parse. `state` prints to out.
    ScriptedDriver(Host& host, const std::string& script, std::ostream& out);
    ScriptedDriver(Host& host, std::vector<ScriptAction> actions, std::ostream& out);

    // Plays the script in the first dialog it is handed; any other dialog,
    // and a dialog opened from inside the script, is accepted as it is.
    void runModal(Dialog& dialog) override;

    // Why the script stopped, when it did.
    const std::optional<std::string>& error() const { return error_; }
    bool played() const { return played_; }

private:
    Host& host_;
    std::vector<ScriptAction> actions_;
    std::ostream& out_;
    bool played_ = false;
    std::optional<std::string> error_;
};

}  // namespace studio
