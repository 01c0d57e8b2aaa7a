// What the host shows the user: prompt, message and error fields, the message
// centre, message and advisory boxes and completion bars.
#pragma once

#include "host/mstypes.h"

// Message types of mdlOutput_printf.
constexpr int MSG_MESSAGE = 0;
constexpr int MSG_ERROR = 1;
constexpr int MSG_PROMPT = 2;
constexpr int MSG_STATUS = 3;
constexpr int MSG_COMMAND = 4;

void mdlOutput_prompt(const char* text);
void mdlOutput_command(const char* text);
void mdlOutput_message(const char* text);
void mdlOutput_error(const char* text);
// Formats and shows the text in the field of the message type.
int mdlOutput_printf(int messageType, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Message-centre priorities.
constexpr int MESSAGE_ERROR = 10;
constexpr int MESSAGE_WARNING = 11;
constexpr int MESSAGE_INFO = 12;
constexpr int MESSAGE_DEBUG = 13;
void mdlOutput_messageCenter(int priority, const char* brief, const char* detailed, int openAlert);

// Dialog id of the host's standard boxes.
constexpr int DIALOGID_MsgBoxOK = -97;
// Icons.
constexpr int MSGBOX_ICON_NONE = 0;
constexpr int MSGBOX_ICON_INFORMATION = 1;
constexpr int MSGBOX_ICON_QUESTION = 2;
constexpr int MSGBOX_ICON_WARNING = 3;
constexpr int MSGBOX_ICON_CRITICAL = 4;
// Buttons.
constexpr int ACTIONBUTTON_OK = 3;
constexpr int ACTIONBUTTON_CANCEL = 4;
constexpr int ACTIONBUTTON_YES = 5;
constexpr int ACTIONBUTTON_NO = 6;

// Modal message box; the button that closed it.
int mdlDialog_openMessageBox(int dialogId, const char* text, int iconType);
int mdlDialog_openMessageBoxW(int dialogId, const MSWChar* text, int iconType);
// Modal box with a title above the text (the text may be long, such as a report).
int mdlDialog_openAdvisoryBox(int dialogId, const char* title, const char* text, int iconType);

// Completion bar: opened with a text, updated with a text and a percentage (0-100).
struct MSDialog;
MSDialog* mdlDialog_openCompletionBar(const char* text);
void mdlDialog_updateCompletionBar(MSDialog* bar, const char* text, int percent);
void mdlDialog_closeCompletionBar(MSDialog* bar);
