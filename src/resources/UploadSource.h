#pragma once
// The local file of an upload: whether it can be sent at all, and the record that describes it.

#include "protocol/ResourceRecords.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace orv {

struct TUploadRefusal {
    int code;     // the transfer's result code
    QString text; // what the user is told
};

class UploadSource {
    Q_DECLARE_TR_FUNCTIONS(orv::UploadSource)

public:
    // None when the file exists, can be read and fits the 32-bit sizes of the exchange.
    static std::optional<TUploadRefusal> Check(const QString& path);

    // The record an upload sends: the file name, the full path, the extension with its dot, the size, the
    // description and the owner's name without surrounding blanks, the current local time, the item count.
    static TResourceRecord Describe(const QString& path, std::int32_t size, const QString& description,
                                    const QString& ownerName, std::int32_t itemCount);
};

} // namespace orv
