#pragma once
// The one set of result codes: what the server answers in a header's ResultCode, and the codes the client
// makes itself for failures of its own (connection, operation, audio engine).

#include <cstdint>

namespace orv::ResultCode {

constexpr std::uint16_t Success = 0;
constexpr std::uint16_t WrongCredentials = 1;
constexpr std::uint16_t NotPermitted = 3;
constexpr std::uint16_t StillUnavailable = 7;
constexpr std::uint16_t TemporarilyUnavailable = 8;
constexpr std::uint16_t RoomExpired = 9;
constexpr std::uint16_t Blocked = 10;
constexpr std::uint16_t ConnectionFailed = 13; // the client's own: no connection to the server
constexpr std::uint16_t FileExists = 16;       // an upload names a resource the list already has
constexpr std::uint16_t FileNotFound = 17;     // a download names a resource the server does not keep
constexpr std::uint16_t InvalidRoom = 18;
constexpr std::uint16_t VersionTooOld = 21;
constexpr std::uint16_t UploadFailed = 22;       // an upload the server could not take or keep
constexpr std::uint16_t DeleteFailed = 23;       // a resource whose file or list could not be changed
constexpr std::uint16_t ResourceNotDeleted = 25; // a delete naming no resource of the list
constexpr std::uint16_t MicrophoneDenied = 26;   // the floor without a microphone grant
constexpr std::uint16_t BoardDenied = 27;        // the public boards without access, or without the lock
constexpr std::uint16_t AccountExpired = 28;
constexpr std::uint16_t CannotOpenFile = 30;     // also the client's own: a local file it cannot read
constexpr std::uint16_t NoPermission = 31;       // a request the user's rights do not allow
constexpr std::uint16_t OperationFailed = 33;    // the client's own: an exchange broke off
constexpr std::uint16_t NoRecordings = 34;       // the server keeps no recorded session
constexpr std::uint16_t AudioEngineFailed = 35;  // the client's own: no audio engine
constexpr std::uint16_t PlaybackDisabled = 38;   // the server plays no recordings for now
constexpr std::uint16_t SharingFailed = 40;      // application sharing could not start
constexpr std::uint16_t RecordingRunning = 42;   // a start while the room is being recorded
constexpr std::uint16_t SharingRunning = 43;     // a start while the room already has a sharing host
constexpr std::uint16_t NoRecordingRunning = 45; // a stop while nothing is recorded
constexpr std::uint16_t InvalidParameter = 46;   // a request whose sizes or kind do not hold together
constexpr std::uint16_t RoomFull = 51;
constexpr std::uint16_t NoFreeMicrophone = 54;
// The highest code with a text of its own.
constexpr std::uint16_t Last = 56;

} // namespace orv::ResultCode
