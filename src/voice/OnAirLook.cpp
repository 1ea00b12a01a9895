#include "voice/OnAirLook.h"

#include <QtGlobal>

namespace orv {

TSpeakLook SpeakLook(TFloorState floor, bool microphoneAllowed, bool muted) {
    switch (floor) {
    case TFloorState::Requesting:
        return {SpeakPicture::Requesting,
                QT_TRANSLATE_NOOP("orv::TVoiceModule", "Waiting for a microphone...")};
    case TFloorState::OnAir:
        if (muted)
            return {SpeakPicture::Muted, QT_TRANSLATE_NOOP("orv::TVoiceModule", "On the air, muted")};
        return {SpeakPicture::Talking, QT_TRANSLATE_NOOP("orv::TVoiceModule", "On the air")};
    case TFloorState::Off:
        break;
    }
    if (microphoneAllowed)
        return {SpeakPicture::Allowed, QT_TRANSLATE_NOOP("orv::TVoiceModule", "Not speaking")};
    return {SpeakPicture::Forbidden, QT_TRANSLATE_NOOP("orv::TVoiceModule", "No microphone given to you")};
}

} // namespace orv
