#include "ResourceStore.h"

#include "protocol/ResultCodes.h"
#include "protocol/Stamp.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace orv::server {
namespace {

const char* folderName(ResourceList list) {
    switch (list) {
    case ResourceList::Documents:
        return "documents";
    case ResourceList::Images:
        return "images";
    case ResourceList::WebLinks:
        return "weblinks";
    case ResourceList::Pictures:
        return "pictures";
    case ResourceList::Presentations:
        return "presentations";
    case ResourceList::Slides:
        return "slides";
    }
    return "other";
}

// A text of the index; one holding commas is read back whole.
QString text(const QSettings& s, const QString& key) {
    const QVariant v = s.value(key);
    return v.typeId() == QMetaType::QStringList ? v.toStringList().join(", ") : v.toString();
}

// The extension a kept file gets: letters and digits of the name's suffix only, so that nothing a client
// sends shapes a path on the server.
QString safeExtension(const QString& name) {
    QString ext;
    for (const QChar c : QFileInfo(name).suffix())
        if (c.isLetterOrNumber() && c.unicode() < 128 && ext.size() < 10)
            ext += c;
    return ext.isEmpty() ? ext : "." + ext;
}

// What peers are told a file is called: the last part of whatever path the uploader sent, in either
// system's separators.
QString ResourceBaseName(const QString& name) {
    const qsizetype cut = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\'));
    const QString base = name.mid(cut + 1).trimmed();
    return base == "." || base == ".." ? QString() : base;
}

bool sameName(const TResourceRecord& a, const TResourceRecord& b) {
    return a.FileName().compare(b.FileName(), Qt::CaseInsensitive) == 0;
}

} // namespace

ResourceList ListOf(TTransferKind kind) {
    switch (kind) {
    case tkDocument:
        return ResourceList::Documents;
    case tkLibraryImage:
        return ResourceList::Images;
    case tkWebLink:
        return ResourceList::WebLinks;
    case tkPicture:
        return ResourceList::Pictures;
    case tkPresentation:
        return ResourceList::Presentations;
    case tkSlide:
        return ResourceList::Slides;
    }
    return ResourceList::Documents;
}

ResourceStore::ResourceStore(QString root) : m_root(std::move(root)) {}

ResourceStore::Folder& ResourceStore::folder(std::int32_t room, ResourceList list) {
    const std::int32_t owner = list == ResourceList::Pictures ? 0 : room;
    auto it = m_folders.find({owner, list});
    if (it != m_folders.end())
        return it->second;
    const QString path = list == ResourceList::Pictures
                             ? QDir(m_root).filePath(folderName(list))
                             : QDir(m_root).filePath(QString("room-%1/%2").arg(room).arg(folderName(list)));
    return m_folders.emplace(std::pair{owner, list}, load(path, list)).first->second;
}

