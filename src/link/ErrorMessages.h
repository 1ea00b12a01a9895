#pragma once
// The texts of the server's result codes and of the client's own failure codes.

#include "protocol/ResultCodes.h"

#include <QString>

namespace orv {

// The address that completes the support messages; the HelpURL setting overrides the built-in one.
QString SupportAddress();
void SetSupportAddress(const QString& address);

// The table text for 0 to 56; a clear text of our own with the number for any other code.
QString ErrorText(int code);
// "Access Denied ! [with message code: N]", then the table text, as shown in an error box.
QString AccessDeniedMessage(int code);

} // namespace orv
