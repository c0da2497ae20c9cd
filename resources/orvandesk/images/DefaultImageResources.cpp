// The resource library needs one translation unit of its own; the data
// itself comes from the generated resource sources.
#include "resources/orvandesk/images/DefaultImageResources.h"
