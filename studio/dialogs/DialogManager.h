// The dialog manager behind the ADM suites: runs modal dialogs from the
// plug-in's templates and hands every user action to the active UI driver.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "studio/dialogs/DialogModel.h"

namespace studio {

class DialogManager {
public:
    DialogManager();

    // The plug-in's string lists (resource id -> text) and dialog templates.
    void setResources(std::map<int32_t, std::string> strings, std::map<int32_t, DialogTemplate> templates);
    const std::string* string(int32_t id) const;
    const std::map<int32_t, DialogTemplate>& templates() const { return templates_; }

    // The driver that acts as the user; the accepting driver unless set. Not owned.
    void setDriver(UiDriver* driver) { driver_ = driver ? driver : &accepting_; }
    // The driver set, or null for the accepting one.
    UiDriver* driver() const { return driver_ == &accepting_ ? nullptr : driver_; }

    // Builds the dialog from its template, runs init, then the modal loop.
    // The id of the item that ended it, or -1 when there is no such template
    // or init failed.
    int32_t runModal(const std::string& name, int32_t templateId, ADMDialogInitProc init, ADMUserData data);

    // The dialogs open now, innermost last.
    const std::vector<Dialog*>& openDialogs() const { return open_; }
    // Every dialog shown so far, and every alert.
    const std::vector<ShownDialog>& shown() const { return shown_; }
    const std::vector<std::string>& alerts() const { return alerts_; }
    void alert(std::string message) { alerts_.push_back(std::move(message)); }

    // What a user action does: the item's notification procedure runs, or
    // the default notification when it has none; then the item's pending
    // value is dropped, taken or not.
    void userChanged(DialogItem& item);
    // A mouse gesture on an item: the event is current while the item's
    // tracking procedure (or the default tracking) runs. Whether the host
    // goes on to notify the item.
    bool track(DialogItem& item, int32_t modifiers, AIPoint point);
    // A plain click on a button: tracking without modifiers, then the notification.
    void click(DialogItem& item);
    // Enter: the default item when there is one, else the host's own accept (result 1).
    void accept(Dialog& dialog);
    // Escape: the cancel item when it can be pressed, else the host's own cancel (result 2).
    void cancel(Dialog& dialog);
    // Sends a notification of that type to the item's procedure.
    void sendNotify(DialogItem& item, const char* notifierType);
    // The host's own handling: the item takes its pending value; the default
    // and cancel buttons end the modal dialog.
    void defaultNotify(DialogItem& item);

    // The current mouse event, read by the tracker suite.
    struct MouseEvent {
        int32_t modifiers = 0;
        AIPoint point{};
    };
    MouseEvent event;

private:
    std::map<int32_t, std::string> strings_;
    std::map<int32_t, DialogTemplate> templates_;
    AcceptingDriver accepting_;
    UiDriver* driver_;
    std::vector<Dialog*> open_;
    std::vector<ShownDialog> shown_;
    std::vector<std::string> alerts_;
};

}  // namespace studio
