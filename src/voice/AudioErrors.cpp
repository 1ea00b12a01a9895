#include "voice/AudioErrors.h"

#include <QCoreApplication>

#include <array>

namespace orv {
namespace {

struct ErrorText {
    int error;
    const char* text;
};

constexpr std::array<ErrorText, 12> kTexts = {{
    {AudioError::BadDevice, QT_TRANSLATE_NOOP("orv::AudioErrors", " The specified resource does not exist.")},
    {AudioError::Allocated,
     QT_TRANSLATE_NOOP("orv::AudioErrors", " The specified resource is already in use.")},
    {AudioError::InvalidHandle, QT_TRANSLATE_NOOP("orv::AudioErrors", " The specified handle is invalid.")},
    {AudioError::NoDriver,
     QT_TRANSLATE_NOOP("orv::AudioErrors",
                       " A suitable driver is not available to provide valid format selections.")},
    {AudioError::NoMemory,
     QT_TRANSLATE_NOOP("orv::AudioErrors", " The system is unable to allocate resources.")},
    {AudioError::InvalidFlag, QT_TRANSLATE_NOOP("orv::AudioErrors", " At least one flag is invalid.")},
    {AudioError::InvalidParameter,
     QT_TRANSLATE_NOOP("orv::AudioErrors", " At least one parameter is invalid.")},
    {AudioError::BadFormat, QT_TRANSLATE_NOOP("orv::AudioErrors", " Unsupported audio format.")},
    {AudioError::Sync,
     QT_TRANSLATE_NOOP("orv::AudioErrors", " The specified device does not support asynchronous operation.")},
    {AudioError::NotPossible,
     QT_TRANSLATE_NOOP("orv::AudioErrors", " The requested operation cannot be performed.")},
    {AudioError::Busy, QT_TRANSLATE_NOOP("orv::AudioErrors", " The conversion stream is already in use.")},
    {AudioError::Unprepared,
     QT_TRANSLATE_NOOP("orv::AudioErrors",
                       " Cannot perform this action on a header that has not been prepared.")},
}};

} // namespace

QString AudioErrorMessage(const QString& operation, int error) {
    for (const ErrorText& entry : kTexts)
        if (entry.error == error)
            return operation + QCoreApplication::translate("orv::AudioErrors", entry.text);
    return QCoreApplication::translate("orv::AudioErrors", "%1 raised an unknown error (code #%2)")
        .arg(operation)
        .arg(error);
}

int AudioOpenErrorNumber(TAudioOpenError error) {
    switch (error) {
    case TAudioOpenError::NoSuchDevice:
        return AudioError::BadDevice;
    case TAudioOpenError::DeviceBusy:
        return AudioError::Allocated;
    case TAudioOpenError::FormatRejected:
    case TAudioOpenError::None:
        break;
    }
    return AudioError::BadFormat;
}

EACMIn::EACMIn(const QString& operation, int error)
    : std::runtime_error(AudioErrorMessage(operation, error).toStdString()), m_error(error) {}

EACMOut::EACMOut(const QString& operation, int error)
    : std::runtime_error(AudioErrorMessage(operation, error).toStdString()), m_error(error) {}

} // namespace orv
