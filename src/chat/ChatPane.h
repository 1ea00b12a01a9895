#pragma once
// The "Text Chat" page of the main window: the header naming the conversation on show, whose drop-down
// chooses the recipient; the conversations, one visible at a time; the message entry with its smiley and
// phrase menu and the Send button; the context menu of the logs. It opens the large window, the notice
// windows and the save dialog. Only a pointer crosses this header, so the module stays free of widgets.

class QWidget;

namespace orv {

class ChatCommands;
class ChatConversations;
class ChatHandlers;
class ChatState;

// A new pane over the chat; whoever installs it owns it.
QWidget* NewChatPane(ChatHandlers& handlers, ChatCommands& commands, ChatState& state,
                     ChatConversations& conversations);

} // namespace orv
