#include "studio/session/ScriptedDriver.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "studio/host/Host.h"
#include "studio/io/QuotedText.h"

namespace studio {

namespace {

struct Syntax {
    const char* name;
    ScriptAction::Kind kind;
    size_t arguments;
    const char* usage;
};
// clang-format off
constexpr Syntax kSyntax[] = {
    {"set", ScriptAction::Kind::Set, 2, "set ID VALUE"},
    {"toggle", ScriptAction::Kind::Toggle, 1, "toggle ID"},
    {"choose", ScriptAction::Kind::Choose, 2, "choose ID ENTRY-ID"},
    {"click", ScriptAction::Kind::Click, 1, "click ID"},
    {"pick", ScriptAction::Kind::Pick, 3, "pick ID X Y"},
    {"ok", ScriptAction::Kind::Ok, 0, "ok"},
    {"cancel", ScriptAction::Kind::Cancel, 0, "cancel"},
    {"state", ScriptAction::Kind::State, 0, "state"},
};
// clang-format on

// The same white space that splits the tokens, so that a line of it is blank.
constexpr char kWhiteSpace[] = " \t\n\v\f\r";

std::string trim(const std::string& s)
{
    size_t first = s.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(kWhiteSpace) - first + 1);
}

std::string where(const std::string& source, int line, const std::string& text)
{
    return (source.empty() ? "" : source + " ") + "line " + std::to_string(line) + ", " + quotedText(text);
}

bool parseInt(const std::string& token, int32_t& out)
{
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), out);
    return ec == std::errc() && end == token.data() + token.size();
}

// Empty when token is a finite number, else what is wrong with it.
std::string numberProblem(const std::string& token, double& out)
{
    char* end = nullptr;
    errno = 0;
    out = token.empty() ? 0 : std::strtod(token.c_str(), &end);
    if (token.empty() || end != token.c_str() + token.size() || std::isnan(out))
        return quotedText(token) + " is not a number";
    if (std::isinf(out) && errno == ERANGE) return quotedText(token) + " is too large for a number";
    if (std::isinf(out)) return quotedText(token) + " is not a finite number";
    return {};
}

ScriptAction parseAction(const std::string& text, int line, const std::string& source)
{
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    auto fail = [&](const std::string& why) { return ScriptError(where(source, line, text) + ": " + why); };

    const Syntax* syntax = nullptr;
    for (const Syntax& s : kSyntax)
        if (tokens[0] == s.name) syntax = &s;
    if (!syntax) throw fail("unknown action " + quotedText(tokens[0]));
    if (tokens.size() != syntax->arguments + 1) throw fail(std::string("expected \"") + syntax->usage + "\"");

    ScriptAction action;
    action.kind = syntax->kind;
    action.line = line;
    action.text = text;
    action.where = where(source, line, text);
    if (syntax->arguments == 0) return action;
    if (!parseInt(tokens[1], action.id)) throw fail(quotedText(tokens[1]) + " is not an item id");
    switch (syntax->kind) {
    case ScriptAction::Kind::Set:
        if (std::string why = numberProblem(tokens[2], action.value); !why.empty()) throw fail(why);
        break;
    case ScriptAction::Kind::Choose: {
        int32_t entry = 0;
        if (!parseInt(tokens[2], entry)) throw fail(quotedText(tokens[2]) + " is not an entry id");
        action.value = entry;
        break;
    }
    case ScriptAction::Kind::Pick:
        if (std::string why = numberProblem(tokens[2], action.value); !why.empty()) throw fail(why);
        if (std::string why = numberProblem(tokens[3], action.y); !why.empty()) throw fail(why);
        break;
    default: break;
    }
    return action;
}

bool wholeNumber(double value, int32_t& out)
{
    if (value != std::trunc(value) || value < -2147483648.0 || value > 2147483647.0) return false;
    out = static_cast<int32_t>(value);
    return true;
}

std::string numberText(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The typed number as a spin edit takes it: to its places.
double typedValue(double value, int32_t precision)
{
    double scale = std::pow(10.0, std::clamp(precision, 0, 6));
    return std::round(value * scale) / scale;
}

}  // namespace

std::vector<ScriptAction> parseScript(const std::string& script, const std::string& source)
{
    std::vector<ScriptAction> actions;
    std::istringstream lines(script);
    int line = 0;
    for (std::string text; std::getline(lines, text);) {
        ++line;
        text = text.substr(0, text.find('#'));
        std::istringstream parts(text);
        for (std::string part; std::getline(parts, part, ';');) {
            part = trim(part);
            if (!part.empty()) actions.push_back(parseAction(part, line, source));
        }
    }
    return actions;
}

