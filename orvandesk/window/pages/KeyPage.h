#pragma once
// The key page's key views: what the twelve key labels show for a key set.
// The menus' actions and the assignment rules come with the key assignment
// work; the views are here because every image shown refreshes them.

#include "common/keys/FunctionContext.h"
#include "common/shell/Controls.h"
#include "orvandesk/image/KeyTextTable.h"

namespace orvandesk::pages {

// RefreshProfile1Keys .. RefreshProfile3Keys: profile 0..2.
void RefreshProfileKeys(shell::Controls& controls, const orvan::KeyTextTable& texts, int profile,
                        const keys::OrvanFunctionContext& context);

}  // namespace orvandesk::pages
