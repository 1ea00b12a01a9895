#pragma once
// The file service's store: per room a list of documents, of library images, of web links, of
// presentations and of slides, and for the whole server one picture per participant. Each list lives in a
// folder of its own under the store's root, with its files and an index (index.ini) holding the resource
// records; demo.ini describes the layout. Lists are read on first use and the index is written after every
// change. The shared-documents service lists and deletes through here; the bulk-transfer port adds and
// fetches.

#include "protocol/SignInRecords.h"
#include "protocol/TransferMessages.h"

#include <QString>
#include <QTemporaryFile>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace orv::server {

enum class ResourceList { Documents, Images, WebLinks, Pictures, Presentations, Slides };

ResourceList ListOf(TTransferKind kind);

class ResourceStore {
public:
    explicit ResourceStore(QString root);

    const QString& root() const { return m_root; }

    // The list's records in the order they were added, each with its ResourceId and FileSize. Pictures are
    // the server's, whatever the room.
    std::vector<TResourceRecord> list(std::int32_t room, ResourceList list);

    struct Found {
        TResourceRecord record;
        QString path;
    };
    // What a download asks for: by file name without regard to case, a slide within its presentation (the
    // request's Description is the presentation's key). None for a kind that is never downloaded.
    std::optional<Found> find(std::int32_t room, TTransferKind kind, const TResourceRecord& request);

    // Whether an upload may go ahead: FileExists when a document, library image or web link of that name is
    // already there. Pictures, slides and presentations replace the one they match. Files are known by
    // their base name: a path an uploader sends is cut to its last part, and one without a name is
    // InvalidParameter.
    std::uint16_t admit(std::int32_t room, TTransferKind kind, TResourceRecord record);
    // A place for an upload's content in the folder that will keep it; null when that cannot be made.
    std::unique_ptr<QTemporaryFile> createContent(std::int32_t room, TTransferKind kind);
    // Keeps a complete upload: `content` holds its file (none for a web link). The record keeps the
    // uploader's texts, with the owner's name from the account, no local path, and the file's size; a
    // picture is named after the uploader. Returns the result code of the upload's reply.
    std::uint16_t keep(std::int32_t room, TTransferKind kind, TResourceRecord record,
                       const TAccountRecord& uploader, std::unique_ptr<QTemporaryFile> content);

    // Removes a resource and its file, a presentation with its slides; false when there is none.
    bool remove(std::int32_t room, ResourceList list, std::int32_t resourceId);
    // Removes what a delete request names: the resource of its ResourceId when that one bears its file name,
    // else the one of that name. The answer's result code: ResourceNotDeleted when there is none,
    // DeleteFailed when its file or the index could not be changed.
    std::uint16_t remove(std::int32_t room, ResourceList list, const TResourceRecord& request);

private:
    struct Entry {
        TResourceRecord record;
        QString file; // in the list's folder; empty for a web link
        QString key;  // the presentation a slide or a presentation belongs to
    };
    struct Folder {
        QString path;
        std::vector<Entry> entries;
        std::int32_t nextId = 1;
    };

    Folder& folder(std::int32_t room, ResourceList list);
    Folder load(const QString& path, ResourceList list) const;
    bool save(const Folder& folder) const;
    Entry* match(Folder& folder, TTransferKind kind, const TResourceRecord& record);
    void erase(Folder& folder, std::vector<Entry>::iterator entry);

    QString m_root;
    std::map<std::pair<std::int32_t, ResourceList>, Folder> m_folders;
};

} // namespace orv::server
