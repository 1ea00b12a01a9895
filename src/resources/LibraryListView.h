#pragma once
// The list of a library window: one row per record of the library, in the order of the last list reply,
// with the columns and the small image of its kind. The selected row's record is what the actions act on.

#include "protocol/ResourceRecords.h"

#include <QIcon>
#include <QStringList>
#include <QTreeWidget>

#include <functional>
#include <optional>

namespace orv {

class TLibraryList;

// The picture of an entry of the program's small image list (SmallImage).
QIcon SmallImageIcon(int image);

class TLibraryListView final : public QTreeWidget {
    Q_OBJECT
public:
    // The texts of a row's columns, and the small image it shows.
    struct Row {
        QStringList columns;
        int image = 0;
    };
    using RowOf = std::function<Row(const TResourceRecord&)>;

    TLibraryListView(TLibraryList& list, const QStringList& headers, RowOf rowOf, QWidget* parent = nullptr);

    std::optional<TResourceRecord> Selected() const;

signals:
    // A double click or Enter on a row.
    void Activated();

private:
    void refresh();

    TLibraryList& m_list;
    RowOf m_rowOf;
};

} // namespace orv
