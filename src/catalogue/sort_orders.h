#pragma once
// The catalogue's orders: by date, newest first, or by base name in capitals.

#include "app/state.h"

namespace quiverel {

void SortByDate(QList<CatalogueRow>& rows);
void SortByName(QList<CatalogueRow>& rows);
// 1 by date, 2 by name.
void sortCatalogue(QList<CatalogueRow>& rows, int sortOrder);

} // namespace quiverel