ResourceStore::Folder ResourceStore::load(const QString& path, ResourceList list) const {
    Folder f;
    f.path = path;
    const QString index = QDir(path).filePath("index.ini");
    if (!QFileInfo::exists(index))
        return f;
    QSettings s(index, QSettings::IniFormat);
    QStringList groups = s.childGroups();
    std::sort(groups.begin(), groups.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    for (const QString& group : groups) {
        bool ok = false;
        const std::int32_t id = group.toInt(&ok);
        if (!ok || id <= 0)
            continue;
        s.beginGroup(group);
        Entry e;
        const QString name =
            list == ResourceList::WebLinks ? text(s, "name") : ResourceBaseName(text(s, "name"));
        if (list != ResourceList::WebLinks) {
            // Only a file of this folder, whatever the index says.
            e.file = QFileInfo(s.contains("file") ? text(s, "file") : name).fileName();
        }
        const QFileInfo file(QDir(path).filePath(e.file));
        const bool usable =
            !name.isEmpty() &&
            (e.file.isEmpty() || (file.isFile() && file.isReadable() && file.size() <= kMaxTransferFileSize));
        if (usable) {
            e.key = text(s, "key");
            e.record.SetResourceId(id);
            e.record.SetFileName(name);
            e.record.SetFileExt(e.file.isEmpty() ? QString() : safeExtension(name));
            e.record.SetFileSize(e.file.isEmpty() ? 0 : std::int32_t(file.size()));
            e.record.SetDescription(text(s, "description"));
            e.record.SetOwnerName(text(s, "owner"));
            const QDateTime uploaded = QDateTime::fromString(text(s, "uploaded"), Qt::ISODate);
            e.record.SetUploaded(stampFromLocal(uploaded.isValid() ? uploaded : file.lastModified()));
            e.record.SetItemCount(s.value("items", 0).toInt());
            f.entries.push_back(e);
        }
        f.nextId = std::max(f.nextId, id + 1);
        s.endGroup();
    }
    return f;
}

bool ResourceStore::save(const Folder& f) const {
    if (!QDir().mkpath(f.path))
        return false;
    QSettings s(QDir(f.path).filePath("index.ini"), QSettings::IniFormat);
    s.clear();
    for (const Entry& e : f.entries) {
        s.beginGroup(QString::number(e.record.ResourceId()));
        s.setValue("name", e.record.FileName());
        if (!e.file.isEmpty())
            s.setValue("file", e.file);
        s.setValue("description", e.record.Description());
        s.setValue("owner", e.record.OwnerName());
        s.setValue("uploaded", localFromStamp(e.record.Uploaded()).toString(Qt::ISODate));
        s.setValue("items", e.record.ItemCount());
        if (!e.key.isEmpty())
            s.setValue("key", e.key);
        s.endGroup();
    }
    s.sync();
    return s.status() == QSettings::NoError;
}

std::vector<TResourceRecord> ResourceStore::list(std::int32_t room, ResourceList list) {
    std::vector<TResourceRecord> records;
    for (const Entry& e : folder(room, list).entries)
        records.push_back(e.record);
    return records;
}

ResourceStore::Entry* ResourceStore::match(Folder& f, TTransferKind kind, const TResourceRecord& record) {
    const auto it = std::find_if(f.entries.begin(), f.entries.end(), [&](const Entry& e) {
        switch (kind) {
        case tkPresentation:
            return e.key == record.Description();
        case tkSlide:
            return e.key == record.Description() && sameName(e.record, record);
        default:
            return sameName(e.record, record);
        }
    });
    return it == f.entries.end() ? nullptr : &*it;
}

std::optional<ResourceStore::Found> ResourceStore::find(std::int32_t room, TTransferKind kind,
                                                        const TResourceRecord& request) {
    if (!DownloadCommand(kind))
        return std::nullopt;
    Folder& f = folder(room, ListOf(kind));
    const Entry* e = match(f, kind, request);
    if (!e)
        return std::nullopt;
    const QFileInfo file(QDir(f.path).filePath(e->file));
    if (!file.isFile() || file.size() > kMaxTransferFileSize)
        return std::nullopt;
    Found found{e->record, file.filePath()};
    found.record.SetFileSize(std::int32_t(file.size()));
    return found;
}

std::uint16_t ResourceStore::admit(std::int32_t room, TTransferKind kind, TResourceRecord record) {
    if (kind != tkWebLink) {
        record.SetFileName(ResourceBaseName(record.FileName()));
        if (record.FileName().isEmpty())
            return ResultCode::InvalidParameter;
    }
    const bool replaces = kind == tkPicture || kind == tkPresentation || kind == tkSlide;
    if (!replaces && match(folder(room, ListOf(kind)), kind, record))
        return ResultCode::FileExists;
    return ResultCode::Success;
}

std::unique_ptr<QTemporaryFile> ResourceStore::createContent(std::int32_t room, TTransferKind kind) {
    const Folder& f = folder(room, ListOf(kind));
    if (!QDir().mkpath(f.path))
        return nullptr;
    auto content = std::make_unique<QTemporaryFile>(QDir(f.path).filePath("upload-XXXXXX.part"));
    if (!content->open())
        return nullptr;
    return content;
}

void ResourceStore::erase(Folder& f, std::vector<Entry>::iterator entry) {
    if (!entry->file.isEmpty())
        QFile::remove(QDir(f.path).filePath(entry->file));
    f.entries.erase(entry);
}

std::uint16_t ResourceStore::keep(std::int32_t room, TTransferKind kind, TResourceRecord record,
                                  const TAccountRecord& uploader, std::unique_ptr<QTemporaryFile> content) {
    if (kind == tkPicture) {
        record.SetFileName(QString::number(uploader.UserId()) + ".jpg");
        record.SetFileExt(".jpg");
    } else if (kind != tkWebLink) {
        record.SetFileName(ResourceBaseName(record.FileName()));
    }
    const std::uint16_t admitted = admit(room, kind, record);
    if (admitted != ResultCode::Success)
        return admitted;
    Folder& f = folder(room, ListOf(kind));
    Entry entry;
    entry.record = record;
    entry.record.SetResourceId(f.nextId);
    entry.record.SetLocalPath({});
    entry.record.SetOwnerName(uploader.FullName().trimmed());
    entry.record.SetFileSize(content ? std::int32_t(content->size()) : 0);
    if (!std::isfinite(record.Uploaded()))
        entry.record.SetUploaded(stampNow());
    if (kind == tkPresentation || kind == tkSlide)
        entry.key = record.Description();
    if (content) {
        const QString ext = safeExtension(record.FileName());
        entry.file = QString::number(f.nextId) + ext;
        for (int n = 2; QFileInfo::exists(QDir(f.path).filePath(entry.file)); ++n)
            entry.file = QString("%1-%2%3").arg(f.nextId).arg(n).arg(ext); // a file the index does not know
        const QString target = QDir(f.path).filePath(entry.file);
        content->close();
        if (!content->rename(target))
            return ResultCode::UploadFailed; // the temporary file goes with `content`
        content->setAutoRemove(false);
    }
    if (Entry* replaced = match(f, kind, entry.record))
        erase(f, f.entries.begin() + (replaced - f.entries.data()));
    ++f.nextId;
    f.entries.push_back(entry);
    if (!save(f)) {
        erase(f, f.entries.end() - 1);
        return ResultCode::UploadFailed;
    }
    return ResultCode::Success;
}

std::uint16_t ResourceStore::remove(std::int32_t room, ResourceList list, const TResourceRecord& request) {
    Folder& f = folder(room, list);
    auto it = std::find_if(f.entries.begin(), f.entries.end(), [&](const Entry& e) {
        return e.record.ResourceId() == request.ResourceId() && sameName(e.record, request);
    });
    if (it == f.entries.end())
        it = std::find_if(f.entries.begin(), f.entries.end(),
                          [&](const Entry& e) { return sameName(e.record, request); });
    if (it == f.entries.end() || request.FileName().isEmpty())
        return ResultCode::ResourceNotDeleted;
    if (!it->file.isEmpty()) {
        QFile file(QDir(f.path).filePath(it->file));
        if (file.exists() && !file.remove())
            return ResultCode::DeleteFailed;
    }
    const std::int32_t id = it->record.ResourceId();
    if (!remove(room, list, id))
        return ResultCode::ResourceNotDeleted;
    return save(f) ? ResultCode::Success : ResultCode::DeleteFailed;
}

bool ResourceStore::remove(std::int32_t room, ResourceList list, std::int32_t resourceId) {
    Folder& f = folder(room, list);
    const auto it = std::find_if(f.entries.begin(), f.entries.end(),
                                 [&](const Entry& e) { return e.record.ResourceId() == resourceId; });
    if (it == f.entries.end())
        return false;
    const QString key = it->key;
    erase(f, it);
    save(f);
    if (list == ResourceList::Presentations && !key.isEmpty()) {
        Folder& slides = folder(room, ResourceList::Slides);
        std::erase_if(slides.entries, [&](const Entry& e) {
            if (e.key == key && !e.file.isEmpty())
                QFile::remove(QDir(slides.path).filePath(e.file));
            return e.key == key;
        });
        save(slides);
    }
    return true;
}

} // namespace orv::server
