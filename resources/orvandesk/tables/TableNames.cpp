#include "resources/orvandesk/tables/TableNames.h"

namespace orvandesk::res {

// Bumped when a table changes its meaning (keys renamed or reinterpreted).
int tablesResourceVersion() { return 1; }

}  // namespace orvandesk::res