void printDialogState(const Dialog& dialog, std::ostream& out)
{
    std::string page;
    for (const auto& item : dialog.items)
        if (item->visible && item->kind == ItemKind::TextStatic && item->font == kADMBoldDialogFont)
            page += (page.empty() ? "" : ", ") + quoted(item->text);
    out << "dialog " << quoted(dialog.name) << " page " << (page.empty() ? "-" : page) << "\n";
    for (const auto& item : dialog.items) {
        if (!item->visible) continue;
        out << item->id << ' ' << itemKindName(item->kind);
        if (!item->text.empty() && item->kind != ItemKind::SpinEdit) out << ' ' << quoted(item->text);
        std::string value = displayValue(*item);
        if (!value.empty()) out << " = " << value;
        if (item->kind == ItemKind::TextStatic) {
            if (item->font == kADMBoldDialogFont) out << " bold";
        } else {
            out << (item->enabled ? " enabled" : " disabled");
        }
        out << "\n";
    }
}

std::string performAction(Host& host, Dialog& dialog, const ScriptAction& action, std::ostream& out)
{
    using Kind = ScriptAction::Kind;
    DialogManager& dialogs = host.dialogs();
    if (dialog.result) return "the dialog has already ended";
    switch (action.kind) {
    case Kind::Ok: dialogs.accept(dialog); return "";
    case Kind::Cancel: dialogs.cancel(dialog); return "";
    case Kind::State: printDialogState(dialog, out); return "";
    default: break;
    }

    DialogItem* item = dialog.item(action.id);
    std::string name = "item " + std::to_string(action.id);
    if (!item) return "there is no " + name;
    if (!item->visible) return name + " is hidden";
    if (!item->enabled) return name + " is disabled";
    auto wrongKind = [&](const char* wanted) {
        return name + " is a " + itemKindName(item->kind) + ", not a " + wanted;
    };

    switch (action.kind) {
    case Kind::Set:
        switch (item->kind) {
        case ItemKind::SpinEdit:
            if (item->precision == 0 && action.value != std::trunc(action.value)) return name + " takes whole numbers";
            item->pending = typedValue(action.value, item->precision);
            dialogs.userChanged(*item);
            return "";
        case ItemKind::CheckBox:
            if (action.value != 0 && action.value != 1) return name + " is a check box: 0 or 1";
            if ((item->value != 0) == (action.value != 0)) return "";
            item->pending = action.value;
            dialogs.userChanged(*item);
            return "";
        case ItemKind::Popup: {
            int32_t entry = 0;
            int32_t position = wholeNumber(action.value, entry) ? entryPosition(*item, entry) : -1;
            if (position < 0) return name + " has no entry " + numberText(action.value);
            item->pending = position;
            dialogs.userChanged(*item);
            return "";
        }
        default: return name + " is a " + itemKindName(item->kind) + ", which holds no value";
        }
    case Kind::Toggle:
        if (item->kind != ItemKind::CheckBox) return wrongKind("check box");
        item->pending = item->value != 0 ? 0 : 1;
        dialogs.userChanged(*item);
        return "";
    case Kind::Choose: {
        if (item->kind != ItemKind::Popup) return wrongKind("popup");
        int32_t position = entryPosition(*item, static_cast<int32_t>(action.value));
        if (position < 0) return name + " has no entry " + std::to_string(static_cast<int32_t>(action.value));
        item->pending = position;
        dialogs.userChanged(*item);
        return "";
    }
    case Kind::Click:
        if (item->kind != ItemKind::PushButton && item->kind != ItemKind::PictureButton) return wrongKind("button");
        dialogs.click(*item);
        return "";
    case Kind::Pick: {
        if (item->kind != ItemKind::PictureButton || !item->track) return name + " does not pick points";
        const View& view = host.document().view;
        AIPoint point = artworkToView(view, {static_cast<float>(action.value), static_cast<float>(action.y)});
        if (point.h < 0 || point.h >= View::kWindowWidth || point.v < 0 || point.v >= View::kWindowHeight)
            return "the point lies outside the view's window";
        if (dialogs.track(*item, kADMPickModifier, point)) dialogs.userChanged(*item);
        return "";
    }
    default: return "";
    }
}

ScriptedDriver::ScriptedDriver(Host& host, const std::string& script, std::ostream& out)
    : ScriptedDriver(host, parseScript(script), out)
{
}

ScriptedDriver::ScriptedDriver(Host& host, std::vector<ScriptAction> actions, std::ostream& out)
    : host_(host), actions_(std::move(actions)), out_(out)
{
}

void ScriptedDriver::runModal(Dialog& dialog)
{
    if (played_) return;
    played_ = true;
    for (const ScriptAction& action : actions_) {
        std::string refused = performAction(host_, dialog, action, out_);
        if (refused.empty()) continue;
        error_ = action.where + ": " + refused;
        if (!dialog.result) dialog.result = kADMCancelItemID;
        return;
    }
}

}  // namespace studio
