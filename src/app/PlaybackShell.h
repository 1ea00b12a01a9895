#pragma once
// What the playback module gets from the program: the main window's playback layout and indicators, the
// recordings list, the board routes of replayed packets, the room reset of every module, the speaker volume,
// and the recorder tool bar.

#include "playback/PlaybackModule.h"

#include <vector>

namespace orv {

class TBoardModule;
class IRecordedVoice;
struct TModuleListParts;
struct TSignInModuleParts;

TPlaybackModuleParts PlaybackModuleParts(const TModuleListParts& parts, const TSignInModuleParts& signInParts,
                                         TBoardModule& boards, IRecordedVoice& voice,
                                         std::vector<ISessionModule*> roomModules);

// The moderator's " Session Recording" tool bar on the main window, shown while its actions are.
void InstallRecorderToolBar(const TModuleListParts& parts, TRecorderControl& recorder);

} // namespace orv
