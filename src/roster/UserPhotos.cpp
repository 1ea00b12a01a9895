#include "roster/UserPhotos.h"

#include "link/SessionState.h"
#include "session/ResourceTransfers.h"

#include <QDir>

namespace orv {

QString TUserPhotos::PathOf(std::uint16_t userId) const {
    if (m_folder.isEmpty())
        return {};
    return QDir(m_folder).filePath(QString::number(userId) + ".jpg");
}

bool TUserPhotos::IsPlayback() const {
    return m_state.IsPlayback();
}

bool TUserPhotos::Request(std::uint16_t userId, IMessageSink* notify) const {
    if (!m_transfers || m_state.IsPlayback())
        return false;
    m_transfers->DownloadUserPicture(userId, TNotifyWindow{notify, 0});
    return true;
}

bool TUserPhotos::Upload(const QString& path) const {
    if (!m_transfers || m_state.IsPlayback())
        return false;
    m_transfers->StartUpload(path, QString(), TNotifyWindow{}, tkPicture);
    return true;
}

} // namespace orv
