// Resource ids of the gallery itself. Each page keeps its own ids in its page header, in a block
// of 100 starting at its template id (1100 the dial page, 1200 the next page, ...).
#pragma once

#define IDS_GALLERY_TITLE 1
