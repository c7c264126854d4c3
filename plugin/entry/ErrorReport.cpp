#include "plugin/entry/ErrorReport.h"

#include <cstring>

#include "plugin/suites/PString.h"
#include "plugin/suites/SuitePointers.h"

namespace {

enum { kErrorStringList = 16050, kErrorDialogID = 16051 };
enum { kErrorDialogMessageItem = 2, kErrorDialogCodeItem = 3 };

// The dialog's user data: the message followed by the code text.
struct ErrorDialogData {
    char message[256];
    char code[256];
};

bool IsNumberText(const char* text) { return text[0] == '-' || (text[0] >= '0' && text[0] <= '9'); }

// The code a code text of the string list stands for.
ASErr CodeOfText(char* text)
{
    bool number = IsNumberText(text);
    if (!CStringToPString(text)) return 0;
    if (number) {
        AIReal value = 0;
        if (sAIUser->IUStringToReal(reinterpret_cast<const unsigned char*>(text), &value)) return 0;
        return static_cast<int16_t>(static_cast<int32_t>(value));
    }
    const unsigned char* c = reinterpret_cast<const unsigned char*>(text) + 1;
    return AI_FOURCC(c[0], c[1], c[2], c[3]);
}

void MakeCodeText(ASErr code, char* text)
{
    uint32_t high = static_cast<uint32_t>(code) >> 16;
    if (high == 0 || high == 0xFFFF) {
        unsigned char number[256] = {0};
        if (sAIUser->IURealToString(static_cast<AIReal>(code), 0, number)) number[0] = 0;
        std::memcpy(text, number, 256);
        PStringToCString(text);
        return;
    }
    for (int i = 0; i < 4; ++i) text[i] = static_cast<char>((static_cast<uint32_t>(code) >> (24 - 8 * i)) & 0xFF);
    text[4] = '\0';
}

void CloseOnDefault(ADMItemRef item, ADMNotifierRef notifier) { sADMItem->DefaultNotify(item, notifier); }

ASErr InitErrorDialog(ADMDialogRef dialog)
{
    const ErrorDialogData* data = static_cast<const ErrorDialogData*>(sADMDialog->GetUserData(dialog));
    sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, kADMDefaultItemID), CloseOnDefault);
    sADMItem->SetText(sADMDialog->GetItem(dialog, kErrorDialogMessageItem), data->message);
    sADMItem->SetText(sADMDialog->GetItem(dialog, kErrorDialogCodeItem), data->code);
    return kNoErr;
}

}  // namespace

void ReportError(const SPMessageData* message, ASErr code)
{
    // Every suite the report uses must be held: a failed acquisition leaves any of them missing.
    if (code == kNoErr || code == kCanceledErr || !sADMBasic || !sADMDialog || !sADMItem || !sAIUser) return;

    // Pairs of (code text, message) from index 1; an empty code text ends the list.
    int32_t index = 1;
    bool found = false;
    for (;;) {
        char text[256] = {0};
        if (sADMBasic->GetIndexString(message->self, kErrorStringList, index, text, 255)) break;
        if (text[0] == '\0') break;
        if (CodeOfText(text) == code) {
            found = true;
            break;
        }
        index += 2;
    }

    ErrorDialogData data = {};
    // Unfound, index - 1 is the message of the list's last pair, the catch-all.
    int32_t messageIndex = found ? index + 1 : index - 1;
    if (messageIndex < 1) return;  // no list to take a message from
    if (sADMBasic->GetIndexString(message->self, kErrorStringList, messageIndex, data.message, 256)) return;
    MakeCodeText(code, data.code);
    sADMDialog->Modal(message->self, "Error Dialog", kErrorDialogID, 0, InitErrorDialog, &data, 0);
}
