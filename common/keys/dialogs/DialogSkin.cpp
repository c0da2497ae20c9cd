#include "common/keys/dialogs/DialogSkin.h"

#include "common/shell/Skin.h"

namespace keys {

DialogSkin DialogSkinOf(shell::Skin& skin) {
    return DialogSkin{skin.store(), skin.layoutTable(), skin.languages(), skin.languageNumber(),
                      &skin.problems()};
}

}  // namespace keys
