#include "resources/LibraryList.h"

namespace orv {

void TLibraryList::SetItems(std::vector<TResourceRecord> items) {
    m_items = std::move(items);
    emit Changed();
}

} // namespace orv
